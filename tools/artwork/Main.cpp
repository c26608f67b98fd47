#include "ArtworkSet.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <iostream>

// Draws the window's artwork: wexla_artwork <resources-dir> [<docs-dir>]
int main (int argc, char* argv[])
{
    if (argc < 2 || argc > 3)
    {
        std::cerr << "usage: wexla_artwork <resources-dir> [<docs-dir>]\n";
        return 2;
    }

    const juce::ScopedJuceInitialiser_GUI juceInitialiser;
    const auto cwd = juce::File::getCurrentWorkingDirectory();
    const auto resources = cwd.getChildFile (argv[1]);
    const auto docs = argc > 2 ? cwd.getChildFile (argv[2]) : juce::File();

    const auto result = wexla::artwork::ArtworkSet::writeAll (resources, docs);

    if (result.failed())
    {
        std::cerr << result.getErrorMessage() << "\n";
        return 1;
    }

    return 0;
}
