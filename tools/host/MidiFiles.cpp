#include "MidiFiles.h"

#include <cmath>

#include "HostError.h"

namespace MidiFiles
{
namespace
{
constexpr int ticksPerQuarterNote = 960;
constexpr double secondsPerQuarterNote = 0.5;
} // namespace

juce::MidiMessageSequence read (const juce::File& file)
{
    if (! file.existsAsFile())
        throw HostError ("no such MIDI file: " + file.getFullPathName());

    juce::FileInputStream stream (file);
    juce::MidiFile midiFile;
    if (! stream.openedOk() || ! midiFile.readFrom (stream, true))
        throw HostError ("not a readable standard MIDI file: " + file.getFullPathName());

    midiFile.convertTimestampTicksToSeconds();

    juce::MidiMessageSequence merged;
    for (int track = 0; track < midiFile.getNumTracks(); ++track)
    {
        for (const auto* event : *midiFile.getTrack (track))
            if (! event->message.isMetaEvent())
                merged.addEvent (event->message);
    }

    merged.sort();
    merged.updateMatchedPairs();
    return merged;
}

void write (const juce::MidiMessageSequence& sequence, const juce::File& file)
{
    const auto ticksPerSecond = ticksPerQuarterNote / secondsPerQuarterNote;

    juce::MidiMessageSequence track;
    track.addEvent (juce::MidiMessage::tempoMetaEvent ((int) std::lround (secondsPerQuarterNote * 1.0e6)), 0.0);

    for (const auto* event : sequence)
    {
        auto message = event->message;
        message.setTimeStamp (std::round (message.getTimeStamp() * ticksPerSecond));
        track.addEvent (message);
    }

    track.sort();
    track.addEvent (juce::MidiMessage::endOfTrack(), track.getEndTime());

    juce::MidiFile midiFile;
    midiFile.setTicksPerQuarterNote (ticksPerQuarterNote);
    midiFile.addTrack (track);

    file.deleteFile();
    juce::FileOutputStream stream (file);
    if (! stream.openedOk() || ! midiFile.writeTo (stream, 1))
        throw HostError ("cannot write MIDI file: " + file.getFullPathName());
}
} // namespace MidiFiles
