#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// Standard MIDI files in and out, as one sequence timed in seconds.
namespace MidiFiles
{
// All tracks merged, meta events dropped. An unreadable file throws HostError.
juce::MidiMessageSequence read (const juce::File& file);

// A type-1 file with one track at 120 beats per minute. Failure throws HostError.
void write (const juce::MidiMessageSequence& sequence, const juce::File& file);
} // namespace MidiFiles
