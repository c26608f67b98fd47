#include "ArtworkTestSupport.h"
#include "GroundLine.h"
#include "Logo.h"

#include <cmath>

namespace wexla::artwork::test
{

namespace
{
    int columnsWithin (const std::vector<int>& rows, int tolerance, float scale = 1.0f)
    {
        int count = 0;

        for (size_t c = 0; c < rows.size() && c < groundLine.size(); ++c)
            if (std::abs ((float) rows[c] - (float) groundLine[c] * scale) <= (float) tolerance * scale)
                ++count;

        return count;
    }

    /** For each overlay column, the first row of the background from which the snow (bright) starts:
        the night sky above the logo is dark. `scale` maps window to picture pixels. */
    std::vector<int> firstSnowRows (const juce::Image& background, float scaleX, float scaleY)
    {
        std::vector<int> rows;
        const juce::Image::BitmapData data (background, juce::Image::BitmapData::readOnly);

        for (int c = 0; c < groundLineWidth; ++c)
        {
            const auto x = juce::jmin (background.getWidth() - 1, (int) ((Logo::overlayX + (float) c + 0.5f) * scaleX));
            auto found = background.getHeight();

            for (int y = 0; y + 1 < background.getHeight(); ++y)
                if (data.getPixelColour (x, y).getPerceivedBrightness() > 0.6f
                    && data.getPixelColour (x, y + 1).getPerceivedBrightness() > 0.6f)
                {
                    found = y;
                    break;
                }

            rows.push_back ((int) std::lround ((float) found / scaleY));
        }

        return rows;
    }
} // namespace

using LogoAndSnow = ArtworkTest;

TEST_F (LogoAndSnow, SnowMaskTracesTheGroundLineExactly)
{
    const auto mask = loadResource ("snowmask");
    ASSERT_TRUE (mask.isValid());
    const auto rows = Logo::firstRowsAbove25 (mask);
    ASSERT_EQ (rows.size(), groundLine.size());

    for (size_t c = 0; c < rows.size(); ++c)
        EXPECT_EQ (rows[c], groundLine[c]) << "column " << c;
}

TEST_F (LogoAndSnow, LogoTopFollowsTheGroundLine)
{
    const Logo logo;
    const auto layer = logo.renderLayer (1.0f);
    ASSERT_EQ (layer.getWidth(), groundLineWidth);
    ASSERT_EQ (layer.getHeight(), groundLineHeight);

    const auto rows = Logo::firstRowsAbove25 (layer);
    EXPECT_GE (columnsWithin (rows, 2), (groundLineWidth * 9 + 9) / 10);
}

TEST_F (LogoAndSnow, LettersThemselvesCarryMostOfTheLine)
{
    // Snow lies on the letters, so the red shapes sit just below the line; apart from the bridged
    // notches of W and x they stay within a few pixels of it.
    const Logo logo;
    const auto rows = Logo::firstRowsAbove25 (logo.renderLettersOnly());
    int letterColumns = 0, close = 0;

    for (int c = 0; c < groundLineWidth; ++c)
    {
        if (! logo.letterColumns()[(size_t) c])
            continue;

        ++letterColumns;

        if (std::abs (rows[(size_t) c] - groundLine[(size_t) c]) <= 4)
            ++close;
    }

    EXPECT_GE (letterColumns, 110);
    EXPECT_GE (close * 10, letterColumns * 8);
}

TEST_F (LogoAndSnow, BackgroundShowsTheLogoUnderTheOverlay)
{
    struct Case
    {
        const char* name;
        float scaleX, scaleY;
    };

    // The 1× picture is squeezed from 639 to 638 columns by the editor.
    for (const auto& test : { Case { "bg", 639.0f / 638.0f, 1.0f }, Case { "bg2x", 2.0f, 2.0f } })
    {
        SCOPED_TRACE (test.name);
        const auto background = loadResource (test.name);
        ASSERT_TRUE (background.isValid());
        const auto rows = firstSnowRows (background, test.scaleX, test.scaleY);
        EXPECT_GE (columnsWithin (rows, 2), (groundLineWidth * 9 + 9) / 10);
    }
}

} // namespace wexla::artwork::test
