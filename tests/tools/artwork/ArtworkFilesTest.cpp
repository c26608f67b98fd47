#include "ArtworkSet.h"
#include "ArtworkTestSupport.h"

#include <vector>

namespace wexla::artwork::test
{

namespace
{
    struct ExpectedPicture
    {
        juce::String name;
        int width, height;
    };

    std::vector<ExpectedPicture> expectedPictures()
    {
        std::vector<ExpectedPicture> pictures {
            { "bg", 639, 336 },         { "bg2x", 1276, 672 },
            { "helptext", 212, 86 },    { "helptext2x", 422, 170 },
            { "questionoff", 44, 37 },  { "questionoff2x", 87, 72 },
            { "holdnoteoff", 50, 32 },  { "holdnoteoff2x", 99, 63 },
            { "holdnoteon", 50, 32 },   { "holdnoteon2x", 99, 63 },
            { "snowmask", 190, 87 },
        };

        for (int frame = 1; frame <= 34; ++frame)
        {
            pictures.push_back ({ "candycaneoff" + juce::String (frame), 375, 360 });
            pictures.push_back ({ "candycaneon" + juce::String (frame), 343, 330 });
        }

        return pictures;
    }
} // namespace

using ArtworkFiles = ArtworkTest;

TEST_F (ArtworkFiles, EveryPictureIsCommittedAtItsSize)
{
    for (const auto& expected : expectedPictures())
    {
        SCOPED_TRACE (expected.name.toStdString());
        const auto image = loadResource (expected.name);
        ASSERT_TRUE (image.isValid());
        EXPECT_EQ (image.getWidth(), expected.width);
        EXPECT_EQ (image.getHeight(), expected.height);
    }
}

TEST_F (ArtworkFiles, CaneFramesStaySmall)
{
    // The plug-in embeds all 68 frames.
    for (const auto& expected : expectedPictures())
    {
        if (expected.name.startsWith ("candycane"))
        {
            EXPECT_LT (resourcesDirectory().getChildFile (expected.name + ".png").getSize(), 10 * 1024)
                << expected.name;
        }
    }
}

TEST_F (ArtworkFiles, RegeneratingGivesTheCommittedBytes)
{
    const auto output = juce::File::getSpecialLocation (juce::File::tempDirectory)
                            .getNonexistentChildFile ("wexla-artwork-" + juce::String (getpid()), "", false);
    ASSERT_TRUE (ArtworkSet::writeAll (output, {}).wasOk());

    juce::Array<juce::File> written;
    output.findChildFiles (written, juce::File::findFiles, false, "*.png");
    EXPECT_EQ (written.size(), (int) expectedPictures().size());

    for (const auto& expected : expectedPictures())
    {
        SCOPED_TRACE (expected.name.toStdString());
        juce::MemoryBlock fresh, committed;
        ASSERT_TRUE (output.getChildFile (expected.name + ".png").loadFileAsData (fresh));
        ASSERT_TRUE (resourcesDirectory().getChildFile (expected.name + ".png").loadFileAsData (committed));
        EXPECT_TRUE (fresh == committed) << "rerun the artwork tool and commit resources/";
    }

    output.deleteRecursively();
}

} // namespace wexla::artwork::test
