#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <thread>
#include <vector>

#include "ImpulseResponseWav.h"
#include "effects/RoomStage.h"
#include "support/AllocationCounter.h"

namespace
{
using Signal = std::function<float (int n, int channel)>;

const Signal silence = [] (int, int) { return 0.0f; };
const Signal ones = [] (int, int) { return 1.0f; };
const Signal impulse = [] (int n, int) { return n == 0 ? 1.0f : 0.0f; };

Signal noise (int64_t seed)
{
    return [seed] (int n, int channel) { return 2.0f * juce::Random (seed * 100003 + n * 2 + channel).nextFloat() - 1.0f; };
}

struct Stereo
{
    std::vector<float> left, right;
};

// A room stage with its response and output buffers. The loader normalises a unit impulse to 0.125.
struct RoomRig
{
    static constexpr float normalisedUnit = 0.125f;

    juce::MemoryBlock response;
    RoomStage stage;
    int maxBlockSize;
    double rate = 44100.0;

    explicit RoomRig (juce::MemoryBlock wav, int maxBlock = 256)
        : response (std::move (wav)), stage (response.getData(), response.getSize()), maxBlockSize (maxBlock)
    {
    }

    void prepare (float outputLevel, float roomLevel) { stage.prepare (rate, maxBlockSize, outputLevel, roomLevel); }

    // One block as the processor runs it: parameters, the copy into the room buffers, then the stage.
    Stereo process (int numSamples, float outputLevel, float roomLevel, const Signal& dry, const Signal& room)
    {
        Stereo out { std::vector<float> ((size_t) numSamples), std::vector<float> ((size_t) numSamples) };
        for (int n = 0; n < numSamples; ++n)
        {
            out.left[(size_t) n] = dry (n, 0);
            out.right[(size_t) n] = dry (n, 1);
            stage.getRoomBuffer (0)[n] = room (n, 0);
            stage.getRoomBuffer (1)[n] = room (n, 1);
        }

        stage.setBlockParameters (numSamples, outputLevel, roomLevel);
        stage.process (out.left.data(), out.right.data(), numSamples);
        return out;
    }

    // The response loads in the background; until then the room passes its input through. Waits until
    // an impulse comes out changed, then prepares again so that every test starts from clean state.
    bool prepareWithLoadedResponse (float outputLevel, float roomLevel)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds (10);
        prepare (0.5f, 0.25f);

        while (std::chrono::steady_clock::now() < deadline)
        {
            const auto out = process (maxBlockSize, 0.5f, 0.25f, silence, impulse);
            if (std::abs (out.left[0] - 1.0f) > 1.0e-3f)
            {
                prepare (outputLevel, roomLevel);
                return true;
            }
            std::this_thread::sleep_for (std::chrono::milliseconds (5));
        }

        return false;
    }
};

void expectOutput (const Stereo& out, const std::function<float (int n, int channel)>& expected, float tolerance)
{
    for (size_t n = 0; n < out.left.size(); ++n)
    {
        ASSERT_NEAR (out.left[n], expected ((int) n, 0), tolerance) << n;
        ASSERT_NEAR (out.right[n], expected ((int) n, 1), tolerance) << n;
    }
}

TEST (RoomStageTest, RoomLevelZeroGivesTheDryPathTimesTheOutputGain)
{
    RoomRig rig (ImpulseResponseWav::decayingNoise (4410, 44100));
    ASSERT_TRUE (rig.prepareWithLoadedResponse (0.35f, 0.0f));

    const auto dry = noise (1);
    for (int block = 0; block < 3; ++block)
        expectOutput (rig.process (256, 0.35f, 0.0f, dry, noise (2)), [&] (int n, int c) { return dry (n, c) * 0.7f; }, 0.0f);
}

