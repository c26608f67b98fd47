#pragma once

#include <cstdint>

// One recording a voice can play: either an encoded click of the sample archive (decoded while it
// plays) or plain interleaved 16-bit samples.
struct QVSample
{
    bool encoded = false;
    const uint8_t* entry = nullptr; // the encoded entry, starting at its 16-byte header
    uint32_t entrySize = UINT32_MAX; // bytes of the entry; the decoder reads nothing beyond them
    const int16_t* pcm = nullptr;   // plain interleaved samples when not encoded
    int32_t numFrames = 0;
    int32_t numChannels = 1;
    int32_t peak = 0; // frame at which the envelope reaches its top
};
