#pragma once

#include <optional>

#include <juce_audio_processors/juce_audio_processors.h>

// A plug-in instance's saved state as the host keeps it, in memory and in files.
namespace PluginState
{
juce::MemoryBlock save (juce::AudioPluginInstance& instance);
void restore (juce::AudioPluginInstance& instance, const juce::MemoryBlock& state);

// Failures throw HostError.
juce::MemoryBlock readFile (const juce::File& file);
void writeFile (const juce::MemoryBlock& state, const juce::File& file);

// The state a VST3 plug-in itself wrote (its component state), taken out of the framework's host
// state; nothing for other formats.
std::optional<juce::MemoryBlock> vst3ComponentState (const juce::MemoryBlock& hostState);
} // namespace PluginState
