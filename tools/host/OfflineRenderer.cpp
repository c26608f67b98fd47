#include "OfflineRenderer.h"

#include <cmath>

#include "HostError.h"

namespace OfflineRenderer
{
void prepare (juce::AudioPluginInstance& instance, double sampleRate, int blockSize)
{
    auto layout = instance.getBusesLayout();
    if (layout.outputBuses.isEmpty())
        throw HostError (instance.getName() + " has no audio output");

    for (int bus = 0; bus < layout.outputBuses.size(); ++bus)
        layout.outputBuses.getReference (bus) = bus == 0 ? juce::AudioChannelSet::stereo()
                                                         : juce::AudioChannelSet::disabled();

    if (! instance.setBusesLayout (layout))
        throw HostError (instance.getName() + " refuses a stereo output");

    instance.setNonRealtime (true);
    instance.setRateAndBufferSizeDetails (sampleRate, blockSize);
    instance.prepareToPlay (sampleRate, blockSize);
}

double lengthInSeconds (const juce::MidiMessageSequence& sequence, const RenderSettings& settings)
{
    if (settings.seconds > 0.0)
        return settings.seconds;

    return (sequence.getNumEvents() > 0 ? sequence.getEndTime() : 0.0) + tailSeconds;
}

bool controllersNeedOwnBlocks (const juce::AudioPluginInstance& instance)
{
    return instance.getPluginDescription().pluginFormatName == "VST3";
}

juce::AudioBuffer<float> render (juce::AudioPluginInstance& instance,
                                 const juce::MidiMessageSequence& sequence,
                                 const RenderSettings& settings,
                                 const std::function<void (double)>& progress)
{
    jassert (settings.sampleRate > 0.0 && settings.blockSize > 0);

    prepare (instance, settings.sampleRate, settings.blockSize);

    const auto splitAtControllers = settings.controllersStartBlocks || controllersNeedOwnBlocks (instance);
    const auto totalSamples = (juce::int64) std::llround (lengthInSeconds (sequence, settings) * settings.sampleRate);
    const auto channels = juce::jmax (instance.getTotalNumInputChannels(), instance.getTotalNumOutputChannels(), 2);

    juce::AudioBuffer<float> output (2, (int) totalSamples);
    juce::AudioBuffer<float> block (channels, settings.blockSize);
    juce::MidiBuffer midi;

    const auto numEvents = sequence.getNumEvents();
    const auto sampleOf = [&] (int index)
    {
        const auto time = sequence.getEventPointer (index)->message.getTimeStamp();
        return juce::jmax ((juce::int64) 0, (juce::int64) std::llround (time * settings.sampleRate));
    };

    int nextEvent = 0;
    for (juce::int64 start = 0; start < totalSamples;)
    {
        auto end = juce::jmin (start + settings.blockSize, totalSamples);

        midi.clear();
        for (; nextEvent < numEvents; ++nextEvent)
        {
            const auto sample = sampleOf (nextEvent);
            if (sample >= end)
                break;

            const auto& message = sequence.getEventPointer (nextEvent)->message;
            if (splitAtControllers && message.isController() && sample > start)
            {
                end = sample;
                break;
            }

            midi.addEvent (message, (int) (sample - start));
        }

        const auto length = (int) (end - start);
        block.setSize (channels, length, false, false, true);
        block.clear();
        instance.processBlock (block, midi);

        for (int channel = 0; channel < 2; ++channel)
            output.copyFrom (channel, (int) start, block, juce::jmin (channel, channels - 1), 0, length);

        start = end;
        if (progress)
            progress ((double) start / (double) totalSamples);
    }

    instance.releaseResources();
    return output;
}

void passOnParameterChanges (juce::AudioPluginInstance& instance, double sampleRate, int blockSize)
{
    RenderSettings oneBlock;
    oneBlock.sampleRate = sampleRate;
    oneBlock.blockSize = blockSize;
    oneBlock.seconds = blockSize / sampleRate;
    render (instance, {}, oneBlock);
}

int countNonFinite (const juce::AudioBuffer<float>& buffer)
{
    int count = 0;
    for (int channel = 0; channel < buffer.getNumChannels(); ++channel)
    {
        const auto* samples = buffer.getReadPointer (channel);
        for (int i = 0; i < buffer.getNumSamples(); ++i)
            count += std::isfinite (samples[i]) ? 0 : 1;
    }

    return count;
}
} // namespace OfflineRenderer
