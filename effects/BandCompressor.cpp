#include "BandCompressor.h"

#include <algorithm>
#include <cmath>

#include "EffectLimits.h"

namespace
{
    // Rates are kept positive so that every coefficient stays finite.
    int32_t validRate (int32_t rate, int32_t fallback) noexcept
    {
        return rate > 0 ? rate : fallback;
    }

    // NaN and negative times count as 0, which makes the envelope follow at once.
    float envelopeCoefficient (float time, int32_t rate) noexcept
    {
        if (! (time > 0.0f))
            return 1.0f;

        return (float) (1.0 - std::exp (-1.0 / ((double) time * (double) rate)));
    }

    void computeFilter (BandCompressor& stage) noexcept
    {
        constexpr double sqrt2 = 1.4142135623730951;
        constexpr double pi = 3.141592653589793;

        // Kept below Nyquist so that the filter stays stable at any rate.
        const auto frequency = std::min ((double) stage.filterFrequency, 0.45 * stage.sampleRate);
        const auto k = std::tan (pi * frequency / stage.sampleRate);
        const auto n = 1.0 + sqrt2 * k + k * k;

        stage.b0 = (float) (1.0 / n);
        stage.b1 = (float) (-2.0 / n);
        stage.b2 = (float) (1.0 / n);
        stage.a1 = (float) (2.0 * (k * k - 1.0) / n);
        stage.a2 = (float) ((1.0 - sqrt2 * k + k * k) / n);
    }

    void computeEnvelope (BandCompressor& stage) noexcept
    {
        stage.attackCoefficient = envelopeCoefficient (stage.attackTime, stage.sampleRate);
        stage.releaseCoefficient = envelopeCoefficient (stage.releaseTime, stage.sampleRate);
    }

    // 10^(db/20) and 20·log10|x| through the natural exponential and logarithm, which the maths library
    // computes faster than the base-10 forms; the results agree to float rounding.
    float amplitudeFromDb (float db) noexcept
    {
        return std::exp (db * 0.11512925464970229f);
    }

    float dbFromMagnitude (float magnitude) noexcept
    {
        return std::log (magnitude) * 8.685889638065036f;
    }

    // The limiter's threshold less half its knee: below this amplitude its curve gives exactly 0 dB, so
    // the logarithm and the power can be skipped.
    const float limiterKneeStart = amplitudeFromDb (-1.5f);

    float limit (const GainComputer& limiter, float v) noexcept
    {
        const auto magnitude = std::abs (v);

        if (magnitude < limiterKneeStart)
            return v;

        const auto limited = v * amplitudeFromDb (limiter.gainChange (dbFromMagnitude (magnitude)));

        // The curve reaches exactly 0 dB only in theory; rounding must not take a sample past full scale.
        return std::clamp (limited, -1.0f, 1.0f);
    }
}

BandCompressor* BandCompressor::create()
{
    return new BandCompressor();
}

void BandCompressor::destroy (BandCompressor* stage) noexcept
{
    delete stage;
}

void BandCompressor::configure (BandCompressor& stage, int32_t rate, float frequency, float ratio,
                                float threshold, float kneeWidth, float attack, float release) noexcept
{
    stage.sampleRate = validRate (rate, 44100);
    stage.envelope = 0.0f;
    stage.x1 = stage.x2 = stage.y1 = stage.y2 = 0.0f;

    // Written so that NaN falls to the lower bound.
    stage.filterFrequency = frequency > minFilterFrequency ? std::min (frequency, maxFilterFrequency)
                                                           : minFilterFrequency;
    computeFilter (stage);

    stage.computer.kneeWidth = kneeWidth > 0.0f ? kneeWidth : 0.0f;
    setThresholdAndRatio (stage, threshold, ratio);

    stage.attackTime = attack;
    stage.releaseTime = release;
    computeEnvelope (stage);

    stage.configured = true;
}

void BandCompressor::setSampleRate (BandCompressor& stage, int32_t rate) noexcept
{
    stage.sampleRate = validRate (rate, stage.sampleRate);
    computeFilter (stage);
    computeEnvelope (stage);
}

void BandCompressor::setThresholdAndRatio (BandCompressor& stage, float threshold, float ratio) noexcept
{
    // A ratio below 1 would turn the curve into an expander and 0 would divide by zero.
    stage.computer.ratio = ratio >= 1.0f ? ratio : 1.0f;
    stage.computer.threshold = std::isfinite (threshold) ? threshold : 0.0f;
    stage.makeUpGain = 0.5f * stage.computer.threshold * (1.0f / stage.computer.ratio - 1.0f);
}

void BandCompressor::process (BandCompressor& stage, float& left, float& right) noexcept
{
    if (! stage.configured)
        return;

    auto l = safeSample (left);
    auto r = safeSample (right);

    const auto detector = (float) (((double) std::abs (l) + (double) std::abs (r)) / 2.0);

    const auto y = stage.b0 * detector + stage.b1 * stage.x1 + stage.b2 * stage.x2
                   - stage.a1 * stage.y1 - stage.a2 * stage.y2;
    stage.x2 = stage.x1;
    stage.x1 = detector;
    stage.y2 = stage.y1;
    stage.y1 = y;

    const auto reduction = y == 0.0f ? 0.0f : stage.computer.gainChange (dbFromMagnitude (std::abs (y)));

    const auto squared = reduction * reduction;
    const auto coefficient = squared > stage.envelope ? stage.attackCoefficient : stage.releaseCoefficient;
    stage.envelope += coefficient * (squared - stage.envelope);

    const auto gain = amplitudeFromDb (stage.makeUpGain - std::sqrt (stage.envelope));
    l *= gain;
    r *= gain;

    left = limit (stage.limiter, l);
    right = limit (stage.limiter, r);
}
