#include "Instrument.h"

#include "Palette.h"
#include "ScraperGeometry.h"

#include <cmath>

namespace wexla::artwork
{

namespace
{
    using G = ScraperGeometry;

    float ridgePitchS()
    {
        return (G::lastRidgeS - G::firstRidgeS) / (float) (G::ridgeCount - 1);
    }

    /** How far the outline stands out above the body at s: a smooth bump on every ridge. */
    float ridgeBump (float s)
    {
        const auto pitch = ridgePitchS();
        const auto k = (s - G::firstRidgeS) / pitch;

        if (k < -0.5f || k > (float) (G::ridgeCount - 1) + 0.5f)
            return 0.0f;

        const auto d = k - std::round (k);
        return G::ridgeHeight * juce::square (std::cos (juce::MathConstants<float>::pi * d));
    }

    /** A ring around the body at s, seen from above: from the upper outline down across the face. */
    juce::Path ringLine (float s, float from, float to)
    {
        const auto along = G::axisDirection();
        juce::Path ring;
        ring.startNewSubPath (G::bodyPoint (s, from) + G::upNormal() * 3.0f);
        const auto bend = along * (2.6f * (from - to));
        ring.quadraticTo (G::bodyPoint (s, 0.5f * (from + to)) + bend, G::bodyPoint (s, to) + bend * 0.4f);
        return ring;
    }

    juce::Path ellipseOnBody (float s, float across, float alongRadius, float acrossRadius)
    {
        juce::Path e;
        e.addEllipse (-alongRadius, -acrossRadius, alongRadius * 2.0f, acrossRadius * 2.0f);
        const auto d = G::axisDirection();
        const auto c = G::bodyPoint (s, across);
        e.applyTransform (juce::AffineTransform::rotation (std::atan2 (d.y, d.x)).translated (c));
        return e;
    }

