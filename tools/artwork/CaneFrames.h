#pragma once

#include <juce_graphics/juce_graphics.h>

namespace wexla::artwork
{

/** The candy cane that plays the instrument, one transparent picture per position: the idle set
    rests upright on the ridges, the playing set leans into them with marks of motion. The playing
    pictures are smaller and the scraper view stretches them to its size, so they are drawn squeezed
    by the same factor to line up with the idle set and the ridges of the background. */
struct CaneFrames
{
    static constexpr int idleWidth = 375;
    static constexpr int idleHeight = 360;
    static constexpr int playingWidth = 343;
    static constexpr int playingHeight = 330;

    /** The cane's centre line in window coordinates for frame 1 … 34. */
    static juce::Path centreLine (int frame, bool playing);

    /** Paints the cane of one frame in window coordinates. */
    static void paint (juce::Graphics& g, int frame, bool playing);

    /** The picture the scraper view shows for frame 1 … 34. */
    static juce::Image render (int frame, bool playing);

    /** From window coordinates to the picture's pixels. */
    static juce::AffineTransform windowToPicture (bool playing);
};

} // namespace wexla::artwork
