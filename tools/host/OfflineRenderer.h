#pragma once

#include <functional>

#include <juce_audio_processors/juce_audio_processors.h>

struct RenderSettings
{
    double sampleRate = 44100.0;
    int blockSize = 512;
    // 0 renders until the last event plus tailSeconds.
    double seconds = 0.0;
};

// Plays a timed MIDI sequence into a plug-in block by block, as a host does offline, and collects
// its stereo output. Events land at their exact sample within the block that contains them.
namespace OfflineRenderer
{
constexpr double tailSeconds = 1.0;

// Asks for a stereo main output (other outputs off) and prepares the instance; a plug-in that
// refuses stereo throws HostError.
void prepare (juce::AudioPluginInstance& instance, double sampleRate, int blockSize);

double lengthInSeconds (const juce::MidiMessageSequence& sequence, const RenderSettings& settings);

// Prepares, renders and releases. progress, if given, is called after each block with the part
// done (0 to 1).
juce::AudioBuffer<float> render (juce::AudioPluginInstance& instance,
                                 const juce::MidiMessageSequence& sequence,
                                 const RenderSettings& settings,
                                 const std::function<void (double)>& progress = {});

// Samples that are NaN or infinite, over all channels.
int countNonFinite (const juce::AudioBuffer<float>& buffer);
} // namespace OfflineRenderer
