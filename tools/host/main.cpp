#include <iostream>

#include <juce_events/juce_events.h>

#include "CommandLine.h"
#include "HostCommands.h"
#include "HostError.h"

int main (int argc, char* argv[])
{
    juce::StringArray arguments;
    for (int index = 1; index < argc; ++index)
        arguments.add (juce::String::fromUTF8 (argv[index]));

    try
    {
        const auto command = CommandLine::parse (arguments);

        // Hosting plug-ins needs the message thread and, for editors, the display set up.
        juce::ScopedJuceInitialiser_GUI gui;
        return HostCommands::run (command, std::cout, std::cerr);
    }
    catch (const UsageError& error)
    {
        std::cerr << "wexla-host: " << error.what() << " (see wexla-host --help)" << std::endl;
        return 2;
    }
    catch (const HostError& error)
    {
        std::cerr << "wexla-host: " << error.what() << std::endl;
        return 1;
    }
}
