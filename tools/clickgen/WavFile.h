#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace clickgen
{
    // 16-bit PCM audio, interleaved.
    struct WavData
    {
        int channels = 0;
        int sampleRate = 0;
        std::vector<int16_t> samples;

        size_t getNumFrames() const { return channels > 0 ? samples.size() / (size_t) channels : 0; }
    };

    // A canonical 44-byte RIFF WAVE header followed by the samples.
    std::vector<uint8_t> writeWav16 (const WavData& wav);

    // Reads a RIFF WAVE file of 16-bit PCM; throws std::runtime_error for anything else.
    WavData readWav16 (const std::vector<uint8_t>& bytes);

    std::vector<uint8_t> readFile (const std::string& path);
    void writeFile (const std::string& path, const std::vector<uint8_t>& bytes);
}
