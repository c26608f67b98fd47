#pragma once

#include <atomic>

#include <juce_audio_processors/juce_audio_processors.h>

#include "ParameterInfo.h"

// The plug-in instance the host creates: identity, buses, the four parameters, the saved state,
// and the engine objects it drives on the audio thread.
class TavrelAudioProcessor : public juce::AudioProcessor,
                             public juce::ChangeBroadcaster
{
public:
    TavrelAudioProcessor();
    ~TavrelAudioProcessor() override;

    const juce::String getName() const override;

    void prepareToPlay (double sampleRate, int samplesPerBlock) override;
    void releaseResources() override;

    using AudioProcessor::processBlock;
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;

    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;
    bool isMidiEffect() const override;

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int index, const juce::String& newName) override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    // The value of parameter index (0 to 3), which equals its plain value since every range is 0 to 1.
    float getParameterValue (int index) const;

    // Read by the editor on the message thread; written by the audio thread once per block.
    bool isHoldNoteOn() const noexcept { return holdNoteShared.load (std::memory_order_relaxed); }
    int getHeldNotes() const noexcept { return heldNotesShared.load (std::memory_order_relaxed); }
    // The stick position the wheel last asked for (the target of the position ramp), 0 to just below 1.
    float getPositionTarget() const noexcept { return positionTargetShared.load (std::memory_order_relaxed); }

private:
    std::atomic<bool> holdNoteShared { false };
    std::atomic<int> heldNotesShared { 0 };
    std::atomic<float> positionTargetShared { 0.0f };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TavrelAudioProcessor)
};