    void paintBow (juce::Graphics& g)
    {
        // A red ribbon round the lower end, tied in a bow on top.
        constexpr float s = 0.085f;
        const auto along = G::axisDirection();
        const auto up = G::upNormal();

        juce::Path band;
        band.startNewSubPath (G::bodyPoint (s - 0.012f, 1.2f));
        band.lineTo (G::bodyPoint (s + 0.012f, 1.2f));
        band.lineTo (G::bodyPoint (s + 0.016f, -1.2f));
        band.lineTo (G::bodyPoint (s - 0.008f, -1.2f));
        band.closeSubPath();

        {
            juce::Graphics::ScopedSaveState state (g);
            g.reduceClipRegion (Instrument::outline());
            g.setColour (palette::candyRed);
            g.fillPath (band);
            g.setColour (palette::candyRedDark);
            g.strokePath (band, juce::PathStrokeType (1.0f));
        }

        const auto knot = G::bodyPoint (s, 1.0f) + up * 2.0f;
        juce::Path loops;

        for (int side = -1; side <= 1; side += 2)
        {
            const auto dir = along * (float) side;
            juce::Path loop;
            loop.startNewSubPath (knot);
            loop.cubicTo (knot + dir * 6.0f + up * 11.0f, knot + dir * 17.0f + up * 9.0f, knot + dir * 14.0f + up * 1.0f);
            loop.cubicTo (knot + dir * 12.0f - up * 4.0f, knot + dir * 4.0f - up * 1.0f, knot);
            loop.closeSubPath();
            loops.addPath (loop);

            juce::Path tail;
            tail.startNewSubPath (knot);
            tail.lineTo (knot + dir * 7.0f - up * 13.0f);
            tail.lineTo (knot + dir * 11.0f - up * 11.0f);
            tail.closeSubPath();
            loops.addPath (tail);
        }

        g.setColour (palette::candyRed);
        g.fillPath (loops);
        g.setColour (palette::candyRedDark);
        g.strokePath (loops, juce::PathStrokeType (1.0f, juce::PathStrokeType::curved));
        g.setColour (palette::candyRedDark);
        g.fillEllipse (juce::Rectangle<float> (6.0f, 6.0f).withCentre (knot));
        g.setColour (palette::candyRed.brighter (0.3f));
        g.fillEllipse (juce::Rectangle<float> (3.6f, 3.6f).withCentre (knot - juce::Point<float> (0.6f, 0.6f)));
    }
} // namespace

juce::Path Instrument::outline()
{
    constexpr int steps = 720;
    juce::Path body;

    for (int i = 0; i <= steps; ++i)
    {
        const auto s = (float) i / (float) steps;
        const auto p = G::bodyPoint (s, 1.0f) + G::upNormal() * ridgeBump (s);

        if (i == 0)
            body.startNewSubPath (p);
        else
            body.lineTo (p);
    }

    for (int i = steps; i >= 0; --i)
        body.lineTo (G::bodyPoint ((float) i / (float) steps, -1.0f));

    body.closeSubPath();
    return body;
}

void Instrument::paint (juce::Graphics& g)
{
    const auto body = outline();

    // Shadow in the snow.
    juce::DropShadow (palette::snowDeepShade.withAlpha (0.6f), 12, { 3, 10 }).drawForPath (g, body);

    {
        const auto top = G::bodyPoint (0.5f, 1.0f);
        const auto bottom = G::bodyPoint (0.5f, -1.0f);
        juce::ColourGradient fill (palette::gourdLight, top, palette::gourdDark, bottom, false);
        fill.addColour (0.45, palette::gourdMid);
        g.setGradientFill (fill);
        g.fillPath (body);
    }

    paintSurface (g, body);
    paintBow (g);
}

void Instrument::paintSurface (juce::Graphics& g, const juce::Path& body)
{
    const auto up = G::upNormal();
    juce::Graphics::ScopedSaveState state (g);
    g.reduceClipRegion (body);

    // Lengthwise grain on the lower half.
    for (int i = 0; i < 4; ++i)
    {
        const auto across = -0.25f - 0.17f * (float) i;
        juce::Path grain;
        grain.startNewSubPath (G::bodyPoint (0.02f, across));

        for (int k = 1; k <= 40; ++k)
        {
            const auto s = 0.02f + 0.96f * (float) k / 40.0f;
            grain.lineTo (G::bodyPoint (s, across + 0.04f * std::sin (s * 19.0f + (float) i)));
        }

        g.setColour (palette::gourdDark.withAlpha (0.25f));
        g.strokePath (grain, juce::PathStrokeType (1.0f));
    }

    // A soft gloss along the upper flank.
    {
        juce::Path gloss;
        gloss.startNewSubPath (G::bodyPoint (0.05f, 0.62f));

        for (int k = 1; k <= 40; ++k)
        {
            const auto s = 0.05f + 0.9f * (float) k / 40.0f;
            gloss.lineTo (G::bodyPoint (s, 0.62f));
        }

        g.setColour (juce::Colours::white.withAlpha (0.18f));
        g.strokePath (gloss, juce::PathStrokeType (9.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
    }

    // The ridges: a dark groove on each side of every lit crest.
    const auto half = 0.5f * ridgePitchS();

    for (int r = 0; r <= G::ridgeCount; ++r)
    {
        const auto s = G::ridgeS (r) - half;
        g.setColour (palette::gourdGroove.withAlpha (0.85f));
        g.strokePath (ringLine (s, 1.0f, 0.15f), juce::PathStrokeType (1.7f, juce::PathStrokeType::curved,
                                                                        juce::PathStrokeType::rounded));
    }

    for (int r = 0; r < G::ridgeCount; ++r)
    {
        const auto s = G::ridgeS (r);
        g.setColour (juce::Colour (0xfffff0c8).withAlpha (0.9f));
        g.strokePath (ringLine (s - 0.15f * half, 1.0f, 0.2f),
                      juce::PathStrokeType (1.1f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
    }

    // Sound holes: the body is hollow.
    for (const auto s : { 0.33f, 0.62f })
    {
        const auto hole = ellipseOnBody (s, -0.48f, 11.0f, 5.5f);
        g.setColour (palette::gourdDark.darker (0.4f));
        g.fillPath (hole, juce::AffineTransform::translation (up * 1.2f));
        g.setColour (juce::Colour (0xff1e0d04));
        g.fillPath (hole);
        g.setColour (palette::gourdLight.withAlpha (0.7f));
        g.strokePath (hole, juce::PathStrokeType (0.9f), juce::AffineTransform::translation (up * -1.0f));
    }

    g.setColour (palette::gourdGroove);
    g.strokePath (body, juce::PathStrokeType (2.2f));
}

} // namespace wexla::artwork
