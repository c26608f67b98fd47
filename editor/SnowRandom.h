#pragma once

#include <cstdint>

// Marsaglia's xorshift128 generator for the snowfall. One instance is shared by every snow
// overlay of the process and never reseeded, so each newly opened window gets its own snowfall.
class SnowRandom
{
public:
    // Starts from Marsaglia's published state.
    SnowRandom() noexcept = default;

    std::uint32_t next() noexcept;

    // |2 × (low 24 bits of the next output) / (2^24 − 1) − 1|: a value from 0 to 1.
    float nextUnit() noexcept;

    // The process-wide generator; used on the message thread only.
    static SnowRandom& shared() noexcept;

private:
    std::uint32_t x = 123456789;
    std::uint32_t y = 362436069;
    std::uint32_t z = 521288629;
    std::uint32_t w = 88675123;
};
