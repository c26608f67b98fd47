#include "PluginReport.h"

#include "ParameterAccess.h"
#include "PluginState.h"

namespace PluginReport
{
namespace
{
juce::AudioProcessor::BusesLayout withMainOutput (juce::AudioProcessor::BusesLayout layout, const juce::AudioChannelSet& set)
{
    for (int bus = 0; bus < layout.outputBuses.size(); ++bus)
        layout.outputBuses.getReference (bus) = bus == 0 ? set : juce::AudioChannelSet::disabled();

    return layout;
}

juce::String yesNo (bool value)
{
    return value ? "yes" : "no";
}

juce::String describeBuses (juce::AudioProcessor& processor, bool isInput)
{
    juce::StringArray buses;
    for (int index = 0; index < processor.getBusCount (isInput); ++index)
    {
        const auto* bus = processor.getBus (isInput, index);
        const auto set = bus->getCurrentLayout();
        buses.add ("\"" + bus->getName() + "\" " + (set.isDisabled() ? juce::String ("disabled") : set.getDescription()));
    }

    return buses.isEmpty() ? juce::String ("none") : buses.joinIntoString (", ");
}

juce::String describeState (juce::AudioPluginInstance& instance)
{
    const auto state = PluginState::save (instance);
    auto text = juce::String ((int) state.getSize()) + " bytes";

    if (const auto component = PluginState::vst3ComponentState (state))
    {
        const auto header = juce::String::fromUTF8 (static_cast<const char*> (component->getData()),
                                                    (int) juce::jmin ((size_t) 8, component->getSize()));
        text << " (plug-in's own part " << (int) component->getSize() << " bytes, beginning \""
             << header.retainCharacters ("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789") << "\")";
    }

    return text;
}
} // namespace

std::vector<LayoutSupport> checkOutputLayouts (juce::AudioPluginInstance& instance)
{
    const auto current = instance.getBusesLayout();
    const std::pair<const char*, juce::AudioChannelSet> candidates[] {
        { "stereo", juce::AudioChannelSet::stereo() },
        { "mono", juce::AudioChannelSet::mono() },
        { "5.1", juce::AudioChannelSet::create5point1() },
    };

    std::vector<LayoutSupport> result;
    for (const auto& [name, set] : candidates)
    {
        const auto supported = ! current.outputBuses.isEmpty() && instance.checkBusesLayoutSupported (withMainOutput (current, set));
        result.push_back ({ name, supported });
    }

    // VST3 lets a host switch any bus off whatever the plug-in prefers, so "no output" means no
    // output bus at all.
    auto withoutOutput = current;
    withoutOutput.outputBuses.clear();
    result.push_back ({ "no output", instance.checkBusesLayoutSupported (withoutOutput) });

    return result;
}

juce::String describe (const LoadedPlugin& plugin)
{
    const auto& d = plugin.description;
    auto& instance = *plugin.instance;

    juce::String text;
    const auto line = [&text] (const juce::String& label, const juce::String& value)
    {
        text << (label + ":").paddedRight (' ', 12) << value << "\n";
    };

    line ("name", d.name);
    line ("vendor", d.manufacturerName);
    line ("version", d.version.isNotEmpty() ? d.version : juce::String ("(not given)"));
    line ("format", d.pluginFormatName);
    line ("category", d.category);
    line ("instrument", yesNo (d.isInstrument));
    line ("identifier", d.fileOrIdentifier);
    line ("MIDI", "in " + yesNo (instance.acceptsMidi()) + ", out " + yesNo (instance.producesMidi()));
    line ("editor", yesNo (instance.hasEditor()));
    line ("latency", juce::String (instance.getLatencySamples()) + " samples");
    line ("tail", juce::String (instance.getTailLengthSeconds()) + " s");
    line ("inputs", describeBuses (instance, true));
    line ("outputs", describeBuses (instance, false));

    juce::StringArray layouts;
    for (const auto& layout : checkOutputLayouts (instance))
        layouts.add (layout.name + " " + (layout.supported ? "accepted" : "refused"));
    line ("layouts", layouts.joinIntoString (", "));

    juce::StringArray programs;
    for (int index = 0; index < instance.getNumPrograms(); ++index)
        programs.add (juce::String (index) + " \"" + instance.getProgramName (index) + "\"");
    line ("programs", juce::String (instance.getNumPrograms()) + (programs.isEmpty() ? juce::String() : ": " + programs.joinIntoString (", ")));

    line ("state", describeState (instance));

    int proxies = 0;
    juce::StringArray rows;
    for (auto* parameter : instance.getParameters())
    {
        if (ParameterAccess::isMidiControllerProxy (*parameter))
        {
            ++proxies;
            continue;
        }

        rows.add ("  " + juce::String (parameter->getParameterIndex()).paddedLeft (' ', 3) + "  "
                  + ParameterAccess::nameOf (*parameter).paddedRight (' ', 16) + " ID "
                  + ParameterAccess::idOf (*parameter).paddedRight (' ', 12) + " default "
                  + juce::String (ParameterAccess::defaultPlainValue (*parameter)).paddedRight (' ', 8) + " current "
                  + parameter->getCurrentValueAsText());
    }

    line ("parameters", juce::String (instance.getParameters().size())
                            + (proxies > 0 ? " (" + juce::String (proxies) + " of them hidden MIDI controller proxies, not listed)" : juce::String()));
    for (const auto& row : rows)
        text << row << "\n";

    return text;
}
} // namespace PluginReport
