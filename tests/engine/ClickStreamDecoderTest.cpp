#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "content/GuardedBytes.h"
#include "engine/ClickStreamDecoder.h"
#include "tools/clickgen/ClickStreamEncoder.h"

namespace
{
    constexpr float scale16 = 32767.0f;

    void setLittleEndian32 (std::vector<uint8_t>& entry, size_t offset, uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            entry[offset + (size_t) i] = (uint8_t) (value >> (8 * i));
    }

    // Decodes frameCount frames (channelCount floats each) from a freshly reset decoder.
    std::vector<float> decodeAll (ClickStreamDecoder& decoder, const uint8_t* entry, uint32_t frames)
    {
        decoder.reset (entry);
        const auto channels = decoder.getHeader().channelCount;
        std::vector<float> out ((size_t) frames * channels);

        for (uint32_t f = 0; f < frames; ++f)
            decoder.decodeFrame (out.data() + (size_t) f * channels);

        return out;
    }

    std::vector<float> expectedFloats (const std::vector<int32_t>& samples)
    {
        std::vector<float> out;
        for (auto s : samples)
            out.push_back ((float) s / scale16);
        return out;
    }

    // A small deterministic generator for test signals.
    uint32_t nextRandom (uint32_t& state)
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }

    struct RoundTripCase
    {
        std::string name;
        int channels;
        uint32_t frames;
        std::function<int32_t (uint32_t frame, int channel, uint32_t& random)> sample;
    };

    const std::vector<RoundTripCase>& roundTripCases()
    {
        static const std::vector<RoundTripCase> cases {
            { "FullScaleNoise", 1, 256, [] (uint32_t, int, uint32_t& r)
              { return (int32_t) (nextRandom (r) % 65535) - 32767; } },
            // Silent blocks in the middle and at the end get width 0 but still carry sign bits.
            { "SilentBlocks", 1, 32 * 6, [] (uint32_t f, int, uint32_t& r)
              { return (f / 32) % 2 == 1 ? 0 : (int32_t) (nextRandom (r) % 201) - 100; } },
            // 5 full blocks and a short one of 7 frames.
            { "ShortLastBlock", 1, 32 * 5 + 7, [] (uint32_t f, int, uint32_t&)
              { return (int32_t) ((f * 7919) % 3001) - 1500; } },
            { "FewerFramesThanOneBlock", 1, 5, [] (uint32_t f, int, uint32_t&)
              { return f % 2 == 0 ? (int32_t) f * 1000 : -(int32_t) f; } },
            { "SingleFrame", 1, 1, [] (uint32_t, int, uint32_t&) { return -12345; } },
            { "FullScaleExtremes", 1, 70, [] (uint32_t f, int, uint32_t&)
              { return f % 3 == 0 ? 32767 : (f % 3 == 1 ? -32767 : 0); } },
            // The most negative 16-bit value needs all 16 magnitude bits.
            { "MostNegative", 1, 33, [] (uint32_t f, int, uint32_t&) { return f == 32 ? -32768 : 1; } },
            { "TwoChannels", 2, 100, [] (uint32_t f, int c, uint32_t& r)
              { return c == 0 ? (int32_t) (nextRandom (r) % 1001) - 500 : (f < 40 ? 0 : 16000 - (int32_t) f * 100); } },
            { "TwoChannelsOneSilent", 2, 65, [] (uint32_t f, int c, uint32_t&)
              { return c == 1 ? 0 : (int32_t) f - 32; } },
        };
        return cases;
    }

    std::vector<int32_t> makeSignal (const RoundTripCase& c)
    {
        uint32_t random = 0x9e3779b9u;
        std::vector<int32_t> samples;
        for (uint32_t f = 0; f < c.frames; ++f)
            for (int ch = 0; ch < c.channels; ++ch)
                samples.push_back (c.sample (f, ch, random));
        return samples;
    }
}

