#pragma once

#include <juce_graphics/juce_graphics.h>

namespace wexla::artwork
{

/** The pictures of the window's controls: the Hold Note switch in both positions, the help button
    (a Christmas bauble with a question mark) and the help card. Each is drawn in its 1× size and
    scaled for the 2× picture. */
struct Controls
{
    /** The switch: `on` shows it green with the knob on the right, otherwise grey with the knob left. */
    static juce::Image holdSwitch (bool on, bool doubleResolution);
    static juce::Image helpButton (bool doubleResolution);
    static juce::Image helpText (bool doubleResolution);

    static constexpr int switchWidth = 50, switchHeight = 32, switchWidth2x = 99, switchHeight2x = 63;
    static constexpr int buttonWidth = 44, buttonHeight = 37, buttonWidth2x = 87, buttonHeight2x = 72;
    static constexpr int helpWidth = 212, helpHeight = 86, helpWidth2x = 422, helpHeight2x = 170;
};

} // namespace wexla::artwork
