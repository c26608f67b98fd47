#include "ContentReport.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "Analysis.h"
#include "ClickBank.h"
#include "content/QVArchive.h"

namespace clickgen
{
    namespace
    {
        class Report
        {
        public:
            void line (const char* format, ...)
            {
                char buffer[512];
                va_list args;
                va_start (args, format);
                std::vsnprintf (buffer, sizeof (buffer), format, args);
                va_end (args);
                text += buffer;
                text += '\n';
            }

            void check (bool passed, const char* format, ...)
            {
                char buffer[512];
                va_list args;
                va_start (args, format);
                std::vsnprintf (buffer, sizeof (buffer), format, args);
                va_end (args);
                text += passed ? "  [pass] " : "  [FAIL] ";
                text += buffer;
                text += '\n';
                failures += passed ? 0 : 1;
            }

            std::string text;
            int failures = 0;
        };

        double median (std::vector<double> values)
        {
            std::sort (values.begin(), values.end());
            const auto n = values.size();
            return n == 0 ? 0.0 : (n % 2 == 1 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]));
        }

        const ClickMeasurement& find (const std::vector<ClickMeasurement>& all, int s, int p, int r)
        {
            return all[(size_t) ((s * numPressures + p) * numRidges + r)];
        }

        void reportClicks (Report& report, const std::vector<uint8_t>& archive)
        {
            const QVArchive reader (archive.data(), archive.size());
            const auto clicks = measureClickArchive (archive);

            uint32_t shortest = UINT32_MAX, longest = 0;
            double quietestPeak = 1.0, loudestPeak = 0.0, worstDc = 0.0, worstTail = -400.0;
            for (const auto& m : clicks)
            {
                shortest = std::min (shortest, m.frames);
                longest = std::max (longest, m.frames);
                quietestPeak = std::min (quietestPeak, m.peak);
                loudestPeak = std::max (loudestPeak, m.peak);
                worstDc = std::max (worstDc, std::fabs (m.mean) / m.peak);
                worstTail = std::max (worstTail, toDb (m.tailPeak / m.peak));
            }

            report.line ("Click archive: %zu bytes, %u entries, all mono 16-bit in blocks of 32 frames", archive.size(), reader.getNumEntries());
            report.line ("  frames per click: %u to %u (%.1f to %.1f ms)", shortest, longest, shortest / 44.1, longest / 44.1);
            report.check (reader.getNumEntries() == 648 && shortest >= minClickFrames && longest <= maxClickFrames,
                          "648 clicks, each 437 to 4824 frames");
            report.check (toDb (loudestPeak) <= -1.0 && toDb (quietestPeak) >= -36.0,
                          "peaks between %.1f and %.1f dBFS (limits -36 and -1)", toDb (quietestPeak), toDb (loudestPeak));
            report.check (worstDc < 0.01, "largest mean: %.3f %% of the click's peak (limit 1 %%)", 100.0 * worstDc);
            report.check (worstTail <= -40.0, "loudest last tenth: %.1f dB below the click's peak (limit 40)", -worstTail);

            report.line ("  (centroid: the power-weighted mean frequency of a click's whole spectrum; RMS over all its frames)");

            double stickCentroid[numSticks] {};

            for (int s = 0; s < numSticks; ++s)
            {
                report.line ("");
                report.line ("Stick %d (%s)", s + 1, getStickName (s));
                report.line ("  pressure  median RMS  median peak  median centroid  median length");

                double previousCentroid = 0.0;
                bool centroidRises = true;
                std::vector<double> all;

                for (int p = 0; p < numPressures; ++p)
                {
                    std::vector<double> rms, peak, centroid, length;
                    for (int r = 0; r < numRidges; ++r)
                    {
                        const auto& m = find (clicks, s, p, r);
                        rms.push_back (toDb (m.rms));
                        peak.push_back (toDb (m.peak));
                        centroid.push_back (m.centroidHz);
                        length.push_back (m.frames / 44.1);
                        all.push_back (m.centroidHz);
                    }

                    const double c = median (centroid);
                    report.line ("  %8d  %7.1f dB  %8.1f dB  %12.0f Hz  %10.1f ms", p + 1, median (rms), median (peak), c, median (length));
                    centroidRises = centroidRises && (p == 0 || c > previousCentroid);
                    previousCentroid = c;
                }

                int notRising = 0;
                double smallestStep = 1e9, smallestRise = 1e9;
                for (int r = 0; r < numRidges; ++r)
                {
                    for (int p = 1; p < numPressures; ++p)
                    {
                        const double step = toDb (find (clicks, s, p, r).rms) - toDb (find (clicks, s, p - 1, r).rms);
                        smallestStep = std::min (smallestStep, step);
                        notRising += step > 0.0 ? 0 : 1;
                    }

                    smallestRise = std::min (smallestRise, toDb (find (clicks, s, numPressures - 1, r).rms) - toDb (find (clicks, s, 0, r).rms));
                }

                stickCentroid[s] = median (all);
                report.line ("  median centroid over all its clicks: %.0f Hz", stickCentroid[s]);
                report.check (notRising == 0, "RMS rises with every pressure step on every ridge (smallest step %.2f dB)", smallestStep);
                report.check (smallestRise >= 12.0, "RMS rise from pressure 1 to 6: at least %.1f dB on every ridge (limit 12)", smallestRise);
                report.check (centroidRises, "median centroid rises with every pressure step");
            }

            report.line ("");
            for (int a = 0; a < numSticks; ++a)
            {
                for (int b = a + 1; b < numSticks; ++b)
                {
                    const double difference = std::fabs (stickCentroid[a] - stickCentroid[b]) / std::max (stickCentroid[a], stickCentroid[b]);
                    report.check (difference >= 0.15, "sticks %d and %d: median centroids differ by %.0f %% of the higher (limit 15)",
                                  a + 1, b + 1, 100.0 * difference);
                }
            }
        }

        void reportRoom (Report& report, const WavData& room)
        {
            const auto m = measureRoom (room);
            report.line ("");
            report.line ("Room response: %d channels, %d Hz, %zu frames (%.1f ms)", m.channels, m.sampleRate, m.frames, 1000.0 * (double) m.frames / m.sampleRate);
            report.check (m.channels == 2 && m.sampleRate == 44100 && m.frames == 20384, "stereo, 44100 Hz, 20384 frames");
            report.line ("  peak %.1f dBFS at %.2f ms; first sound within 20 dB of the peak at %.2f ms", toDb (m.peak), m.peakMs, m.firstArrivalMs);
            if (m.firstMillisecondDb <= -300.0)
                report.check (true, "no direct sound: the first millisecond is silent");
            else
                report.check (m.firstMillisecondDb <= -40.0, "no direct sound: the first millisecond stays %.1f dB below the peak (limit 40)",
                              -m.firstMillisecondDb);
            report.check (m.earlyReflections >= 4 && m.peakMs <= 30.0, "early reflections: %d within 20 dB of the peak in the first 30 ms, the loudest among them",
                          m.earlyReflections);
            report.check (m.reverbTime[0] >= 0.25 && m.reverbTime[0] <= 0.6 && m.reverbTime[1] >= 0.25 && m.reverbTime[1] <= 0.6,
                          "reverberation time (Schroeder, -5 to -25 dB): %.3f s left, %.3f s right (limits 0.25 to 0.6)", m.reverbTime[0], m.reverbTime[1]);
            report.check (m.decayFitError <= 1.5, "exponential tail: the decay stays within %.2f dB of a straight line (limit 1.5)", m.decayFitError);
            report.check (m.echoDensity >= 0.8, "dense tail: normalised echo density %.2f from 50 to 250 ms (limit 0.8)", m.echoDensity);
            report.check (std::fabs (m.correlation) < 0.3, "channels decorrelated: normalised correlation %.3f (limit 0.3)", m.correlation);
            report.check (m.lastTenMsDb <= -60.0, "last 10 ms: %.1f dB below the peak (limit 60)", -m.lastTenMsDb);
        }
    }

    std::string makeContentReport (const std::vector<uint8_t>& archive, const WavData& room, bool& allPassed)
    {
        Report report;
        report.line ("Wexla sound content report");
        report.line ("");
        reportClicks (report, archive);
        reportRoom (report, room);
        report.line ("");
        report.line (report.failures == 0 ? "All targets met." : "%d target(s) missed.", report.failures);
        allPassed = report.failures == 0;
        return report.text;
    }
}
