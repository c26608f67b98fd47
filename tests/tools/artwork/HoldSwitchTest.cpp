#include "ArtworkTestSupport.h"

namespace wexla::artwork::test
{

namespace
{
    struct SwitchLook
    {
        float greenShare = 0.0f;  // of the opaque pixels
        float knobCentre = 0.0f;  // x of the white knob, as a fraction of the width
    };

    SwitchLook look (const juce::Image& image)
    {
        const juce::Image::BitmapData data (image, juce::Image::BitmapData::readOnly);
        int opaque = 0, green = 0, white = 0;
        double whiteX = 0.0;

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
            {
                const auto p = data.getPixelColour (x, y);

                if (p.getAlpha() < 200)
                    continue;

                ++opaque;
                const int r = p.getRed(), g = p.getGreen(), b = p.getBlue();

                if (g > r + 40 && g > b + 20)
                    ++green;

                if (r > 225 && g > 225 && b > 225)
                {
                    ++white;
                    whiteX += x;
                }
            }

        SwitchLook result;
        result.greenShare = opaque > 0 ? (float) green / (float) opaque : 0.0f;
        result.knobCentre = white > 0 ? (float) (whiteX / white) / (float) image.getWidth() : 0.5f;
        return result;
    }
} // namespace

using HoldSwitchPictures = ArtworkTest;

// "holdnoteoff" is the picture the switch shows while Hold Note is on, and the other way round.
TEST_F (HoldSwitchPictures, PictureNamesAreTheReverseOfWhatTheyShow)
{
    struct Case
    {
        const char* name;
        bool showsOn;
    };

    for (const auto& test : { Case { "holdnoteoff", true }, Case { "holdnoteoff2x", true },
                              Case { "holdnoteon", false }, Case { "holdnoteon2x", false } })
    {
        SCOPED_TRACE (test.name);
        const auto result = look (loadResource (test.name));

        if (test.showsOn)
        {
            EXPECT_GT (result.greenShare, 0.4f);
            EXPECT_GT (result.knobCentre, 0.6f);
        }
        else
        {
            EXPECT_LT (result.greenShare, 0.02f);
            EXPECT_LT (result.knobCentre, 0.4f);
        }
    }
}

} // namespace wexla::artwork::test
