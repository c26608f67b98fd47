#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <tuple>

#include <juce_core/juce_core.h>

#include "effects/DolmProcessor.h"
#include "support/AllocationCounter.h"

namespace
{
using Stage = DolmProcessor::Stage;
constexpr Stage allStages[] { DolmProcessor::lowStage, DolmProcessor::midStage, DolmProcessor::highStage,
                              DolmProcessor::masterStage };

struct StageSetting
{
    float threshold, ratio, makeUp;
};

struct SettingsRow
{
    float compression;
    StageSetting stages[4]; // low, mid, high, master
};

// Threshold (dB), ratio and make-up gain (dB) of every stage for five "Compression" values.
const SettingsRow settingsTable[] {
    { 0.00f, { { -14.98f, 6.24f, 6.29f }, { -15.74f, 5.86f, 6.53f }, { -15.74f, 4.00f, 5.90f }, { -13.82f, 6.78f, 5.89f } } },
    { 0.25f, { { -23.23f, 8.83f, 10.30f }, { -23.81f, 8.83f, 10.56f }, { -23.81f, 4.53f, 9.28f }, { -22.37f, 10.08f, 10.07f } } },
    { 0.50f, { { -31.49f, 11.41f, 14.36f }, { -31.87f, 11.79f, 14.58f }, { -31.87f, 5.07f, 12.79f }, { -30.91f, 13.39f, 14.30f } } },
    { 0.75f, { { -39.74f, 14.00f, 18.45f }, { -39.94f, 14.76f, 18.61f }, { -39.94f, 5.60f, 16.40f }, { -39.46f, 16.69f, 18.55f } } },
    { 1.00f, { { -48.00f, 16.58f, 22.55f }, { -48.00f, 17.72f, 22.65f }, { -48.00f, 6.13f, 20.08f }, { -48.00f, 20.00f, 22.80f } } },
};

TEST (DolmProcessorTest, CompressionSetsThresholdsRatiosAndMakeUpGains)
{
    DolmProcessor processor;

    for (const auto& row : settingsTable)
    {
        processor.updateBandSettings (0.2f + 0.8f * row.compression);

        for (auto stage : allStages)
        {
            const auto& s = processor.getStage (stage);
            const auto& expected = row.stages[stage];
            EXPECT_NEAR (s.computer.threshold, expected.threshold, 0.006f) << row.compression << " stage " << stage;
            EXPECT_NEAR (s.computer.ratio, expected.ratio, 0.006f) << row.compression << " stage " << stage;
            EXPECT_NEAR (s.makeUpGain, expected.makeUp, 0.006f) << row.compression << " stage " << stage;
        }
    }
}

// Runs numSamples samples of a generator through the processor and calls check on every output pair.
void run (DolmProcessor& processor, int numSamples, const std::function<float (int, int)>& input,
          const std::function<void (float, float, int)>& check)
{
    for (int n = 0; n < numSamples; ++n)
    {
        auto l = input (n, 0), r = input (n, 1);
        processor.processSample (l, r);
        check (l, r, n);
    }
}

TEST (DolmProcessorTest, SilenceGivesSilenceAndTheEnvelopesRelax)
{
    DolmProcessor processor;
    processor.prepare (44100.0f);
    processor.setCompression (0.5f);

    const auto silence = [] (int, int) { return 0.0f; };
    const auto expectSilent = [] (float l, float r, int n)
    {
        // The crossover's anti-denormal offset leaves a few nano-units, far below 24-bit resolution.
        ASSERT_LT (std::abs (l), 1.0e-7f) << n;
        ASSERT_LT (std::abs (r), 1.0e-7f) << n;
    };
    run (processor, 44100, silence, expectSilent);

    juce::Random random (5);
    run (processor, 22050, [&] (int, int) { return 2.0f * random.nextFloat() - 1.0f; }, [] (float, float, int) {});
    for (auto stage : allStages)
        ASSERT_GT (processor.getStage (stage).envelope, 1.0f) << stage;

    // After three seconds every reduction is below 0.03 dB and the output is silent again.
    run (processor, 3 * 44100, silence, [] (float, float, int) {});
    for (auto stage : allStages)
        EXPECT_LT (processor.getStage (stage).envelope, 1.0e-3f) << stage;
    run (processor, 100, silence, expectSilent);
}

TEST (DolmProcessorTest, OutputNeverExceedsNineTenthsOfFullScale)
{
    constexpr auto inf = std::numeric_limits<float>::infinity();
    constexpr auto nan = std::numeric_limits<float>::quiet_NaN();

    juce::Random random (9);
    const auto noise = [&random] (float amplitude) { return amplitude * (2.0f * random.nextFloat() - 1.0f); };

    struct Case
    {
        const char* name;
        std::function<float (int, int)> input;
    };

    const Case cases[] {
        { "full-scale noise", [&] (int, int) { return noise (1.0f); } },
        { "64 voices at 0.7 of full scale", [&] (int, int) { return noise (64.0f * 0.7f); } },
        { "full-scale square wave at 40 Hz", [] (int n, int) { return (n / 600) % 2 == 0 ? 1.0f : -1.0f; } },
        { "loud bursts after silence", [&] (int n, int) { return (n / 4800) % 2 == 0 ? 0.0f : noise (44.8f); } },
        { "constant 44.8", [] (int, int) { return 44.8f; } },
        { "alternating 1e30", [] (int n, int) { return n % 2 == 0 ? 1.0e30f : -1.0e30f; } },
        { "infinities and NaN", [] (int n, int channel) { return n % 3 == 0 ? nan : (channel == 0 ? inf : -inf); } },
    };

    for (const auto compression : { 0.0f, 0.5f, 1.0f })
    {
        for (const auto& c : cases)
        {
            DolmProcessor processor;
            processor.prepare (48000.0f);
            processor.setCompression (compression);

            run (processor, 24000, c.input, [&] (float l, float r, int n)
            {
                ASSERT_TRUE (std::abs (l) <= 0.9f && std::abs (r) <= 0.9f)
                    << c.name << ", compression " << compression << ", sample " << n << ": " << l << ", " << r;
            });
        }
    }
}

auto coefficients (const Crossover& c) { return std::make_tuple (c.cA, c.cB); }

auto states (const Crossover& c)
{
    return std::make_tuple (c.lpA[0], c.lpA[1], c.lpA[2], c.lpA[3], c.lpB[0], c.lpB[1], c.lpB[2], c.lpB[3],
                            c.history[0], c.history[1], c.history[2]);
}

auto coefficients (const BandCompressor& s)
{
    return std::make_tuple (s.sampleRate, s.b0, s.b1, s.b2, s.a1, s.a2, s.attackCoefficient, s.releaseCoefficient);
}

auto states (const BandCompressor& s) { return std::make_tuple (s.x1, s.x2, s.y1, s.y2, s.envelope); }

// A processor that has run a second of noise at 44.1 kHz, so that every state holds something.
void warmUp (DolmProcessor& processor)
{
    processor.prepare (44100.0f);
    processor.setCompression (0.7f);
    juce::Random random (2);
    run (processor, 44100, [&] (int, int) { return 2.0f * random.nextFloat() - 1.0f; }, [] (float, float, int) {});
}

TEST (DolmProcessorTest, PreparingMoreThanOneHertzAwayRecomputesCoefficientsAndClearsTheCrossovers)
{
    struct Case
    {
        float rate;
        bool reinitialises;
    };

    for (const auto c : { Case { 44100.0f, false }, Case { 44100.5f, false }, Case { 44101.0f, false }, Case { 44099.0f, false },
                          Case { 44102.0f, true }, Case { 44098.0f, true }, Case { 48000.0f, true } })
    {
        DolmProcessor processor, warm, fresh;
        warmUp (processor);
        warmUp (warm);
        fresh.prepare (c.rate);

        processor.prepare (c.rate);

        // What a re-initialisation leaves is what a new processor has at that rate.
        const auto& expected = c.reinitialises ? fresh : warm;
        EXPECT_EQ (processor.getSampleRate(), expected.getSampleRate()) << c.rate;
        for (int channel = 0; channel < 2; ++channel)
        {
            EXPECT_EQ (coefficients (processor.getCrossover (channel)), coefficients (expected.getCrossover (channel))) << c.rate;
            EXPECT_EQ (states (processor.getCrossover (channel)), states (expected.getCrossover (channel))) << c.rate;
        }
        for (auto stage : allStages)
        {
            EXPECT_EQ (coefficients (processor.getStage (stage)), coefficients (expected.getStage (stage))) << c.rate;
            // The stages' filter and envelope states carry on through any change of rate.
            EXPECT_EQ (states (processor.getStage (stage)), states (warm.getStage (stage))) << c.rate;
        }
    }
}

TEST (DolmProcessorTest, NonsenseRatesFallBackToSafeOnes)
{
    constexpr auto nan = std::numeric_limits<float>::quiet_NaN();

    struct Case
    {
        float asked, used;
    };

    for (const auto c : { Case { nan, 44100.0f }, Case { 0.0f, 44100.0f }, Case { -48000.0f, 44100.0f },
                          Case { 100.0f, 8000.0f }, Case { 1.0e12f, 768000.0f } })
    {
        DolmProcessor processor;
        processor.prepare (48000.0f);
        processor.prepare (c.asked);
        EXPECT_EQ (processor.getSampleRate(), c.used) << c.asked;
    }
}

float lowThresholdFor (float amount) { return 48.0f * (0.86f * (1.0f - amount)) - 48.0f; }

TEST (DolmProcessorTest, FirstBlockRampsTheCompressionFromFullOverTwoHundredFiftySixSamples)
{
    DolmProcessor processor;
    processor.prepare (48000.0f);
    processor.setCompression (0.0f);

    const auto& low = processor.getStage (DolmProcessor::lowStage);
    EXPECT_EQ (low.computer.threshold, -48.0f);

    run (processor, 300, [] (int, int) { return 0.0f; }, [&] (float, float, int n)
    {
        const auto amount = n + 1 >= 256 ? 0.2f : 1.0f - 0.8f * (float) (n + 1) / 256.0f;
        ASSERT_NEAR (low.computer.threshold, lowThresholdFor (amount), 1.0e-3f) << n;
    });

    // A later preparation snaps to the last target, even in the middle of a ramp.
    processor.setCompression (1.0f);
    run (processor, 100, [] (int, int) { return 0.0f; }, [] (float, float, int) {});
    processor.prepare (48000.0f);
    processor.setCompression (1.0f);
    EXPECT_EQ (low.computer.threshold, -48.0f);
}

TEST (DolmProcessorTest, ProcessingAllocatesNothing)
{
    DolmProcessor processor;
    juce::Random random (4);

    AllocationCounter::Scope scope;
    processor.prepare (48000.0f);
    for (int block = 0; block < 4; ++block)
    {
        processor.setCompression (0.25f * (float) block);
        for (int n = 0; n < 512; ++n)
        {
            auto l = random.nextFloat(), r = -l;
            processor.processSample (l, r);
        }
    }
    EXPECT_EQ (scope.count(), 0u);
}
} // namespace
