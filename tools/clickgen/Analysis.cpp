#include "Analysis.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "ClickBank.h"
#include "DetMath.h"
#include "content/QVArchive.h"
#include "engine/ClickStreamDecoder.h"

namespace clickgen
{
    double toDb (double gain)
    {
        return gain > 0.0 ? 20.0 * std::log10 (gain) : -400.0;
    }

    void fft (std::vector<std::complex<double>>& data, bool inverse)
    {
        const size_t n = data.size();

        for (size_t i = 1, j = 0; i < n; ++i)
        {
            size_t bit = n >> 1;
            for (; j & bit; bit >>= 1)
                j ^= bit;
            j ^= bit;

            if (i < j)
                std::swap (data[i], data[j]);
        }

        for (size_t length = 2; length <= n; length <<= 1)
        {
            const double angle = (inverse ? 2.0 : -2.0) * pi / (double) length;
            for (size_t k = 0; k < length / 2; ++k)
            {
                const std::complex<double> w (detCos (angle * (double) k), detSin (angle * (double) k));
                for (size_t start = 0; start < n; start += length)
                {
                    const auto a = data[start + k];
                    const auto b = data[start + k + length / 2] * w;
                    data[start + k] = a + b;
                    data[start + k + length / 2] = a - b;
                }
            }
        }
    }

    double spectralCentroid (const std::vector<float>& signal, double rate)
    {
        size_t size = 1;
        while (size < signal.size())
            size <<= 1;

        std::vector<std::complex<double>> spectrum (size);
        for (size_t i = 0; i < signal.size(); ++i)
            spectrum[i] = signal[i];

        fft (spectrum, false);

        double weighted = 0.0, total = 0.0;
        for (size_t k = 1; k <= size / 2; ++k)
        {
            const double power = std::norm (spectrum[k]);
            weighted += power * (double) k * rate / (double) size;
            total += power;
        }

        return total > 0.0 ? weighted / total : 0.0;
    }

    std::vector<float> decodeClick (const std::vector<uint8_t>& archiveBytes, const ClickId& click)
    {
        const QVArchive archive (archiveBytes.data(), archiveBytes.size());
        const auto name = clickName (click);
        const uint8_t* entry = nullptr;
        uint32_t size = 0;

        if (! archive.findEntry (name.c_str(), entry, size))
            throw std::runtime_error ("missing click " + name);

        ClickStreamDecoder decoder;
        decoder.reset (entry, size);
        const auto& header = decoder.getHeader();

        if (header.channelCount != 1 || header.blockLength != 32 || header.sampleBits != 16)
            throw std::runtime_error ("unexpected stream layout in " + name);

        std::vector<float> samples (header.frameCount);
        for (auto& s : samples)
            decoder.decodeFrame (&s);

        return samples;
    }

    std::vector<ClickMeasurement> measureClickArchive (const std::vector<uint8_t>& archive)
    {
        std::vector<ClickMeasurement> result;

        for (int s = 0; s < numSticks; ++s)
        {
            for (int p = 0; p < numPressures; ++p)
            {
                for (int r = 0; r < numRidges; ++r)
                {
                    ClickMeasurement m;
                    m.click = { s, p, r };
                    const auto x = decodeClick (archive, m.click);
                    m.frames = (uint32_t) x.size();

                    double sum = 0.0, squares = 0.0;
                    for (size_t n = 0; n < x.size(); ++n)
                    {
                        const double v = x[n];
                        m.peak = std::max (m.peak, std::fabs (v));
                        sum += v;
                        squares += v * v;

                        if (n >= x.size() - x.size() / 10)
                            m.tailPeak = std::max (m.tailPeak, std::fabs (v));
                    }

                    m.mean = x.empty() ? 0.0 : sum / (double) x.size();
                    m.rms = x.empty() ? 0.0 : std::sqrt (squares / (double) x.size());
                    m.centroidHz = spectralCentroid (x, sampleRate);
                    result.push_back (m);
                }
            }
        }

        return result;
    }

    namespace
    {
        // Seconds for a 60 dB fall, from a straight line fitted to the backward-integrated energy
        // between -5 and -25 dB. fitError receives the line's worst miss in that range.
        double schroederReverbTime (const std::vector<double>& h, double rate, double& fitError)
        {
            std::vector<double> decay (h.size() + 1, 0.0);
            for (size_t n = h.size(); n-- > 0;)
                decay[n] = decay[n + 1] + h[n] * h[n];

            std::vector<double> t, level;
            for (size_t n = 0; n < h.size(); ++n)
            {
                const double db = 10.0 * std::log10 (std::max (decay[n], 1e-300) / decay[0]);
                if (db <= -5.0 && db >= -25.0)
                {
                    t.push_back ((double) n / rate);
                    level.push_back (db);
                }
            }

            if (t.size() < 2)
                return 0.0;

            double mt = 0.0, ml = 0.0;
            for (size_t i = 0; i < t.size(); ++i)
            {
                mt += t[i];
                ml += level[i];
            }
            mt /= (double) t.size();
            ml /= (double) t.size();

            double stl = 0.0, stt = 0.0;
            for (size_t i = 0; i < t.size(); ++i)
            {
                stl += (t[i] - mt) * (level[i] - ml);
                stt += (t[i] - mt) * (t[i] - mt);
            }

            const double slope = stl / stt;
            fitError = 0.0;
            for (size_t i = 0; i < t.size(); ++i)
                fitError = std::max (fitError, std::fabs (ml + slope * (t[i] - mt) - level[i]));

            return slope < 0.0 ? -60.0 / slope : 0.0;
        }

