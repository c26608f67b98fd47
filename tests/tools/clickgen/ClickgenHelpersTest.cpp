#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "ArchiveWriter.h"
#include "DetMath.h"
#include "WavFile.h"

using namespace clickgen;

// The generator's own functions replace the C library's so that the content is reproducible; they
// must still be right.
TEST (DetMath, AgreesWithTheCLibraryToDoublePrecision)
{
    for (double x : { -699.0, -30.5, -1.0, -1e-9, 0.0, 0.3465, 0.5, 1.0, 2.302585, 10.0, 88.7 })
        EXPECT_NEAR (std::exp (x), detExp (x), 4e-16 * std::exp (x)) << x;

    for (double x : { 1e-300, 1e-5, 0.5, 0.70710678, 0.7071068, 1.0, 1.5, 2.0, 1000.0, 1e12 })
        EXPECT_NEAR (std::log (x), detLog (x), 4e-16 * std::max (1.0, std::fabs (std::log (x)))) << x;

    for (double x : { -1000.0, -pi, -1.0, 0.0, 1e-8, 0.5, pi / 2, 3.0, pi, 7.5, 2.0 * pi * 44100.0 / 3.0 })
    {
        EXPECT_NEAR (std::sin (x), detSin (x), 1e-15) << x;
        EXPECT_NEAR (std::cos (x), detCos (x), 1e-15) << x;
    }

    EXPECT_EQ (0.0, detExp (-800.0));
    EXPECT_NEAR (0.5, dbToGain (-6.0206), 1e-5);
}

TEST (ArchiveWriter, RefusesNamesThatDoNotFitTheirField)
{
    EXPECT_NO_THROW (writeArchive ({ { std::string (63, 'a'), {} } }));
    EXPECT_THROW (writeArchive ({ { std::string (64, 'a'), {} } }), std::invalid_argument);
    EXPECT_THROW (writeArchive ({ { std::string ("a\0b", 3), {} } }), std::invalid_argument);
}

TEST (ClickStreamEncoder, RefusesLayoutsTheFormatCannotHold)
{
    EXPECT_THROW (encodeClickStream ({ 1, 2, 3 }, 2), std::invalid_argument);
    EXPECT_THROW (encodeClickStream ({ 1 }, 0), std::invalid_argument);
    EXPECT_THROW (encodeClickStream ({ 1 }, 1, 0), std::invalid_argument);
    EXPECT_THROW (encodeClickStream ({ INT32_MIN }, 1), std::invalid_argument);
}

TEST (WavFile, ReadsPcmPastOtherChunksAndRefusesOtherFormats)
{
    const WavData wav { 2, 44100, { 1, -2, 32767, -32768 } };
    auto bytes = writeWav16 (wav);

    // A chunk of odd length (padded to even) between the format and the data.
    const std::vector<uint8_t> extra { 'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0 };
    bytes.insert (bytes.begin() + 36, extra.begin(), extra.end());
    const auto read = readWav16 (bytes);
    EXPECT_EQ (2, read.channels);
    EXPECT_EQ (44100, read.sampleRate);
    EXPECT_EQ (wav.samples, read.samples);

    auto wide = writeWav16 (wav);
    wide[34] = 24;
    EXPECT_THROW (readWav16 (wide), std::runtime_error);
    EXPECT_THROW (readWav16 (std::vector<uint8_t> (bytes.begin(), bytes.begin() + 40)), std::runtime_error);
}
