#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A press counts as a click when it is released over the control, its right and bottom edges
// included. The mouse-up reaches the control that took the mouse-down, so a press dragged off and
// back on before release still counts.
inline bool isReleasedInside (const juce::Component& control, const juce::MouseEvent& release) noexcept
{
    return release.x >= 0 && release.x <= control.getWidth()
        && release.y >= 0 && release.y <= control.getHeight();
}
