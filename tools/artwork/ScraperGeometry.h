#pragma once

#include <juce_graphics/juce_graphics.h>

namespace wexla::artwork
{

/** Where the instrument lies in the window and where the cane touches it: shared by the background,
    which draws the ridges, and the cane frames, which must meet them.

    Window coordinates (638 × 336). The body is a long gourd rising from lower left to upper right;
    `s` runs along its axis from 0 (lower end) to 1 (upper end). The ridges lie across its upper side. */
struct ScraperGeometry
{
    static constexpr int ridgeCount = 36;
    static constexpr int frameCount = 34;

    /** Where the scraper view sits in the window (it runs off the bottom edge). */
    static juce::Rectangle<float> viewBounds() { return { 195.0f, 17.0f, 375.0f, 360.0f }; }

    static juce::Point<float> axisStart() { return { 250.0f, 306.0f }; }
    static juce::Point<float> axisEnd() { return { 556.0f, 176.0f }; }

    static constexpr float firstRidgeS = 0.15f;
    static constexpr float lastRidgeS = 0.89f;
    static constexpr float ridgeHeight = 2.2f;

    static juce::Point<float> axisDirection();
    /** Unit normal to the axis on the ridged (upper) side. */
    static juce::Point<float> upNormal();
    static float length();

    static juce::Point<float> axisPoint (float s);
    /** Half the body's thickness, before the ridges. */
    static float halfWidth (float s);

    static float ridgeS (int ridge);      // ridge 0 … 35
    static float frameS (int frame);      // frame 1 … 34: ridge 1 to ridge 36 in even steps

    /** A point on the body: `across` 1 is the upper outline, −1 the lower one, 0 the axis. */
    static juce::Point<float> bodyPoint (float s, float across);

    /** Where the cane's tip rests in frame 1 … 34, in window coordinates. */
    static juce::Point<float> contactPoint (int frame);
};

} // namespace wexla::artwork