TEST (RoomStageTest, OutputLevelZeroGivesSilence)
{
    RoomRig rig (ImpulseResponseWav::decayingNoise (4410, 44100));
    ASSERT_TRUE (rig.prepareWithLoadedResponse (0.0f, 1.0f));

    for (int block = 0; block < 3; ++block)
        expectOutput (rig.process (256, 0.0f, 1.0f, noise (3), noise (4)), silence, 0.0f);
}

TEST (RoomStageTest, DefaultsAddTwiceTheRoomToTheDryPath)
{
    RoomRig rig (ImpulseResponseWav::unitImpulse (64, 44100));
    ASSERT_TRUE (rig.prepareWithLoadedResponse (0.5f, 0.5f));

    const auto dry = noise (5), room = noise (6);
    expectOutput (rig.process (256, 0.5f, 0.5f, dry, room),
                  [&] (int n, int c) { return dry (n, c) + 2.0f * RoomRig::normalisedUnit * room (n, c); }, 1.0e-6f);
}

TEST (RoomStageTest, ChangedLevelsRampLinearlyOverExactlyTheBlock)
{
    struct Case
    {
        const char* name;
        float outputFrom, roomFrom, outputTo, roomTo;
        Signal dry, room;
    };

    const Case cases[] {
        { "output level", 0.5f, 0.0f, 0.8f, 0.0f, ones, silence },
        { "room level", 0.5f, 0.25f, 0.5f, 0.75f, silence, ones },
        { "both, downwards", 0.9f, 1.0f, 0.1f, 0.5f, ones, ones },
    };

    constexpr int length = 100;

    for (const auto& c : cases)
    {
        RoomRig rig (ImpulseResponseWav::unitImpulse (64, 44100));
        ASSERT_TRUE (rig.prepareWithLoadedResponse (c.outputFrom, c.roomFrom));
        rig.process (64, c.outputFrom, c.roomFrom, c.dry, c.room);

        const auto ramp = [] (float from, float to, int n) { return from + (to - from) * (float) (n + 1) / (float) length; };
        const auto expected = [&] (float outputFrom, float roomFrom, int n, int channel)
        {
            const auto g = ramp (2.0f * outputFrom, 2.0f * c.outputTo, n);
            const auto r = ramp (4.0f * roomFrom, 4.0f * c.roomTo, n);
            return (c.dry (n, channel) + RoomRig::normalisedUnit * c.room (n, channel) * r) * g;
        };

        const auto during = rig.process (length, c.outputTo, c.roomTo, c.dry, c.room);
        SCOPED_TRACE (c.name);
        expectOutput (during, [&] (int n, int channel) { return expected (c.outputFrom, c.roomFrom, n, channel); }, 1.0e-5f);

        expectOutput (rig.process (64, c.outputTo, c.roomTo, c.dry, c.room),
                      [&] (int n, int channel) { return expected (c.outputTo, c.roomTo, n, channel); }, 1.0e-6f);
    }
}

TEST (RoomStageTest, ZeroSampleBlockSetsTheNewLevelsWithoutARamp)
{
    RoomRig rig (ImpulseResponseWav::unitImpulse (64, 44100));
    ASSERT_TRUE (rig.prepareWithLoadedResponse (0.5f, 0.5f));

    rig.process (0, 0.25f, 0.75f, ones, ones);
    expectOutput (rig.process (64, 0.25f, 0.75f, ones, ones),
                  [] (int, int) { return (1.0f + RoomRig::normalisedUnit * 3.0f) * 0.5f; }, 1.0e-6f);
}

