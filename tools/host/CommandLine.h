#pragma once

#include <utility>
#include <vector>

#include <juce_core/juce_core.h>

// One invocation of the tool, as parsed from its arguments.
struct HostCommand
{
    enum class Kind
    {
        help,
        info,
        render,
        shot,
        midi
    };

    Kind kind = Kind::help;
    juce::File bundle;
    juce::File midiFile;
    juce::String gesture;
    juce::File out;
    double sampleRate = 44100.0;
    int blockSize = 512;
    double seconds = 0.0; // 0: until the last event plus a tail
    int bits = 24;
    std::vector<std::pair<juce::String, juce::String>> parameters; // name or ID, plain value
    juce::File stateIn;
    juce::File stateOut;
    juce::File waveform; // a picture of the rendered audio, when given
    int waitMilliseconds = 500;
    bool quiet = false;
};

namespace CommandLine
{
// Arguments without the program name. Bad arguments throw UsageError.
HostCommand parse (const juce::StringArray& arguments);

juce::String usage();
} // namespace CommandLine
