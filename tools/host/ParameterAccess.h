#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

// Parameter look-up and plain values across plug-in formats. VST3 and LV2 order, identify and
// normalise parameters differently, so parameters are found by name or ID and compared by the
// plain value the plug-in itself shows, never by list position or normalised value.
namespace ParameterAccess
{
// The format's identifier: the VST3 parameter ID or the LV2 parameter URI; the index otherwise.
juce::String idOf (const juce::AudioProcessorParameter& parameter);

juce::String nameOf (const juce::AudioProcessorParameter& parameter);

// The controller proxies a VST3 wrapper adds for MIDI mapping ("MIDI CC 0|1" ...).
bool isMidiControllerProxy (const juce::AudioProcessorParameter& parameter);

// The first parameter whose name, or failing that whose ID, equals key; nullptr if none.
juce::AudioProcessorParameter* find (juce::AudioProcessor& processor, const juce::String& key);

// As find, but an unknown key throws HostError naming the parameters there are.
juce::AudioProcessorParameter& require (juce::AudioProcessor& processor, const juce::String& key);

// The plain value the plug-in shows for a normalised value of the parameter.
float plainValue (const juce::AudioProcessorParameter& parameter, float normalised);
float currentPlainValue (const juce::AudioProcessorParameter& parameter);
float defaultPlainValue (const juce::AudioProcessorParameter& parameter);

// Sets the parameter from a plain value written as text, telling the plug-in as an automation
// move would. Text that is no number, or a value outside the parameter's range, throws HostError.
void setPlainValue (juce::AudioProcessorParameter& parameter, const juce::String& text);
} // namespace ParameterAccess
