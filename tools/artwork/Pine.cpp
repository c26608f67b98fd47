#include "Pine.h"

#include "Palette.h"

#include <cmath>

namespace wexla::artwork
{

namespace
{
    // One tier: a triangle with a scalloped lower edge.
    juce::Path tierShape (float cx, float top, float bottom, float halfWidth)
    {
        constexpr int scallops = 4;
        juce::Path p;
        p.startNewSubPath (cx, top);
        p.quadraticTo (cx + halfWidth * 0.45f, top + (bottom - top) * 0.55f, cx + halfWidth, bottom);

        for (int i = 0; i < scallops; ++i)
        {
            const auto x0 = cx + halfWidth - 2.0f * halfWidth * (float) i / (float) scallops;
            const auto x1 = cx + halfWidth - 2.0f * halfWidth * (float) (i + 1) / (float) scallops;
            p.quadraticTo ((x0 + x1) * 0.5f, bottom - (bottom - top) * 0.16f, x1, bottom);
        }

        p.quadraticTo (cx - halfWidth * 0.45f, top + (bottom - top) * 0.55f, cx, top);
        p.closeSubPath();
        return p;
    }

    juce::Path star (juce::Point<float> centre, float outer, float inner)
    {
        juce::Path p;
        p.addStar (centre, 5, inner, outer, 0.0f);
        return p;
    }
} // namespace

juce::Path Pine::silhouette (juce::Point<float> base, float height, float width)
{
    juce::Path p;
    const auto tiers = 3;

    for (int i = 0; i < tiers; ++i)
    {
        const auto top = base.y - height + height * 0.28f * (float) i;
        const auto bottom = base.y - height * 0.08f - height * 0.22f * (float) (tiers - 1 - i);
        p.addPath (tierShape (base.x, top, bottom, width * 0.5f * (0.55f + 0.45f * (float) (i + 1) / (float) tiers)));
    }

    p.addRectangle (base.x - width * 0.06f, base.y - height * 0.1f, width * 0.12f, height * 0.1f);
    return p;
}

void Pine::paint (juce::Graphics& g, juce::Random& random) const
{
    // Trunk
    g.setColour (juce::Colour (0xff4a2a17));
    g.fillRect (juce::Rectangle<float> (width * 0.13f, height * 0.12f).withCentre ({ base.x, base.y - height * 0.06f }));

    const auto tierHeight = height * 0.92f / ((float) tiers * 0.62f + 0.38f);
    juce::Array<juce::Point<float>> lights;

    for (int i = 0; i < tiers; ++i)
    {
        const auto top = base.y - height + (float) i * tierHeight * 0.62f;
        const auto bottom = top + tierHeight;
        const auto halfWidth = width * 0.5f * (0.42f + 0.58f * (float) (i + 1) / (float) tiers);
        const auto shape = tierShape (base.x, top, bottom, halfWidth);

        g.setGradientFill (juce::ColourGradient (needles, base.x - halfWidth * 0.5f, top,
                                                 needlesDark, base.x + halfWidth, bottom, false));
        g.fillPath (shape);

        // Snow on the tier: lying along its lower edge and on the moonlit slope.
        {
            juce::Graphics::ScopedSaveState state (g);
            g.reduceClipRegion (shape);
            g.setColour (palette::snowLight);
            g.fillPath (shape, juce::AffineTransform::translation (-2.5f, -tierHeight * 0.22f)
                                   .followedBy (juce::AffineTransform::scale (1.0f, 0.2f, base.x, top)));
            g.setColour (palette::snowMid.withAlpha (0.9f));
            g.strokePath (shape, juce::PathStrokeType (2.2f), juce::AffineTransform::translation (0.0f, 1.2f));
        }

        if (decorated)
        {
            // A garland of lights across the tier.
            for (int k = 0; k < 5; ++k)
            {
                const auto t = ((float) k + 0.5f) / 5.0f;
                const auto x = base.x - halfWidth * 0.8f + 1.6f * halfWidth * t;
                const auto y = top + tierHeight * (0.52f + 0.28f * std::sin (t * juce::MathConstants<float>::pi));
                lights.add ({ x, y });
            }
        }
    }

    if (decorated)
    {
        const juce::Colour bulbs[] = { juce::Colour (0xffff5a5a), juce::Colour (0xffffd45a), juce::Colour (0xff6fe3ff),
                                       juce::Colour (0xff8cff7a), juce::Colour (0xffff8ae6) };

        for (int i = 0; i < lights.size(); ++i)
        {
            const auto colour = bulbs[(i + random.nextInt (2)) % 5];
            const auto p = lights[i];
            g.setGradientFill (juce::ColourGradient (colour.withAlpha (0.55f), p, colour.withAlpha (0.0f),
                                                     p + juce::Point<float> (5.0f, 0.0f), true));
            g.fillEllipse (juce::Rectangle<float> (10.0f, 10.0f).withCentre (p));
            g.setColour (colour.brighter (0.4f));
            g.fillEllipse (juce::Rectangle<float> (3.2f, 3.2f).withCentre (p));
        }

        const juce::Point<float> top (base.x, base.y - height - 2.0f);
        g.setGradientFill (juce::ColourGradient (palette::gold.withAlpha (0.6f), top, palette::gold.withAlpha (0.0f),
                                                 top + juce::Point<float> (14.0f, 0.0f), true));
        g.fillEllipse (juce::Rectangle<float> (28.0f, 28.0f).withCentre (top));
        g.setColour (palette::gold);
        g.fillPath (star (top, 8.0f, 3.6f));
        g.setColour (juce::Colour (0xffb8860b));
        g.strokePath (star (top, 8.0f, 3.6f), juce::PathStrokeType (0.8f));
    }
}

} // namespace wexla::artwork
