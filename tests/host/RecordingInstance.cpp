#include "RecordingInstance.h"

RecordingInstance::RecordingInstance()
    : AudioPluginInstance (BusesProperties().withOutput ("Output", juce::AudioChannelSet::mono(), true))
{
}

void RecordingInstance::prepareToPlay (double, int maximumBlockSize)
{
    preparedBlockSize = maximumBlockSize;
    position = 0;
}

void RecordingInstance::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi)
{
    for (const auto metadata : midi)
        arrivals.push_back ({ position + metadata.samplePosition, metadata.samplePosition, metadata.getMessage().getControllerValue() });

    for (int i = 0; i < buffer.getNumSamples(); ++i)
    {
        buffer.setSample (0, i, (float) (position + i));
        if (buffer.getNumChannels() > 1)
            buffer.setSample (1, i, -(float) (position + i));
    }

    blockLengths.push_back (buffer.getNumSamples());
    position += buffer.getNumSamples();
}
