#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "BinaryData.h"

namespace
{
std::vector<char> readFile (const std::string& path)
{
    std::ifstream in (path, std::ios::binary);
    return { std::istreambuf_iterator<char> (in), std::istreambuf_iterator<char>() };
}

// The identifier hash the lookup switches on: h = 31 h + c over the bytes, each a signed char.
uint32_t identifierHash (const char* name)
{
    uint32_t h = 0;
    for (auto* c = name; *c != 0; ++c)
        h = 31u * h + (uint32_t) (int32_t) (signed char) *c;
    return h;
}

TEST (EmbeddedResources, EveryFileIsFoundByItsIdentifierWithItsExactBytes)
{
    ASSERT_GT (BinaryData::namedResourceListSize, 80);
    for (int i = 0; i < BinaryData::namedResourceListSize; ++i)
    {
        const auto* name = BinaryData::namedResourceList[i];
        int size = -1;
        const auto* data = BinaryData::getNamedResource (name, size);
        ASSERT_NE (data, nullptr) << name;

        const auto file = readFile (std::string (WEXLA_SOURCE_DIR "/resources/") + BinaryData::originalFilenames[i]);
        ASSERT_EQ ((size_t) size, file.size()) << name;
        EXPECT_EQ (std::memcmp (data, file.data(), file.size()), 0) << name;
    }
}

TEST (EmbeddedResources, PicturesAreFoundUnderTheirNamesAndNothingElse)
{
    struct Case { const char* name; bool found; };
    const Case cases[] = {
        { "bg_png", true }, { "bg2x_png", true }, { "candycaneon34_png", true }, { "candycaneoff34_png", true },
        { "candycaneon1_png", true }, { "RubikRegular_ttf", true }, { "room_wav", true }, { "samples_zmub", true },
        { "BG_png", false }, { "bg.png", false }, { "bg_png ", false },
        { "candycaneon0_png", false }, { "candycaneoff35_png", false }, { "", false },
    };

    for (const auto& c : cases)
    {
        int size = -1;
        const auto* data = BinaryData::getNamedResource (c.name, size);
        EXPECT_EQ (data != nullptr, c.found) << c.name;
        EXPECT_EQ (size > 0, c.found) << c.name;
    }

    int size = -1;
    EXPECT_EQ (BinaryData::getNamedResource (nullptr, size), nullptr);
    EXPECT_EQ (size, 0);

    const auto* png = BinaryData::getNamedResource ("bg_png", size);
    EXPECT_EQ (std::memcmp (png, "\x89PNG\r\n\x1a\n", 8), 0);
}

TEST (EmbeddedResources, TheLookupComparesOnlyThePublishedHash)
{
    EXPECT_EQ (identifierHash ("bg_png"), 2903720751u);

    // "cH" hashes like "bg" (31 * 'c' + 'H' == 31 * 'b' + 'g'): the lookup, which compares hashes
    // and not names, finds the background under it, which shows it hashes exactly so.
    ASSERT_EQ (identifierHash ("cH_png"), identifierHash ("bg_png"));
    int bgSize = 0, otherSize = 0;
    const auto* bg = BinaryData::getNamedResource ("bg_png", bgSize);
    EXPECT_EQ (BinaryData::getNamedResource ("cH_png", otherSize), bg);
    EXPECT_EQ (otherSize, bgSize);
}
} // namespace
