#include "CandyStripes.h"

#include "Palette.h"

#include <cmath>
#include <vector>

namespace wexla::artwork
{

namespace
{
    juce::Point<float> tangentAt (const juce::Path& line, float distance, float length)
    {
        const auto a = line.getPointAlongPath (juce::jlimit (0.0f, length, distance - 0.25f));
        const auto b = line.getPointAlongPath (juce::jlimit (0.0f, length, distance + 0.25f));
        const auto d = b - a;
        const auto n = std::hypot (d.x, d.y);
        return n > 0.0f ? d / n : juce::Point<float> (1.0f, 0.0f);
    }

    // A point of the stick given by its distance along the centre line and its offset across it;
    // past the ends the centre line carries on straight, so the rounded caps are striped too.
    juce::Point<float> across (const juce::Path& line, float length, float distance, float offset)
    {
        const auto clamped = juce::jlimit (0.0f, length, distance);
        const auto t = tangentAt (line, clamped, length);
        const juce::Point<float> n (-t.y, t.x);
        return line.getPointAlongPath (clamped) + t * (distance - clamped) + n * offset;
    }

    // One stripe: the band between two distances along the stick, its edges slanted across it.
    juce::Path stripeBand (const juce::Path& line, float from, float to, float length, float halfWidth, float slant)
    {
        constexpr int steps = 8;
        std::vector<juce::Point<float>> outline;

        for (int i = 0; i <= steps; ++i)
        {
            const auto offset = -halfWidth + 2.0f * halfWidth * (float) i / (float) steps;
            outline.push_back (across (line, length, from + slant * offset, offset));
        }

        for (int i = steps; i >= 0; --i)
        {
            const auto offset = -halfWidth + 2.0f * halfWidth * (float) i / (float) steps;
            outline.push_back (across (line, length, to + slant * offset, offset));
        }

        juce::Path band;
        band.startNewSubPath (outline.front());

        for (size_t i = 1; i < outline.size(); ++i)
            band.lineTo (outline[i]);

        band.closeSubPath();
        return band;
    }
} // namespace

juce::Path CandyStripes::body (const juce::Path& centreLine, const Style& style)
{
    juce::Path outline;
    juce::PathStrokeType (style.width, juce::PathStrokeType::curved, juce::PathStrokeType::rounded)
        .createStrokedPath (outline, centreLine, {}, 4.0f);
    return outline;
}

void CandyStripes::paintStripes (juce::Graphics& g, const juce::Path& centreLine, const juce::Path& clip,
                                 const Style& style)
{
    const auto length = centreLine.getLength();
    const auto halfWidth = style.width * 0.5f + 1.0f;
    const auto margin = style.width;

    juce::Graphics::ScopedSaveState state (g);
    g.reduceClipRegion (clip);

    juce::Path stripes;

    for (float s = -margin; s < length + margin; s += style.stripePeriod)
    {
        stripes.addPath (stripeBand (centreLine, s, s + style.stripePeriod * style.stripeFraction, length, halfWidth,
                                     style.stripeSlant));

        if (style.thinStripeFraction > 0.0f)
        {
            const auto thinStart = s + style.stripePeriod * (style.stripeFraction + 0.5f * (1.0f - style.stripeFraction))
                                   - style.stripePeriod * style.thinStripeFraction * 0.5f;
            stripes.addPath (stripeBand (centreLine, thinStart, thinStart + style.stripePeriod * style.thinStripeFraction,
                                         length, halfWidth, style.stripeSlant));
        }
    }

    g.setColour (palette::candyRed);
    g.fillPath (stripes);
}

void CandyStripes::paint (juce::Graphics& g, const juce::Path& centreLine, const Style& style)
{
    const auto outline = body (centreLine, style);

    g.setColour (palette::candyWhite);
    g.fillPath (outline);

    paintStripes (g, centreLine, outline, style);

    {
        // Roundness: a shadow band on the lower right, a gloss line on the upper left.
        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (outline);

        const auto shift = style.width * 0.28f;
        g.setColour (juce::Colours::black.withAlpha (0.16f));
        g.strokePath (centreLine, juce::PathStrokeType (style.width * 0.55f, juce::PathStrokeType::curved,
                                                        juce::PathStrokeType::rounded),
                      juce::AffineTransform::translation (shift, shift));

        g.setColour (juce::Colours::white.withAlpha (0.55f));
        g.strokePath (centreLine, juce::PathStrokeType (style.width * 0.16f, juce::PathStrokeType::curved,
                                                        juce::PathStrokeType::rounded),
                      juce::AffineTransform::translation (-shift * 0.9f, -shift * 0.9f));
    }

    if (style.outlineWidth > 0.0f)
    {
        // Drawn inside the outline so the stick keeps its size.
        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (outline);
        g.setColour (palette::candyOutline);
        g.strokePath (outline, juce::PathStrokeType (style.outlineWidth * 2.0f));
    }
}

} // namespace wexla::artwork
