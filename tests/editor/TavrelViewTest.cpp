#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "editor/TavrelView.h"

namespace
{
using namespace EditorTestSupport;

TEST (TavrelViewTest, FrameIndexCutsThePositionRangeInto34Parts)
{
    const struct
    {
        float position;
        int frame; // 0-based
    } cases[] = {
        { 0.0f, 0 },
        { 0.5f, 17 },
        { 0.99f, 33 },
        { 1.0f / 34.0f - 1e-6f, 0 },
        { 1.0f / 34.0f + 1e-6f, 1 },
        { 127.0f / 128.0f, 33 }, // the wheel's highest value
        { 1.0f, 33 },
        { -0.5f, 0 },
        { 1e30f, 33 },
        { std::numeric_limits<float>::quiet_NaN(), 0 },
        { std::numeric_limits<float>::infinity(), 33 },
    };

    for (const auto& c : cases)
        EXPECT_EQ (TavrelView::frameIndexFor (c.position), c.frame) << c.position;
}

class TavrelViewRenderTest : public ::testing::Test
{
protected:
    TavrelViewRenderTest()
    {
        view.setSize (375, 360);
        view.setPositionSource ([this] { return position; });
    }

    // The frame drawn at a point of the view, and which set it belongs to.
    int frameAt (juce::Point<int> point, bool& playingSet)
    {
        return frameNumberAt (render (view).getPixelAt (point.x, point.y), playingSet);
    }

    float position = 0.0f;
    TavrelView view { fakeResources() };
};

TEST_F (TavrelViewRenderTest, DrawsTheFrameForThePositionTarget)
{
    const struct
    {
        float position;
        int frameNumber;
    } cases[] = { { 0.0f, 1 }, { 0.5f, 18 }, { 0.99f, 34 } };

    for (const bool playing : { false, true })
    {
        view.update (playing);

        for (const auto& c : cases)
        {
            position = c.position;
            bool playingSet = ! playing;

            // Both sets fill the whole 375 × 360 area.
            for (const auto point : { juce::Point<int> { 1, 1 }, { 187, 180 }, { 373, 358 } })
            {
                EXPECT_EQ (frameAt (point, playingSet), c.frameNumber) << c.position << " at " << point.toString();
                EXPECT_EQ (playingSet, playing);
            }
        }
    }
}

TEST_F (TavrelViewRenderTest, WithoutAPositionSourceShowsTheFirstFrame)
{
    TavrelView unconnected { fakeResources() };
    unconnected.setSize (375, 360);
    bool playingSet = true;
    EXPECT_EQ (frameNumberAt (render (unconnected).getPixelAt (187, 180), playingSet), 1);
    EXPECT_FALSE (playingSet);
}

TEST (TavrelViewLoadTest, AMissingFrameIsReportedOnceAndOnlyItsPositionShowsNoCane)
{
    ::testing::internal::CaptureStdout();
    TavrelView view { fakeResources ({ "candycaneoff5_png" }) };
    const auto output = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ (output, "Couldn't load image!\n");

    float position = 0.0f;
    view.setSize (375, 360);
    view.setPositionSource ([&position] { return position; });

    bool playingSet = true;
    position = 4.5f / 34.0f; // frame 5
    EXPECT_EQ (render (view).getPixelAt (187, 180).getAlpha(), 0);

    position = 5.5f / 34.0f;
    EXPECT_EQ (frameNumberAt (render (view).getPixelAt (187, 180), playingSet), 6);

    view.update (true);
    position = 4.5f / 34.0f;
    EXPECT_EQ (frameNumberAt (render (view).getPixelAt (187, 180), playingSet), 5);
    EXPECT_TRUE (playingSet);
}

TEST (TavrelViewLoadTest, EveryFrameMissingGivesOneLineEachAndAnEmptyView)
{
    ::testing::internal::CaptureStdout();
    TavrelView view { [] (const char*, int& size) -> const char* { size = 0; return nullptr; } };
    const auto output = ::testing::internal::GetCapturedStdout();

    EXPECT_EQ (juce::StringArray::fromLines (output.c_str()).size(), 68 + 1); // the last line is empty
    EXPECT_EQ (juce::String (output).replace ("Couldn't load image!\n", ""), "");

    view.setSize (375, 360);
    EXPECT_EQ (render (view).getPixelAt (187, 180).getAlpha(), 0);
}

TEST (TavrelViewLoadTest, AsksForBothSetsOfFramesByNumberWithoutLeadingZeros)
{
    juce::StringArray asked;
    ::testing::internal::CaptureStdout();
    TavrelView view { [&asked] (const char* name, int& size) -> const char* { asked.add (name); size = 0; return nullptr; } };
    ::testing::internal::GetCapturedStdout();

    ASSERT_EQ (asked.size(), 68);
    EXPECT_EQ (asked[0], "candycaneon1_png");
    EXPECT_EQ (asked[1], "candycaneoff1_png");
    EXPECT_EQ (asked[12], "candycaneon7_png");
    EXPECT_EQ (asked[67], "candycaneoff34_png");
}
} // namespace
