#include "SnowRandom.h"

#include <cmath>

std::uint32_t SnowRandom::next() noexcept
{
    const auto t = x ^ (x << 11);
    x = y;
    y = z;
    z = w;
    w = w ^ (w >> 19) ^ t ^ (t >> 8);
    return w;
}

float SnowRandom::nextUnit() noexcept
{
    const auto low = (float) (next() & 0xffffffu);
    return std::abs (2.0f * low / 16777215.0f - 1.0f);
}

SnowRandom& SnowRandom::shared() noexcept
{
    static SnowRandom instance;
    return instance;
}
