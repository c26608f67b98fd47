#include "PluginState.h"

#include "HostError.h"

namespace PluginState
{
juce::MemoryBlock save (juce::AudioPluginInstance& instance)
{
    juce::MemoryBlock state;
    instance.getStateInformation (state);
    return state;
}

void restore (juce::AudioPluginInstance& instance, const juce::MemoryBlock& state)
{
    instance.setStateInformation (state.getData(), (int) state.getSize());
}

juce::MemoryBlock readFile (const juce::File& file)
{
    juce::MemoryBlock state;
    if (! file.existsAsFile() || ! file.loadFileAsData (state))
        throw HostError ("cannot read state file: " + file.getFullPathName());

    if (state.isEmpty())
        throw HostError ("state file is empty: " + file.getFullPathName());

    return state;
}

void writeFile (const juce::MemoryBlock& state, const juce::File& file)
{
    if (! file.replaceWithData (state.getData(), state.getSize()))
        throw HostError ("cannot write state file: " + file.getFullPathName());
}

std::optional<juce::MemoryBlock> vst3ComponentState (const juce::MemoryBlock& hostState)
{
    // The framework's VST3 host keeps the component's bytes, encoded, in an XML document.
    const auto xml = juce::AudioProcessor::getXmlFromBinary (hostState.getData(), (int) hostState.getSize());
    if (xml == nullptr || ! xml->hasTagName ("VST3PluginState"))
        return std::nullopt;

    const auto* component = xml->getChildByName ("IComponent");
    if (component == nullptr)
        return std::nullopt;

    juce::MemoryBlock bytes;
    if (! bytes.fromBase64Encoding (component->getAllSubText()))
        return std::nullopt;

    return bytes;
}
} // namespace PluginState
