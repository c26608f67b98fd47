#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_graphics/juce_graphics.h>

// A picture of rendered audio: both channels' peak envelopes over time, with a time axis in seconds.
namespace WaveformPicture
{
juce::Image draw (const juce::AudioBuffer<float>& audio, double sampleRate, int width = 1200, int height = 400);
} // namespace WaveformPicture
