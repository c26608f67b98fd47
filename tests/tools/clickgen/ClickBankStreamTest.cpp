// The committed archive's streams are written the way the bank's entries are meant to be: the
// narrowest width for every block, zero always with sign 0, and no more than a byte's worth of
// filler at the end.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "ClickBank.h"
#include "WavFile.h"
#include "content/QVArchive.h"
#include "engine/ClickStreamDecoder.h"

using namespace clickgen;

TEST (ClickBankStreams, EveryBlockUsesTheNarrowestWidthAndZeroHasNoSign)
{
    const auto archive = readFile (WEXLA_SOURCE_DIR "/resources/samples.zmub");
    const QVArchive reader (archive.data(), archive.size());

    for (int s = 0; s < numSticks; ++s)
    for (int p = 0; p < numPressures; ++p)
    for (int r = 0; r < numRidges; ++r)
    {
        const auto name = clickName ({ s, p, r });
        SCOPED_TRACE (name);
        const uint8_t* entry = nullptr;
        uint32_t size = 0;
        ASSERT_TRUE (reader.findEntry (name.c_str(), entry, size));

        ClickStreamDecoder decoder;
        decoder.reset (entry, size);
        const auto& header = decoder.getHeader();
        ASSERT_EQ (0, std::memcmp (header.magic, "yplo", 4));
        ASSERT_EQ (size - 16, header.streamLength);
        ASSERT_EQ (32, header.blockLength);
        ASSERT_EQ (1, header.channelCount);
        ASSERT_EQ (16, header.sampleBits);

        BitReader bits { false, entry + 16, header.streamLength, 0 };
        for (uint32_t blockStart = 0; blockStart < header.frameCount; blockStart += 32)
        {
            const auto width = (int) bits.readBits (5);
            uint32_t largest = 0;

            for (uint32_t f = blockStart; f < std::min (header.frameCount, blockStart + 32); ++f)
            {
                const auto magnitude = bits.readBits (width);
                const auto sign = bits.readBit();
                ASSERT_FALSE (magnitude == 0 && sign == 1) << "frame " << f;
                largest = std::max (largest, magnitude);
            }

            // The largest magnitude needs all the width's bits, and no more.
            ASSERT_LT ((uint64_t) largest, 1ull << width) << "block at frame " << blockStart;
            if (width > 0)
                ASSERT_GE ((uint64_t) largest, 1ull << (width - 1)) << "block at frame " << blockStart;
        }

        EXPECT_LT (8 * (uint64_t) header.streamLength - bits.position, 8u);
    }
}
