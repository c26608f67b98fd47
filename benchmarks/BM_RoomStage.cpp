#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <vector>

#include <juce_audio_formats/juce_audio_formats.h>
#include <juce_dsp/juce_dsp.h>

#include <zita-convolver.h>

#include "BinaryData.h"
#include "effects/RoomStage.h"
#include "tests/effects/ImpulseResponseWav.h"

// The room path per block at 48 kHz: the room stage as the processor runs it, the framework's
// convolution alone with uniform and non-uniform partitions, and zita-convolver as a peer, all on the
// same stereo impulse response. Besides the mean, every benchmark reports the 99th percentile of the
// block times ("p99"), since a partitioned convolution does part of its work only in some blocks.
namespace
{
constexpr double rate = 48000.0;

// The compiled-in room response when there is one, otherwise decaying noise of the same shape.
const juce::MemoryBlock& roomResponseWav()
{
    static const juce::MemoryBlock wav = []
    {
        int size = 0;
        if (const auto* data = BinaryData::getNamedResource ("room_wav", size))
            return juce::MemoryBlock (data, (size_t) size);

        return ImpulseResponseWav::decayingNoise (20384, 44100);
    }();
    return wav;
}

// The response at 48 kHz, normalised as the framework's loader does, for the peer.
juce::AudioBuffer<float> roomResponseAtRate()
{
    const auto& wav = roomResponseWav();
    juce::WavAudioFormat format;
    std::unique_ptr<juce::AudioFormatReader> reader (
        format.createReaderFor (new juce::MemoryInputStream (wav.getData(), wav.getSize(), false), true));

    juce::AudioBuffer<float> original (2, (int) reader->lengthInSamples);
    reader->read (&original, 0, original.getNumSamples(), 0, true, true);

    const auto ratio = reader->sampleRate / rate;
    juce::AudioBuffer<float> resampled (2, (int) (original.getNumSamples() / ratio));
    float sumSquares = 0.0f;
    for (int channel = 0; channel < 2; ++channel)
    {
        juce::LagrangeInterpolator interpolator;
        interpolator.process (ratio, original.getReadPointer (channel), resampled.getWritePointer (channel),
                              resampled.getNumSamples());
        float channelSum = 0.0f;
        for (int i = 0; i < resampled.getNumSamples(); ++i)
            channelSum += resampled.getSample (channel, i) * resampled.getSample (channel, i);
        sumSquares = std::max (sumSquares, channelSum);
    }
    resampled.applyGain (0.125f / std::sqrt (sumSquares));
    return resampled;
}

std::vector<float> noise (int numSamples, int64_t seed)
{
    juce::Random random (seed);
    std::vector<float> v ((size_t) numSamples);
    for (auto& x : v)
        x = 0.25f * (2.0f * random.nextFloat() - 1.0f);
    return v;
}

// Times every block of the loop and reports the mean (through the framework) and the 99th percentile.
class BlockTimer
{
public:
    BlockTimer() { times.reserve (1 << 20); }

    template <typename Fn>
    void time (Fn&& processBlock)
    {
        const auto start = std::chrono::steady_clock::now();
        processBlock();
        if (times.size() < times.capacity())
            times.push_back (std::chrono::duration<double, std::micro> (std::chrono::steady_clock::now() - start).count());
    }

