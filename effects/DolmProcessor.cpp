#include "DolmProcessor.h"

#include <algorithm>
#include <cmath>

#include "EffectLimits.h"

namespace
{
    struct StageSettings
    {
        float filterFrequency, kneeWidth, attackTime, releaseTime;
        // threshold = 48·(thresholdScale·u) − 48 and ratio = 1 + 19·(ratioTop − ratioSlope·u), u = 1 − amount
        float thresholdScale, ratioTop, ratioSlope;
    };

    constexpr StageSettings stageSettings[DolmProcessor::numStages] {
        { 34.4f, 8.4f, 0.0182066448f, 0.12016386f, 0.86f, 0.82f, 0.68f },
        { 84.8f, 10.4f, 0.006372326f, 0.12562585f, 0.84f, 0.88f, 0.78f },
        { 20.0f, 7.4f, 0.0000910332f, 0.10650887f, 0.84f, 0.27f, 0.14f },
        { 20.0f, 10.0f, 0.008192991f, 0.08739190f, 0.89f, 1.0f, 0.87f },
    };

    constexpr double drive = 0.7065;
    constexpr double midWeight = 0.9;
    constexpr double highWeight = 1.2;

    constexpr float initialRate = 44100.0f;
}

DolmProcessor::DolmProcessor()
{
    for (int i = 0; i < numStages; ++i)
    {
        const auto& s = stageSettings[i];
        stages[i] = BandCompressor::create();
        BandCompressor::configure (*stages[i], (int32_t) initialRate, s.filterFrequency, 1.0f, 0.0f,
                                   s.kneeWidth, s.attackTime, s.releaseTime);
    }

    for (auto& crossover : crossovers)
        crossover.setSampleRate (initialRate);

    compression.target = 1.0f;
    compression.snap (compressionRampLength);
    updateBandSettings (1.0f);
}

DolmProcessor::~DolmProcessor()
{
    for (auto* stage : stages)
        BandCompressor::destroy (stage);
}

void DolmProcessor::prepare (float rate) noexcept
{
    rate = (float) safeSampleRate (rate);

    if (std::abs (rate - sampleRate) > 1.0f)
    {
        sampleRate = rate;

        for (auto& crossover : crossovers)
            crossover.setSampleRate (rate);

        for (auto* stage : stages)
            BandCompressor::setSampleRate (*stage, (int32_t) rate);
    }

    compression.snap (compressionRampLength);
}

void DolmProcessor::setCompression (float v) noexcept
{
    // Written so that NaN counts as 0.
    const auto value = v > 0.0f ? std::min (v, 1.0f) : 0.0f;

    compression.rampLength = compressionRampLength;
    compression.setTarget (0.2f + 0.8f * value);
    updateBandSettings (compression.currentValue);
}

void DolmProcessor::updateBandSettings (float amount) noexcept
{
    const auto u = 1.0f - amount;

    for (int i = 0; i < numStages; ++i)
    {
        const auto& s = stageSettings[i];
        BandCompressor::setThresholdAndRatio (*stages[i],
                                              48.0f * (s.thresholdScale * u) - 48.0f,
                                              1.0f + 19.0f * (s.ratioTop - s.ratioSlope * u));
    }
}

void DolmProcessor::processSample (float& left, float& right) noexcept
{
    const auto amount = compression.next();
    updateBandSettings (amount);

    const auto l = crossovers[0].split (safeSample (left));
    const auto r = crossovers[1].split (safeSample (right));

    float lowL = (float) (l.low * drive), lowR = (float) (r.low * drive);
    float midL = (float) (l.mid * drive), midR = (float) (r.mid * drive);
    float highL = (float) (l.high * drive), highR = (float) (r.high * drive);

    BandCompressor::process (*stages[lowStage], lowL, lowR);
    BandCompressor::process (*stages[midStage], midL, midR);
    BandCompressor::process (*stages[highStage], highL, highR);

    const auto preMaster = 1.0f + amount;
    auto sumL = (float) ((double) lowL + midWeight * midL + highWeight * highL) * preMaster;
    auto sumR = (float) ((double) lowR + midWeight * midR + highWeight * highR) * preMaster;

    BandCompressor::process (*stages[masterStage], sumL, sumR);

    const auto postMaster = 1.0f - 0.5f * amount;
    left = sumL * postMaster;
    right = sumR * postMaster;
}
