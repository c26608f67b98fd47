#include <gtest/gtest.h>

#include "effects/BandCompressor.h"
#include "effects/GainComputer.h"

namespace
{
struct CurveCase
{
    const char* name;
    GainComputer computer;
    float level;
    float expected;
};

// Ratio 4, threshold -20 dB, knee 10 dB: the knee spans -25 to -15 dB and the slope above it is -0.75.
constexpr GainComputer compressor { 4.0f, -20.0f, 10.0f };
const GainComputer limiter = BandCompressor().limiter;

const CurveCase curveCases[] {
    { "below the knee", compressor, -40.0f, 0.0f },
    { "just below the knee", compressor, -25.001f, 0.0f },
    { "knee start", compressor, -25.0f, 0.0f },
    { "inside the knee", compressor, -20.0f, -0.75f * 25.0f / 20.0f },
    { "knee end", compressor, -15.0f, -0.75f * 5.0f },
    { "above the knee", compressor, 0.0f, -15.0f },
    { "no knee, above", GainComputer { 2.0f, -10.0f, 0.0f }, -4.0f, -3.0f },
    { "no knee, below", GainComputer { 2.0f, -10.0f, 0.0f }, -10.5f, 0.0f },
    { "limiter below -1.5 dB", limiter, -1.6f, 0.0f },
    { "limiter knee middle", limiter, 0.0f, -1.5f * 1.5f / 6.0f },
    { "limiter knee", limiter, 1.0f, -2.5f * 2.5f / 6.0f },
    { "limiter knee end", limiter, 1.5f, -1.5f },
    { "limiter above", limiter, 12.0f, -12.0f },
};

TEST (GainComputerTest, FollowsItsCurveInAllThreeRegions)
{
    for (const auto& c : curveCases)
        EXPECT_NEAR (c.computer.gainChange (c.level), c.expected, 1.0e-5f) << c.name;
}

TEST (GainComputerTest, CurveIsContinuousAndNeverPositive)
{
    for (const auto& computer : { compressor, limiter })
    {
        auto previous = computer.gainChange (-60.0f);

        for (auto level = -60.0f; level <= 20.0f; level += 0.01f)
        {
            const auto change = computer.gainChange (level);
            EXPECT_LE (change, 0.0f) << level;
            EXPECT_NEAR (change, previous, 0.02f) << level;
            previous = change;
        }
    }
}
} // namespace
