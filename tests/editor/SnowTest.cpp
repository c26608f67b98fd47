#include <cmath>

#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "editor/Snow.h"
#include "editor/SnowRandom.h"

namespace
{
constexpr float twoPi = 6.2831855f;

TEST (SnowRandomTest, FollowsTheXorshift128SequenceFromThePublishedState)
{
    SnowRandom random;

    // The first outputs of Marsaglia's generator from x, y, z, w = 123456789, 362436069,
    // 521288629, 88675123.
    EXPECT_EQ (random.next(), 3701687786u);
    EXPECT_EQ (random.next(), 458299110u);
    EXPECT_EQ (random.next(), 2500872618u);
    EXPECT_EQ (random.next(), 3633119408u);
}

TEST (SnowRandomTest, UnitValuesStayBetweenZeroAndOne)
{
    SnowRandom random;
    float lowest = 1.0f, highest = 0.0f;

    for (int i = 0; i < 100000; ++i)
    {
        const auto value = random.nextUnit();
        lowest = std::min (lowest, value);
        highest = std::max (highest, value);
    }

    EXPECT_GE (lowest, 0.0f);
    EXPECT_LE (highest, 1.0f);
    EXPECT_LT (lowest, 0.001f);
    EXPECT_GT (highest, 0.999f);
}

TEST (SnowTest, TheFirstFlakeComesFromTheFirstSevenOutputs)
{
    SnowRandom random;
    const Snow snow (random);
    const auto& first = snow.getFlakes()[0];

    // The first output's low 24 bits are 10700266: |2 × 10700266 / 16777215 − 1|.
    EXPECT_NEAR (first.x, 0.2756f, 1e-4f);
    EXPECT_NEAR (first.size, 0.1016f, 1e-4f);
    EXPECT_NEAR (first.sway, 0.5587f, 1e-4f);

    SnowRandom replay;
    std::array<float, 7> expected {};
    for (auto& value : expected)
        value = replay.nextUnit();

    EXPECT_EQ (first.x, expected[0]);
    EXPECT_EQ (first.y, expected[1]);
    EXPECT_EQ (first.fallSpeed, expected[2]);
    EXPECT_EQ (first.size, expected[3]);
    EXPECT_EQ (first.sway, expected[4]);
    EXPECT_EQ (first.phase, expected[5]);
    EXPECT_EQ (first.phaseSpeed, expected[6]);

    // The second flake takes the next seven.
    EXPECT_EQ (snow.getFlakes()[1].x, replay.nextUnit());
}

TEST (SnowTest, OverlaysSharingTheGeneratorGetDifferentSnowfalls)
{
    const Snow first;
    const Snow second;

    int samePositions = 0;
    for (int i = 0; i < Snow::flakeCount; ++i)
        if (first.getFlakes()[(size_t) i].x == second.getFlakes()[(size_t) i].x)
            ++samePositions;

    EXPECT_EQ (samePositions, 0);
}

TEST (SnowTest, AdvanceFallsWrapsAtTheBottomAndKeepsThePhaseInOneTurn)
{
    SnowRandom random;
    Snow snow (random);
    auto& flakes = snow.getFlakes();

    flakes[0].y = 0.5f;
    flakes[0].fallSpeed = 0.5f;
    flakes[1].y = 0.995f;
    flakes[1].fallSpeed = 0.5f;
    flakes[2].phase = 6.27f;
    flakes[2].phaseSpeed = 1.0f;

    snow.advance();

    EXPECT_FLOAT_EQ (flakes[0].y, 0.506f);
    EXPECT_EQ (flakes[1].y, 0.0f);
    EXPECT_NEAR (flakes[2].phase, 6.29f - twoPi, 1e-5f);

    for (int tick = 0; tick < 2000; ++tick)
    {
        snow.advance();

        for (const auto& flake : flakes)
        {
            ASSERT_GE (flake.y, 0.0f);
            ASSERT_LT (flake.y, 1.0f);
            ASSERT_GE (flake.phase, 0.0f);
            ASSERT_LT (flake.phase, twoPi);
        }
    }
}

TEST (SnowTest, GroundLineFollowsTheLetteringAndClampsItsColumns)
{
    EXPECT_EQ (Snow::groundLineAt (0), 49.0f);
    EXPECT_EQ (Snow::groundLineAt (59), 73.0f);
    EXPECT_EQ (Snow::groundLineAt (96), 74.0f);
    EXPECT_EQ (Snow::groundLineAt (189), 62.0f);
    EXPECT_EQ (Snow::groundLineAt (-5), 49.0f);
    EXPECT_EQ (Snow::groundLineAt (500), 62.0f);

    for (int column = 0; column < Snow::designWidth; ++column)
        EXPECT_LT (Snow::groundLineAt (column), (float) Snow::designHeight) << column;
}

// One flake on its own: the others are parked at the bottom, below the lettering, where the
// repaint sends them back to the top without drawing them.
class SnowPaintTest : public ::testing::Test
{
protected:
    SnowPaintTest()
    {
        snow.setSize (Snow::designWidth, Snow::designHeight);

        for (auto& flake : snow.getFlakes())
            flake = Snow::Snowflake { 0.5f, 0.99f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f };
    }

