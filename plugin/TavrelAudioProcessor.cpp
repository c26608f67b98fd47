#include "TavrelAudioProcessor.h"

#include "StateFormat.h"
#include "editor/TavrelAudioProcessorEditor.h"

TavrelAudioProcessor::TavrelAudioProcessor()
    : AudioProcessor (BusesProperties().withOutput ("Output", juce::AudioChannelSet::stereo(), true))
{
    for (const auto& info : kParameterInfo)
    {
        addParameter (new juce::AudioParameterFloat (juce::ParameterID { juce::String (info.index), 1 },
                                                     info.name,
                                                     juce::NormalisableRange<float> (0.0f, 1.0f),
                                                     info.normalisedDefault()));
    }
}

TavrelAudioProcessor::~TavrelAudioProcessor() = default;

const juce::String TavrelAudioProcessor::getName() const { return "Wexla"; }

void TavrelAudioProcessor::prepareToPlay (double, int) {}

void TavrelAudioProcessor::releaseResources() {}

void TavrelAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;
    buffer.clear();
}

double TavrelAudioProcessor::getTailLengthSeconds() const { return 0.0; }
bool TavrelAudioProcessor::acceptsMidi() const { return true; }
bool TavrelAudioProcessor::producesMidi() const { return false; }
bool TavrelAudioProcessor::isMidiEffect() const { return false; }

juce::AudioProcessorEditor* TavrelAudioProcessor::createEditor() { return new TavrelAudioProcessorEditor (*this); }
bool TavrelAudioProcessor::hasEditor() const { return true; }

int TavrelAudioProcessor::getNumPrograms() { return 1; }
int TavrelAudioProcessor::getCurrentProgram() { return 0; }
void TavrelAudioProcessor::setCurrentProgram (int) {}
const juce::String TavrelAudioProcessor::getProgramName (int) { return {}; }
void TavrelAudioProcessor::changeProgramName (int, const juce::String&) {}

float TavrelAudioProcessor::getParameterValue (int index) const
{
    return getParameters()[index]->getValue();
}

void TavrelAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    StateFormat::Values values;
    for (int i = 0; i < numParameters; ++i)
        values[(size_t) i] = getParameterValue (i);

    StateFormat::append (destData, values);
}

void TavrelAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    const auto values = StateFormat::read (data, sizeInBytes);
    if (! values)
        return;

    for (int i = 0; i < numParameters; ++i)
    {
        // NaN would survive the range clamp, so it counts as the low end.
        const auto value = (*values)[(size_t) i];
        setParameterNotifyingHost (i, std::isnan (value) ? 0.0f : juce::jlimit (0.0f, 1.0f, value));
    }

    // Only reaches anyone while an editor listens; the editor re-reads the parameters.
    sendChangeMessage();
}

bool TavrelAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    return layouts.outputBuses.size() > 0 && layouts.getMainOutputChannelSet() == juce::AudioChannelSet::stereo();
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new TavrelAudioProcessor();
}
