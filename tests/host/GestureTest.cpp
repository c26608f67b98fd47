// The built-in gestures must play on the instrument as meant: the stick placed first, the wheel
// kept off 0, and every wheel move made while a note (if the gesture has notes) is held.
#include <cmath>

#include <gtest/gtest.h>

#include "Gesture.h"
#include "MidiFiles.h"

namespace
{
bool isWheel (const juce::MidiMessage& message)
{
    return message.isControllerOfType (1);
}

class EveryGesture : public testing::TestWithParam<const char*>
{
};

TEST_P (EveryGesture, PlacesTheStickFirstAndKeepsTheWheelOffZero)
{
    const auto sequence = Gesture::create (GetParam());
    ASSERT_GT (sequence.getNumEvents(), 10);

    const auto& first = sequence.getEventPointer (0)->message;
    EXPECT_TRUE (isWheel (first));
    EXPECT_EQ (first.getTimeStamp(), 0.0);

    double previousTime = 0.0;
    for (const auto* event : sequence)
    {
        const auto& message = event->message;
        EXPECT_GE (message.getTimeStamp(), previousTime);
        previousTime = message.getTimeStamp();

        ASSERT_TRUE (isWheel (message) || message.isNoteOnOrOff()) << message.getDescription();
        if (isWheel (message))
        {
            EXPECT_GE (message.getControllerValue(), 1) << "at " << message.getTimeStamp() << " s";
            EXPECT_LE (message.getControllerValue(), 127);
        }
    }
}

TEST_P (EveryGesture, MovesTheWheelOnlyWhileTheGateIsOpen)
{
    const auto sequence = Gesture::create (GetParam());
    const bool hasNotes = juce::String (GetParam()) != "hold";

    int held = 0;
    int noteOns = 0;
    bool placed = false;
    for (const auto* event : sequence)
    {
        const auto& message = event->message;
        if (message.isNoteOn())
        {
            ++held;
            ++noteOns;
        }
        else if (message.isNoteOff())
        {
            --held;
        }
        else if (placed && hasNotes)
        {
            EXPECT_GT (held, 0) << "wheel moves with no note held at " << message.getTimeStamp() << " s";
        }
        placed = true;
    }

    EXPECT_EQ (held, 0) << "every note is released";
    EXPECT_EQ (noteOns > 0, hasNotes);
}

INSTANTIATE_TEST_SUITE_P (Names, EveryGesture, testing::Values ("scrape", "sweep", "hold"));

// Wheel speed in values per second between consecutive wheel events.
std::vector<double> wheelSpeeds (const juce::MidiMessageSequence& sequence)
{
    std::vector<double> speeds;
    const juce::MidiMessage* previous = nullptr;
    for (const auto* event : sequence)
    {
        if (! isWheel (event->message))
            continue;
        if (previous != nullptr)
            speeds.push_back (std::abs (event->message.getControllerValue() - previous->getControllerValue())
                              / (event->message.getTimeStamp() - previous->getTimeStamp()));
        previous = &event->message;
    }
    return speeds;
}

TEST (ScrapeGesture, LastsNineSecondsOrSoWithDifferentSpeedsAndRepeatedNotes)
{
    const auto sequence = Gesture::create ("scrape");
    EXPECT_GE (sequence.getEndTime(), 8.0);
    EXPECT_LE (sequence.getEndTime(), 10.0);

    const auto speeds = wheelSpeeds (sequence);
    const auto [slowest, fastest] = std::minmax_element (speeds.begin(), speeds.end());
    EXPECT_GT (*fastest, 4.0 * *slowest);

    int noteOns = 0;
    for (const auto* event : sequence)
        noteOns += event->message.isNoteOn() ? 1 : 0;
    EXPECT_GE (noteOns, 3);
}

TEST (HoldGesture, MovesTheWheelExactlyAsTheScrapeDoes)
{
    const auto scrape = Gesture::create ("scrape");
    const auto hold = Gesture::create ("hold");

    std::vector<std::pair<double, int>> scrapeWheel, holdWheel;
    for (const auto* event : scrape)
        if (isWheel (event->message))
            scrapeWheel.emplace_back (event->message.getTimeStamp(), event->message.getControllerValue());
    for (const auto* event : hold)
        holdWheel.emplace_back (event->message.getTimeStamp(), event->message.getControllerValue());

    EXPECT_EQ (holdWheel, scrapeWheel);
}

TEST (SweepGesture, GoesFromTheFirstRidgeToTheLastAndBack)
{
    std::vector<int> values;
    for (const auto* event : Gesture::create ("sweep"))
        if (isWheel (event->message))
            values.push_back (event->message.getControllerValue());

    ASSERT_FALSE (values.empty());
    const auto top = std::max_element (values.begin(), values.end());
    EXPECT_EQ (values.front(), 1);
    EXPECT_EQ (*top, 127);
    EXPECT_EQ (values.back(), 1);
    EXPECT_TRUE (std::is_sorted (values.begin(), top + 1));
    EXPECT_TRUE (std::is_sorted (top, values.end(), std::greater<>()));
}

TEST (GestureNames, AnUnknownNameIsAnError)
{
    EXPECT_THROW (Gesture::create ("wobble"), std::runtime_error);
}

// MIDI files: the gestures survive a write and a read; other tracks and tempos are merged in.
TEST (MidiFileRoundTrip, KeepsEveryEventWithinATick)
{
    const juce::TemporaryFile file (".mid");
    const auto original = Gesture::create ("scrape");
    MidiFiles::write (original, file.getFile());

    const auto readBack = MidiFiles::read (file.getFile());
    ASSERT_EQ (readBack.getNumEvents(), original.getNumEvents());
    for (int i = 0; i < original.getNumEvents(); ++i)
    {
        const auto& expected = original.getEventPointer (i)->message;
        const auto& actual = readBack.getEventPointer (i)->message;
        EXPECT_EQ (actual.getDescription(), expected.getDescription()) << "event " << i;
        EXPECT_NEAR (actual.getTimeStamp(), expected.getTimeStamp(), 0.001) << "event " << i;
    }
}

TEST (MidiFileRead, MergesTracksInSecondsAtTheFilesTempoWithoutMetaEvents)
{
    // 480 ticks per beat at 60 beats per minute: one beat is a second.
    juce::MidiMessageSequence tempoTrack;
    tempoTrack.addEvent (juce::MidiMessage::tempoMetaEvent (1000000), 0.0);
    juce::MidiMessageSequence notes;
    notes.addEvent (juce::MidiMessage::noteOn (2, 64, (juce::uint8) 100), 480.0);
    notes.addEvent (juce::MidiMessage::controllerEvent (2, 1, 90), 720.0);
    notes.addEvent (juce::MidiMessage::noteOff (2, 64), 960.0);

    juce::MidiFile midiFile;
    midiFile.setTicksPerQuarterNote (480);
    midiFile.addTrack (tempoTrack);
    midiFile.addTrack (notes);

    const juce::TemporaryFile file (".mid");
    {
        juce::FileOutputStream stream (file.getFile());
        ASSERT_TRUE (midiFile.writeTo (stream, 1));
    }

    const auto sequence = MidiFiles::read (file.getFile());
    ASSERT_EQ (sequence.getNumEvents(), 3);
    EXPECT_TRUE (sequence.getEventPointer (0)->message.isNoteOn());
    EXPECT_NEAR (sequence.getEventPointer (0)->message.getTimeStamp(), 1.0, 1.0e-9);
    EXPECT_NEAR (sequence.getEventPointer (1)->message.getTimeStamp(), 1.5, 1.0e-9);
    EXPECT_NEAR (sequence.getEventPointer (2)->message.getTimeStamp(), 2.0, 1.0e-9);
}

TEST (MidiFileRead, MissingAndMalformedFilesAreErrors)
{
    const juce::TemporaryFile garbage (".mid");
    ASSERT_TRUE (garbage.getFile().replaceWithText ("MThd but not really a MIDI file"));

    EXPECT_THROW (MidiFiles::read (garbage.getFile()), std::runtime_error);
    EXPECT_THROW (MidiFiles::read (garbage.getFile().getSiblingFile ("no-such.mid")), std::runtime_error);
}
} // namespace
