#pragma once

#include <memory>

#include <juce_audio_processors/juce_audio_processors.h>

// A plug-in instance together with the description it was created from.
struct LoadedPlugin
{
    juce::PluginDescription description;
    std::unique_ptr<juce::AudioPluginInstance> instance;
};

// Finds and instantiates the plug-in in a .vst3 or .lv2 bundle through the framework's own hosting.
// Must live on the message thread; failures throw HostError with a one-line message.
class PluginLoader
{
public:
    PluginLoader();

    juce::PluginDescription describe (const juce::File& bundle);
    LoadedPlugin load (const juce::File& bundle, double sampleRate, int blockSize);

private:
    juce::PluginDescription describeVst3 (const juce::File& bundle);
    juce::PluginDescription describeLv2 (const juce::File& bundle);

    juce::AudioPluginFormatManager formats;
    juce::AudioPluginFormat* vst3 = nullptr;
    juce::AudioPluginFormat* lv2 = nullptr;
};
