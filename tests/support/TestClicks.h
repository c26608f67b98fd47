#pragma once

#include <cmath>
#include <memory>
#include <vector>

#include "engine/QVSample.h"
#include "tools/clickgen/ClickStreamEncoder.h"

// Small encoded clicks for engine tests, made with the content tools' encoder.
struct TestClick
{
    std::vector<int32_t> samples; // mono, 16-bit values
    std::vector<uint8_t> entry;   // the encoded entry
    QVSample record;

    explicit TestClick (std::vector<int32_t> values)
        : samples (std::move (values)),
          entry (clickgen::encodeClickStream (samples, 1))
    {
        record.encoded = true;
        record.entry = entry.data();
        record.entrySize = (uint32_t) entry.size();
        record.numFrames = (int32_t) samples.size();
        record.numChannels = 1;
    }

    float value (int frame) const { return frame < 0 ? 0.0f : (float) samples[(size_t) frame] / 32767.0f; }

    // A steady ramp, easy to check interpolation against.
    static std::vector<int32_t> ramp (int frames, int start = 1000, int step = 10)
    {
        std::vector<int32_t> v ((size_t) frames);
        for (int i = 0; i < frames; ++i)
            v[(size_t) i] = start + step * i;
        return v;
    }
};
