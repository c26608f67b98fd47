#pragma once

#include <cstdio>

#include <juce_core/juce_core.h>

// Collects what this process writes to standard error while it lives, instead of showing it.
// The LV2 library reports every odd file it meets on standard error; the host tool shows such
// text only as the reason for a failure, within its own one-line message.
class StandardErrorCapture
{
public:
    StandardErrorCapture();
    ~StandardErrorCapture();

    // Ends the capture (once) and returns the text collected.
    juce::String finish();

    // The last line of the text that reports an error, without the reporter's prefix.
    static juce::String lastError (const juce::String& text);

private:
    std::FILE* file = nullptr;
    int savedDescriptor = -1;
    juce::String text;

    JUCE_DECLARE_NON_COPYABLE (StandardErrorCapture)
};
