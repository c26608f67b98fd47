#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include <juce_core/juce_core.h>

// Stereo impulse responses as 16-bit PCM WAV bytes, the form the room stage loads, for tests and
// benchmarks that cannot rely on the compiled-in room response.
namespace ImpulseResponseWav
{
inline juce::MemoryBlock make (const std::vector<float>& left, const std::vector<float>& right, int sampleRate)
{
    const auto frames = (int) std::min (left.size(), right.size());
    const auto dataBytes = frames * 2 * 2;

    juce::MemoryOutputStream out;
    out.write ("RIFF", 4);
    out.writeInt (36 + dataBytes);
    out.write ("WAVEfmt ", 8);
    out.writeInt (16);
    out.writeShort (1); // PCM
    out.writeShort (2);
    out.writeInt (sampleRate);
    out.writeInt (sampleRate * 4);
    out.writeShort (4);
    out.writeShort (16);
    out.write ("data", 4);
    out.writeInt (dataBytes);

    const auto toPcm = [] (float v) { return (short) juce::jlimit (-32768, 32767, (int) std::lround (v * 32767.0f)); };

    for (int i = 0; i < frames; ++i)
    {
        out.writeShort (toPcm (left[(size_t) i]));
        out.writeShort (toPcm (right[(size_t) i]));
    }

    return out.getMemoryBlock();
}

// A unit impulse followed by silence in both channels.
inline juce::MemoryBlock unitImpulse (int frames, int sampleRate)
{
    std::vector<float> v ((size_t) frames, 0.0f);
    v[0] = 1.0f;
    return make (v, v, sampleRate);
}

// Exponentially decaying noise, different in the two channels; the level falls by 60 dB over the length.
inline juce::MemoryBlock decayingNoise (int frames, int sampleRate, int64_t seed = 1)
{
    juce::Random random (seed);
    std::vector<float> channels[2];

    for (auto& channel : channels)
    {
        channel.resize ((size_t) frames);
        for (int i = 0; i < frames; ++i)
            channel[(size_t) i] = (2.0f * random.nextFloat() - 1.0f) * std::pow (10.0f, -3.0f * (float) i / (float) frames);
    }

    return make (channels[0], channels[1], sampleRate);
}
} // namespace ImpulseResponseWav
