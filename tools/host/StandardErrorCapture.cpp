#include "StandardErrorCapture.h"

#include <unistd.h>

StandardErrorCapture::StandardErrorCapture()
{
    std::fflush (stderr);
    file = std::tmpfile();
    savedDescriptor = dup (STDERR_FILENO);

    if (file == nullptr || savedDescriptor < 0 || dup2 (fileno (file), STDERR_FILENO) < 0)
    {
        // Nothing is captured then; the text simply shows.
        if (savedDescriptor >= 0)
            close (savedDescriptor);
        savedDescriptor = -1;
    }
}

StandardErrorCapture::~StandardErrorCapture()
{
    finish();
}

juce::String StandardErrorCapture::finish()
{
    if (savedDescriptor >= 0)
    {
        std::fflush (stderr);
        dup2 (savedDescriptor, STDERR_FILENO);
        close (savedDescriptor);
        savedDescriptor = -1;

        std::rewind (file);
        juce::MemoryOutputStream collected;
        char chunk[4096];
        for (size_t read; (read = std::fread (chunk, 1, sizeof (chunk), file)) > 0;)
            collected.write (chunk, read);
        text = collected.toString();
    }

    if (file != nullptr)
    {
        std::fclose (file);
        file = nullptr;
    }

    return text;
}

juce::String StandardErrorCapture::lastError (const juce::String& text)
{
    const auto lines = juce::StringArray::fromLines (text);
    for (int index = lines.size(); --index >= 0;)
    {
        const auto& line = lines[index];
        if (line.contains ("error:"))
            return line.fromLastOccurrenceOf ("error:", false, false).trim();
    }

    return {};
}
