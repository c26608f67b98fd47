#pragma once

#include <cstdint>

// A linear ramp of single-precision values. setTarget starts a ramp of rampLength samples towards a
// new value; next() advances it by one sample. The owner sets rampLength before starting a ramp.
struct LinearRamp
{
    float currentValue = 0.0f;
    float target = 0.0f;
    float step = 0.0f;
    int32_t countdown = 0;
    int32_t rampLength = 0;

    // Starts a ramp towards v unless v already is the target, in which case a ramp under way goes on.
    void setTarget (float v) noexcept
    {
        if (v == target)
            return;

        target = v;
        countdown = rampLength;
        step = rampLength > 0 ? (v - currentValue) / (float) rampLength : 0.0f;

        if (rampLength <= 0)
            currentValue = v;
    }

    // The next value of the ramp. The last step of a ramp lands exactly on the target, so that the
    // current value and the target agree once the ramp is over (summed steps drift by rounding).
    float next() noexcept
    {
        if (countdown > 0)
        {
            --countdown;
            currentValue = countdown == 0 ? target : currentValue + step;
            return currentValue;
        }

        return target;
    }

    // Jumps to the target at once and sets the length of later ramps.
    void snap (int32_t length) noexcept
    {
        currentValue = target;
        step = 0.0f;
        countdown = 0;
        rampLength = length;
    }
};
