#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "plugin/TavrelAudioProcessor.h"

// A processor prepared like a host would, and helpers to play MIDI into it. The processor is a large
// object (its sampler holds fixed tables), so it lives on the heap.
struct ProcessorFixture : ::testing::Test
{
    juce::ScopedJuceInitialiser_GUI juce;
    std::unique_ptr<TavrelAudioProcessor> processor = std::make_unique<TavrelAudioProcessor>();
    juce::MidiBuffer midi;

    void prepare (double rate = 44100.0, int blockSize = 512) { processor->prepareToPlay (rate, blockSize); }

    void setParameter (int index, float value) { processor->getParameters()[index]->setValueNotifyingHost (value); }

    // Processes one block with the MIDI collected so far and returns its stereo output.
    juce::AudioBuffer<float> block (int numSamples, int numChannels = 2)
    {
        juce::AudioBuffer<float> buffer (numChannels, numSamples);
        processor->processBlock (buffer, midi);
        midi.clear();
        return buffer;
    }

    static float peak (const juce::AudioBuffer<float>& b, int start = 0, int length = -1)
    {
        if (length < 0)
            length = b.getNumSamples() - start;
        float p = 0.0f;
        for (int c = 0; c < b.getNumChannels(); ++c)
            p = std::max (p, b.getMagnitude (c, start, length));
        return p;
    }
};
