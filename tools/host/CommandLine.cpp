#include "CommandLine.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

#include "Gesture.h"
#include "HostError.h"
#include "WavFileWriter.h"

namespace CommandLine
{
namespace
{
constexpr double lowestRate = 8000.0;
constexpr double highestRate = 384000.0;
constexpr int largestBlock = 65536;
constexpr double longestRender = 600.0;
constexpr int longestWait = 60000;

double parseNumber (const juce::String& option, const juce::String& text)
{
    const auto utf8 = text.toStdString();
    char* end = nullptr;
    const auto value = std::strtod (utf8.c_str(), &end);
    if (utf8.empty() || end != utf8.c_str() + utf8.size() || ! std::isfinite (value))
        throw UsageError (option + " needs a number, not \"" + text + "\"");

    return value;
}

int parseWholeNumber (const juce::String& option, const juce::String& text)
{
    const auto value = parseNumber (option, text);
    if (value != std::floor (value) || std::abs (value) > 1.0e9)
        throw UsageError (option + " needs a whole number, not \"" + text + "\"");

    return (int) value;
}

juce::File fileArgument (const juce::String& text)
{
    return juce::File::getCurrentWorkingDirectory().getChildFile (text);
}

HostCommand::Kind parseKind (const juce::String& word)
{
    static const std::map<juce::String, HostCommand::Kind> kinds {
        { "info", HostCommand::Kind::info },
        { "render", HostCommand::Kind::render },
        { "shot", HostCommand::Kind::shot },
        { "midi", HostCommand::Kind::midi },
        { "help", HostCommand::Kind::help },
        { "--help", HostCommand::Kind::help },
        { "-h", HostCommand::Kind::help },
    };

    const auto found = kinds.find (word);
    if (found == kinds.end())
        throw UsageError ("unknown command \"" + word + "\"");

    return found->second;
}

std::set<juce::String> allowedOptions (HostCommand::Kind kind)
{
    switch (kind)
    {
        case HostCommand::Kind::render:
            return { "--midi", "--gesture", "--out", "--rate", "--block", "--seconds", "--bits",
                     "--param", "--state-in", "--state-out", "--quiet", "--waveform" };
        case HostCommand::Kind::shot:
            return { "--out", "--wait", "--param", "--state-in" };
        case HostCommand::Kind::midi:
            return { "--gesture", "--out" };
        case HostCommand::Kind::info:
            return { "--param", "--state-in" };
        case HostCommand::Kind::help:
            break;
    }

    return {};
}

bool takesBundle (HostCommand::Kind kind)
{
    return kind == HostCommand::Kind::info || kind == HostCommand::Kind::render || kind == HostCommand::Kind::shot;
}

void applyOption (HostCommand& command, const juce::String& option, const juce::String& value)
{
    if (option == "--midi")
        command.midiFile = fileArgument (value);
    else if (option == "--gesture")
        command.gesture = value;
    else if (option == "--out")
        command.out = fileArgument (value);
    else if (option == "--state-in")
        command.stateIn = fileArgument (value);
    else if (option == "--state-out")
        command.stateOut = fileArgument (value);
    else if (option == "--waveform")
        command.waveform = fileArgument (value);
    else if (option == "--rate")
    {
        command.sampleRate = parseNumber (option, value);
        if (command.sampleRate < lowestRate || command.sampleRate > highestRate)
            throw UsageError ("--rate must lie between 8000 and 384000");
    }
    else if (option == "--block")
    {
        command.blockSize = parseWholeNumber (option, value);
        if (command.blockSize < 1 || command.blockSize > largestBlock)
            throw UsageError ("--block must lie between 1 and " + juce::String (largestBlock));
    }
    else if (option == "--seconds")
    {
        command.seconds = parseNumber (option, value);
        if (command.seconds <= 0.0 || command.seconds > longestRender)
            throw UsageError ("--seconds must be above 0 and at most " + juce::String (longestRender));
    }
    else if (option == "--bits")
    {
        command.bits = parseWholeNumber (option, value);
        if (! WavFileWriter::isSupportedBitDepth (command.bits))
            throw UsageError ("--bits must be 16, 24 or 32 (float)");
    }
    else if (option == "--wait")
    {
        command.waitMilliseconds = parseWholeNumber (option, value);
        if (command.waitMilliseconds < 0 || command.waitMilliseconds > longestWait)
            throw UsageError ("--wait must lie between 0 and " + juce::String (longestWait) + " ms");
    }
    else if (option == "--param")
    {
        const auto separator = value.lastIndexOfChar ('=');
        if (separator <= 0 || separator == value.length() - 1)
            throw UsageError ("--param needs NAME=VALUE, not \"" + value + "\"");

        command.parameters.emplace_back (value.substring (0, separator), value.substring (separator + 1));
    }
}

void checkComplete (const HostCommand& command)
{
    using Kind = HostCommand::Kind;

    if (command.kind == Kind::render && command.midiFile == juce::File() && command.gesture.isEmpty())
        throw UsageError ("render needs --midi FILE or --gesture NAME");

    if (command.kind == Kind::render && command.midiFile != juce::File() && command.gesture.isNotEmpty())
        throw UsageError ("render takes --midi or --gesture, not both");

    if (command.kind == Kind::midi && command.gesture.isEmpty())
        throw UsageError ("midi needs --gesture NAME");

    if (command.gesture.isNotEmpty() && ! Gesture::names().contains (command.gesture))
        throw UsageError ("unknown gesture \"" + command.gesture + "\" (gestures: " + Gesture::names().joinIntoString (", ") + ")");

    if (command.kind != Kind::info && command.kind != Kind::help && command.out == juce::File())
        throw UsageError ("missing --out FILE");
}
} // namespace

HostCommand parse (const juce::StringArray& arguments)
{
    HostCommand command;
    if (arguments.isEmpty())
        throw UsageError ("no command given");

    command.kind = parseKind (arguments[0]);
    if (command.kind == HostCommand::Kind::help)
        return command;

    const auto allowed = allowedOptions (command.kind);
    bool haveBundle = false;

    for (int index = 1; index < arguments.size(); ++index)
    {
        const auto& argument = arguments[index];

        if (argument.startsWith ("--"))
        {
            if (allowed.count (argument) == 0)
                throw UsageError ("unknown option " + argument + " for " + arguments[0]);

            if (argument == "--quiet")
            {
                command.quiet = true;
                continue;
            }

            if (index + 1 >= arguments.size())
                throw UsageError (argument + " needs a value");

            applyOption (command, argument, arguments[++index]);
        }
        else if (takesBundle (command.kind) && ! haveBundle)
        {
            command.bundle = fileArgument (argument);
            haveBundle = true;
        }
        else
        {
            throw UsageError ("unexpected argument \"" + argument + "\"");
        }
    }

    if (takesBundle (command.kind) && ! haveBundle)
        throw UsageError (arguments[0] + " needs a plug-in bundle (.vst3 or .lv2)");

    checkComplete (command);
    return command;
}

juce::String usage()
{
    return "usage:\n"
           "  wexla-host info BUNDLE [--param NAME=VALUE ...] [--state-in FILE]\n"
           "  wexla-host render BUNDLE (--midi FILE.mid | --gesture NAME) --out FILE.wav\n"
           "                    [--rate HZ] [--block SAMPLES] [--seconds S] [--bits 16|24|32]\n"
           "                    [--param NAME=VALUE ...] [--state-in FILE] [--state-out FILE] [--quiet]\n"
           "                    [--waveform FILE.png]\n"
           "  wexla-host shot BUNDLE --out FILE.png [--wait MS] [--param NAME=VALUE ...] [--state-in FILE]\n"
           "  wexla-host midi --gesture NAME --out FILE.mid\n"
           "\n"
           "BUNDLE is a .vst3 or .lv2 bundle. Gestures: " + Gesture::names().joinIntoString (", ") + ".\n"
           "Parameters are named by name or ID and set to plain values; --bits 32 writes float.\n";
}
} // namespace CommandLine
