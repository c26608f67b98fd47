#include <gtest/gtest.h>

#include <BinaryData.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "content/GuardedBytes.h"
#include "content/QVArchive.h"
#include "engine/ClickStreamDecoder.h"
#include "tools/clickgen/ArchiveWriter.h"

namespace
{
    QVArchive openArchive (const GuardedBytes& bytes)
    {
        return QVArchive (bytes.data(), bytes.getSize());
    }

    std::vector<uint8_t> entryBytes (uint8_t fill, size_t length)
    {
        std::vector<uint8_t> bytes (length, fill);
        std::memcpy (bytes.data(), "yplo", 4);
        return bytes;
    }

    // Three entries of different lengths, one name a prefix of another.
    std::vector<clickgen::ArchiveEntry> smallArchiveEntries()
    {
        return { { "first.tsq", entryBytes (1, 20) },
                 { "first.tsq.bak", entryBytes (2, 33) },
                 { "last.tsq", entryBytes (3, 16) } };
    }

    uint32_t rowOffset (const std::vector<uint8_t>& archive, uint32_t count, uint32_t row)
    {
        uint32_t value = 0;
        std::memcpy (&value, archive.data() + 32 + 64 * count + 4 * row, 4);
        return value;
    }

    void setSizeField (std::vector<uint8_t>& archive, uint32_t count, uint32_t row, uint32_t value)
    {
        std::memcpy (archive.data() + 32 + 68 * count + 4 * row, &value, 4);
    }

    void setOffsetField (std::vector<uint8_t>& archive, uint32_t count, uint32_t row, uint32_t value)
    {
        std::memcpy (archive.data() + 32 + 64 * count + 4 * row, &value, 4);
    }

    bool isFound (const QVArchive& archive, const char* name)
    {
        const uint8_t* data = nullptr;
        uint32_t size = 0;
        return archive.findEntry (name, data, size);
    }
}

//==============================================================================
TEST (QVArchive, FindsEveryEntryWhereTheTablesPutIt)
{
    const auto entries = smallArchiveEntries();
    const auto bytes = clickgen::writeArchive (entries);
    const GuardedBytes guarded (bytes);
    const auto archive = openArchive (guarded);
    ASSERT_EQ (3u, archive.getNumEntries());

    for (uint32_t row = 0; row < entries.size(); ++row)
    {
        SCOPED_TRACE (entries[row].name);
        const uint8_t* data = nullptr;
        uint32_t size = 0;
        ASSERT_TRUE (archive.findEntry (entries[row].name.c_str(), data, size));
        EXPECT_EQ (guarded.data() + rowOffset (bytes, 3, row), data);
        EXPECT_EQ (entries[row].bytes, std::vector<uint8_t> (data, data + size));
    }
}

TEST (QVArchive, MatchesWholeNamesOnly)
{
    const GuardedBytes guarded (clickgen::writeArchive (smallArchiveEntries()));
    const auto archive = openArchive (guarded);

    for (const char* name : { "first", "first.ts", "first.tsq.", "first.tsq.bak2", "last.tsqx", "Last.tsq", "", "x" })
        EXPECT_FALSE (isFound (archive, name)) << name;

    EXPECT_FALSE (isFound (archive, nullptr));
}

TEST (QVArchive, TheFirstRowWithANameWins)
{
    const auto bytes = clickgen::writeArchive ({ { "twin", entryBytes (7, 17) }, { "twin", entryBytes (8, 18) } });
    const auto archive = QVArchive (bytes.data(), bytes.size());
    const uint8_t* data = nullptr;
    uint32_t size = 0;
    ASSERT_TRUE (archive.findEntry ("twin", data, size));
    EXPECT_EQ (17u, size);
    EXPECT_EQ (7, data[16]);
}

TEST (QVArchive, FailedLookupsLeaveTheResultsAlone)
{
    const auto bytes = clickgen::writeArchive (smallArchiveEntries());
    const auto archive = QVArchive (bytes.data(), bytes.size());
    const uint8_t marker = 0;
    const uint8_t* data = &marker;
    uint32_t size = 1234;
    EXPECT_FALSE (archive.findEntry ("missing", data, size));
    EXPECT_EQ (&marker, data);
    EXPECT_EQ (1234u, size);
}

//==============================================================================
// Damaged archives: every lookup must stay inside the bytes and simply find nothing.

