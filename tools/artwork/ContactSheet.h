#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

namespace wexla::artwork
{

/** A review page of the artwork: every cane frame, and the whole window with the cane at both ends
    and the middle of the instrument, drawn the way the editor draws its pictures. */
struct ContactSheet
{
    /** The 1× pictures the window is made of. */
    struct WindowPictures
    {
        juce::Image background, helpText, helpButton, switchOn, switchOff;
        std::vector<juce::Image> idleFrames, playingFrames;
    };

    /** The window: background stretched into 638 × 336, the help card if shown, the cane frame in
        the scraper view, the version label, the help button and the Hold Note switch. */
    static juce::Image composite (const WindowPictures& pictures, const juce::Image& frame, bool holdNoteOn, bool showHelp);

    static juce::Image render (const WindowPictures& pictures);
};

} // namespace wexla::artwork
