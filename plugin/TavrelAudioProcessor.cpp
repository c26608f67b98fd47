#include "TavrelAudioProcessor.h"

#include "BinaryData.h"
#include "StateFormat.h"
#include "editor/TavrelAudioProcessorEditor.h"

TavrelAudioProcessor::TavrelAudioProcessor()
    : AudioProcessor (BusesProperties().withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      archive (BinaryData::samples_zmub, (size_t) BinaryData::samples_zmubSize),
      room (BinaryData::room_wav, (size_t) BinaryData::room_wavSize),
      spareChannels ((size_t) maxSliceSize * 2, 0.0f)
{
    loadClickBank (archive, sampler, bankGeometry);

    for (const auto& info : kParameterInfo)
    {
        // LV2 names a parameter after its ID in the plug-in's manifest, where a name cannot start
        // with a digit: "0" to "3" would all become "_", one parameter for four. The LV2 build
        // therefore prefixes them; every other format keeps the plain index that projects store.
        const auto id = (wrapperType == wrapperType_LV2 ? "param" : "") + juce::String (info.index);
        addParameter (new juce::AudioParameterFloat (juce::ParameterID { id, 1 },
                                                     info.name,
                                                     juce::NormalisableRange<float> (0.0f, 1.0f),
                                                     info.normalisedDefault()));
    }
}

TavrelAudioProcessor::~TavrelAudioProcessor() = default;

const juce::String TavrelAudioProcessor::getName() const { return "Wexla"; }

void TavrelAudioProcessor::prepareToPlay (double sampleRate, int samplesPerBlock)
{
    room.prepare (sampleRate, juce::jlimit (1, maxSliceSize, samplesPerBlock),
                  getParameterValue (outputLevelParameter), getParameterValue (roomLevelParameter));
    performance.prepare();
    sampler.setSampleRate ((float) sampleRate);
    sampler.stopAllVoices();
    compressor.prepare ((float) sampleRate);
}

void TavrelAudioProcessor::releaseResources() {}

void TavrelAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi)
{
    juce::ScopedNoDenormals noDenormals;

    const auto numSamples = buffer.getNumSamples();
    buffer.clear();

    // Long blocks run as consecutive slices; a block of 0 samples still reads the parameters.
    for (int start = 0; start < numSamples || start == 0; start += maxSliceSize)
    {
        const auto length = juce::jmin (maxSliceSize, numSamples - start);
        auto* left = buffer.getNumChannels() > 0 ? buffer.getWritePointer (0, start) : spareChannels.data();
        auto* right = buffer.getNumChannels() > 1 ? buffer.getWritePointer (1, start) : spareChannels.data() + maxSliceSize;
        processSlice (left, right, midi, start, length);

        if (numSamples == 0)
            break;
    }
}

void TavrelAudioProcessor::processSlice (float* left, float* right, juce::MidiBuffer& midi, int firstSample, int numSamples) noexcept
{
    room.setBlockParameters (numSamples, getParameterValue (outputLevelParameter), getParameterValue (roomLevelParameter));
    compressor.setCompression (getParameterValue (compressionParameter));
    performance.setHoldNote (getParameterValue (holdNoteParameter) > 0.5f);

    performance.scanEvents (midi, firstSample, numSamples);
    performance.run (sampler, numSamples);

    sampler.renderBlock (numSamples);
    sampler.removeFinishedVoices();

    // The room is fed the uncompressed mix; the dry path is compressed in the output channels.
    const auto* mix = sampler.getMixBuffer();
    auto* roomLeft = room.getRoomBuffer (0);
    auto* roomRight = room.getRoomBuffer (1);
    for (int i = 0; i < numSamples; ++i)
    {
        left[i] = roomLeft[i] = mix[2 * i];
        right[i] = roomRight[i] = mix[2 * i + 1];
    }

    for (int i = 0; i < numSamples; ++i)
        compressor.processSample (left[i], right[i]);

    room.process (left, right, numSamples);
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
