#pragma once

#include <cstdint>
#include <vector>

#include "WavFile.h"

namespace clickgen
{
    // A few strokes across the 36 ridges, rendered as the plug-in's voices play the clicks (each with
    // a linear fade from 1 to 0 over its length, at gain 0.7): stick 1 down at rising pressure and
    // back up at falling pressure, first dry and then with the room; then one stroke each of sticks
    // 2 and 3 with the room. Stereo, 16-bit, 44100 Hz.
    WavData renderScrapeDemo (const std::vector<uint8_t>& archive, const WavData& room);
}
