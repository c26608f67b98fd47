#include "ScrapePerformance.h"

#include <algorithm>
#include <cmath>

#include "QVInstrument.h"

namespace
{
constexpr int speedRampLength = 256;
constexpr int positionRampLength = 2048;
constexpr float maximumSpeed = 0.9999f;
constexpr float perMidiStep = 0.0078125f; // 1 / 128
} // namespace

ScrapePerformance::ScrapePerformance (int pressures, int clicks)
    : numPressures (pressures),
      numClicks (clicks),
      positionEvents ((size_t) maxBlockSize, -1),
      noteEvents ((size_t) maxBlockSize, -1)
{
    speedRamp.rampLength = speedRampLength;
    positionRamp.rampLength = positionRampLength;
}

void ScrapePerformance::prepare() noexcept
{
    lastPositionSample = 0;
    sampleCounter = 0;
    firstPositionEvent = true;
}

void ScrapePerformance::setHoldNote (bool on) noexcept
{
    holdNote = on;
    holdNoteShared.store (on, std::memory_order_relaxed);
}

void ScrapePerformance::scanEvents (const juce::MidiBuffer& midi, int firstSample, int numSamples) noexcept
{
    numSamples = std::clamp (numSamples, 0, maxBlockSize);
    std::fill_n (positionEvents.begin(), numSamples, -1);
    std::fill_n (noteEvents.begin(), numSamples, -1);

    // The raw bytes are read directly: building a juce::MidiMessage would allocate for long events.
    for (const auto event : midi)
    {
        const auto index = event.samplePosition - firstSample;
        if (index < 0 || index >= numSamples || event.numBytes < 3)
            continue;

        const auto status = event.data[0] & 0xF0;
        const int data1 = event.data[1];
        const int data2 = std::min<int> (event.data[2], 127);

        if (status == 0x90 && data2 > 0)
            noteEvents[(size_t) index] = data2;
        else if (status == 0x80 || status == 0x90)
            noteEvents[(size_t) index] = 0;
        else if (status == 0xB0 && data1 == 1)
            positionEvents[(size_t) index] = data2;
    }
}

void ScrapePerformance::positionEvent (int value) noexcept
{
    const auto pos = (float) value * perMidiStep;
    const auto interval = (double) (sampleCounter - lastPositionSample);
    const auto distance = (double) std::abs (pos - lastPosition);

    // An event on the clock's first sample that repeats the last position has no movement (0 / 0):
    // it counts as standing still.
    const auto movement = distance == 0.0 ? 0.0 : distance / interval * 3000.0;
    auto speed = (double) (lastVelocity * 0.4f) + movement;
    speed = std::clamp (speed, 0.0, (double) maximumSpeed);

    lastPosition = pos;
    lastPositionSample = sampleCounter;

    if (firstPositionEvent)
    {
        speedRamp.setTarget ((float) speed);
        speedRamp.snap (speedRampLength);
        positionRamp.setTarget (pos);
        positionRamp.snap (positionRampLength);
    }
    else
    {
        speedRamp.setTarget ((float) speed);
        positionRamp.setTarget (pos);
    }
}

void ScrapePerformance::run (QVInstrument& target, int numSamples) noexcept
{
    numSamples = std::clamp (numSamples, 0, maxBlockSize);

    for (int i = 0; i < numSamples; ++i)
    {
        if (const auto value = positionEvents[(size_t) i]; value > 0)
            positionEvent (value);

        auto held = heldNotes;
        if (const auto velocity = noteEvents[(size_t) i]; velocity > 0)
        {
            heldNotes = ++held;
            lastVelocity = (float) velocity * perMidiStep;
            noteStarted = true;
        }
        else if (velocity == 0)
        {
            --held; // the unclamped count decides the gate at this sample
            heldNotes = std::max (held, 0);
        }

        auto pressure = speedRamp.next();
        if (noteStarted)
            pressure = lastVelocity;

        const auto before = (int) (positionRamp.currentValue * (float) numClicks);
        const auto after = (int) (positionRamp.next() * (float) numClicks);

        if ((before != after || noteStarted) && (held > 0 || holdNote))
        {
            const auto instrument = 1 + (int) ((float) numPressures * pressure);
            target.triggerClick (instrument, after + 1, i);
            noteStarted = false;
        }

        ++sampleCounter;
    }

    firstPositionEvent = false;
    publish();
}

void ScrapePerformance::publish() noexcept
{
    heldNotesShared.store (heldNotes, std::memory_order_relaxed);
    positionTargetShared.store (positionRamp.target, std::memory_order_relaxed);
}
