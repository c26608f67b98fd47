#include "CaneFrames.h"

#include "CandyStripes.h"
#include "Palette.h"
#include "ScraperGeometry.h"

#include <cmath>

namespace wexla::artwork
{

namespace
{
    constexpr float caneWidth = 11.0f;
    constexpr float shaftLength = 96.0f;
    constexpr float hookRadius = 15.0f;

    float leanOf (bool playing)
    {
        // Radians from upright, positive to the right (towards the instrument's upper end).
        return juce::degreesToRadians (playing ? 27.0f : -7.0f);
    }

    CandyStripes::Style caneStyle()
    {
        CandyStripes::Style style;
        style.width = caneWidth;
        style.stripePeriod = 15.0f;
        style.stripeFraction = 0.42f;
        style.stripeSlant = 0.85f;
        style.outlineWidth = 1.0f;
        // A single stripe per turn keeps each picture small.
        style.thinStripeFraction = 0.0f;
        return style;
    }
    void strokeMark (juce::Graphics& g, const juce::Path& path, juce::Colour colour, juce::Colour edge, float width)
    {
        const juce::PathStrokeType outer (width + 1.8f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded);
        const juce::PathStrokeType inner (width, juce::PathStrokeType::curved, juce::PathStrokeType::rounded);
        g.setColour (edge);
        g.strokePath (path, outer);
        g.setColour (colour);
        g.strokePath (path, inner);
    }

    /** Marks of a cane at work: sparks where it catches the ridges, swishes along the shaft. */
    void paintMotion (juce::Graphics& g, int frame)
    {
        const auto lean = leanOf (true);
        const juce::Point<float> up (std::sin (lean), -std::cos (lean));
        const juce::Point<float> side (-up.y, up.x); // away from the lean, behind the shaft
        const auto tip = ScraperGeometry::contactPoint (frame);
        const auto along = ScraperGeometry::axisDirection();
        const auto normal = ScraperGeometry::upNormal();

        juce::Path sparks;
        const float angles[] = { -1.05f, -0.45f, 0.2f, 0.85f };
        const float lengths[] = { 8.0f, 12.0f, 11.0f, 7.5f };

        for (int i = 0; i < 4; ++i)
        {
            const auto dir = normal * std::cos (angles[i]) - along * std::sin (angles[i]);
            const auto from = tip + dir * 9.0f;
            sparks.startNewSubPath (from);
            sparks.lineTo (from + dir * lengths[i]);
        }

        strokeMark (g, sparks, palette::gold, palette::candyOutline.withAlpha (0.85f), 2.6f);

        juce::Path swishes;

        for (int i = 0; i < 2; ++i)
        {
            const auto offset = 11.0f + 7.0f * (float) i;
            const auto from = tip + up * (22.0f + 6.0f * (float) i) + side * offset;
            const auto to = tip + up * (70.0f - 10.0f * (float) i) + side * offset;
            swishes.startNewSubPath (from);
            swishes.quadraticTo ((from + to) * 0.5f + side * 4.0f, to);
        }

        strokeMark (g, swishes, juce::Colours::white, palette::inkNavy.withAlpha (0.6f), 1.8f);
    }
} // namespace

juce::Path CaneFrames::centreLine (int frame, bool playing)
{
    const auto lean = leanOf (playing);
    const juce::Point<float> up (std::sin (lean), -std::cos (lean));
    const juce::Point<float> left (up.y, -up.x);

    // The rounded end rests on the ridge; while playing it digs in a little.
    const auto tip = ScraperGeometry::contactPoint (frame);
    const auto start = tip + up * (caneWidth * 0.5f - (playing ? 1.6f : 0.6f));
    const auto top = start + up * shaftLength;
    const auto centre = top + left * hookRadius;

    juce::Path line;
    line.startNewSubPath (start);
    line.lineTo (top);
    // Over the top and down the other side, ending a little below the centre.
    line.addCentredArc (centre.x, centre.y, hookRadius, hookRadius, 0.0f,
                        juce::MathConstants<float>::halfPi + lean,
                        -juce::MathConstants<float>::halfPi + lean - 0.55f, false);
    return line;
}

void CaneFrames::paint (juce::Graphics& g, int frame, bool playing)
{
    const auto line = centreLine (frame, playing);

    if (playing)
        paintMotion (g, frame);

    CandyStripes::paint (g, line, caneStyle());
}

juce::AffineTransform CaneFrames::windowToPicture (bool playing)
{
    const auto view = ScraperGeometry::viewBounds();
    const auto shift = juce::AffineTransform::translation (-view.getX(), -view.getY());

    if (! playing)
        return shift;

    return shift.scaled ((float) playingWidth / view.getWidth(), (float) playingHeight / view.getHeight());
}

juce::Image CaneFrames::render (int frame, bool playing)
{
    juce::Image image (juce::Image::ARGB, playing ? playingWidth : idleWidth, playing ? playingHeight : idleHeight, true);
    juce::Graphics g (image);
    g.addTransform (windowToPicture (playing));
    paint (g, frame, playing);
    return image;
}

} // namespace wexla::artwork
