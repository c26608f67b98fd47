#pragma once

#include <set>
#include <string>

#include <juce_gui_basics/juce_gui_basics.h>

#include "editor/ResourceLookup.h"

// Helpers for the editor tests: the message manager for the whole test program, pictures with
// known colours, mouse events and pixel reads.
namespace EditorTestSupport
{
// Every picture the window asks for, as a small PNG of one colour that names it: the frames of
// the scraper view carry their number in red and their set in green and blue, so a rendered
// pixel tells which frame was drawn. Names in `missing` are not found.
ResourceLookup fakeResources (std::set<std::string> missing = {});

juce::Colour colourOfPicture (const std::string& name);
juce::Colour colourOfFrame (bool playingSet, int frameNumber);

// Which frame a pixel of the scraper view shows: 0 when it shows none, else 1 to 34; playingSet
// tells the set.
int frameNumberAt (juce::Colour pixel, bool& playingSet);

// The component rendered into an image at scale 1, children included.
juce::Image render (juce::Component& component);

// Colour channels within a rounding tolerance.
bool nearlyEqual (juce::Colour a, juce::Colour b, int tolerance = 2);

juce::MouseEvent mouseEventAt (juce::Component& component, juce::Point<int> position);

// Lets pending messages (change messages, timers) run for a while.
void runMessageLoop (int milliseconds);
} // namespace EditorTestSupport