//==============================================================================
// A stream assembled bit by bit: 3 frames, blocks of 2, one channel.
//   block 0: width 2 (00010), frame 0: 11 + sign 1 (-3), frame 1: 01 + sign 0 (+1)
//   block 1: width 0 (00000), frame 2: sign 1 (zero magnitude)
// Bits in stream order 0 0 0 1 0 1 1 1 | 0 1 0 0 0 0 0 0 | 1, each byte filled from its lowest bit.
static const std::vector<uint8_t> handMadeEntry {
    'y', 'p', 'l', 'o', 3, 0, 0, 0, 3, 0, 0, 0, 2, 0, 1, 16,
    0xE8, 0x02, 0x01
};

TEST (ClickStreamDecoder, ReadsTheBitLayoutOfAHandMadeStream)
{
    ClickStreamDecoder decoder;
    decoder.reset (handMadeEntry.data());

    EXPECT_EQ (0, std::memcmp (decoder.getHeader().magic, "yplo", 4));
    EXPECT_EQ (3u, decoder.getHeader().streamLength);
    EXPECT_EQ (3u, decoder.getHeader().frameCount);
    EXPECT_EQ (2, decoder.getHeader().blockLength);
    EXPECT_EQ (1, decoder.getHeader().channelCount);
    EXPECT_EQ (16, decoder.getHeader().sampleBits);

    float out[3] = {};
    for (auto& v : out)
        decoder.decodeFrame (&v);

    EXPECT_EQ (-3.0f / scale16, out[0]);
    EXPECT_EQ (1.0f / scale16, out[1]);
    // Sign 1 on a zero magnitude still yields plain zero.
    EXPECT_EQ (0.0f, out[2]);
    EXPECT_FALSE (std::signbit (out[2]));
}

TEST (ClickStreamDecoder, EncoderWritesTheSameBitsAsTheHandMadeStream)
{
    // The encoder gives a zero magnitude sign 0, so only the last bit differs.
    auto expected = handMadeEntry;
    expected.back() = 0x00;
    EXPECT_EQ (expected, clickgen::encodeClickStream ({ -3, 1, 0 }, 1, 2));
}

TEST (ClickStreamDecoder, RoundTripsEncodedSignalsAndStartsOverAfterTheLastFrame)
{
    for (const auto& c : roundTripCases())
    {
        SCOPED_TRACE (c.name);
        const auto samples = makeSignal (c);
        const auto entry = clickgen::encodeClickStream (samples, c.channels);
        const GuardedBytes guarded (entry);

        ClickStreamDecoder decoder;
        const auto twice = decodeAll (decoder, guarded.data(), c.frames * 2);
        const auto half = (long) twice.size() / 2;
        EXPECT_EQ (expectedFloats (samples), std::vector<float> (twice.begin(), twice.begin() + half));
        EXPECT_EQ (expectedFloats (samples), std::vector<float> (twice.begin() + half, twice.end()));
        EXPECT_EQ (0, decoder.getFrameIndex());
    }
}

TEST (ClickStreamDecoder, FullScaleMagnitudesDecodeToExactlyPlusAndMinusOne)
{
    const auto entry = clickgen::encodeClickStream ({ 32767, -32767 }, 1);
    ClickStreamDecoder decoder;
    EXPECT_EQ ((std::vector<float> { 1.0f, -1.0f }), decodeAll (decoder, entry.data(), 2));
}

TEST (ClickStreamDecoder, SpareBitsAfterTheLastFrameAreIgnored)
{
    const auto samples = makeSignal (roundTripCases()[2]);
    auto entry = clickgen::encodeClickStream (samples, 1);
    const auto streamLength = (uint32_t) entry.size() - 16;

    // Filler of set bits would show up as loud samples if it were read as frames.
    entry.insert (entry.end(), 19, 0xFF);
    setLittleEndian32 (entry, 4, streamLength + 19);

    ClickStreamDecoder decoder;
    const auto frames = (uint32_t) samples.size();
    auto twice = decodeAll (decoder, entry.data(), frames * 2);
    EXPECT_EQ (expectedFloats (samples), std::vector<float> (twice.begin(), twice.begin() + frames));
    EXPECT_EQ (expectedFloats (samples), std::vector<float> (twice.begin() + frames, twice.end()));
}

