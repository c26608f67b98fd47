#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

// Opens a plug-in's editor in a window of its own on the X display and takes a picture of it.
// A hosted editor draws into an X window of its own, so the picture is read from the screen
// rather than painted from the host's components.
namespace EditorSnapshot
{
// Lets the message loop run for settleMilliseconds first so that the editor has painted.
// Failures (no display, no editor) throw HostError.
juce::Image capture (juce::AudioPluginInstance& instance, int settleMilliseconds);

// Saves any picture as a PNG (the window, the waveform); throws HostError when it cannot.
void writePng (const juce::Image& image, const juce::File& file);
} // namespace EditorSnapshot
