#pragma once

#include <functional>

#include <juce_audio_processors/juce_audio_processors.h>

struct RenderSettings
{
    double sampleRate = 44100.0;
    int blockSize = 512;
    // 0 renders until the last event plus tailSeconds.
    double seconds = 0.0;
    // Start a new (shorter) block at every controller event; VST3 plug-ins get this always.
    bool controllersStartBlocks = false;
};

// Plays a timed MIDI sequence into a plug-in block by block, as a host does offline, and collects
// its stereo output. Events land at their exact sample within the block that contains them.
//
// The framework's VST3 host hands controller events to a plug-in as parameter changes at the
// start of the block, and only the last one of each block. For a VST3 plug-in the renderer
// therefore ends the block before each controller event, so that every event still arrives, at its
// own sample; blocks are then up to, rather than exactly, the block size.
namespace OfflineRenderer
{
constexpr double tailSeconds = 1.0;

// Asks for a stereo main output (other outputs off) and prepares the instance; a plug-in that
// refuses stereo throws HostError.
void prepare (juce::AudioPluginInstance& instance, double sampleRate, int blockSize);

// Whether the plug-in's format loses the timing of controller events within a block (VST3).
bool controllersNeedOwnBlocks (const juce::AudioPluginInstance& instance);

double lengthInSeconds (const juce::MidiMessageSequence& sequence, const RenderSettings& settings);

// Prepares, renders and releases. progress, if given, is called after each block with the part
// done (0 to 1).
juce::AudioBuffer<float> render (juce::AudioPluginInstance& instance,
                                 const juce::MidiMessageSequence& sequence,
                                 const RenderSettings& settings,
                                 const std::function<void (double)>& progress = {});

// An LV2 plug-in hears of parameter changes, and its host of a restored state, only while it
// processes audio: one silent block passes them on before an editor opens or a state is saved.
void passOnParameterChanges (juce::AudioPluginInstance& instance, double sampleRate, int blockSize);

// Samples that are NaN or infinite, over all channels.
int countNonFinite (const juce::AudioBuffer<float>& buffer);
} // namespace OfflineRenderer