    Snow::Snowflake& place (float x, float y, float sway = 0.0f, float phase = 0.0f)
    {
        auto& flake = snow.getFlakes()[0];
        flake = Snow::Snowflake { x, y, 0.0f, sway, 1.0f, phase, 0.0f };
        return flake;
    }

    // Alpha at the centre of the four-pixel flake at (px, py).
    int alphaAt (float px, float py)
    {
        return EditorTestSupport::render (snow).getPixelAt ((int) px + 2, (int) py + 2).getAlpha();
    }

    SnowRandom random;
    Snow snow { random };
};

TEST_F (SnowPaintTest, FlakesFadeInOverTheFirstQuarterOfTheirFall)
{
    const struct
    {
        float y;
        int alpha;
    } cases[] = { { 0.0f, 0 }, { 0.125f, 128 }, { 0.25f, 255 }, { 0.3f, 255 } };

    for (const auto& c : cases)
    {
        // Column 100, whose ground line (row 68) lies below all the test rows.
        place (100.5f / 190.0f, c.y);
        EXPECT_NEAR (alphaAt (100.5f, c.y * 87.0f), c.alpha, 2) << "y = " << c.y;
    }
}

TEST_F (SnowPaintTest, DrawsWhiteCirclesOfTheirSize)
{
    place (100.0f / 190.0f, 0.4f);
    snow.getFlakes()[0].size = 1.0f;
    const auto image = EditorTestSupport::render (snow);
    const auto py = (int) (0.4f * 87.0f);

    EXPECT_EQ (image.getPixelAt (102, py + 2), juce::Colours::white);
    EXPECT_EQ (image.getPixelAt (107, py + 2).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (102, py + 7).getAlpha(), 0);
}

TEST_F (SnowPaintTest, AFlakeThatReachesTheLetteringStartsAgainAtTheTop)
{
    // A height of 128 makes the test rows exact: y = row / 128.
    snow.setSize (Snow::designWidth, 128);

    // (x as a pixel, sway, phase, y as a pixel row, whether the flake has reached its ground line)
    const struct
    {
        float px;
        float sway;
        float phase;
        float py;
        bool reached;
    } cases[] = {
        { 59.5f, 0.0f, 0.0f, 72.5f, false },
        { 59.5f, 0.0f, 0.0f, 73.0f, true },
        // Swayed left of the overlay: column 0, ground line 49.
        { 0.0f, 1.0f, 4.712389f, 48.5f, false },
        { 0.0f, 1.0f, 4.712389f, 49.0f, true },
        // Right of the last column: column 189, ground line 62.
        { 190.0f, 0.0f, 0.0f, 61.5f, false },
        { 190.0f, 0.0f, 0.0f, 62.0f, true },
    };

    for (const auto& c : cases)
    {
        auto& flake = place (c.px / 190.0f, c.py / 128.0f, c.sway, c.phase);
        const auto y = flake.y;
        EditorTestSupport::render (snow);

        if (c.reached)
            EXPECT_EQ (flake.y, 0.0f) << "px " << c.px << ", py " << c.py;
        else
            EXPECT_EQ (flake.y, y) << "px " << c.px << ", py " << c.py;
    }
}

TEST_F (SnowPaintTest, AFlakeStoppedByTheLetteringIsNotDrawn)
{
    // Column 59, ground line 73: drawn just above it, gone on it, and the repaint after shows
    // the flake at the top, fully transparent.
    place (59.5f / 190.0f, 71.0f / 87.0f);
    EXPECT_EQ (alphaAt (59.5f, 71.0f), 255);

    place (59.5f / 190.0f, 74.0f / 87.0f);
    EXPECT_EQ (alphaAt (59.5f, 74.0f), 0);
    EXPECT_EQ (alphaAt (59.5f, 0.0f), 0);
}
} // namespace
