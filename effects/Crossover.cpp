#include "Crossover.h"

#include <cmath>

namespace
{
    double cascadeCoefficient (double frequency, double wholeRate) noexcept
    {
        constexpr double pi = 3.141592653589793;
        return 2.0 * std::sin (pi * frequency / wholeRate);
    }
}

void Crossover::setSampleRate (double rate) noexcept
{
    const auto wholeRate = std::trunc (rate);
    cA = cascadeCoefficient (lowFrequency, wholeRate);
    cB = cascadeCoefficient (highFrequency, wholeRate);
    clear();
}

void Crossover::clear() noexcept
{
    for (int k = 0; k < 4; ++k)
        lpA[k] = lpB[k] = 0.0;

    for (auto& h : history)
        h = 0.0;
}
