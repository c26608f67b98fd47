#pragma once

#include <memory>

#include <juce_graphics/juce_graphics.h>

// The editor's font, built once from the embedded Rubik data and shared by every editor open in
// the process (a host may show several Wexla windows). The first editor builds it, the last one to
// close releases it. Used on the message thread only, so there is no lock.
class SharedFonts
{
public:
    // Counts an editor in and returns the shared font.
    static juce::Font acquire();

    // Counts an editor out; the last one releases the font.
    static void release() noexcept;

    static int getUseCount() noexcept;

private:
    struct Holder
    {
        juce::Font font;
    };

    static int useCount;
    static std::unique_ptr<Holder> holder;
};