TEST (RoomStageTest, TailKeepsSoundingAfterTheInputStops)
{
    constexpr int responseLength = 2205;

    // Also when the room was muted while the input played: the convolution runs at every level.
    for (const auto roomLevelDuringInput : { 0.5f, 0.0f })
    {
        RoomRig rig (ImpulseResponseWav::decayingNoise (responseLength, 44100));
        ASSERT_TRUE (rig.prepareWithLoadedResponse (0.5f, roomLevelDuringInput));
        rig.process (256, 0.5f, roomLevelDuringInput, silence, impulse);

        double tailEnergy = 0.0, energyAfterTail = 0.0;
        for (int block = 1; block < 16; ++block)
        {
            const auto out = rig.process (256, 0.5f, 0.5f, silence, silence);
            for (int n = 0; n < 256; ++n)
            {
                const auto position = block * 256 + n;
                const auto energy = (double) out.left[(size_t) n] * out.left[(size_t) n];
                if (position < 2000)
                    tailEnergy += energy;
                else if (position >= responseLength)
                    energyAfterTail += energy;
            }
        }

        EXPECT_GT (tailEnergy, 1.0e-4) << roomLevelDuringInput;
        EXPECT_LT (energyAfterTail, 1.0e-9) << roomLevelDuringInput;
    }
}

TEST (RoomStageTest, UnreadableResponseLeavesTheRoomAPlainCopy)
{
    const char garbage[] = "definitely not a wave file, just some bytes";

    for (const auto& bytes : { juce::MemoryBlock (garbage, sizeof (garbage)), juce::MemoryBlock() })
    {
        RoomRig rig (bytes);
        rig.prepare (0.5f, 0.25f);
        std::this_thread::sleep_for (std::chrono::milliseconds (50));

        for (int block = 0; block < 4; ++block)
        {
            const auto room = noise (7 + block);
            expectOutput (rig.process (256, 0.5f, 0.25f, silence, room), room, 1.0e-6f);
        }
    }
}

TEST (RoomStageTest, NonFiniteRoomInputNeitherReachesTheOutputNorStaysInTheRoom)
{
    constexpr auto inf = std::numeric_limits<float>::infinity();
    constexpr auto nan = std::numeric_limits<float>::quiet_NaN();

    RoomRig rig (ImpulseResponseWav::unitImpulse (64, 44100));
    ASSERT_TRUE (rig.prepareWithLoadedResponse (0.5f, 0.5f));

    const auto bad = rig.process (256, 0.5f, 0.5f, silence, [] (int n, int c) { return n % 2 == 0 ? nan : (c == 0 ? inf : -1.0e38f); });
    for (size_t n = 0; n < bad.left.size(); ++n)
        ASSERT_TRUE (std::isfinite (bad.left[n]) && std::isfinite (bad.right[n])) << n;

    // The overlap of the clamped block leaves rounding noise for one more block, then the room is clean.
    const auto next = rig.process (256, 0.5f, 0.5f, silence, silence);
    for (size_t n = 0; n < next.left.size(); ++n)
        ASSERT_TRUE (std::abs (next.left[n]) < 0.01f && std::abs (next.right[n]) < 0.01f) << n;

    const auto room = noise (8);
    expectOutput (rig.process (256, 0.5f, 0.5f, silence, room),
                  [&] (int n, int c) { return 2.0f * RoomRig::normalisedUnit * room (n, c); }, 1.0e-6f);
}

TEST (RoomStageTest, BlocksLongerThanPreparedAreConvolvedInSlices)
{
    const auto response = ImpulseResponseWav::decayingNoise (4410, 44100);
    RoomRig sliced (response, 64), reference (response, 64);
    ASSERT_TRUE (sliced.prepareWithLoadedResponse (0.5f, 0.5f));
    ASSERT_TRUE (reference.prepareWithLoadedResponse (0.5f, 0.5f));

    const auto room = noise (9);
    const auto whole = sliced.process (1000, 0.5f, 0.5f, silence, room);

    for (int start = 0; start < 1000; start += 64)
    {
        const auto part = reference.process (std::min (64, 1000 - start), 0.5f, 0.5f, silence,
                                             [&] (int n, int c) { return room (start + n, c); });
        for (size_t n = 0; n < part.left.size(); ++n)
            ASSERT_NEAR (whole.left[(size_t) start + n], part.left[n], 1.0e-6f) << start + (int) n;
    }
}

