#pragma once

#include <ostream>

#include <juce_audio_processors/juce_audio_processors.h>

#include "PluginLoader.h"

// The built plug-in bundles and the host tool, as the host tests reach them.
namespace HostTestSupport
{
struct Bundle
{
    const char* format;
    const char* path;
};

inline const Bundle vst3Bundle { "VST3", WEXLA_VST3_BUNDLE };
inline const Bundle lv2Bundle { "LV2", WEXLA_LV2_BUNDLE };

inline void PrintTo (const Bundle& bundle, std::ostream* os)
{
    *os << bundle.format;
}

// A fresh instance; a bundle that does not load fails the calling test through the exception.
LoadedPlugin load (const Bundle& bundle, double sampleRate = 44100.0, int blockSize = 512);

// The plug-in's own parameters, without the format's bypass and controller proxies.
juce::Array<juce::AudioProcessorParameter*> ownParameters (juce::AudioPluginInstance& instance);

struct ToolRun
{
    int exitCode = -1;
    juce::String standardError;
};

// Runs the host tool with the given arguments and collects what it wrote to standard error.
ToolRun runTool (const juce::StringArray& arguments, int timeoutMilliseconds = 120000);

// Runs the host tool under a virtual X display.
ToolRun runToolUnderXvfb (const juce::StringArray& arguments);
} // namespace HostTestSupport
