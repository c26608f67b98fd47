// The sound targets, checked on the content as committed: the click archive and the room response
// that the plug-in compiles in.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "Analysis.h"
#include "ClickBank.h"
#include "WavFile.h"

using namespace clickgen;

namespace
{
    class ContentTargets : public ::testing::Test
    {
    protected:
        static void SetUpTestSuite()
        {
            archive = new std::vector<uint8_t> (readFile (WEXLA_SOURCE_DIR "/resources/samples.zmub"));
            clicks = new std::vector<ClickMeasurement> (measureClickArchive (*archive));
            room = new WavData (readWav16 (readFile (WEXLA_SOURCE_DIR "/resources/room.wav")));
        }

        static void TearDownTestSuite()
        {
            delete archive;
            delete clicks;
            delete room;
        }

        static const ClickMeasurement& click (int stick, int pressure, int ridge)
        {
            return (*clicks)[(size_t) ((stick * numPressures + pressure) * numRidges + ridge)];
        }

        static double medianCentroid (int stick, int pressure)
        {
            std::vector<double> values;
            for (int r = 0; r < numRidges; ++r)
                values.push_back (click (stick, pressure, r).centroidHz);
            std::sort (values.begin(), values.end());
            return 0.5 * (values[numRidges / 2 - 1] + values[numRidges / 2]);
        }

        static std::vector<uint8_t>* archive;
        static std::vector<ClickMeasurement>* clicks;
        static WavData* room;
    };

    std::vector<uint8_t>* ContentTargets::archive = nullptr;
    std::vector<ClickMeasurement>* ContentTargets::clicks = nullptr;
    WavData* ContentTargets::room = nullptr;

    // Levels in dB of a click's spectrum in 24 bands spaced evenly from 150 Hz to 12 kHz on a
    // logarithmic scale, relative to the loudest: its colour, whatever its loudness. Bands more
    // than 40 dB down count as 40 dB down, as differences there go unheard.
    std::vector<double> spectralShape (const std::vector<float>& x)
    {
        std::vector<std::complex<double>> spectrum (8192);
        std::copy (x.begin(), x.end(), spectrum.begin());
        fft (spectrum, false);

        constexpr int bands = 24;
        std::vector<double> level (bands, 1e-12);
        for (size_t k = 1; k < spectrum.size() / 2; ++k)
        {
            const double f = (double) k * sampleRate / (double) spectrum.size();
            const auto band = (int) std::floor (bands * std::log (f / 150.0) / std::log (12000.0 / 150.0));
            if (band >= 0 && band < bands)
                level[(size_t) band] += std::norm (spectrum[k]);
        }

        const double loudest = 10.0 * std::log10 (*std::max_element (level.begin(), level.end()));
        for (auto& l : level)
            l = std::max (10.0 * std::log10 (l) - loudest, -40.0);
        return level;
    }

    double shapeDistance (const std::vector<double>& a, const std::vector<double>& b)
    {
        double sum = 0.0;
        for (size_t i = 0; i < a.size(); ++i)
            sum += (a[i] - b[i]) * (a[i] - b[i]);
        return std::sqrt (sum / (double) a.size());
    }
}

//==============================================================================
TEST_F (ContentTargets, EveryClickHasItsLengthLevelAndEnding)
{
    ASSERT_EQ ((size_t) numSticks * numPressures * numRidges, clicks->size());

    for (const auto& m : *clicks)
    {
        SCOPED_TRACE (clickName (m.click));
        EXPECT_GE (m.frames, 437u);
        EXPECT_LE (m.frames, 4824u);
        EXPECT_LE (toDb (m.peak), -1.0);
        EXPECT_GE (toDb (m.peak), -36.0);
        EXPECT_LT (std::fabs (m.mean), 0.01 * m.peak);
        EXPECT_LE (toDb (m.tailPeak / m.peak), -40.0);
    }
}

