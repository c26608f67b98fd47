#pragma once

// The static curve of a compressor with a soft knee: for an input level in dB it gives the gain change
// in dB, which is never positive as long as the ratio is at least 1.
struct GainComputer
{
    float ratio = 1.0f;
    float threshold = 0.0f; // dB
    float kneeWidth = 0.0f; // dB

    float gainChange (float levelDb) const noexcept
    {
        const auto slope = 1.0f / ratio - 1.0f;
        const auto halfKnee = 0.5f * kneeWidth;

        if (threshold - halfKnee > levelDb)
            return 0.0f;

        if (levelDb >= threshold + halfKnee)
            return slope * (levelDb - threshold);

        // Only reached with a knee wider than 0, so the division is safe.
        const auto overKnee = levelDb - threshold + halfKnee;
        return slope * overKnee * overKnee / (2.0f * kneeWidth);
    }
};
