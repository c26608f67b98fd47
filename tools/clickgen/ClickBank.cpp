#include "ClickBank.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ArchiveWriter.h"
#include "DetMath.h"
#include "Random.h"

namespace clickgen
{
    namespace
    {
        // Level of each pressure step above the lightest, in dB of RMS.
        constexpr double pressureLevelDb[numPressures] { 0.0, 3.8, 7.2, 10.2, 13.0, 15.5 };
        constexpr double stickLevelDb[numSticks] { 0.0, -1.0, -2.0 };
        constexpr double loudestPeakDb = -1.5;
        constexpr int fadeOutFrames = 48;

        // Where a click has died away: after its last sample within 50 dB of its peak, with some
        // margin, so that its last tenth lies well below that.
        size_t trimmedLength (const std::vector<double>& raw)
        {
            double peak = 0.0;
            for (auto v : raw)
                peak = std::max (peak, std::fabs (v));

            const double threshold = peak * dbToGain (-50.0);
            size_t lastLoud = 0;
            for (size_t n = 0; n < raw.size(); ++n)
                if (std::fabs (raw[n]) > threshold)
                    lastLoud = n;

            const auto length = (size_t) std::ceil ((double) lastLoud * 1.12) + 16;
            return std::clamp (length, (size_t) minClickFrames, (size_t) maxClickFrames);
        }

        double rmsOf (const std::vector<double>& x)
        {
            double sum = 0.0;
            for (auto v : x)
                sum += v * v;
            return std::sqrt (sum / (double) x.size());
        }
    }

    std::string clickName (const ClickId& click)
    {
        char name[64];
        std::snprintf (name, sizeof (name), "wexla_stick%d_pressure%d_%02d.tsq",
                       click.stick + 1, click.pressure + 1, click.ridge + 1);
        return name;
    }

    std::vector<Click> buildClickBank()
    {
        std::vector<Click> clicks;
        std::vector<std::vector<double>> shaped;

        for (int s = 0; s < numSticks; ++s)
        {
            for (int p = 0; p < numPressures; ++p)
            {
                for (int r = 0; r < numRidges; ++r)
                {
                    const ClickId click { s, p, r };
                    auto raw = synthesizeClick (click);
                    raw.resize (trimmedLength (raw));

                    // A short fade lands the last sample on zero.
                    for (int i = 0; i < fadeOutFrames; ++i)
                        raw[raw.size() - 1 - (size_t) i] *= 0.5 - 0.5 * detCos (pi * i / fadeOutFrames);

                    // Louder with pressure; the middle ridges, being taller, a little louder than the
                    // ends; and a small random spread so that no two strokes are alike.
                    Random jitter (0x1e7e1ull + (uint64_t) (s * 1000 + p * 100 + r));
                    const double x = (r + 0.5) / numRidges;
                    const double levelDb = stickLevelDb[s] + pressureLevelDb[p]
                                           + 1.2 * (detSin (pi * x) - 0.64) + jitter.between (-0.4, 0.4);
                    const double gain = dbToGain (levelDb) / rmsOf (raw);
                    for (auto& v : raw)
                        v *= gain;

                    clicks.push_back ({ click, clickName (click), {} });
                    shaped.push_back (std::move (raw));
                }
            }
        }

        // One gain for the whole bank keeps the loudest click just below full scale.
        double loudest = 0.0;
        for (const auto& x : shaped)
            for (auto v : x)
                loudest = std::max (loudest, std::fabs (v));

        const double scale = dbToGain (loudestPeakDb) * 32767.0 / loudest;

        for (size_t i = 0; i < clicks.size(); ++i)
            for (auto v : shaped[i])
                clicks[i].samples.push_back ((int16_t) std::floor (v * scale + 0.5));

        return clicks;
    }

    std::vector<uint8_t> buildClickArchive (const std::vector<Click>& clicks)
    {
        std::vector<ArchiveEntry> entries;
        for (const auto& click : clicks)
            entries.push_back ({ click.name, encodeClickStream (std::vector<int32_t> (click.samples.begin(), click.samples.end()), 1) });

        return writeArchive (entries);
    }
}
