#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// Built-in performances on the modulation wheel (controller 1) and notes, with time stamps in
// seconds, so they play the same at any sample rate.
//
// The instrument ignores a wheel value of 0 and takes the first wheel value after preparation as
// the stick's starting place without a click, so every gesture opens by placing the stick and
// keeps the wheel between 1 and 127.
namespace Gesture
{
// "scrape": the demo; a held note while the wheel sweeps at different speeds, with repeated notes.
// "sweep": one held note and one wheel sweep from 1 to 127 and back.
// "hold": the scrape's wheel moves without any note (for use with "Hold Note" on).
juce::StringArray names();

// The named gesture; an unknown name throws UsageError listing the names.
juce::MidiMessageSequence create (const juce::String& name);
} // namespace Gesture
