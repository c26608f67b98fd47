#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/QVInstrument.h"
#include "engine/ScrapePerformance.h"

namespace
{
struct Start
{
    int instrument, slot, offset;
    bool operator== (const Start& o) const { return std::tie (instrument, slot, offset) == std::tie (o.instrument, o.slot, o.offset); }
};

std::ostream& operator<< (std::ostream& os, const Start& s)
{
    return os << "{inst " << s.instrument << ", slot " << s.slot << ", at " << s.offset << "}";
}

// Records every click the performance starts, with the sample offset in its block.
struct RecordingInstrument : QVInstrument
{
    std::vector<Start> starts;
    int blockStart = 0;

    void processMidiMessage (uint8_t, uint8_t, uint8_t, int) override {}
    void triggerClick (int instrument, int slot, int offset) override { starts.push_back ({ instrument, slot, blockStart + offset }); }
};

struct ScrapeFixture : ::testing::Test
{
    ScrapePerformance performance { 6, 36 };
    RecordingInstrument clicks;
    juce::MidiBuffer midi;
    int clock = 0; // samples since the first block, for offsets across blocks

    void noteOn (int at, int velocity = 100) { midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) velocity), at); }
    void noteOff (int at) { midi.addEvent (juce::MidiMessage::noteOff (1, 60), at); }
    void wheel (int at, int value) { midi.addEvent (juce::MidiMessage::controllerEvent (1, 1, value), at); }

    void block (int numSamples)
    {
        clicks.blockStart = clock;
        performance.scanEvents (midi, 0, numSamples);
        performance.run (clicks, numSamples);
        midi.clear();
        clock += numSamples;
    }

    // Places the stick on the first ridge (value 1), optionally pressing a key there, and forgets
    // the clicks so far: the start of every sweep test.
    void placeStickAtTheBottom (bool pressKey)
    {
        wheel (0, 1);
        block (256);
        if (pressKey)
            noteOn (0);
        block (1);
        clicks.starts.clear();
    }

    std::vector<int> slots() const
    {
        std::vector<int> s;
        for (auto& start : clicks.starts)
            s.push_back (start.slot);
        return s;
    }

    static std::vector<int> range (int first, int last)
    {
        std::vector<int> r;
        for (int i = first; i <= last; ++i)
            r.push_back (i);
        return r;
    }
};

TEST_F (ScrapeFixture, NoteOnPlaysOneClickAtTheRidgeUnderTheStick)
{
    wheel (0, 64); // the first position event places the stick at 0.5 without a click
    block (64);
    ASSERT_TRUE (clicks.starts.empty());

    noteOn (100, 100);
    block (512);
    // Velocity 100 is pressure 100/128: instrument 1 + trunc(6 * 0.78) = 5; ridge trunc(0.5 * 36) + 1.
    EXPECT_EQ (clicks.starts, (std::vector<Start> { { 5, 19, 64 + 100 } }));
}

TEST_F (ScrapeFixture, AWheelSweepPlaysEveryRidgeInOrderWithin2048Samples)
{
    placeStickAtTheBottom (true);

    wheel (0, 127);
    block (2048);
    EXPECT_EQ (slots(), range (2, 36));

    // Fast movement presses hard; every click of the sweep comes from the top pressures.
    for (auto& start : clicks.starts)
        EXPECT_GE (start.instrument, 5);

    clicks.starts.clear();
    block (4096);
    EXPECT_TRUE (clicks.starts.empty());
}

struct GateCase
{
    const char* name;
    bool hold;
    bool note;
    int expectedClicks;
};

class ScrapeGate : public ScrapeFixture, public ::testing::WithParamInterface<GateCase> {};

TEST_P (ScrapeGate, TheWheelSoundsOnlyWhileANoteIsHeldOrHoldNoteIsOn)
{
    const auto& c = GetParam();
    performance.setHoldNote (c.hold);
    placeStickAtTheBottom (c.note);

    wheel (0, 127);
    block (2048);
    EXPECT_EQ ((int) clicks.starts.size(), c.expectedClicks);
    // The ramps move whether or not anything sounds.
    EXPECT_FLOAT_EQ (performance.positionRamp.currentValue, 127.0f / 128.0f);
}

INSTANTIATE_TEST_SUITE_P (Gate, ScrapeGate,
                          ::testing::Values (GateCase { "note", false, true, 35 },
                                             GateCase { "hold", true, false, 35 },
                                             GateCase { "neither", false, false, 0 }),
                          [] (const auto& info) { return std::string (info.param.name); });

