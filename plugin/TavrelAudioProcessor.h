#pragma once

#include <atomic>

#include <juce_audio_processors/juce_audio_processors.h>

#include "../content/ClickBankLoader.h"
#include "../content/QVArchive.h"
#include "../engine/QVSampler.h"
#include "../engine/ScrapePerformance.h"
#include "../effects/DolmProcessor.h"
#include "../effects/RoomStage.h"
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
    bool isHoldNoteOn() const noexcept { return performance.isHoldNoteOn(); }
    int getHeldNotes() const noexcept { return performance.getHeldNotes(); }
    // The stick position the wheel last asked for (the target of the position ramp), 0 to just below 1.
    float getPositionTarget() const noexcept { return performance.getPositionTarget(); }

    // Blocks are processed in slices of at most this many samples, the size of the engine's buffers.
    static constexpr int maxSliceSize = ScrapePerformance::maxBlockSize;

    QVSampler sampler;
    QVArchive archive;
    const ClickBankGeometry bankGeometry;
    const int numSticks = bankGeometry.numSticks;
    const int numClicks = bankGeometry.numClicks;
    const int numPressures = bankGeometry.numPressures;
    ScrapePerformance performance { numPressures, numClicks };
    DolmProcessor compressor;
    RoomStage room;

private:
    void processSlice (float* left, float* right, juce::MidiBuffer& midi, int firstSample, int numSamples) noexcept;

    // Stands in for output channels a host did not provide, so the engine always renders stereo.
    std::vector<float> spareChannels;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TavrelAudioProcessor)
};
