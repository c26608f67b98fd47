#include "ProgressBar.h"

#include <ostream>

namespace
{
constexpr juce::uint32 delayMilliseconds = 1000;
constexpr int barWidth = 40;
} // namespace

ProgressBar::ProgressBar (std::ostream& output, bool streamIsTerminal)
    : stream (output), enabled (streamIsTerminal), startTime (juce::Time::getMillisecondCounter())
{
}

ProgressBar::~ProgressBar()
{
    if (shown)
        stream << "\n" << std::flush;
}

void ProgressBar::update (double fractionDone)
{
    if (! enabled || juce::Time::getMillisecondCounter() - startTime < delayMilliseconds)
        return;

    const auto percent = juce::jlimit (0, 100, (int) (fractionDone * 100.0));
    if (percent == lastPercent)
        return;

    lastPercent = percent;
    shown = true;

    const auto filled = percent * barWidth / 100;
    stream << "\rrendering [" << juce::String::repeatedString ("#", filled) << juce::String::repeatedString (".", barWidth - filled)
           << "] " << percent << "%" << std::flush;
}
