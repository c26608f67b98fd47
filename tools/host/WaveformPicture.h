#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_graphics/juce_graphics.h>

// A picture of rendered audio: both channels' peak envelopes over time, with a time axis in seconds.
namespace WaveformPicture
{
juce::Image draw (const juce::AudioBuffer<float>& audio, double sampleRate, int width = 1200, int height = 400);

// Draws the picture and saves it as a PNG; throws HostError when the file cannot be written.
void writePng (const juce::AudioBuffer<float>& audio, double sampleRate, const juce::File& file);
} // namespace WaveformPicture
