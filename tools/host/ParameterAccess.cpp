#include "ParameterAccess.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "HostError.h"

namespace ParameterAccess
{
namespace
{
std::optional<double> parseNumber (const juce::String& text)
{
    const auto trimmed = text.trim().toStdString();
    if (trimmed.empty())
        return std::nullopt;

    char* end = nullptr;
    const auto value = std::strtod (trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || ! std::isfinite (value))
        return std::nullopt;

    return value;
}

// A parameter's text begins with its plain value ("0.2500000", "-6.0 dB"); switches may say On/Off.
float plainValueFromText (const juce::String& text, float normalised)
{
    const auto trimmed = text.trim();
    if (trimmed.equalsIgnoreCase ("on"))
        return 1.0f;
    if (trimmed.equalsIgnoreCase ("off"))
        return 0.0f;

    if (trimmed.isNotEmpty() && juce::String ("+-.0123456789").containsChar (trimmed[0]))
        return trimmed.getFloatValue();

    return normalised;
}
} // namespace

juce::String idOf (const juce::AudioProcessorParameter& parameter)
{
    if (auto* hosted = dynamic_cast<const juce::HostedAudioProcessorParameter*> (&parameter))
        return hosted->getParameterID();

    if (auto* withId = dynamic_cast<const juce::AudioProcessorParameterWithID*> (&parameter))
        return withId->getParameterID();

    return juce::String (parameter.getParameterIndex());
}

juce::String nameOf (const juce::AudioProcessorParameter& parameter)
{
    return parameter.getName (1024);
}

bool isMidiControllerProxy (const juce::AudioProcessorParameter& parameter)
{
    return nameOf (parameter).startsWith ("MIDI CC ");
}

juce::AudioProcessorParameter* find (juce::AudioProcessor& processor, const juce::String& key)
{
    for (auto* parameter : processor.getParameters())
        if (nameOf (*parameter) == key)
            return parameter;

    for (auto* parameter : processor.getParameters())
        if (idOf (*parameter) == key)
            return parameter;

    // A plug-in built with the framework shows VST3 hosts a hash of its own text IDs, so "2" is
    // known to the host as 50; the plug-in's ID is what users see in its documentation.
    const auto* instance = dynamic_cast<juce::AudioPluginInstance*> (&processor);
    if (instance != nullptr && instance->getPluginDescription().pluginFormatName == "VST3")
    {
        const auto vst3Id = juce::String ((juce::uint32) key.hashCode() & 0x7fffffffu);
        for (auto* parameter : processor.getParameters())
            if (idOf (*parameter) == vst3Id)
                return parameter;
    }

    return nullptr;
}

juce::AudioProcessorParameter& require (juce::AudioProcessor& processor, const juce::String& key)
{
    if (auto* parameter = find (processor, key))
        return *parameter;

    juce::StringArray known;
    for (auto* parameter : processor.getParameters())
        if (! isMidiControllerProxy (*parameter))
            known.add ("\"" + nameOf (*parameter) + "\"");

    throw HostError ("unknown parameter \"" + key + "\" (parameters: " + known.joinIntoString (", ") + ")");
}

float plainValue (const juce::AudioProcessorParameter& parameter, float normalised)
{
    return plainValueFromText (parameter.getText (normalised, 1024), normalised);
}

float currentPlainValue (const juce::AudioProcessorParameter& parameter)
{
    return plainValue (parameter, parameter.getValue());
}

float defaultPlainValue (const juce::AudioProcessorParameter& parameter)
{
    return plainValue (parameter, parameter.getDefaultValue());
}

void setPlainValue (juce::AudioProcessorParameter& parameter, const juce::String& text)
{
    const auto name = nameOf (parameter);
    const auto number = parseNumber (text);
    if (! number)
        throw HostError ("value \"" + text + "\" for parameter \"" + name + "\" is not a number");

    const auto normalised = parameter.getValueForText (juce::String (*number));
    const auto lowest = plainValue (parameter, 0.0f);
    const auto highest = plainValue (parameter, 1.0f);
    const auto tolerance = 1.0e-6 * juce::jmax (1.0, std::abs ((double) highest - lowest));

    if (! std::isfinite (normalised) || *number < juce::jmin (lowest, highest) - tolerance
        || *number > juce::jmax (lowest, highest) + tolerance)
    {
        throw HostError ("value " + text.trim() + " for parameter \"" + name + "\" is outside its range "
                         + juce::String (lowest) + " to " + juce::String (highest));
    }

    parameter.beginChangeGesture();
    parameter.setValueNotifyingHost (juce::jlimit (0.0f, 1.0f, normalised));
    parameter.endChangeGesture();
}
} // namespace ParameterAccess
