#pragma once

#include "../engine/LinearRamp.h"
#include "BandCompressor.h"
#include "Crossover.h"

// The dry path's three-band compressor with a master stage, driven by one "Compression" amount. Works
// one stereo sample at a time on the audio thread; allocates only in its constructor.
class DolmProcessor
{
public:
    enum Stage
    {
        lowStage,
        midStage,
        highStage,
        masterStage,
        numStages
    };

    // The amount follows the parameter over this many samples.
    static constexpr int compressionRampLength = 256;

    DolmProcessor();
    virtual ~DolmProcessor();

    // Re-initialises filters and stages only when the rate moves by more than 1 Hz; snaps the
    // compression amount to its target in any case. The rate is first made safe (EffectLimits.h).
    void prepare (float rate) noexcept;

    // Once per block: v is the "Compression" value, 0 to 1.
    void setCompression (float v) noexcept;

    // Sets thresholds, ratios and make-up gains of all four stages for a compression amount of 0.2 to 1.
    void updateBandSettings (float amount) noexcept;

    void processSample (float& left, float& right) noexcept;

    float getSampleRate() const noexcept { return sampleRate; }
    const LinearRamp& getCompressionRamp() const noexcept { return compression; }
    const Crossover& getCrossover (int channel) const noexcept { return crossovers[channel & 1]; }
    const BandCompressor& getStage (Stage stage) const noexcept { return *stages[stage]; }

private:
    float sampleRate = 44100.0f;
    Crossover crossovers[2];
    LinearRamp compression;
    BandCompressor* stages[numStages] {};

    DolmProcessor (const DolmProcessor&) = delete;
    DolmProcessor& operator= (const DolmProcessor&) = delete;
};