TEST (ClickStreamDecoder, SkippingGivesTheSameFramesAsDecodingAllTheWay)
{
    for (const auto& c : roundTripCases())
    {
        SCOPED_TRACE (c.name);
        const auto samples = makeSignal (c);
        const auto entry = clickgen::encodeClickStream (samples, c.channels);
        const auto expected = expectedFloats (samples);
        const auto channels = (size_t) c.channels;
        ClickStreamDecoder decoder;

        for (uint32_t skip = 0; skip <= c.frames; ++skip)
        {
            decoder.reset (entry.data());
            decoder.skipFrames ((int) skip);
            ASSERT_EQ ((int) skip, decoder.getFrameIndex());

            // The rest of the click, then the first frame again.
            std::vector<float> out ((c.frames - skip + 1) * channels);
            for (size_t f = 0; f < out.size() / channels; ++f)
                decoder.decodeFrame (out.data() + f * channels);

            auto want = std::vector<float> (expected.begin() + (long) (skip * channels), expected.end());
            want.insert (want.end(), expected.begin(), expected.begin() + (long) channels);
            ASSERT_EQ (want, out) << "after skipping " << skip;
        }
    }
}

TEST (ClickStreamDecoder, SkippingInStepsMatchesOneSkip)
{
    const auto samples = makeSignal (roundTripCases()[7]);
    const auto entry = clickgen::encodeClickStream (samples, 2);
    ClickStreamDecoder decoder;
    decoder.reset (entry.data());

    for (int step : { 1, 5, 30, 3, 0, 33 })
        decoder.skipFrames (step);

    float frame[2];
    decoder.decodeFrame (frame);
    EXPECT_EQ (73, decoder.getFrameIndex());
    EXPECT_EQ ((float) samples[72 * 2] / scale16, frame[0]);
    EXPECT_EQ ((float) samples[72 * 2 + 1] / scale16, frame[1]);
}

TEST (ClickStreamDecoder, SkippingStopsAtTheEndOfTheClick)
{
    const auto samples = makeSignal (roundTripCases()[2]);
    const auto entry = clickgen::encodeClickStream (samples, 1);
    ClickStreamDecoder decoder;
    decoder.reset (entry.data());

    decoder.skipFrames (10);
    decoder.skipFrames (1 << 30);
    EXPECT_EQ ((int) samples.size(), decoder.getFrameIndex());

    float first = 0.0f;
    decoder.decodeFrame (&first);
    EXPECT_EQ ((float) samples[0] / scale16, first);
    EXPECT_EQ (1, decoder.getFrameIndex());

    decoder.skipFrames (-5);
    EXPECT_EQ (1, decoder.getFrameIndex());
}

TEST (ClickStreamDecoder, ResetRewindsWhateverWidthsThePreviousClickLeft)
{
    const std::vector<int32_t> loud (40, -30000), quiet { 1, -1, 0, 1 };
    const auto loudEntry = clickgen::encodeClickStream (loud, 1);
    const auto quietEntry = clickgen::encodeClickStream (quiet, 1);

    ClickStreamDecoder decoder;
    float sink[8];
    decoder.reset (loudEntry.data());
    for (int i = 0; i < 8; ++i)
        decoder.decodeFrame (sink + i);

    EXPECT_EQ (expectedFloats (quiet), decodeAll (decoder, quietEntry.data(), 4));
    EXPECT_EQ (expectedFloats (loud), decodeAll (decoder, loudEntry.data(), 40));
}

//==============================================================================
// Entries that the archive never holds must still be decoded without reading outside their bytes.

TEST (ClickStreamDecoder, AStreamShorterThanItsFramesReadsZerosInsteadOfBeyondIt)
{
    const std::vector<int32_t> samples (64, 20000);
    auto entry = clickgen::encodeClickStream (samples, 1);
    // Claim four times the frames the stream holds.
    setLittleEndian32 (entry, 8, 256);
    const GuardedBytes guarded (entry);

    ClickStreamDecoder decoder;
    const auto out = decodeAll (decoder, guarded.data(), 256);
    EXPECT_EQ (expectedFloats (samples), std::vector<float> (out.begin(), out.begin() + 64));

    for (size_t f = 64; f < out.size(); ++f)
        ASSERT_EQ (0.0f, out[f]) << f;

    decoder.reset (guarded.data());
    decoder.skipFrames (200);
    float sample = 1.0f;
    decoder.decodeFrame (&sample);
    EXPECT_EQ (0.0f, sample);
}

