#include "ClickBankLoader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "../engine/QVSampler.h"
#include "QVArchive.h"

namespace
{
uint32_t readLittleEndian32 (const uint8_t* bytes)
{
    return (uint32_t) bytes[0] | ((uint32_t) bytes[1] << 8) | ((uint32_t) bytes[2] << 16) | ((uint32_t) bytes[3] << 24);
}
} // namespace

int loadClickBank (const QVArchive& archive, QVSampler& sampler, const ClickBankGeometry& geometry)
{
    int loaded = 0;

    for (int stick = 1; stick <= geometry.numSticks; ++stick)
    {
        for (int pressure = 1; pressure <= geometry.numPressures; ++pressure)
        {
            for (int click = 1; click <= geometry.numClicks; ++click)
            {
                char name[64];
                std::snprintf (name, sizeof (name), "wexla_stick%d_pressure%d_%02d.tsq", stick, pressure, click);

                const uint8_t* entry = nullptr;
                uint32_t size = 0;
                // The archive reader never returns an entry shorter than its 16-byte click header.
                if (! archive.findEntry (name, entry, size))
                {
                    std::puts ("Could not read file from arch!");
                    std::fflush (stdout);
                    return loaded;
                }

                auto sample = std::make_unique<QVSample>();
                sample->encoded = true;
                sample->entry = entry;
                sample->entrySize = size;
                sample->numFrames = (int32_t) std::min<uint32_t> (readLittleEndian32 (entry + 8), INT32_MAX);
                sample->numChannels = entry[14];
                sample->peak = 0;

                const auto instrument = geometry.numPressures * (stick - 1) + pressure;
                if (sampler.addSample (instrument, click, std::move (sample)))
                    ++loaded;
            }
        }
    }

    return loaded;
}
