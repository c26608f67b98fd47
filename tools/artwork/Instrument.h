#pragma once

#include <juce_graphics/juce_graphics.h>

namespace wexla::artwork
{

/** The scraper itself: a hollow lacquered gourd with 36 ridges across its upper side, two sound holes
    and a ribbon bow, lying in the snow. Drawn in window coordinates from ScraperGeometry. */
struct Instrument
{
    /** The body's outline, with the ridges standing out along the top. */
    static juce::Path outline();

    static void paint (juce::Graphics& g);

private:
    static void paintSurface (juce::Graphics& g, const juce::Path& body);
};

} // namespace wexla::artwork
