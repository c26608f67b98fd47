#pragma once

#include <juce_graphics/juce_graphics.h>

namespace wexla::artwork
{

/** The typefaces the artwork is lettered in, built once from the fonts compiled into the tool. */
struct Fonts
{
    static juce::Typeface::Ptr rubikBold();
    static juce::Typeface::Ptr rubikRegular();

    static juce::Font bold (float height);
    static juce::Font regular (float height);
};

} // namespace wexla::artwork