TEST (RoomStageTest, NeverWritesBeyondTheRoomBufferLength)
{
    RoomRig rig (ImpulseResponseWav::unitImpulse (64, 44100), RoomStage::roomBufferSize);
    rig.prepare (0.25f, 0.0f);

    std::vector<float> left (RoomStage::roomBufferSize + 500, 1.0f), right (left);
    rig.stage.setBlockParameters ((int) left.size(), 0.25f, 0.0f);
    rig.stage.process (left.data(), right.data(), (int) left.size());

    EXPECT_EQ (left[RoomStage::roomBufferSize - 1], 0.5f);
    EXPECT_EQ (left[RoomStage::roomBufferSize], 1.0f);
    EXPECT_EQ (right.back(), 1.0f);
}

TEST (RoomStageTest, ProcessingAllocatesNothing)
{
    RoomRig rig (ImpulseResponseWav::decayingNoise (20384, 44100), 512);
    ASSERT_TRUE (rig.prepareWithLoadedResponse (0.5f, 0.5f));

    std::vector<float> left (512, 0.1f), right (512, -0.1f);

    AllocationCounter::Scope scope;
    for (int block = 0; block < 20; ++block)
    {
        const auto numSamples = 1 + block * 25;
        for (int channel = 0; channel < 2; ++channel)
            for (int n = 0; n < numSamples; ++n)
                rig.stage.getRoomBuffer (channel)[n] = 0.5f;

        rig.stage.setBlockParameters (numSamples, 0.05f * (float) block, 1.0f - 0.05f * (float) block);
        rig.stage.process (left.data(), right.data(), numSamples);
    }
    EXPECT_EQ (scope.count(), 0u);
}
} // namespace

namespace
{
TEST (RoomStageTest, ConvolvesLikeTheUniformlyPartitionedConvolution)
{
    const auto response = ImpulseResponseWav::decayingNoise (20384, 44100);
    constexpr int length = 48000;
    const auto input = noise (10);

    for (const auto rate : { 44100.0, 48000.0 })
    {
        for (const auto blockSize : { 32, 100, 1024 })
        {
            RoomRig rig (response, blockSize);
            rig.rate = rate;
            ASSERT_TRUE (rig.prepareWithLoadedResponse (0.5f, 0.25f));

            juce::dsp::Convolution uniform;
            uniform.loadImpulseResponse (response.getData(), response.getSize(), juce::dsp::Convolution::Stereo::yes,
                                         juce::dsp::Convolution::Trim::no, 0, juce::dsp::Convolution::Normalise::yes);
            // Preparing carries out a queued load at once.
            uniform.prepare ({ rate, (juce::uint32) blockSize, 2 });
            uniform.reset();

            juce::AudioBuffer<float> expected (2, blockSize);
            float peak = 0.0f, maxError = 0.0f;

            for (int start = 0; start < length; start += blockSize)
            {
                const auto blockInput = [&] (int n, int c) { return input (start + n, c); };
                const auto out = rig.process (blockSize, 0.5f, 0.25f, silence, blockInput);

                for (int channel = 0; channel < 2; ++channel)
                    for (int n = 0; n < blockSize; ++n)
                        expected.setSample (channel, n, blockInput (n, channel));
                juce::dsp::AudioBlock<float> block (expected);
                uniform.process (juce::dsp::ProcessContextReplacing<float> (block));

                for (int n = 0; n < blockSize; ++n)
                {
                    peak = std::max (peak, std::abs (expected.getSample (0, n)));
                    maxError = std::max ({ maxError, std::abs (out.left[(size_t) n] - expected.getSample (0, n)),
                                           std::abs (out.right[(size_t) n] - expected.getSample (1, n)) });
                }
            }

            ASSERT_GT (peak, 0.01f);
            EXPECT_LT (maxError, 1.0e-5f * peak) << rate << " Hz, blocks of " << blockSize;
        }
    }
}
} // namespace
