#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

namespace wexla::artwork
{

/** Every picture of the window, rendered and written as the PNG files the plug-in embeds:
    resources/<name>.png, where <name> is the resource identifier without "_png". */
struct ArtworkSet
{
    struct Picture
    {
        juce::String name;
        juce::Image image;
    };

    static std::vector<Picture> render();

    static juce::MemoryBlock encodePng (const juce::Image& image);

    /** Writes all pictures into `resourcesDirectory` and, unless `docsDirectory` is the default
        File, the contact sheet into `docsDirectory`. */
    static juce::Result writeAll (const juce::File& resourcesDirectory, const juce::File& docsDirectory);

    static constexpr const char* contactSheetName = "artwork-contact-sheet.png";
};

} // namespace wexla::artwork
