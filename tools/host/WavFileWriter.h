#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// Writes rendered audio as a WAV file: 16- or 24-bit integer, or 32-bit float (bits = 32).
namespace WavFileWriter
{
bool isSupportedBitDepth (int bits);

// Replaces the file; failure throws HostError.
void write (const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate, int bits);
} // namespace WavFileWriter
