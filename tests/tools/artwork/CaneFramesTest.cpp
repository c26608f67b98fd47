#include "ArtworkTestSupport.h"
#include "ScraperGeometry.h"

#include <cmath>
#include <optional>

namespace wexla::artwork::test
{

namespace
{
    /** Where the cane's tip lies, in window coordinates, as the scraper view shows the picture: the
        middle of its lowest opaque row, with the picture stretched into the view. */
    std::optional<juce::Point<float>> tipInWindow (const juce::Image& frame)
    {
        const auto view = ScraperGeometry::viewBounds();
        const juce::Image::BitmapData data (frame, juce::Image::BitmapData::readOnly);

        for (int y = frame.getHeight() - 1; y >= 0; --y)
        {
            int count = 0;
            float sumX = 0.0f;

            for (int x = 0; x < frame.getWidth(); ++x)
                if (data.getPixelColour (x, y).getAlpha() > 128)
                {
                    ++count;
                    sumX += (float) x + 0.5f;
                }

            if (count > 0)
                return juce::Point<float> (view.getX() + sumX / (float) count * view.getWidth() / (float) frame.getWidth(),
                                           view.getY() + ((float) y + 0.5f) * view.getHeight() / (float) frame.getHeight());
        }

        return std::nullopt;
    }
} // namespace

using CaneFramePictures = ArtworkTest;

TEST_F (CaneFramePictures, NoCaneIsCutOffAtThePictureEdge)
{
    for (int frame = 1; frame <= ScraperGeometry::frameCount; ++frame)
        for (const auto* set : { "candycaneoff", "candycaneon" })
        {
            const auto image = loadResource (set + juce::String (frame));
            ASSERT_TRUE (image.isValid());
            const juce::Image::BitmapData data (image, juce::Image::BitmapData::readOnly);
            int edgePixels = 0;

            for (int x = 0; x < image.getWidth(); ++x)
                edgePixels += (data.getPixelColour (x, 0).getAlpha() > 0) + (data.getPixelColour (x, image.getHeight() - 1).getAlpha() > 0);

            for (int y = 0; y < image.getHeight(); ++y)
                edgePixels += (data.getPixelColour (0, y).getAlpha() > 0) + (data.getPixelColour (image.getWidth() - 1, y).getAlpha() > 0);

            EXPECT_EQ (edgePixels, 0) << set << frame;
        }
}

TEST_F (CaneFramePictures, BothSetsRestOnTheRidgesAtTheSamePlace)
{
    for (int frame = 1; frame <= ScraperGeometry::frameCount; ++frame)
    {
        SCOPED_TRACE (frame);
        const auto idle = tipInWindow (loadResource ("candycaneoff" + juce::String (frame)));
        const auto playing = tipInWindow (loadResource ("candycaneon" + juce::String (frame)));
        ASSERT_TRUE (idle.has_value() && playing.has_value());

        const auto contact = ScraperGeometry::contactPoint (frame);
        EXPECT_LT (idle->getDistanceFrom (contact), 4.0f);
        EXPECT_LT (playing->getDistanceFrom (contact), 4.0f);
        EXPECT_LT (idle->getDistanceFrom (*playing), 4.0f);
    }
}

TEST_F (CaneFramePictures, FramesClimbTheInstrumentInEvenSteps)
{
    std::vector<juce::Point<float>> tips;

    for (int frame = 1; frame <= ScraperGeometry::frameCount; ++frame)
        tips.push_back (tipInWindow (loadResource ("candycaneoff" + juce::String (frame))).value_or (juce::Point<float>()));

    // Frame 1 at the lowest ridge, frame 34 at the highest.
    EXPECT_LT (tips.front().getDistanceFrom (ScraperGeometry::bodyPoint (ScraperGeometry::ridgeS (0), 1.0f)), 4.0f);
    EXPECT_LT (tips.back().getDistanceFrom (ScraperGeometry::bodyPoint (ScraperGeometry::ridgeS (35), 1.0f)), 4.0f);

    const auto meanStep = tips.front().getDistanceFrom (tips.back()) / (float) (tips.size() - 1);

    for (size_t i = 1; i < tips.size(); ++i)
    {
        SCOPED_TRACE (i + 1);
        EXPECT_GT (tips[i].x, tips[i - 1].x);
        EXPECT_LT (tips[i].y, tips[i - 1].y);
        EXPECT_NEAR (tips[i].getDistanceFrom (tips[i - 1]), meanStep, meanStep * 0.35f);
    }
}

} // namespace wexla::artwork::test
