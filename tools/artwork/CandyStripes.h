#pragma once

#include <juce_graphics/juce_graphics.h>

namespace wexla::artwork
{

/** A round stick of candy along a centre line: white with diagonal red stripes, lit from the upper
    left. Used for the cane that plays the instrument and for the cane-shaped letter of the logo. */
struct CandyStripes
{
    struct Style
    {
        float width = 10.0f;
        float stripePeriod = 12.0f;      // along the centre line
        float stripeFraction = 0.45f;    // share of each period that is red
        float stripeSlant = 0.9f;        // tangent offset per unit of half-width
        float outlineWidth = 1.0f;
        float thinStripeFraction = 0.12f; // a thin second stripe between the wide ones (0 for none)
    };

    /** The outline of the stick. */
    static juce::Path body (const juce::Path& centreLine, const Style& style);

    /** Paints the stick; everything is kept inside body(). */
    static void paint (juce::Graphics& g, const juce::Path& centreLine, const Style& style);

    /** Paints the red stripes only, clipped to `clip`. */
    static void paintStripes (juce::Graphics& g, const juce::Path& centreLine, const juce::Path& clip,
                              const Style& style);
};

} // namespace wexla::artwork
