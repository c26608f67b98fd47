#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ClickModel.h"

namespace clickgen
{
    constexpr int minClickFrames = 437;
    constexpr int maxClickFrames = 4824;

    struct Click
    {
        ClickId click;
        std::string name;
        std::vector<int16_t> samples;
    };

    // The name the bank loader asks for: "wexla_stick1_pressure1_01.tsq" for the zero-based click {0, 0, 0}.
    std::string clickName (const ClickId& click);

    // All 648 clicks in loader order (stick, then pressure, then ridge): synthesized, trimmed where
    // they have died away, levelled (louder with every pressure step) and quantised to 16 bits.
    std::vector<Click> buildClickBank();

    // The archive of the encoded clicks, in the order given.
    std::vector<uint8_t> buildClickArchive (const std::vector<Click>& clicks);
}
