#include <benchmark/benchmark.h>

#include <vector>

#include <juce_audio_basics/juce_audio_basics.h>

#include "effects/DolmProcessor.h"

// The compressor's cost per stereo sample, as the block loop calls it: one setCompression per block,
// then processSample for every sample, with denormals flushed.
namespace
{
constexpr int blockSize = 512;

// range(0): peak amplitude of the noise fed in. Quiet input leaves the limiters idle; loud input
// (a sum of many voices) keeps every limiter working.
void BM_DolmProcessor (benchmark::State& state)
{
    const auto amplitude = (float) state.range (0) / 100.0f;

    std::vector<float> input ((size_t) blockSize * 2);
    juce::Random random (1);
    for (auto& v : input)
        v = amplitude * (2.0f * random.nextFloat() - 1.0f);

    DolmProcessor processor;
    processor.prepare (48000.0f);

    juce::ScopedNoDenormals noDenormals;
    int block = 0;

    for (auto _ : state)
    {
        // Alternating targets keep the compression ramp moving in every other block.
        processor.setCompression ((block++ & 2) != 0 ? 0.3f : 0.7f);

        for (int n = 0; n < blockSize; ++n)
        {
            auto l = input[(size_t) (2 * n)], r = input[(size_t) (2 * n + 1)];
            processor.processSample (l, r);
            benchmark::DoNotOptimize (l);
            benchmark::DoNotOptimize (r);
        }
    }

    const auto samples = (double) state.iterations() * blockSize;
    state.SetItemsProcessed ((int64_t) samples);
    // Seconds of CPU time per stereo sample, shown with an SI prefix (n = nanoseconds).
    state.counters["per_sample"] = benchmark::Counter (samples, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK (BM_DolmProcessor)->ArgName ("amplitude_percent")->Arg (10)->Arg (100)->Arg (4480);
} // namespace