        // Share of samples beyond one standard deviation within each window, divided by the share
        // for Gaussian noise; averaged over 20 ms windows of the given span.
        double echoDensity (const std::vector<double>& h, double rate, double fromSeconds, double toSeconds)
        {
            const auto window = (size_t) (0.02 * rate);
            double total = 0.0;
            int windows = 0;

            for (auto start = (size_t) (fromSeconds * rate); start + window <= (size_t) (toSeconds * rate) && start + window <= h.size(); start += window)
            {
                double squares = 0.0;
                for (size_t n = start; n < start + window; ++n)
                    squares += h[n] * h[n];

                const double deviation = std::sqrt (squares / (double) window);
                int outside = 0;
                for (size_t n = start; n < start + window; ++n)
                    outside += std::fabs (h[n]) > deviation ? 1 : 0;

                total += (double) outside / (double) window / 0.3173105;
                ++windows;
            }

            return windows > 0 ? total / windows : 0.0;
        }
    }

    RoomMeasurement measureRoom (const WavData& room)
    {
        RoomMeasurement m;
        m.channels = room.channels;
        m.sampleRate = room.sampleRate;
        m.frames = room.getNumFrames();

        if (room.channels != 2 || m.frames == 0 || room.sampleRate <= 0)
            throw std::runtime_error ("the room response must be a stereo file");

        const double rate = room.sampleRate;
        std::vector<double> channel[2];
        for (size_t n = 0; n < m.frames; ++n)
            for (int c = 0; c < 2; ++c)
                channel[c].push_back (room.samples[n * 2 + (size_t) c] / 32768.0);

        std::vector<double> loudness (m.frames);
        for (size_t n = 0; n < m.frames; ++n)
            loudness[n] = std::max (std::fabs (channel[0][n]), std::fabs (channel[1][n]));

        const auto peakAt = (size_t) (std::max_element (loudness.begin(), loudness.end()) - loudness.begin());
        m.peak = loudness[peakAt];
        m.peakMs = 1000.0 * (double) peakAt / rate;

        const auto firstMs = (size_t) (0.001 * rate);
        m.firstMillisecondDb = toDb (*std::max_element (loudness.begin(), loudness.begin() + (long) std::min (firstMs, m.frames)) / m.peak);

        const double nearPeak = m.peak * 0.1;
        for (size_t n = 0; n < m.frames; ++n)
        {
            if (loudness[n] >= nearPeak)
            {
                m.firstArrivalMs = 1000.0 * (double) n / rate;
                break;
            }
        }

        // Reflections: local maxima within 20 dB of the peak, at least 0.3 ms apart.
        const auto early = std::min (m.frames, (size_t) (0.03 * rate));
        const auto spacing = (size_t) (0.0003 * rate);
        size_t lastReflection = 0;
        bool haveReflection = false;
        for (size_t n = 1; n + 1 < early; ++n)
        {
            if (loudness[n] >= nearPeak && loudness[n] >= loudness[n - 1] && loudness[n] > loudness[n + 1]
                && (! haveReflection || n - lastReflection >= spacing))
            {
                ++m.earlyReflections;
                lastReflection = n;
                haveReflection = true;
            }
        }

        double worstFit = 0.0;
        for (int c = 0; c < 2; ++c)
        {
            double fit = 0.0;
            m.reverbTime[c] = schroederReverbTime (channel[c], rate, fit);
            worstFit = std::max (worstFit, fit);
        }
        m.decayFitError = worstFit;

        m.echoDensity = 0.5 * (echoDensity (channel[0], rate, 0.05, 0.25) + echoDensity (channel[1], rate, 0.05, 0.25));

        double lr = 0.0, ll = 0.0, rr = 0.0;
        for (size_t n = 0; n < m.frames; ++n)
        {
            lr += channel[0][n] * channel[1][n];
            ll += channel[0][n] * channel[0][n];
            rr += channel[1][n] * channel[1][n];
        }
        m.correlation = lr / std::sqrt (ll * rr);

        const auto lastTen = (size_t) (0.01 * rate);
        m.lastTenMsDb = toDb (*std::max_element (loudness.end() - (long) std::min (lastTen, m.frames), loudness.end()) / m.peak);
        return m;
    }
}
