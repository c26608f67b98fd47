#include "RoomModel.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ClickModel.h"
#include "DetMath.h"
#include "Random.h"
#include "Resonator.h"

namespace clickgen
{
    namespace
    {
        struct Point { double x, y, z; };

        constexpr Point roomSize { 4.3, 3.5, 2.7 };
        constexpr Point source { 1.45, 1.25, 1.05 };
        constexpr Point microphones[2] { { 2.87, 2.26, 1.35 }, { 3.13, 2.14, 1.35 } };
        constexpr double speedOfSound = 343.0;

        // Share of the pressure a surface sends back: panelled walls, a wooden floor, a wooden ceiling.
        constexpr double wallReflection = 0.82;
        constexpr double floorReflection = 0.76;
        constexpr double ceilingReflection = 0.85;

        constexpr double earlyWindowSeconds = 0.03;
        constexpr int maxOrder = 4;

        // Reverberation time (60 dB) of the tail in three bands, split at 400 Hz and 3.5 kHz: the wood
        // takes up the treble fastest.
        constexpr double reverbLow = 0.36, reverbMid = 0.40, reverbHigh = 0.24;
        constexpr double tailLevel = 0.055;
        constexpr double outputPeakDb = -1.0;

        double distance (const Point& a, const Point& b)
        {
            const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
            return std::sqrt (dx * dx + dy * dy + dz * dz);
        }

        double power (double base, int exponent)
        {
            double result = 1.0;
            for (int i = 0; i < exponent; ++i)
                result *= base;
            return result;
        }

        // Position of a mirror image along one axis, and how often it met each of the two walls.
        struct Image { double position; int lowWall, highWall; };

        Image imageAlong (double sourcePosition, double size, int n, int mirrored)
        {
            // n counts room lengths, mirrored says whether the image is flipped.
            const double position = 2.0 * n * size + (mirrored ? -sourcePosition : sourcePosition);
            const int reflections = std::abs (2 * n - mirrored);
            // The reflections alternate between the two walls, starting at the near one for the image's side.
            const int towardsLow = (position < sourcePosition) ? (reflections + 1) / 2 : reflections / 2;
            return { position, towardsLow, reflections - towardsLow };
        }

        // Adds a reflection as a small bell-shaped blip of the given area at a fractional delay;
        // later reflections are blurred more, as rough surfaces scatter the treble.
        void addBlip (std::vector<double>& h, double delaySamples, double area, double width)
        {
            const int from = (int) std::floor (delaySamples - 4.0 * width);
            const int to = (int) std::ceil (delaySamples + 4.0 * width);
            double sum = 0.0;
            for (int n = from; n <= to; ++n)
                sum += detExp (-0.5 * (n - delaySamples) * (n - delaySamples) / (width * width));

            for (int n = std::max (from, 0); n <= to && n < (int) h.size(); ++n)
                h[(size_t) n] += area * detExp (-0.5 * (n - delaySamples) * (n - delaySamples) / (width * width)) / sum;
        }

        std::vector<double> earlyReflections (const Point& microphone, Random& random)
        {
            std::vector<double> h ((size_t) roomFrames, 0.0);
            const double direct = distance (source, microphone);

            for (int nx = -2; nx <= 2; ++nx)
            for (int mx = 0; mx <= 1; ++mx)
            for (int ny = -2; ny <= 2; ++ny)
            for (int my = 0; my <= 1; ++my)
            for (int nz = -2; nz <= 2; ++nz)
            for (int mz = 0; mz <= 1; ++mz)
            {
                const auto ix = imageAlong (source.x, roomSize.x, nx, mx);
                const auto iy = imageAlong (source.y, roomSize.y, ny, my);
                const auto iz = imageAlong (source.z, roomSize.z, nz, mz);
                const int order = ix.lowWall + ix.highWall + iy.lowWall + iy.highWall + iz.lowWall + iz.highWall;

                if (order == 0 || order > maxOrder)
                    continue;

                const double path = distance ({ ix.position, iy.position, iz.position }, microphone);
                const double delaySeconds = (path - direct) / speedOfSound;
                if (delaySeconds > earlyWindowSeconds)
                    continue;

                const double gain = power (wallReflection, ix.lowWall + ix.highWall + iy.lowWall + iy.highWall)
                                    * power (floorReflection, iz.lowWall) * power (ceilingReflection, iz.highWall)
                                    * direct / path * random.between (0.85, 1.15);
                addBlip (h, delaySeconds * sampleRate, gain, 0.7 + 0.6 * order);
            }

            return h;
        }

        // Noise whose three bands each die away at their own rate, fading in over the early part.
        std::vector<double> diffuseTail (Random& random)
        {
            std::vector<double> h ((size_t) roomFrames, 0.0);
            OnePole air, low, high;
            air.setCutoff (8000.0, sampleRate);
            low.setCutoff (400.0, sampleRate);
            high.setCutoff (3500.0, sampleRate);

            const double onset = 0.004, full = 0.028;
            const double lowRate = -6.907755 / reverbLow / sampleRate;
            const double midRate = -6.907755 / reverbMid / sampleRate;
            const double highRate = -6.907755 / reverbHigh / sampleRate;

            for (size_t n = 0; n < h.size(); ++n)
            {
                const double t = (double) n / sampleRate;
                // The air takes some of the top off every path.
                const double noise = air.lowPass (random.bell());
                const double lowBand = low.lowPass (noise);
                const double belowHigh = high.lowPass (noise);
                const double midBand = belowHigh - lowBand;
                const double highBand = noise - belowHigh;

                double fadeIn = 0.0;
                if (t >= full)
                    fadeIn = 1.0;
                else if (t > onset)
                    fadeIn = 0.5 - 0.5 * detCos (pi * (t - onset) / (full - onset));

                h[n] = tailLevel * fadeIn * (1.6 * lowBand * detExp (lowRate * (double) n)
                                             + midBand * detExp (midRate * (double) n)
                                             + 0.45 * highBand * detExp (highRate * (double) n));
            }

            return h;
        }
    }

    WavData synthesizeRoom()
    {
        std::vector<double> channels[2];

        for (int c = 0; c < 2; ++c)
        {
            Random random (0x400a11ull + (uint64_t) c);
            auto h = earlyReflections (microphones[c], random);
            const auto tail = diffuseTail (random);
            for (size_t n = 0; n < h.size(); ++n)
                h[n] += tail[n];

            // No DC, and a fade over the last 25 ms so the response ends in silence.
            double previousIn = 0.0, previousOut = 0.0;
            const auto fadeFrames = (size_t) (0.025 * sampleRate);
            for (size_t n = 0; n < h.size(); ++n)
            {
                previousOut = h[n] - previousIn + 0.995 * previousOut;
                previousIn = h[n];
                h[n] = previousOut;

                const auto fromEnd = h.size() - 1 - n;
                if (fromEnd < fadeFrames)
                    h[n] *= 0.5 - 0.5 * detCos (pi * (double) fromEnd / (double) fadeFrames);
            }

            channels[c] = std::move (h);
        }

        double peak = 0.0;
        for (const auto& h : channels)
            for (auto v : h)
                peak = std::max (peak, std::fabs (v));

        const double scale = dbToGain (outputPeakDb) * 32767.0 / peak;
        WavData wav;
        wav.channels = 2;
        wav.sampleRate = (int) sampleRate;
        for (size_t n = 0; n < (size_t) roomFrames; ++n)
            for (const auto& h : channels)
                wav.samples.push_back ((int16_t) std::floor (h[n] * scale + 0.5));

        return wav;
    }
}
