#pragma once

#include <vector>

#include "PluginLoader.h"

// What the info command prints about a loaded plug-in, and the checks behind it.
namespace PluginReport
{
struct LayoutSupport
{
    juce::String name;
    bool supported;
};

// Whether the plug-in accepts a stereo, mono, 5.1 or no main output, asked one by one. Must be
// asked before the instance is prepared.
std::vector<LayoutSupport> checkOutputLayouts (juce::AudioPluginInstance& instance);

juce::String describe (const LoadedPlugin& plugin);
} // namespace PluginReport
