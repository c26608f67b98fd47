#include "RoomStage.h"

#include <algorithm>
#include <cmath>

#include "EffectLimits.h"

namespace
{
    constexpr int32_t preparedRampLength = 256;

    // Written so that NaN counts as 0.
    float parameterValue (float v) noexcept
    {
        return v > 0.0f ? std::min (v, 1.0f) : 0.0f;
    }

    float outputGainFor (float outputLevel) noexcept { return 2.0f * parameterValue (outputLevel); }
    float roomGainFor (float roomLevel) noexcept { return 4.0f * parameterValue (roomLevel); }
}

RoomStage::RoomStage (const void* impulseResponseWav, size_t numBytes)
{
    roomBuffers.clear();

    if (impulseResponseWav != nullptr && numBytes > 0)
        convolution.loadImpulseResponse (impulseResponseWav, numBytes, juce::dsp::Convolution::Stereo::yes,
                                         juce::dsp::Convolution::Trim::no, 0,
                                         juce::dsp::Convolution::Normalise::yes);
}

void RoomStage::prepare (double rate, int maxBlockSize, float outputLevel, float roomLevel)
{
    rate = safeSampleRate (rate);
    convolutionBlockSize = std::clamp (maxBlockSize, 1, roomBufferSize);

    convolution.prepare ({ rate, (juce::uint32) convolutionBlockSize, 2 });
    convolution.reset();

    outputGain.setTarget (outputGainFor (outputLevel));
    outputGain.snap (preparedRampLength);
    roomGain.setTarget (roomGainFor (roomLevel));
    roomGain.snap (preparedRampLength);
}

void RoomStage::setBlockParameters (int numSamples, float outputLevel, float roomLevel) noexcept
{
    const auto length = std::max (numSamples, 0);

    outputGain.rampLength = length;
    outputGain.setTarget (outputGainFor (outputLevel));
    roomGain.rampLength = length;
    roomGain.setTarget (roomGainFor (roomLevel));
}

void RoomStage::process (float* outLeft, float* outRight, int numSamples) noexcept
{
    const auto n = std::clamp (numSamples, 0, roomBufferSize);
    auto* roomLeft = roomBuffers.getWritePointer (0);
    auto* roomRight = roomBuffers.getWritePointer (1);

    // One NaN would stay in the convolution's overlap buffers for good.
    for (int i = 0; i < n; ++i)
    {
        roomLeft[i] = safeSample (roomLeft[i]);
        roomRight[i] = safeSample (roomRight[i]);
    }

    // The convolution's buffers are sized for the block size it was prepared with.
    if (convolutionBlockSize > 0)
    {
        juce::dsp::AudioBlock<float> room (roomBuffers);

        for (int start = 0; start < n; start += convolutionBlockSize)
        {
            auto slice = room.getSubBlock ((size_t) start, (size_t) std::min (convolutionBlockSize, n - start));
            convolution.process (juce::dsp::ProcessContextReplacing<float> (slice));
        }
    }

    for (int i = 0; i < n; ++i)
    {
        const auto r = roomGain.next();
        const auto g = outputGain.next();
        outLeft[i] = (outLeft[i] + roomLeft[i] * r) * g;
        outRight[i] = (outRight[i] + roomRight[i] * r) * g;
    }
}
