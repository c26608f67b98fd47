#pragma once

#include <juce_graphics/juce_graphics.h>

namespace wexla::artwork::palette
{

// Night sky
inline const juce::Colour skyTop { 0xff0a1533 };
inline const juce::Colour skyHorizon { 0xff2f4f86 };
inline const juce::Colour starLight { 0xfffff6dc };
inline const juce::Colour moonLight { 0xfffff3cf };

// Snow under moonlight
inline const juce::Colour snowLight { 0xfff4f8ff };
inline const juce::Colour snowMid { 0xffd7e3f5 };
inline const juce::Colour snowShade { 0xffa9bcdc };
inline const juce::Colour snowDeepShade { 0xff7f94bd };

/** The snow of the hill and of the drift under the lettering, in window coordinates, so that both join
    without a seam. */
inline juce::ColourGradient hillSnow()
{
    juce::ColourGradient snow (snowLight, 0.0f, 70.0f, juce::Colour (0xffc4d3ec), 0.0f, 258.0f, false);
    snow.addColour (0.45, snowMid);
    return snow;
}

// Candy
inline const juce::Colour candyRed { 0xffd9202e };
inline const juce::Colour candyRedDark { 0xff8e0f1c };
inline const juce::Colour candyWhite { 0xfffffbf7 };
inline const juce::Colour candyOutline { 0xff6b0d18 };

// Lettering
inline const juce::Colour letterRed { 0xffe1303a };
inline const juce::Colour letterRedDeep { 0xff9c1421 };
inline const juce::Colour letterEdge { 0xff4a0a12 };
inline const juce::Colour gold { 0xffffd36b };

// Pines
inline const juce::Colour pineDark { 0xff0f3b35 };
inline const juce::Colour pineMid { 0xff17584a };
inline const juce::Colour pineFar { 0xff1d3d63 };

// Instrument: a lacquered gourd
inline const juce::Colour gourdLight { 0xfff3b85a };
inline const juce::Colour gourdMid { 0xffd88a2f };
inline const juce::Colour gourdDark { 0xff8a4a16 };
inline const juce::Colour gourdGroove { 0xff5a2c0c };

// Switch and text
inline const juce::Colour switchGreen { 0xff2fae5a };
inline const juce::Colour switchGreenDark { 0xff1b7a3c };
inline const juce::Colour switchGrey { 0xff8d95a3 };
inline const juce::Colour switchGreyDark { 0xff5d6473 };
inline const juce::Colour inkNavy { 0xff13244a };

} // namespace wexla::artwork::palette
