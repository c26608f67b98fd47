#pragma once

#include <algorithm>
#include <cmath>

// The effects take samples and rates from code they do not control. A NaN or an infinity would stay in
// their filter states for good and values near the float limit overflow inside them, so inputs are
// brought into a range far beyond anything audible first.

constexpr float maxEffectInput = 1.0e5f; // 100 dB above full scale

// NaN becomes silence, everything else is clamped to ±maxEffectInput.
inline float safeSample (float x) noexcept
{
    if (x >= -maxEffectInput && x <= maxEffectInput)
        return x;

    if (x > maxEffectInput)
        return maxEffectInput;

    return x < -maxEffectInput ? -maxEffectInput : 0.0f;
}

// Every recording is made at 44.1 kHz, so a rate that makes no sense falls back to it. The upper
// crossover of the compressor needs more than 7020 Hz, and the room response is resampled to the rate,
// which bounds it from above.
constexpr double minEffectRate = 8000.0;
constexpr double maxEffectRate = 768000.0;

inline double safeSampleRate (double rate) noexcept
{
    if (! (rate > 0.0) || ! std::isfinite (rate))
        return 44100.0;

    return std::clamp (rate, minEffectRate, maxEffectRate);
}
