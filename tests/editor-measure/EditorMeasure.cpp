// Measures the editor as a user meets it: how long the window takes to open, and how much CPU the
// open window uses while nothing is played (it animates the snow every 16 ms).
//
//   xvfb-run -a -s "-screen 0 1280x800x24" wexla_editor_measure [opens] [idle seconds]
//   (defaults 100 opens and 10 s)
//
// The idle half needs a display; under xvfb-run the X server's own drawing is not counted.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

#include <juce_gui_basics/juce_gui_basics.h>

#include "plugin/TavrelAudioProcessor.h"

// Last: its macros (None, Status, ...) would break the framework's headers.
#include <X11/Xlib.h>

namespace
{
// Without a window manager (xvfb) the framework sets properties that refer to atoms the server
// does not have; Xlib's default handler would end the program for those harmless errors.
int ignoreXError (Display*, XErrorEvent*)
{
    return 0;
}

double processCpuSeconds()
{
    rusage usage {};
    getrusage (RUSAGE_SELF, &usage);
    const auto seconds = [] (const timeval& t) { return (double) t.tv_sec + (double) t.tv_usec * 1e-6; };
    return seconds (usage.ru_utime) + seconds (usage.ru_stime);
}

struct Timings
{
    double mean = 0, median = 0, lowest = 0, highest = 0;
};

Timings summarise (std::vector<double> milliseconds)
{
    std::sort (milliseconds.begin(), milliseconds.end());
    Timings t;
    for (const auto ms : milliseconds)
        t.mean += ms;

    t.mean /= (double) milliseconds.size();
    t.median = milliseconds[milliseconds.size() / 2];
    t.lowest = milliseconds.front();
    t.highest = milliseconds.back();
    return t;
}

// Opens and closes the editor `count` times; with `coldCache` the decoded pictures are dropped
// after every close, as they are when a window is reopened after a while.
Timings measureOpening (TavrelAudioProcessor& processor, int count, bool coldCache)
{
    std::vector<double> milliseconds;

    for (int i = 0; i < count; ++i)
    {
        if (coldCache)
            juce::ImageCache::releaseUnusedImages();

        const auto start = std::chrono::steady_clock::now();
        std::unique_ptr<juce::AudioProcessorEditor> editor (processor.createEditorIfNeeded());
        const auto end = std::chrono::steady_clock::now();

        if (editor == nullptr)
        {
            std::fprintf (stderr, "the processor gave no editor\n");
            std::exit (1);
        }
        milliseconds.push_back (std::chrono::duration<double, std::milli> (end - start).count());
    }

    return summarise (milliseconds);
}

void print (const char* what, const Timings& t)
{
    std::printf ("%-34s mean %.3f ms, median %.3f ms, min %.3f ms, max %.3f ms\n", what, t.mean, t.median, t.lowest, t.highest);
}
} // namespace

int main (int argc, char** argv)
{
    const auto opens = argc > 1 ? std::max (1, std::atoi (argv[1])) : 100;
    const auto idleSeconds = argc > 2 ? std::max (1, std::atoi (argv[2])) : 10;

    juce::ScopedJuceInitialiser_GUI gui;
    auto processor = std::make_unique<TavrelAudioProcessor>();

    // The pictures' messages, if any are missing, go to standard output before the figures.
    print ("first open (cold):", measureOpening (*processor, 1, true));
    print ("open, pictures decoded anew:", measureOpening (*processor, opens, true));
    print ("open, pictures cached:", measureOpening (*processor, opens, false));
    std::printf ("(%d opens each)\n", opens);

    if (juce::Desktop::getInstance().getDisplays().getPrimaryDisplay() == nullptr)
    {
        std::printf ("no display: idle CPU not measured (run under xvfb-run)\n");
        return 0;
    }

    std::unique_ptr<juce::AudioProcessorEditor> editor (processor->createEditorIfNeeded());
    XSetErrorHandler (ignoreXError);
    editor->addToDesktop (0);
    editor->setTopLeftPosition (100, 100);
    editor->setVisible (true);

    // Let the window appear and settle before counting.
    juce::MessageManager::getInstance()->runDispatchLoopUntil (500);

    const auto cpuBefore = processCpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (idleSeconds * 1000);
    const auto wall = std::chrono::duration<double> (std::chrono::steady_clock::now() - wallBefore).count();
    const auto cpu = processCpuSeconds() - cpuBefore;

    std::printf ("idle open window: %.3f s CPU in %.2f s (%.2f %% of one core)\n", cpu, wall, 100.0 * cpu / wall);

    editor = nullptr;
    return 0;
}
