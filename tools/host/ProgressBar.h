#pragma once

#include <iosfwd>

#include <juce_core/juce_core.h>

// A one-line progress bar for long jobs, redrawn in place. It stays hidden for jobs that finish
// within the first second and when the stream is not a terminal.
class ProgressBar
{
public:
    ProgressBar (std::ostream& stream, bool streamIsTerminal);
    ~ProgressBar();

    void update (double fractionDone);

private:
    std::ostream& stream;
    bool enabled;
    bool shown = false;
    int lastPercent = -1;
    juce::uint32 startTime;
};
