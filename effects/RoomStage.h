#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_dsp/juce_dsp.h>

#include "../engine/LinearRamp.h"

// The room path and the output stage. The block copy fills the two room buffers with the uncompressed
// mix; process() convolves them in place with the room response and mixes them into the dry output:
// out = (dry + room · roomGain) · outputGain, both gains ramped per block.
class RoomStage
{
public:
    // Samples per channel of the room buffers: the longest block process() accepts.
    static constexpr int roomBufferSize = 10000;

    // The convolution partitions the response non-uniformly: a head of this many samples at the host's
    // block size, the rest in partitions of this size. Still zero latency, several times cheaper than
    // uniform partitions at small blocks (BM_RoomStage), and the same result to float rounding.
    static constexpr int convolutionHeadSize = 2048;

    // Queues the load of a stereo WAV response; the bytes must outlive this object.
    RoomStage (const void* impulseResponseWav, size_t numBytes);

    // Message thread or audio thread while stopped: allocates inside the convolution.
    void prepare (double rate, int maxBlockSize, float outputLevel, float roomLevel);

    // Once per block, before process(): a changed level ramps over exactly numSamples samples.
    void setBlockParameters (int numSamples, float outputLevel, float roomLevel) noexcept;

    // Channel 0 is left, 1 right; roomBufferSize samples each.
    float* getRoomBuffer (int channel) noexcept { return roomBuffers.getWritePointer (channel & 1); }

    void process (float* outLeft, float* outRight, int numSamples) noexcept;

    const LinearRamp& getOutputGain() const noexcept { return outputGain; }
    const LinearRamp& getRoomGain() const noexcept { return roomGain; }

private:
    juce::dsp::Convolution convolution { juce::dsp::Convolution::NonUniform { convolutionHeadSize } };
    juce::AudioBuffer<float> roomBuffers { 2, roomBufferSize };
    LinearRamp outputGain, roomGain;
    int convolutionBlockSize = 0; // 0 until prepared

    JUCE_DECLARE_NON_COPYABLE (RoomStage)
};
