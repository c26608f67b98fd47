#pragma once

#include <cstdint>

#include "GainComputer.h"

// One stereo-linked compressor stage: a high-passed side chain, a soft-knee gain computer, automatic
// make-up gain, an envelope on the squared gain reduction and a brick-wall limiter on each output
// channel. A plain record, handled only through the static functions below; the owner creates and
// destroys it.
struct BandCompressor
{
    int32_t sampleRate = 44100;
    bool configured = false;

    // Side chain: second-order Butterworth high-pass.
    float filterFrequency = 20.0f;
    float b0 = 1.0f, b1 = 0.0f, b2 = 0.0f, a1 = 0.0f, a2 = 0.0f;
    float x1 = 0.0f, x2 = 0.0f, y1 = 0.0f, y2 = 0.0f;

    GainComputer computer;
    float makeUpGain = 0.0f; // dB

    float attackTime = 0.0f, releaseTime = 0.0f; // seconds
    float attackCoefficient = 1.0f, releaseCoefficient = 1.0f;
    float envelope = 0.0f; // smoothed squared gain reduction, dB²

    GainComputer limiter { 3.4028235e38f, 0.0f, 3.0f };

    static constexpr float minFilterFrequency = 20.0f;
    static constexpr float maxFilterFrequency = 600.0f;

    static BandCompressor* create();
    static void destroy (BandCompressor* stage) noexcept;

    // Sets the stage up from scratch: clears the filter and the envelope and computes every coefficient.
    static void configure (BandCompressor& stage, int32_t sampleRate, float filterFrequency, float ratio,
                           float threshold, float kneeWidth, float attackTime, float releaseTime) noexcept;

    // Recomputes the rate-dependent coefficients; filter and envelope states carry on.
    static void setSampleRate (BandCompressor& stage, int32_t sampleRate) noexcept;

    // Changes the curve; the make-up gain follows at once.
    static void setThresholdAndRatio (BandCompressor& stage, float threshold, float ratio) noexcept;

    // Compresses one stereo sample pair in place.
    static void process (BandCompressor& stage, float& left, float& right) noexcept;
};
