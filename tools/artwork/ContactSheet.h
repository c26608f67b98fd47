#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

namespace wexla::artwork
{

/** A review page of the artwork: every cane frame, and the background with the cane at both ends
    and the middle of the instrument, drawn the way the editor draws them. */
struct ContactSheet
{
    /** The window's picture: background stretched into 638 × 336, the frame into the scraper view. */
    static juce::Image composite (const juce::Image& background, const juce::Image& frame);

    static juce::Image render (const juce::Image& background, const std::vector<juce::Image>& idleFrames,
                               const std::vector<juce::Image>& playingFrames);
};

} // namespace wexla::artwork
