#pragma once

#include <cstdint>

// Something that plays clicks from MIDI-like messages, with sample offsets inside the current block.
class QVInstrument
{
public:
    virtual ~QVInstrument() = default;

    virtual void processMidiMessage (uint8_t status, uint8_t data1, uint8_t data2, int sampleOffset) = 0;
    virtual void triggerClick (int instrument, int slot, int sampleOffset) = 0;
};
