#include "Controls.h"

#include "Fonts.h"
#include "Palette.h"

namespace wexla::artwork
{

namespace
{
    /** A transparent picture of the given size with a context that draws in `logical` units. */
    template <typename Painter>
    juce::Image draw (int width, int height, float logicalWidth, float logicalHeight, Painter&& painter)
    {
        juce::Image image (juce::Image::ARGB, width, height, true);
        juce::Graphics g (image);
        g.addTransform (juce::AffineTransform::scale ((float) width / logicalWidth, (float) height / logicalHeight));
        painter (g);
        return image;
    }
} // namespace

juce::Image Controls::holdSwitch (bool on, bool doubleResolution)
{
    const auto w = doubleResolution ? switchWidth2x : switchWidth;
    const auto h = doubleResolution ? switchHeight2x : switchHeight;

    return draw (w, h, (float) switchWidth, (float) switchHeight, [on] (juce::Graphics& g)
    {
        const juce::Rectangle<float> track (2.0f, 3.0f, 46.0f, 26.0f);
        const auto radius = track.getHeight() * 0.5f;

        juce::DropShadow (juce::Colours::black.withAlpha (0.35f), 3, { 0, 1 }).drawForRectangle (g, track.toNearestInt());

        const auto base = on ? palette::switchGreen : palette::switchGrey;
        const auto dark = on ? palette::switchGreenDark : palette::switchGreyDark;
        g.setGradientFill (juce::ColourGradient (dark, 0.0f, track.getY(), base.brighter (0.15f), 0.0f, track.getBottom(), false));
        g.fillRoundedRectangle (track, radius);
        g.setColour (dark.darker (0.3f));
        g.drawRoundedRectangle (track.reduced (0.5f), radius - 0.5f, 1.0f);

        // A small mark on the free side: a bar for on, a ring for off.
        if (on)
        {
            g.setColour (juce::Colours::white.withAlpha (0.9f));
            g.fillRoundedRectangle (juce::Rectangle<float> (2.4f, 10.0f).withCentre ({ track.getX() + 13.0f, track.getCentreY() }), 1.2f);
        }
        else
        {
            g.setColour (juce::Colours::white.withAlpha (0.75f));
            g.drawEllipse (juce::Rectangle<float> (8.0f, 8.0f).withCentre ({ track.getRight() - 13.0f, track.getCentreY() }), 1.8f);
        }

        const auto knobCentre = juce::Point<float> (on ? track.getRight() - radius : track.getX() + radius, track.getCentreY());
        const auto knob = juce::Rectangle<float> (22.0f, 22.0f).withCentre (knobCentre);
        g.setColour (juce::Colours::black.withAlpha (0.25f));
        g.fillEllipse (knob.translated (0.0f, 1.2f));
        g.setGradientFill (juce::ColourGradient (juce::Colours::white, knob.getX(), knob.getY(),
                                                 juce::Colour (0xffdfe4ec), knob.getX(), knob.getBottom(), false));
        g.fillEllipse (knob);
        g.setColour (juce::Colour (0xffb8c0cc));
        g.drawEllipse (knob.reduced (0.4f), 0.8f);

    });
}

juce::Image Controls::helpButton (bool doubleResolution)
{
    const auto w = doubleResolution ? buttonWidth2x : buttonWidth;
    const auto h = doubleResolution ? buttonHeight2x : buttonHeight;

    return draw (w, h, (float) buttonWidth, (float) buttonHeight, [] (juce::Graphics& g)
    {
        // A red bauble hanging from its golden cap, with a question mark.
        const juce::Point<float> centre (22.0f, 21.5f);
        const auto ball = juce::Rectangle<float> (28.0f, 28.0f).withCentre (centre);

        juce::Path loop;
        loop.addCentredArc (22.0f, 3.2f, 2.6f, 2.2f, 0.0f, -2.4f, 2.4f, true);
        g.setColour (palette::gold.darker (0.3f));
        g.strokePath (loop, juce::PathStrokeType (1.2f));

        juce::DropShadow (juce::Colours::black.withAlpha (0.4f), 4, { 0, 2 }).drawForRectangle (g, ball.toNearestInt());

        juce::ColourGradient shine (palette::candyRed.brighter (0.5f), centre.x - 6.0f, centre.y - 7.0f,
                                    palette::candyRedDark, centre.x + 10.0f, centre.y + 14.0f, true);
        shine.addColour (0.4, palette::candyRed);
        g.setGradientFill (shine);
        g.fillEllipse (ball);
        g.setColour (palette::candyRedDark.darker (0.3f));
        g.drawEllipse (ball.reduced (0.4f), 0.8f);

        {
            // A band of gold round the middle.
            juce::Graphics::ScopedSaveState state (g);
            juce::Path ballPath;
            ballPath.addEllipse (ball);
            g.reduceClipRegion (ballPath);
            g.setColour (palette::gold.withAlpha (0.85f));
            g.fillRect (ball.getX(), centre.y + 8.5f, ball.getWidth(), 1.6f);
        }

        const juce::Rectangle<float> cap (17.5f, 5.0f, 9.0f, 4.5f);
        g.setGradientFill (juce::ColourGradient (palette::gold, cap.getX(), cap.getY(), palette::gold.darker (0.45f),
                                                 cap.getRight(), cap.getY(), false));
        g.fillRoundedRectangle (cap, 1.2f);

        g.setColour (juce::Colours::white.withAlpha (0.55f));
        g.fillEllipse (centre.x - 10.0f, centre.y - 10.0f, 7.0f, 4.5f);

        g.setFont (Fonts::bold (19.0f));
        g.setColour (palette::candyRedDark.darker (0.5f));
        g.drawText ("?", ball.translated (0.0f, 1.8f), juce::Justification::centred, false);
        g.setColour (juce::Colours::white);
        g.drawText ("?", ball.translated (0.0f, 0.8f), juce::Justification::centred, false);
    });
}

juce::Image Controls::helpText (bool doubleResolution)
{
    const auto w = doubleResolution ? helpWidth2x : helpWidth;
    const auto h = doubleResolution ? helpHeight2x : helpHeight;

    return draw (w, h, (float) helpWidth, (float) helpHeight, [] (juce::Graphics& g)
    {
        const juce::Rectangle<float> card (1.0f, 1.0f, (float) helpWidth - 2.0f, (float) helpHeight - 2.0f);
        juce::Path shape;
        shape.addRoundedRectangle (card, 9.0f);

        g.setColour (palette::inkNavy.withAlpha (0.93f));
        g.fillPath (shape);

        {
            // A candy stripe along the top edge.
            juce::Graphics::ScopedSaveState state (g);
            g.reduceClipRegion (shape);
            g.setColour (palette::candyWhite);
            g.fillRect (card.withHeight (5.0f));
            juce::Path stripes;

            for (float x = -6.0f; x < card.getRight() + 6.0f; x += 9.0f)
                stripes.addQuadrilateral (x, card.getY(), x + 4.5f, card.getY(), x + 0.5f, card.getY() + 5.0f,
                                          x - 4.0f, card.getY() + 5.0f);

            g.setColour (palette::candyRed);
            g.fillPath (stripes);
        }

        g.setColour (palette::gold.withAlpha (0.8f));
        g.strokePath (shape, juce::PathStrokeType (1.0f));

        // A sprig of holly in the free corner.
        const juce::Point<float> sprig (card.getRight() - 26.0f, card.getBottom() - 12.0f);

        for (const auto angle : { -0.5f, 0.55f })
        {
            juce::Path leaf;
            leaf.startNewSubPath (0.0f, 0.0f);
            leaf.quadraticTo (-4.5f, -8.0f, 0.0f, -17.0f);
            leaf.quadraticTo (4.5f, -8.0f, 0.0f, 0.0f);
            leaf.closeSubPath();
            const auto place = juce::AffineTransform::rotation (angle + juce::MathConstants<float>::halfPi * (angle > 0 ? 1.0f : -1.0f))
                                   .translated (sprig);
            g.setColour (juce::Colour (0xff2d8a4e));
            g.fillPath (leaf, place);
            g.setColour (juce::Colour (0xff1b5e33));
            g.strokePath (leaf, juce::PathStrokeType (0.7f), place);
        }

        for (const auto offset : { juce::Point<float> (-2.5f, -1.5f), juce::Point<float> (2.5f, -1.5f), juce::Point<float> (0.0f, 2.2f) })
        {
            const auto berry = juce::Rectangle<float> (5.0f, 5.0f).withCentre (sprig + offset);
            g.setColour (palette::candyRed);
            g.fillEllipse (berry);
            g.setColour (juce::Colours::white.withAlpha (0.7f));
            g.fillEllipse (berry.getX() + 1.0f, berry.getY() + 0.9f, 1.5f, 1.3f);
        }

        juce::AttributedString text;
        text.setJustification (juce::Justification::centredLeft);
        text.setLineSpacing (1.0f);
        const auto plain = Fonts::regular (11.5f);
        const auto strong = Fonts::bold (11.5f);
        const juce::Colour ink (0xfff1f4fb);
        const auto accent = palette::gold;
        text.append ("The ", plain, ink);
        text.append ("modulation wheel", strong, accent);
        text.append (" (MIDI CC#1) moves the candy cane along the ridges.\n", plain, ink);
        text.append ("Hold a note, or switch on ", plain, ink);
        text.append ("Hold Note", strong, accent);
        text.append (", to hear it.", plain, ink);
        text.setWordWrap (juce::AttributedString::byWord);
        // The help button covers the card's lower left corner in the window, so the text keeps to
        // the upper part.
        text.draw (g, { 11.0f, 9.0f, card.getWidth() - 20.0f, 56.0f });
    });
}

} // namespace wexla::artwork
