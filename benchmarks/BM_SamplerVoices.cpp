// Cost of the sample voices per output sample: one voice decoding its click while it plays against
// the same click pre-decoded to plain samples, and 64 voices at once.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "BinaryData.h"
#include "content/QVArchive.h"
#include "engine/ClickStreamDecoder.h"
#include "engine/QVSampler.h"

namespace
{
struct Click
{
    QVSample encoded;
    QVSample plain;
    std::vector<int16_t> pcm;

    Click()
    {
        QVArchive archive (BinaryData::samples_zmub, (size_t) BinaryData::samples_zmubSize);
        const uint8_t* entry = nullptr;
        uint32_t size = 0;
        if (! archive.findEntry ("wexla_stick1_pressure4_10.tsq", entry, size))
            std::abort();

        ClickStreamDecoder decoder;
        decoder.reset (entry, size);
        const auto frames = (int) decoder.getHeader().frameCount;
        for (int i = 0; i < frames; ++i)
        {
            float v;
            decoder.decodeFrame (&v);
            pcm.push_back ((int16_t) std::lround (v * 32767.0f));
        }

        encoded.encoded = true;
        encoded.entry = entry;
        encoded.entrySize = size;
        encoded.numFrames = frames;
        plain.pcm = pcm.data();
        plain.numFrames = frames;
    }
};

// Renders blocks of 256 samples, restarting the voices whenever they have all finished, so that
// every measured sample has voices sounding.
void renderVoices (benchmark::State& state, bool encoded, int numVoices)
{
    static const Click click;
    auto sampler = std::make_unique<QVSampler>();
    sampler->setSampleRate (48000.0f);
    auto* record = const_cast<QVSample*> (encoded ? &click.encoded : &click.plain);
    const int blockSize = 256;

    for (auto _ : state)
    {
        if (sampler->getVoiceListHead() == nullptr)
            for (int v = 0; v < numVoices; ++v)
                sampler->startVoice (1, 1, 0, record);

        sampler->renderBlock (blockSize);
        sampler->removeFinishedVoices();
        benchmark::DoNotOptimize (sampler->getMixBuffer()[0]);
    }

    state.SetItemsProcessed (state.iterations() * blockSize);
    state.counters["s_per_sample"] = benchmark::Counter ((double) state.iterations() * blockSize,
                                                          benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_OneEncodedVoice (benchmark::State& state) { renderVoices (state, true, 1); }
void BM_OnePlainVoice (benchmark::State& state) { renderVoices (state, false, 1); }
void BM_64EncodedVoices (benchmark::State& state) { renderVoices (state, true, 64); }
void BM_64PlainVoices (benchmark::State& state) { renderVoices (state, false, 64); }
} // namespace

BENCHMARK (BM_OneEncodedVoice);
BENCHMARK (BM_OnePlainVoice);
BENCHMARK (BM_64EncodedVoices);
BENCHMARK (BM_64PlainVoices);