TEST (QVArchive, ArchivesWithoutRoomForTheirTablesHaveNoEntries)
{
    const auto good = clickgen::writeArchive (smallArchiveEntries());

    struct Case { const char* what; std::vector<uint8_t> bytes; };
    std::vector<Case> cases {
        { "empty", {} },
        { "shorter than the header", std::vector<uint8_t> (good.begin(), good.begin() + 31) },
        { "tables cut off", std::vector<uint8_t> (good.begin(), good.begin() + 32 + 72 * 3 - 1) },
        { "no entries", clickgen::writeArchive ({}) },
    };

    auto hugeCount = good;
    hugeCount[7] = 0x40;
    cases.push_back ({ "count far beyond the size", hugeCount });

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        const GuardedBytes guarded (c.bytes);
        const auto archive = openArchive (guarded);
        EXPECT_EQ (0u, archive.getNumEntries());
        EXPECT_FALSE (isFound (archive, "first.tsq"));
    }

    EXPECT_EQ (0u, QVArchive (nullptr, 1000).getNumEntries());
}

TEST (QVArchive, RowsThatPointOutsideTheArchiveAreMissing)
{
    const auto good = clickgen::writeArchive (smallArchiveEntries());
    const auto lastOffset = rowOffset (good, 3, 2);

    struct Case { const char* what; uint32_t row; bool setOffset; uint32_t value; };
    const Case cases[] {
        { "size 0", 2, false, 0 },
        { "shorter than a click header", 2, false, 15 },
        { "one byte past the end", 2, false, 17 },
        { "size wrapping past 4 GB", 2, false, 0xFFFFFFFFu },
        { "offset past the end", 0, true, (uint32_t) good.size() },
        { "offset wrapping past 4 GB", 2, true, 0xFFFFFFF8u },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        auto bytes = good;
        if (c.setOffset)
            setOffsetField (bytes, 3, c.row, c.value);
        else
            setSizeField (bytes, 3, c.row, c.value);

        const GuardedBytes guarded (bytes);
        const auto archive = openArchive (guarded);
        EXPECT_FALSE (isFound (archive, c.row == 0 ? "first.tsq" : "last.tsq"));
        // The other rows are untouched.
        EXPECT_TRUE (isFound (archive, "first.tsq.bak"));
    }

    // The last entry ending exactly at the end is fine.
    EXPECT_EQ (good.size(), (size_t) lastOffset + 16);
}

TEST (QVArchive, AStoredNameWithoutItsTerminatorMatchesNothing)
{
    const std::string longest (63, 'n');
    auto bytes = clickgen::writeArchive ({ { longest, entryBytes (1, 16) } });
    const auto archive = QVArchive (bytes.data(), bytes.size());
    EXPECT_TRUE (isFound (archive, longest.c_str()));

    // Fill the field's last byte: the stored name now runs to the field's end without a zero.
    bytes[32 + 63] = 'n';
    const GuardedBytes guarded (bytes);
    const auto damaged = openArchive (guarded);
    const std::string overlong (64, 'n');
    EXPECT_FALSE (isFound (damaged, overlong.c_str()));
    EXPECT_FALSE (isFound (damaged, longest.c_str()));
}

//==============================================================================
// The archive that ships inside the plug-in.

namespace
{
    const uint8_t* shippedBytes() { return reinterpret_cast<const uint8_t*> (BinaryData::samples_zmub); }

    QVArchive shippedArchive()
    {
        return QVArchive (shippedBytes(), (size_t) BinaryData::samples_zmubSize);
    }

    uint32_t readU32 (const uint8_t* p)
    {
        return (uint32_t) p[0] | ((uint32_t) p[1] << 8) | ((uint32_t) p[2] << 16) | ((uint32_t) p[3] << 24);
    }

    // The name the bank loader builds for stick, pressure and click number (all counted from 1).
    std::string bankName (int stick, int pressure, int click)
    {
        char name[64];
        std::snprintf (name, sizeof (name), "wexla_stick%d_pressure%d_%02d.tsq", stick, pressure, click);
        return name;
    }
}

TEST (ShippedArchive, FindsTheFirstAndLastClicks)
{
    const auto archive = shippedArchive();

    for (const char* name : { "wexla_stick1_pressure1_01.tsq", "wexla_stick3_pressure6_36.tsq" })
    {
        SCOPED_TRACE (name);
        const uint8_t* data = nullptr;
        uint32_t size = 0;
        ASSERT_TRUE (archive.findEntry (name, data, size));
        EXPECT_EQ (0, std::memcmp (data, "yplo", 4));
        EXPECT_EQ (readU32 (data + 4) + 16, size);
    }
}