    void report (benchmark::State& state, int blockSize)
    {
        if (! times.empty())
        {
            const auto p99 = times.begin() + (std::ptrdiff_t) (times.size() * 99 / 100);
            std::nth_element (times.begin(), p99, times.end());
            state.counters["p99_us"] = *p99;
        }
        state.SetItemsProcessed (state.iterations() * blockSize);
    }

private:
    std::vector<double> times;
};

void BM_RoomStage (benchmark::State& state)
{
    const auto blockSize = (int) state.range (0);
    const auto& wav = roomResponseWav();
    RoomStage stage (wav.getData(), wav.getSize());
    stage.prepare (rate, blockSize, 0.5f, 0.5f);

    const auto dry = noise (blockSize, 1), room = noise (blockSize, 2);
    std::vector<float> left ((size_t) blockSize), right ((size_t) blockSize);
    juce::ScopedNoDenormals noDenormals;
    BlockTimer timer;

    for (auto _ : state)
    {
        timer.time ([&]
        {
            std::copy (dry.begin(), dry.end(), left.begin());
            std::copy (dry.begin(), dry.end(), right.begin());
            std::copy (room.begin(), room.end(), stage.getRoomBuffer (0));
            std::copy (room.begin(), room.end(), stage.getRoomBuffer (1));
            stage.setBlockParameters (blockSize, 0.5f, 0.5f);
            stage.process (left.data(), right.data(), blockSize);
        });
        benchmark::DoNotOptimize (left.data());
    }

    timer.report (state, blockSize);
}

// range(1): the head of a non-uniform partitioning in samples, 0 for the default uniform one.
void BM_JuceConvolution (benchmark::State& state)
{
    const auto blockSize = (int) state.range (0);
    const auto head = (int) state.range (1);
    const auto& wav = roomResponseWav();

    auto convolution = head > 0 ? std::make_unique<juce::dsp::Convolution> (juce::dsp::Convolution::NonUniform { head })
                                : std::make_unique<juce::dsp::Convolution>();
    convolution->loadImpulseResponse (wav.getData(), wav.getSize(), juce::dsp::Convolution::Stereo::yes,
                                      juce::dsp::Convolution::Trim::no, 0, juce::dsp::Convolution::Normalise::yes);
    convolution->prepare ({ rate, (juce::uint32) blockSize, 2 });
    convolution->reset();

    const auto input = noise (blockSize, 2);
    juce::AudioBuffer<float> buffer (2, blockSize);
    juce::ScopedNoDenormals noDenormals;
    BlockTimer timer;

    for (auto _ : state)
    {
        timer.time ([&]
        {
            for (int channel = 0; channel < 2; ++channel)
                buffer.copyFrom (channel, 0, input.data(), blockSize);
            juce::dsp::AudioBlock<float> block (buffer);
            convolution->process (juce::dsp::ProcessContextReplacing<float> (block));
        });
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
    }

    timer.report (state, blockSize);
}

// zita-convolver, two inputs to two outputs with the response's channels. range(1): its largest
// partition; equal to the smallest for uniform partitioning in one level, larger for the non-uniform
// layout it is made for, whose later levels run on threads of their own. Its latency is one smallest
// partition (at least 64 samples), unlike the zero-latency convolutions above.
// Each configuration is set up once and kept until the program ends: stopping the convolver's threads
// can hang here (a level thread misses its stop signal), and the benchmark runs every configuration
// several times.
Convproc* startedZitaConvolver (int blockSize, int minPart, int maxPart)
{
    static std::map<std::pair<int, int>, Convproc*> convolvers;
    auto& convolver = convolvers[{ blockSize, maxPart }];

    if (convolver == nullptr)
    {
        auto response = roomResponseAtRate();
        auto fresh = std::make_unique<Convproc>();

        if (fresh->configure (2, 2, (uint32_t) response.getNumSamples(), (uint32_t) blockSize, (uint32_t) minPart,
                              (uint32_t) maxPart, 0.5f) != 0)
            return nullptr;

        // The convolver keeps its own copy of the response.
        for (int channel = 0; channel < 2; ++channel)
            fresh->impdata_create ((uint32_t) channel, (uint32_t) channel, 1, response.getWritePointer (channel), 0,
                                   response.getNumSamples());

        if (fresh->start_process (0, SCHED_OTHER) != 0)
            return nullptr;

        convolver = fresh.release();
    }

    return convolver;
}

// zita-convolver, two inputs to two outputs with the response's channels. range(1): its largest
// partition; 0 gives uniform partitioning in one level, 8192 the non-uniform layout it is made for,
// whose later levels run on threads of their own. Its latency is one smallest partition (the block,
// at least 64 samples), unlike the zero-latency convolutions above.
void BM_ZitaConvolver (benchmark::State& state)
{
    const auto blockSize = (int) state.range (0);
    const auto minPart = std::max (blockSize, (int) Convproc::MINPART);
    const auto maxPart = std::max ((int) state.range (1), minPart);

    auto* convolver = startedZitaConvolver (blockSize, minPart, maxPart);
    if (convolver == nullptr)
    {
        state.SkipWithError ("zita-convolver could not be set up");
        return;
    }

    const auto input = noise (blockSize, 2);
    std::vector<float> output ((size_t) blockSize);
    juce::ScopedNoDenormals noDenormals;
    BlockTimer timer;

    for (auto _ : state)
    {
        timer.time ([&]
        {
            for (uint32_t channel = 0; channel < 2; ++channel)
                std::copy (input.begin(), input.end(), convolver->inpdata (channel));
            convolver->process (true);
            std::copy (convolver->outdata (0), convolver->outdata (0) + blockSize, output.begin());
        });
        benchmark::DoNotOptimize (output.data());
    }

    timer.report (state, blockSize);
}

// Process CPU time, so that work on the peer's threads is counted as well.
BENCHMARK (BM_RoomStage)->ArgName ("block")->Arg (32)->Arg (64)->Arg (256)->Arg (1024)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK (BM_JuceConvolution)
    ->ArgNames ({ "block", "head" })
    ->ArgsProduct ({ { 32, 64, 256, 1024 }, { 0, 256, 512, 1024, 2048, 4096 } })
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK (BM_ZitaConvolver)
    ->ArgNames ({ "block", "maxpart" })
    ->ArgsProduct ({ { 32, 64, 256, 1024 }, { 0, 8192 } })
    ->MeasureProcessCPUTime()
    ->UseRealTime();
} // namespace
