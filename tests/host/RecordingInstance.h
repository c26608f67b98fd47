#pragma once

#include <vector>

#include <juce_audio_processors/juce_audio_processors.h>

// A stand-in plug-in for the renderer's tests: it writes each sample's absolute index into the
// left channel (and its negative into the right) and notes where every MIDI event arrived.
class RecordingInstance : public juce::AudioPluginInstance
{
public:
    struct Arrival
    {
        juce::int64 sample; // block start + position in block
        int positionInBlock;
        int controllerValue;
    };

    RecordingInstance();

    const juce::String getName() const override { return "Recorder"; }
    void prepareToPlay (double, int maximumBlockSize) override;
    void releaseResources() override { ++releases; }
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;

    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return true; }
    bool producesMidi() const override { return false; }
    juce::AudioProcessorEditor* createEditor() override { return nullptr; }
    bool hasEditor() const override { return false; }
    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram (int) override {}
    const juce::String getProgramName (int) override { return {}; }
    void changeProgramName (int, const juce::String&) override {}
    void getStateInformation (juce::MemoryBlock&) override {}
    void setStateInformation (const void*, int) override {}
    void fillInPluginDescription (juce::PluginDescription& description) const override { description.name = getName(); }

    bool isBusesLayoutSupported (const BusesLayout& layouts) const override
    {
        return layouts.getMainOutputChannelSet() == (refusesStereo ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo());
    }

    bool refusesStereo = false;

    std::vector<Arrival> arrivals;
    std::vector<int> blockLengths;
    int preparedBlockSize = 0;
    int releases = 0;

private:
    juce::int64 position = 0;
};
