#pragma once

// Splits one channel into low, mid and high bands with two four-stage one-pole low-pass cascades
// (1698 Hz and 3510 Hz). The high band is taken from the input delayed by three samples, so the
// three bands add up to exactly that delayed input. Double precision throughout.
struct Crossover
{
    static constexpr double lowFrequency = 1698.0;
    static constexpr double highFrequency = 3510.0;

    struct Bands
    {
        double low, mid, high;
    };

    double cA = 0.0, cB = 0.0;
    double lpA[4] {};
    double lpB[4] {};
    double history[3] {}; // x[n-1], x[n-2], x[n-3]

    // Computes the coefficients for the rate truncated to whole hertz and clears every state.
    void setSampleRate (double rate) noexcept;
    void clear() noexcept;

    Bands split (double x) noexcept
    {
        // Keeps the cascades off denormal values when the input falls silent.
        constexpr double antiDenormal = 2.3283064370807974e-10;

        lpA[0] += (x - lpA[0]) * cA + antiDenormal;
        lpB[0] += (x - lpB[0]) * cB + antiDenormal;

        for (int k = 1; k < 4; ++k)
        {
            lpA[k] += (lpA[k - 1] - lpA[k]) * cA;
            lpB[k] += (lpB[k - 1] - lpB[k]) * cB;
        }

        const Bands bands { lpA[3], lpB[3] - lpA[3], history[2] - lpB[3] };

        history[2] = history[1];
        history[1] = history[0];
        history[0] = x;

        return bands;
    }
};
