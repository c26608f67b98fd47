#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include <juce_audio_basics/juce_audio_basics.h>

#include "LinearRamp.h"

class QVInstrument;

// Turns the player's MIDI into ridge clicks. The modulation wheel (controller 1) is the stick's
// position along the ridges; every ridge it passes plays one click, with a pressure taken from the
// wheel's speed. Notes gate the clicks, and every note-on plays one click at the current ridge.
class ScrapePerformance
{
public:
    static constexpr int maxBlockSize = 10000;

    ScrapePerformance (int numPressures, int numClicks);

    // Restarts the sample clock; the next position event moves the stick without a ramp.
    void prepare() noexcept;

    void setHoldNote (bool on) noexcept;

    // Files the events of samples [firstSample, firstSample + numSamples) of the buffer into the
    // per-sample arrays; events outside that range are dropped. numSamples is at most maxBlockSize.
    void scanEvents (const juce::MidiBuffer& midi, int firstSample, int numSamples) noexcept;

    // Runs the trigger loop over the scanned samples and starts their clicks on the instrument.
    void run (QVInstrument& instrument, int numSamples) noexcept;

    // Published for the editor, which reads them on the message thread.
    bool isHoldNoteOn() const noexcept { return holdNoteShared.load (std::memory_order_relaxed); }
    int getHeldNotes() const noexcept { return heldNotesShared.load (std::memory_order_relaxed); }
    float getPositionTarget() const noexcept { return positionTargetShared.load (std::memory_order_relaxed); }

    const int numPressures;
    const int numClicks;

    std::vector<int32_t> positionEvents; // per sample: the controller-1 value, or -1
    std::vector<int32_t> noteEvents;     // per sample: note-on velocity, 0 for a note-off, or -1
    LinearRamp speedRamp;
    LinearRamp positionRamp;
    float lastVelocity = 0.0f;
    float lastPosition = 0.0f;
    uint64_t lastPositionSample = 0;
    bool noteStarted = false;
    bool holdNote = false;
    int32_t heldNotes = 0;
    uint64_t sampleCounter = 0;
    bool firstPositionEvent = true;

private:
    void positionEvent (int value) noexcept;
    void publish() noexcept;

    std::atomic<bool> holdNoteShared { false };
    std::atomic<int> heldNotesShared { 0 };
    std::atomic<float> positionTargetShared { 0.0f };
};