TEST_F (ScrapeFixture, TheGateCountsNotesAndNeverGoesBelowZero)
{
    noteOn (0);
    noteOn (1);
    block (8);
    EXPECT_EQ (performance.heldNotes, 2);

    noteOff (0);
    block (8);
    EXPECT_EQ (performance.heldNotes, 1);

    noteOff (0);
    block (8);
    EXPECT_EQ (performance.heldNotes, 0);

    noteOff (0);
    block (8);
    EXPECT_EQ (performance.heldNotes, 0);
    EXPECT_EQ (performance.getHeldNotes(), 0);

    clicks.starts.clear();
    wheel (0, 100);
    block (4096);
    EXPECT_TRUE (clicks.starts.empty());
}

TEST_F (ScrapeFixture, TheLaterEventAtTheSameSampleWins)
{
    noteOn (10);
    noteOff (10);
    block (64);
    EXPECT_TRUE (clicks.starts.empty());
    EXPECT_EQ (performance.heldNotes, 0);

    noteOff (10);
    noteOn (10, 30);
    block (64);
    ASSERT_EQ (clicks.starts.size(), 1u);
    EXPECT_EQ (performance.heldNotes, 1);
}

TEST_F (ScrapeFixture, ANoteOnAtARidgeCrossingPlaysOneClickWithTheVelocitysPressure)
{
    // A sweep under Hold Note, with a slow-velocity note-on at a given sample of its second block.
    const auto sweep = [] (int noteAt)
    {
        ScrapePerformance p { 6, 36 };
        RecordingInstrument r;
        juce::MidiBuffer m;
        p.setHoldNote (true);
        m.addEvent (juce::MidiMessage::controllerEvent (1, 1, 1), 0);
        p.scanEvents (m, 0, 256);
        p.run (r, 256);
        m.clear();
        m.addEvent (juce::MidiMessage::controllerEvent (1, 1, 127), 0);
        if (noteAt >= 0)
            m.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 10), noteAt);
        p.scanEvents (m, 0, 512);
        p.run (r, 512);
        return r.starts;
    };

    const auto plain = sweep (-1);
    ASSERT_GE (plain.size(), 2u);
    const auto crossing = plain[1].offset;

    const auto withNote = sweep (crossing);
    ASSERT_EQ (withNote.size(), plain.size());
    EXPECT_EQ (withNote[1].offset, crossing);
    EXPECT_EQ (withNote[1].slot, plain[1].slot);
    EXPECT_EQ (withNote[1].instrument, 1); // velocity 10: pressure 1
    EXPECT_NE (plain[1].instrument, 1);
}

TEST_F (ScrapeFixture, ARampThatEndsOnARidgeBoundaryPlaysOneClickNotOnePerSample)
{
    performance.setHoldNote (true);
    wheel (0, 1);
    block (256);
    // A ramp redirected after one sample sums inexact steps; it must still come to rest on
    // 32/128 * 36 = 9, a ridge boundary, instead of just below it.
    wheel (0, 8);
    wheel (1, 32);
    block (4096);
    EXPECT_EQ (slots(), range (2, 10));

    block (8192);
    EXPECT_EQ (slots(), range (2, 10));
}

TEST_F (ScrapeFixture, EventsOutsideTheScannedRangeAreDropped)
{
    midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 70);
    midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 5);
    performance.scanEvents (midi, 10, 50); // samples 10 to 59 of the host's block
    performance.run (clicks, 50);
    EXPECT_TRUE (clicks.starts.empty());
    EXPECT_EQ (performance.heldNotes, 0);
}

TEST_F (ScrapeFixture, ControllerZeroAndOtherMessagesAreIgnored)
{
    performance.setHoldNote (true);
    wheel (0, 64);
    block (16);
    midi.addEvent (juce::MidiMessage::controllerEvent (1, 1, 0), 0);
    midi.addEvent (juce::MidiMessage::controllerEvent (1, 7, 10), 1);
    midi.addEvent (juce::MidiMessage::pitchWheel (1, 0), 2);
    const uint8_t sysex[] = { 0xF0, 0x7E, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0xF7 };
    midi.addEvent (sysex, (int) sizeof (sysex), 3);
    block (4096);
    EXPECT_TRUE (clicks.starts.empty());
    EXPECT_FLOAT_EQ (performance.getPositionTarget(), 0.5f);
}

TEST_F (ScrapeFixture, ARepeatedPositionOnTheClocksFirstSampleReadsAsStandingStill)
{
    noteOn (0, 64);
    block (4);
    performance.prepare();
    wheel (0, 0 + 1);
    block (4); // lastPosition was 0, so this moves: infinite speed, capped
    EXPECT_FLOAT_EQ (performance.speedRamp.target, 0.9999f);

    performance.prepare();
    wheel (0, 1); // the same position again on the first sample: 0 / 0
    block (4);
    EXPECT_FLOAT_EQ (performance.speedRamp.target, 0.5f * 0.4f);
}
} // namespace
