#include "PluginLoader.h"

#include <regex>

#include "HostError.h"
#include "StandardErrorCapture.h"

namespace
{
juce::String readableName (const juce::File& bundle)
{
    return bundle.getFullPathName();
}

// The URIs a bundle's manifest declares as plug-ins, in the order written ("<uri> a lv2:Plugin").
juce::StringArray pluginUrisInManifest (const juce::File& manifest)
{
    const auto text = manifest.loadFileAsString().toStdString();
    static const std::regex subject (R"(<([^<>\s]+)>\s+a\s+lv2:Plugin\b)");

    juce::StringArray uris;
    for (auto it = std::sregex_iterator (text.begin(), text.end(), subject); it != std::sregex_iterator(); ++it)
        uris.addIfNotAlreadyThere (juce::String ((*it)[1].str()));

    return uris;
}

// The framework's LV2 host leaves the version empty; the bundle's data has it as the release revision.
juce::String lv2ReleaseRevision (const juce::File& bundle)
{
    static const std::regex revision (R"re(doap:revision\s+"([^"]*)")re");

    for (const auto& entry : juce::RangedDirectoryIterator (bundle, false, "*.ttl", juce::File::findFiles))
    {
        const auto text = entry.getFile().loadFileAsString().toStdString();
        std::smatch match;
        if (std::regex_search (text, match, revision))
            return juce::String (match[1].str());
    }

    return {};
}
} // namespace

PluginLoader::PluginLoader()
{
    vst3 = new juce::VST3PluginFormat();
    lv2 = new juce::LV2PluginFormat();
    formats.addFormat (vst3);
    formats.addFormat (lv2);
}

juce::PluginDescription PluginLoader::describe (const juce::File& bundle)
{
    if (! bundle.exists())
        throw HostError ("no such bundle: " + readableName (bundle));

    if (bundle.hasFileExtension ("vst3"))
        return describeVst3 (bundle);

    if (bundle.hasFileExtension ("lv2"))
        return describeLv2 (bundle);

    throw HostError ("not a .vst3 or .lv2 bundle: " + readableName (bundle));
}

juce::PluginDescription PluginLoader::describeVst3 (const juce::File& bundle)
{
    juce::OwnedArray<juce::PluginDescription> found;
    vst3->findAllTypesForFile (found, bundle.getFullPathName());

    if (found.isEmpty())
        throw HostError ("bundle does not load as a VST3 plug-in: " + readableName (bundle));

    return *found.getFirst();
}

juce::PluginDescription PluginLoader::describeLv2 (const juce::File& bundle)
{
    const auto manifest = bundle.getChildFile ("manifest.ttl");
    if (! manifest.existsAsFile())
        throw HostError ("LV2 bundle has no manifest.ttl: " + readableName (bundle));

    const auto uris = pluginUrisInManifest (manifest);
    if (uris.isEmpty())
        throw HostError ("LV2 bundle declares no plug-in: " + readableName (bundle));

    juce::OwnedArray<juce::PluginDescription> found;
    StandardErrorCapture complaints;

    // Makes the world read every bundle beside this one, this one included.
    lv2->searchPathsForPlugins (juce::FileSearchPath (bundle.getParentDirectory().getFullPathName()), false, false);
    lv2->findAllTypesForFile (found, uris[0]);

    const auto reason = StandardErrorCapture::lastError (complaints.finish());
    if (found.isEmpty())
        throw HostError ("bundle does not load as an LV2 plug-in: " + readableName (bundle)
                         + (reason.isNotEmpty() ? " (" + reason + ")" : juce::String()));

    // An installed bundle with the same URI that was read first would be used instead of this one.
    auto description = *found.getFirst();
    if (description.lastFileModTime != bundle.getLastModificationTime())
        throw HostError ("another installed LV2 bundle has the URI " + uris[0] + " and hides " + readableName (bundle));

    if (description.version.isEmpty())
        description.version = lv2ReleaseRevision (bundle);

    return description;
}

LoadedPlugin PluginLoader::load (const juce::File& bundle, double sampleRate, int blockSize)
{
    LoadedPlugin loaded;
    loaded.description = describe (bundle);

    juce::String error;
    juce::String reason;
    {
        StandardErrorCapture complaints;
        loaded.instance = formats.createPluginInstance (loaded.description, sampleRate, blockSize, error);
        reason = StandardErrorCapture::lastError (complaints.finish());
    }

    if (loaded.instance == nullptr)
        throw HostError ("cannot instantiate the plug-in in " + readableName (bundle)
                         + (error.isNotEmpty() ? ": " + error : juce::String())
                         + (reason.isNotEmpty() ? " (" + reason + ")" : juce::String()));

    return loaded;
}