TEST (ShippedArchive, DoesNotFindNamesOutsideTheBank)
{
    const auto archive = shippedArchive();

    for (const char* name : { "wexla_stick1_pressure1_1.tsq", "wexla_stick1_pressure1_00.tsq", "wexla_stick1_pressure1_37.tsq",
                              "wexla_stick4_pressure1_01.tsq", "wexla_stick0_pressure1_01.tsq", "wexla_stick1_pressure7_01.tsq",
                              "wexla_stick1_pressure1_01.tsq2", "wexla_stick1_pressure1_01.ts", "WEXLA_stick1_pressure1_01.tsq" })
        EXPECT_FALSE (isFound (archive, name)) << name;
}

TEST (ShippedArchive, HoldsEveryClickOnceWithItsHeader)
{
    const auto* bytes = shippedBytes();
    const auto archive = shippedArchive();
    ASSERT_EQ (648u, archive.getNumEntries());
    EXPECT_EQ (0, std::memcmp (bytes, "zmub", 4));
    EXPECT_EQ (648u, readU32 (bytes + 4));
    for (int i = 8; i < 32; ++i)
        EXPECT_EQ (0, bytes[i]) << "reserved byte " << i;

    std::set<std::string> stored;
    for (uint32_t row = 0; row < 648; ++row)
    {
        const auto* field = reinterpret_cast<const char*> (bytes + 32 + 64 * row);
        EXPECT_EQ (29u, strnlen (field, 64)) << "row " << row;
        stored.insert (std::string (field, strnlen (field, 64)));
    }

    std::set<std::string> expected;
    for (int s = 1; s <= 3; ++s)
        for (int p = 1; p <= 6; ++p)
            for (int c = 1; c <= 36; ++c)
                expected.insert (bankName (s, p, c));

    EXPECT_EQ (expected, stored);

    for (const auto& name : expected)
    {
        SCOPED_TRACE (name);
        const uint8_t* entry = nullptr;
        uint32_t size = 0;
        ASSERT_TRUE (archive.findEntry (name.c_str(), entry, size));
        EXPECT_EQ (0, std::memcmp (entry, "yplo", 4));
        EXPECT_EQ (size - 16, readU32 (entry + 4));
        EXPECT_GE (readU32 (entry + 8), 437u);
        EXPECT_LE (readU32 (entry + 8), 4824u);
        EXPECT_EQ (32, entry[12] | (entry[13] << 8));
        EXPECT_EQ (1, entry[14]);
        EXPECT_EQ (16, entry[15]);
    }
}

TEST (ShippedArchive, EntriesTileTheDataAreaInTableOrder)
{
    const auto* bytes = shippedBytes();
    uint64_t expectedOffset = 32 + 72 * 648;
    EXPECT_EQ (46688u, expectedOffset);

    for (uint32_t row = 0; row < 648; ++row)
    {
        const auto offset = readU32 (bytes + 32 + 64 * 648 + 4 * row);
        const auto size = readU32 (bytes + 32 + 68 * 648 + 4 * row);
        ASSERT_EQ (expectedOffset, offset) << "row " << row;
        expectedOffset += size;
    }

    EXPECT_EQ ((uint64_t) BinaryData::samples_zmubSize, expectedOffset);
}

TEST (ShippedArchive, EveryClicksFramesFitInItsStream)
{
    const auto* bytes = shippedBytes();

    for (uint32_t row = 0; row < 648; ++row)
    {
        const auto* entry = bytes + readU32 (bytes + 32 + 64 * 648 + 4 * row);
        const auto streamLength = readU32 (entry + 4);
        const auto frames = readU32 (entry + 8);

        // Walk the block headers only: each frame of a block takes its width plus a sign bit.
        BitReader reader { false, entry + 16, streamLength, 0 };
        for (uint32_t blockStart = 0; blockStart < frames; blockStart += 32)
        {
            const auto width = reader.readBits (5);
            reader.position += (uint64_t) std::min (32u, frames - blockStart) * (width + 1);
        }

        EXPECT_LE (reader.position, 8 * (uint64_t) streamLength) << "row " << row;
    }
}