TEST (ClickStreamDecoder, AGivenEntrySizeLimitsAStreamLengthThatClaimsMore)
{
    const std::vector<int32_t> samples (64, -20000);
    auto entry = clickgen::encodeClickStream (samples, 1);
    setLittleEndian32 (entry, 4, 100000);
    setLittleEndian32 (entry, 8, 5000);
    const GuardedBytes guarded (entry);

    ClickStreamDecoder decoder;
    decoder.reset (guarded.data(), (uint32_t) entry.size());
    std::vector<float> out (5000);
    for (auto& v : out)
        decoder.decodeFrame (&v);

    EXPECT_EQ (expectedFloats (samples), std::vector<float> (out.begin(), out.begin() + 64));
    EXPECT_EQ (0.0f, out.back());
}

TEST (ClickStreamDecoder, EntriesTooShortForAHeaderDecodeAsSilence)
{
    const GuardedBytes guarded (std::vector<uint8_t> (10, 0xFF));
    ClickStreamDecoder decoder;

    for (auto* entry : { (const uint8_t*) nullptr, guarded.data() })
    {
        decoder.reset (entry, entry == nullptr ? UINT32_MAX : 10);
        EXPECT_EQ (0u, decoder.getHeader().frameCount);
        EXPECT_EQ (0, decoder.getHeader().channelCount);

        float canary = 42.0f;
        decoder.decodeFrame (&canary);
        decoder.skipFrames (3);
        EXPECT_EQ (42.0f, canary);
        EXPECT_EQ (0, decoder.getFrameIndex());
    }
}

TEST (ClickStreamDecoder, ZeroChannelsOnlyAdvanceTheFrameIndex)
{
    std::vector<uint8_t> entry { 'y', 'p', 'l', 'o', 0, 0, 0, 0, 10, 0, 0, 0, 32, 0, 0, 16 };
    const GuardedBytes guarded (entry);
    ClickStreamDecoder decoder;
    decoder.reset (guarded.data());

    float canary = 42.0f;
    decoder.decodeFrame (&canary);
    decoder.decodeFrame (&canary);
    EXPECT_EQ (42.0f, canary);
    EXPECT_EQ (2, decoder.getFrameIndex());

    decoder.skipFrames (7);
    EXPECT_EQ (9, decoder.getFrameIndex());
    decoder.decodeFrame (&canary);
    EXPECT_EQ (0, decoder.getFrameIndex());
}

TEST (ClickStreamDecoder, ABlockLengthOfZeroMakesTheClickOneBlock)
{
    const auto samples = makeSignal (roundTripCases()[0]);
    auto entry = clickgen::encodeClickStream (samples, 1, (int) samples.size());
    entry[12] = 0;
    entry[13] = 0;

    ClickStreamDecoder decoder;
    EXPECT_EQ (expectedFloats (samples), decodeAll (decoder, entry.data(), (uint32_t) samples.size()));

    decoder.reset (entry.data());
    decoder.skipFrames (100);
    float sample = 0.0f;
    decoder.decodeFrame (&sample);
    EXPECT_EQ ((float) samples[100] / scale16, sample);
}

TEST (ClickStreamDecoder, ScaleFollowsTheSampleBits)
{
    struct Case { int bits; int32_t value; float expected; };
    const Case cases[] {
        { 8, 127, 1.0f },
        { 24, -8388607, -1.0f },
        { 16, 16384, 16384.0f / 32767.0f },
        // Depths without a positive scale leave the values unscaled rather than dividing by zero.
        { 1, 3, 3.0f },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.bits);
        const auto entry = clickgen::encodeClickStream ({ c.value }, 1, 32, c.bits);
        ClickStreamDecoder decoder;
        EXPECT_EQ ((std::vector<float> { c.expected }), decodeAll (decoder, entry.data(), 1));
    }
}
