// The committed content must be exactly what the generator makes: anyone can rebuild it from source
// and review a change to it as a change to the generator.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ClickBank.h"
#include "RoomModel.h"
#include "WavFile.h"

using namespace clickgen;

namespace
{
    ::testing::AssertionResult sameBytes (const std::vector<uint8_t>& committed, const std::vector<uint8_t>& generated)
    {
        if (committed == generated)
            return ::testing::AssertionSuccess();

        const auto mismatch = std::mismatch (committed.begin(), committed.end(), generated.begin(), generated.end());
        return ::testing::AssertionFailure() << "committed " << committed.size() << " bytes, generated " << generated.size()
                                             << ", first difference at byte " << (mismatch.first - committed.begin())
                                             << "; rebuild with: ninja clickgen_content";
    }
}

TEST (ContentRegeneration, TheClickArchiveIsRebuiltByteForByte)
{
    EXPECT_TRUE (sameBytes (readFile (WEXLA_SOURCE_DIR "/resources/samples.zmub"), buildClickArchive (buildClickBank())));
}

TEST (ContentRegeneration, TheRoomResponseIsRebuiltByteForByte)
{
    EXPECT_TRUE (sameBytes (readFile (WEXLA_SOURCE_DIR "/resources/room.wav"), writeWav16 (synthesizeRoom())));
}
