#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include <juce_core/juce_core.h>

#include "effects/Crossover.h"

namespace
{
Crossover makeCrossover (double rate)
{
    Crossover crossover;
    crossover.setSampleRate (rate);
    return crossover;
}

TEST (CrossoverTest, BandsAddUpToTheInputDelayedByThreeSamples)
{
    juce::Random random (7);
    std::vector<double> input (2000, 0.0);
    input[0] = 1.0; // a unit impulse first, then noise
    for (size_t i = 100; i < input.size(); ++i)
        input[i] = 2.0 * random.nextDouble() - 1.0;

    auto crossover = makeCrossover (48000.0);

    for (size_t n = 0; n < input.size(); ++n)
    {
        const auto bands = crossover.split (input[n]);
        const auto delayed = n >= 3 ? input[n - 3] : 0.0;
        ASSERT_NEAR (bands.low + bands.mid + bands.high, delayed, 1.0e-12) << n;
    }
}

// The energy of each band for a steady sine, after the cascades have settled.
std::array<double, 3> bandEnergies (double frequency, double rate)
{
    auto crossover = makeCrossover (rate);
    std::array<double, 3> energy {};

    for (int n = 0; n < 20000; ++n)
    {
        const auto bands = crossover.split (std::sin (2.0 * juce::MathConstants<double>::pi * frequency * n / rate));

        if (n >= 10000)
        {
            energy[0] += bands.low * bands.low;
            energy[1] += bands.mid * bands.mid;
            energy[2] += bands.high * bands.high;
        }
    }

    return energy;
}

TEST (CrossoverTest, EachBandCarriesItsOwnRange)
{
    struct Case
    {
        double frequency;
        int band;
    };

    for (const auto rate : { 44100.0, 48000.0 })
    {
        for (const auto c : { Case { 100.0, 0 }, Case { 2000.0, 1 }, Case { 15000.0, 2 } })
        {
            const auto energy = bandEnergies (c.frequency, rate);
            const auto total = energy[0] + energy[1] + energy[2];
            EXPECT_GT (energy[(size_t) c.band], 0.5 * total) << c.frequency << " Hz at " << rate;
        }
    }
}

TEST (CrossoverTest, SettingTheRateClearsEveryStateAndUsesWholeHertz)
{
    auto crossover = makeCrossover (44100.0);
    for (int n = 0; n < 10; ++n)
        crossover.split (0.5);

    crossover.setSampleRate (44100.9);
    const auto reference = makeCrossover (44100.0);

    EXPECT_EQ (crossover.cA, reference.cA);
    EXPECT_EQ (crossover.cB, reference.cB);
    for (int k = 0; k < 4; ++k)
    {
        EXPECT_EQ (crossover.lpA[k], 0.0);
        EXPECT_EQ (crossover.lpB[k], 0.0);
    }
    for (auto h : crossover.history)
        EXPECT_EQ (h, 0.0);
}
} // namespace
