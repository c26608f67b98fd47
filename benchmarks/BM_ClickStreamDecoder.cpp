// Decoding a click while it plays against reading the same click already decoded to floats.
// Items are frames; the argument is the pressure (1 quietest, 6 loudest and widest blocks).
//   build/benchmarks/BM_ClickStreamDecoder

#include <benchmark/benchmark.h>

#include <BinaryData.h>

#include <cstdio>
#include <vector>

#include "content/QVArchive.h"
#include "engine/ClickStreamDecoder.h"

namespace
{
    struct Click
    {
        const uint8_t* entry = nullptr;
        uint32_t size = 0;
        int frames = 0;
    };

    Click findClick (int pressure)
    {
        const QVArchive archive (BinaryData::samples_zmub, (size_t) BinaryData::samples_zmubSize);
        char name[64];
        std::snprintf (name, sizeof (name), "wexla_stick1_pressure%d_18.tsq", pressure);

        Click click;
        if (archive.findEntry (name, click.entry, click.size))
        {
            ClickStreamDecoder decoder;
            decoder.reset (click.entry, click.size);
            click.frames = (int) decoder.getHeader().frameCount;
        }

        return click;
    }

    void BM_DecodeFrames (benchmark::State& state)
    {
        const auto click = findClick ((int) state.range (0));
        ClickStreamDecoder decoder;
        float sample = 0.0f;

        for (auto _ : state)
        {
            decoder.reset (click.entry, click.size);
            for (int f = 0; f < click.frames; ++f)
            {
                decoder.decodeFrame (&sample);
                benchmark::DoNotOptimize (sample);
            }
        }

        state.SetItemsProcessed (state.iterations() * click.frames);
    }

    void BM_ReadDecodedFloats (benchmark::State& state)
    {
        const auto click = findClick ((int) state.range (0));
        std::vector<float> decoded ((size_t) click.frames);
        ClickStreamDecoder decoder;
        decoder.reset (click.entry, click.size);
        for (auto& s : decoded)
            decoder.decodeFrame (&s);

        float sample = 0.0f;
        for (auto _ : state)
        {
            for (int f = 0; f < click.frames; ++f)
            {
                sample = decoded[(size_t) f];
                benchmark::DoNotOptimize (sample);
            }
        }

        state.SetItemsProcessed (state.iterations() * click.frames);
    }

    // A voice that starts inside a click skips to its position first.
    void BM_SkipFrames (benchmark::State& state)
    {
        const auto click = findClick ((int) state.range (0));
        ClickStreamDecoder decoder;

        for (auto _ : state)
        {
            decoder.reset (click.entry, click.size);
            decoder.skipFrames (click.frames);
            benchmark::DoNotOptimize (decoder.getFrameIndex());
        }

        state.SetItemsProcessed (state.iterations() * click.frames);
    }
}

BENCHMARK (BM_DecodeFrames)->Arg (1)->Arg (6);
BENCHMARK (BM_ReadDecodedFloats)->Arg (1)->Arg (6);
BENCHMARK (BM_SkipFrames)->Arg (1)->Arg (6);
