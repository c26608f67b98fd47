#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <juce_core/juce_core.h>

#include "effects/BandCompressor.h"
#include "effects/DolmProcessor.h"

namespace
{
constexpr int rate = 44100;

// The low stage as the compressor sets it up for "Compression" 0.25 (amount 0.4): threshold -23.23 dB,
// knee 8.4 dB, so the knee starts at -27.43 dB; make-up 10.30 dB.
BandCompressor lowStageAtQuarterCompression()
{
    DolmProcessor processor;
    processor.updateBandSettings (0.4f);
    return processor.getStage (DolmProcessor::lowStage);
}

float sine (int n, float amplitude, float frequency = 1000.0f)
{
    return amplitude * std::sin (2.0f * juce::MathConstants<float>::pi * frequency * (float) n / (float) rate);
}

void feedNoise (BandCompressor& stage, int numSamples, float amplitude)
{
    juce::Random random (3);
    for (int n = 0; n < numSamples; ++n)
    {
        auto l = amplitude * (2.0f * random.nextFloat() - 1.0f);
        auto r = amplitude * (2.0f * random.nextFloat() - 1.0f);
        BandCompressor::process (stage, l, r);
    }
}

void feedSilence (BandCompressor& stage, int numSamples)
{
    for (int n = 0; n < numSamples; ++n)
    {
        auto l = 0.0f, r = 0.0f;
        BandCompressor::process (stage, l, r);
    }
}

// Passes a quiet sine and checks that every sample is only multiplied by the gain given in dB.
void expectOnlyGain (BandCompressor& stage, float gainDb, float toleranceDb)
{
    const auto gain = std::pow (10.0f, gainDb / 20.0f);
    const auto tolerance = gain * (std::pow (10.0f, toleranceDb / 20.0f) - 1.0f) + 1.0e-6f;

    for (int n = 1; n < 4410; ++n)
    {
        const auto input = sine (n, 0.02f);
        auto l = input, r = -input;
        BandCompressor::process (stage, l, r);
        ASSERT_NEAR (l, input * gain, tolerance * std::abs (input)) << n;
        ASSERT_NEAR (r, -input * gain, tolerance * std::abs (input)) << n;
    }
}

TEST (BandCompressorTest, LeavesSamplesAloneUntilConfigured)
{
    auto* stage = BandCompressor::create();
    auto l = 3.0f, r = -0.25f;
    BandCompressor::process (*stage, l, r);
    EXPECT_EQ (l, 3.0f);
    EXPECT_EQ (r, -0.25f);
    BandCompressor::destroy (stage);
}

TEST (BandCompressorTest, QuietSignalBelowTheKneeIsOnlyMultipliedByTheMakeUpGain)
{
    auto stage = lowStageAtQuarterCompression();
    ASSERT_NEAR (stage.makeUpGain, 10.30f, 0.01f);

    // -34 dB peaks, below the knee start at -27.43 dB.
    expectOnlyGain (stage, stage.makeUpGain, 1.0e-4f);
}

TEST (BandCompressorTest, EnvelopeRelaxesWithTheReleaseTimeAndGivesBackTheFullMakeUpGain)
{
    auto stage = lowStageAtQuarterCompression();
    feedNoise (stage, rate / 2, 0.9f);
    ASSERT_GT (stage.envelope, 25.0f); // more than 5 dB of reduction

    // Once the side-chain filter has settled, silence lets the envelope decay by e per release time.
    feedSilence (stage, rate / 10);
    const auto before = stage.envelope;
    feedSilence (stage, (int) std::lround (stage.releaseTime * rate));
    EXPECT_NEAR (stage.envelope / before, std::exp (-1.0f), 0.01f);

    feedSilence (stage, 4 * rate);
    expectOnlyGain (stage, stage.makeUpGain, 0.01f);
}

TEST (BandCompressorTest, OnsetIsScaledByTheCurveAndTheMakeUpGain)
{
    // With attack 0 the envelope takes the squared reduction at once. Ratio 4 at -20 dB without a knee:
    // the make-up gain is 7.5 dB, and a level L above the threshold is reduced by 0.75 * (L + 20) dB.
    struct Case
    {
        float amplitude;
        float expectedGainDb;
    };

    for (const auto c : { Case { 0.05f, 7.5f }, Case { 0.5f, 7.5f - 0.75f * (20.0f * std::log10 (0.5f) + 20.0f) } })
    {
        auto* stage = BandCompressor::create();
        BandCompressor::configure (*stage, rate, 20.0f, 4.0f, -20.0f, 0.0f, 0.0f, 0.1f);

        // The first sample of an onset passes the side-chain high-pass almost whole (b0 = 0.998).
        auto l = c.amplitude / stage->b0, r = l;
        BandCompressor::process (*stage, l, r);
        EXPECT_NEAR (20.0f * std::log10 (l * stage->b0 / c.amplitude), c.expectedGainDb, 1.0e-3f) << c.amplitude;
        EXPECT_EQ (l, r);

        BandCompressor::destroy (stage);
    }
}

TEST (BandCompressorTest, OutputNeverLeavesFullScale)
{
    constexpr auto inf = std::numeric_limits<float>::infinity();
    constexpr auto nan = std::numeric_limits<float>::quiet_NaN();

    struct Case
    {
        float input;
        bool reachesFullScale;
    };

    for (const auto c : { Case { 0.9f, false }, Case { 3.0f, true }, Case { 1.0e4f, true }, Case { 3.0e38f, true },
                          Case { inf, true }, Case { -inf, true }, Case { nan, false } })
    {
        auto stage = lowStageAtQuarterCompression();

        for (int n = 0; n < 1000; ++n)
        {
            // Alternating signs keep the side chain, which is high-passed, from seeing a constant.
            auto l = (n % 2 == 0 ? c.input : -c.input), r = l;
            BandCompressor::process (stage, l, r);

            ASSERT_TRUE (std::isfinite (l) && std::isfinite (r)) << c.input;
            ASSERT_LE (std::abs (l), 1.0f) << c.input;
            ASSERT_LE (std::abs (r), 1.0f) << c.input;

            // The limiter pulls anything 1.5 dB or more over full scale to exactly 0 dB.
            if (c.reachesFullScale)
            {
                ASSERT_NEAR (std::abs (l), 1.0f, 1.0e-5f) << c.input << " at " << n;
            }
        }
    }
}

TEST (BandCompressorTest, NonsenseSettingsGiveAStableStage)
{
    constexpr auto nan = std::numeric_limits<float>::quiet_NaN();

    auto* stage = BandCompressor::create();
    BandCompressor::configure (*stage, 0, nan, 0.0f, nan, -3.0f, -1.0f, nan);

    EXPECT_EQ (stage->sampleRate, 44100);
    EXPECT_EQ (stage->filterFrequency, BandCompressor::minFilterFrequency);
    EXPECT_EQ (stage->computer.ratio, 1.0f);
    EXPECT_EQ (stage->computer.kneeWidth, 0.0f);
    EXPECT_EQ (stage->attackCoefficient, 1.0f);
    EXPECT_EQ (stage->releaseCoefficient, 1.0f);

    BandCompressor::setSampleRate (*stage, -5);
    EXPECT_EQ (stage->sampleRate, 44100);

    juce::Random random (11);
    for (int n = 0; n < 1000; ++n)
    {
        auto l = 2.0f * random.nextFloat() - 1.0f, r = l;
        BandCompressor::process (*stage, l, r);
        ASSERT_TRUE (std::isfinite (l)) << n;
    }

    BandCompressor::destroy (stage);
}

TEST (BandCompressorTest, FilterFrequencyIsKeptWithinItsRange)
{
    auto* stage = BandCompressor::create();

    for (const auto& [asked, kept] : { std::pair { 5.0f, 20.0f }, std::pair { 300.0f, 300.0f }, std::pair { 9000.0f, 600.0f } })
    {
        BandCompressor::configure (*stage, rate, asked, 2.0f, -10.0f, 6.0f, 0.01f, 0.1f);
        EXPECT_EQ (stage->filterFrequency, kept) << asked;
    }

    BandCompressor::destroy (stage);
}
} // namespace