TEST_F (ContentTargets, EveryRidgeGetsLouderWithEveryPressureStep)
{
    for (int s = 0; s < numSticks; ++s)
    {
        for (int r = 0; r < numRidges; ++r)
        {
            SCOPED_TRACE (clickName ({ s, 0, r }));
            for (int p = 1; p < numPressures; ++p)
                EXPECT_GT (click (s, p, r).rms, click (s, p - 1, r).rms) << "pressure " << p + 1;

            EXPECT_GE (toDb (click (s, numPressures - 1, r).rms / click (s, 0, r).rms), 12.0);
        }
    }
}

TEST_F (ContentTargets, HarderPressureSoundsBrighter)
{
    for (int s = 0; s < numSticks; ++s)
        for (int p = 1; p < numPressures; ++p)
            EXPECT_GT (medianCentroid (s, p), medianCentroid (s, p - 1)) << "stick " << s + 1 << ", pressure " << p + 1;
}

TEST_F (ContentTargets, EachStickHasItsOwnBrightness)
{
    double median[numSticks];
    for (int s = 0; s < numSticks; ++s)
    {
        std::vector<double> values;
        for (int p = 0; p < numPressures; ++p)
            for (int r = 0; r < numRidges; ++r)
                values.push_back (click (s, p, r).centroidHz);

        std::nth_element (values.begin(), values.begin() + (long) values.size() / 2, values.end());
        median[s] = values[values.size() / 2];
    }

    for (int a = 0; a < numSticks; ++a)
        for (int b = a + 1; b < numSticks; ++b)
            EXPECT_GE (std::fabs (median[a] - median[b]), 0.15 * std::max (median[a], median[b]))
                << "sticks " << a + 1 << " and " << b + 1;
}

TEST_F (ContentTargets, NeighbouringRidgesSoundMoreAlikeThanDistantOnes)
{
    for (int s = 0; s < numSticks; ++s)
    {
        for (int p = 0; p < 6; ++p)
        {
            std::vector<std::vector<double>> shapes;
            for (int r = 0; r < numRidges; ++r)
                shapes.push_back (spectralShape (decodeClick (*archive, { s, p, r })));

            double near = 0.0, far = 0.0;
            int nearCount = 0, farCount = 0;
            for (int a = 0; a < numRidges; ++a)
            {
                for (int b = a + 1; b < numRidges; ++b)
                {
                    if (b - a == 1)
                        near += shapeDistance (shapes[(size_t) a], shapes[(size_t) b]), ++nearCount;
                    else if (b - a >= numRidges / 2)
                        far += shapeDistance (shapes[(size_t) a], shapes[(size_t) b]), ++farCount;
                }
            }

            EXPECT_LT (near / nearCount, 0.8 * far / farCount) << "stick " << s + 1 << ", pressure " << p + 1;
        }
    }
}

TEST_F (ContentTargets, NoTwoClicksAreTheSame)
{
    std::set<std::vector<float>> distinct;
    for (const auto& m : *clicks)
        distinct.insert (decodeClick (*archive, m.click));

    EXPECT_EQ (clicks->size(), distinct.size());
}

//==============================================================================
TEST_F (ContentTargets, TheRoomIsAStereoResponseOfTheAgreedLength)
{
    EXPECT_EQ (2, room->channels);
    EXPECT_EQ (44100, room->sampleRate);
    EXPECT_EQ (20384u, room->getNumFrames());
}

TEST_F (ContentTargets, TheRoomStartsWithReflectionsNotWithTheDirectSound)
{
    const auto m = measureRoom (*room);
    EXPECT_LE (m.firstMillisecondDb, -40.0);
    EXPECT_GE (m.firstArrivalMs, 1.0);
    EXPECT_LE (m.peakMs, 30.0);
    EXPECT_GE (m.earlyReflections, 4);
}

TEST_F (ContentTargets, TheRoomDecaysAsADenseExponentialTail)
{
    const auto m = measureRoom (*room);
    for (double t : m.reverbTime)
    {
        EXPECT_GE (t, 0.25);
        EXPECT_LE (t, 0.6);
    }

    EXPECT_LE (m.decayFitError, 1.5);
    EXPECT_GE (m.echoDensity, 0.8);
    EXPECT_LE (m.lastTenMsDb, -60.0);
}

TEST_F (ContentTargets, TheRoomsChannelsAreDecorrelated)
{
    EXPECT_LT (std::fabs (measureRoom (*room).correlation), 0.3);
}
