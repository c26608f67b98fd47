#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "WavFile.h"

namespace clickgen
{
    // Measures the click archive and the room response against the sound targets and writes a
    // readable report; allPassed tells whether every target was met.
    std::string makeContentReport (const std::vector<uint8_t>& archive, const WavData& room, bool& allPassed);
}
