#include "Gesture.h"

#include <cmath>

#include "HostError.h"

namespace Gesture
{
namespace
{
constexpr int wheelController = 1;
constexpr int channel = 1;
constexpr int noteNumber = 60;

// Wheel events come no closer than a real controller sends them.
constexpr double minimumEventSpacing = 0.005;

class Performance
{
public:
    explicit Performance (bool withNotes) : playsNotes (withNotes) {}

    void placeWheel (double time, int value)
    {
        wheel = value;
        addWheelEvent (time, value);
    }

    // Moves the wheel in even steps from where it is to target over the given time.
    void moveWheel (double start, double duration, int target)
    {
        const auto from = wheel;
        const auto distance = std::abs (target - from);
        if (distance == 0)
            return;

        const auto steps = juce::jmax (1, juce::jmin (distance, (int) std::floor (duration / minimumEventSpacing)));

        for (int step = 1; step <= steps; ++step)
        {
            const auto value = from + (int) std::lround ((double) (target - from) * step / steps);
            if (value != wheel)
                addWheelEvent (start + duration * step / steps, value);
            wheel = value;
        }
    }

    void noteOn (double time, int velocity)
    {
        if (playsNotes)
            sequence.addEvent (juce::MidiMessage::noteOn (channel, noteNumber, (juce::uint8) velocity), time);
    }

    void noteOff (double time)
    {
        if (playsNotes)
            sequence.addEvent (juce::MidiMessage::noteOff (channel, noteNumber), time);
    }

    juce::MidiMessageSequence take()
    {
        sequence.sort();
        sequence.updateMatchedPairs();
        return std::move (sequence);
    }

private:
    void addWheelEvent (double time, int value)
    {
        jassert (value >= 1 && value <= 127);
        sequence.addEvent (juce::MidiMessage::controllerEvent (channel, wheelController, value), time);
    }

    bool playsNotes;
    int wheel = 1;
    juce::MidiMessageSequence sequence;
};

// About nine seconds: slow, fast and flicking strokes, and a few re-struck notes in between.
juce::MidiMessageSequence scrape (bool withNotes)
{
    Performance p (withNotes);
    p.placeWheel (0.0, 20);
    p.noteOn (0.1, 90);
    p.moveWheel (0.4, 2.0, 110);   // slow stroke up
    p.moveWheel (2.5, 0.5, 30);    // fast stroke down
    p.moveWheel (3.1, 0.5, 70);

    // Re-struck notes while the stick rests: one click each, pressure from the velocity.
    p.noteOff (3.8);
    p.noteOn (3.9, 50);
    p.noteOff (4.1);
    p.noteOn (4.2, 100);
    p.noteOff (4.4);
    p.noteOn (4.5, 125);

    p.moveWheel (4.7, 0.15, 127);  // flicks: the hardest pressures
    p.moveWheel (4.95, 0.15, 10);
    p.moveWheel (5.3, 0.5, 64);
    p.moveWheel (5.9, 0.15, 40);
    p.moveWheel (6.1, 0.2, 90);
    p.moveWheel (6.5, 2.0, 1);     // long slow stroke down to the first ridge
    p.noteOff (8.7);
    return p.take();
}

juce::MidiMessageSequence sweep()
{
    Performance p (true);
    p.placeWheel (0.0, 1);
    p.noteOn (0.1, 80);
    p.moveWheel (0.3, 1.5, 127);
    p.moveWheel (1.9, 1.5, 1);
    p.noteOff (3.6);
    return p.take();
}
} // namespace

juce::StringArray names()
{
    return { "scrape", "sweep", "hold" };
}

juce::MidiMessageSequence create (const juce::String& name)
{
    if (name == "scrape")
        return scrape (true);
    if (name == "sweep")
        return sweep();
    if (name == "hold")
        return scrape (false);

    throw UsageError ("unknown gesture \"" + name + "\" (gestures: " + names().joinIntoString (", ") + ")");
}
} // namespace Gesture
