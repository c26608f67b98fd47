#include "ScrapeDemo.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "Analysis.h"
#include "ClickModel.h"
#include "DetMath.h"

namespace clickgen
{
    namespace
    {
        constexpr double voiceGain = 0.7;
        constexpr double roomGain = 0.4;

        struct Stroke
        {
            int stick;
            bool downwards;   // ridge 1 to 36, pressing harder and moving faster as it goes
            bool withRoom;
            double pauseAfter;
        };

        // Adds one stroke's clicks to dry; returns the time after its last click.
        double addStroke (std::vector<double>& dry, const std::vector<uint8_t>& archive, const Stroke& stroke, double start)
        {
            double t = start;

            for (int i = 0; i < numRidges; ++i)
            {
                // Progress through the stroke in the direction of rising pressure and speed.
                const double rise = stroke.downwards ? i / (double) (numRidges - 1) : 1.0 - i / (double) (numRidges - 1);
                const ClickId id { stroke.stick, std::min (numPressures - 1, (int) (rise * numPressures)),
                                    stroke.downwards ? i : numRidges - 1 - i };

                const auto click = decodeClick (archive, id);
                const auto start = (size_t) (t * sampleRate);
                for (size_t n = 0; n < click.size() && start + n < dry.size(); ++n)
                    dry[start + n] += voiceGain * click[n] * (1.0 - (double) n / (double) click.size());

                // 40 ms between clicks when slow, 15 ms when fast.
                t += 0.040 - 0.025 * rise;
            }

            return t;
        }

        std::vector<double> convolve (const std::vector<double>& signal, const std::vector<double>& response)
        {
            size_t size = 1;
            while (size < signal.size() + response.size())
                size <<= 1;

            std::vector<std::complex<double>> a (size), b (size);
            std::copy (signal.begin(), signal.end(), a.begin());
            std::copy (response.begin(), response.end(), b.begin());
            fft (a, false);
            fft (b, false);
            for (size_t i = 0; i < size; ++i)
                a[i] *= b[i] / (double) size;
            fft (a, true);

            std::vector<double> out (signal.size());
            for (size_t i = 0; i < out.size(); ++i)
                out[i] = a[i].real();
            return out;
        }
    }

    WavData renderScrapeDemo (const std::vector<uint8_t>& archive, const WavData& room)
    {
        const Stroke strokes[] {
            { 0, true, false, 0.15 }, { 0, false, false, 0.15 },
            { 0, true, true, 0.15 }, { 0, false, true, 0.6 },
            { 1, true, true, 0.4 }, { 2, true, true, 0.6 },
        };

        // Room enough for every stroke at its slowest; cut after the last click has rung out.
        double longest = 0.1 + 0.5;
        for (const auto& stroke : strokes)
            longest += numRidges * 0.04 + stroke.pauseAfter;

        std::vector<double> dryOnly ((size_t) (longest * sampleRate), 0.0), roomed (dryOnly.size(), 0.0);

        double t = 0.1;
        for (const auto& stroke : strokes)
            t = addStroke (stroke.withRoom ? roomed : dryOnly, archive, stroke, t) + stroke.pauseAfter;

        const auto frames = std::min (dryOnly.size(), (size_t) ((t + 0.5) * sampleRate));

        std::vector<double> out[2];
        for (int c = 0; c < 2; ++c)
        {
            // The room response scaled to unit energy, as a stand-in for the plug-in's normalising.
            std::vector<double> response;
            double energy = 0.0;
            for (size_t n = 0; n < room.getNumFrames(); ++n)
            {
                response.push_back (room.samples[n * 2 + (size_t) c] / 32768.0);
                energy += response.back() * response.back();
            }
            for (auto& v : response)
                v /= std::sqrt (energy);

            const auto wet = convolve (roomed, response);
            out[c].resize (frames);
            for (size_t n = 0; n < frames; ++n)
                out[c][n] = dryOnly[n] + roomed[n] + roomGain * wet[n];
        }

        double peak = 0.0;
        for (const auto& channel : out)
            for (auto v : channel)
                peak = std::max (peak, std::fabs (v));

        const double scale = 32767.0 * std::min (1.0, dbToGain (-1.0) / peak);
        WavData wav;
        wav.channels = 2;
        wav.sampleRate = (int) sampleRate;
        for (size_t n = 0; n < frames; ++n)
            for (const auto& channel : out)
                wav.samples.push_back ((int16_t) std::floor (channel[n] * scale + 0.5));

        return wav;
    }
}
