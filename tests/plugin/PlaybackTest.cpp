#include "ProcessorFixture.h"

#include "support/AllocationCounter.h"

namespace
{
struct PlaybackTest : ProcessorFixture
{
    static constexpr float silence = 1e-7f;

    void SetUp() override
    {
        // The room is heard only once its response has loaded on the convolution's thread; these
        // tests look at the dry path.
        setParameter (roomLevelParameter, 0.0f);
        prepare();
    }

    void noteOn (int at, int velocity = 100) { midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) velocity), at); }
    void wheel (int at, int value) { midi.addEvent (juce::MidiMessage::controllerEvent (1, 1, value), at); }

    int listedVoices() const
    {
        int n = 0;
        for (auto* v = processor->sampler.getVoiceListHead(); v != nullptr; v = v->next)
            ++n;
        return n;
    }

    static bool allFinite (const juce::AudioBuffer<float>& b)
    {
        for (int c = 0; c < b.getNumChannels(); ++c)
            for (int i = 0; i < b.getNumSamples(); ++i)
                if (! std::isfinite (b.getSample (c, i)))
                    return false;
        return true;
    }
};

TEST_F (PlaybackTest, ANoteOnSoundsFromItsSampleOn)
{
    noteOn (100);
    const auto out = block (512);
    // One frame late: the first sample of a click is silent. The compressor's crossover keeps a
    // tiny offset against denormals, so silence is below -140 dB rather than exactly 0.
    EXPECT_LT (peak (out, 0, 101), silence);
    EXPECT_GT (peak (out, 101), 0.001f);
}

TEST_F (PlaybackTest, AClickStartedOnABlocksLastSampleContinuesInTheNext)
{
    noteOn (63);
    const auto first = block (64);
    EXPECT_LT (peak (first), silence);
    EXPECT_EQ (listedVoices(), 1);
    EXPECT_GT (peak (block (64)), 0.001f);
}

TEST_F (PlaybackTest, ABlockOfZeroSamplesReadsParametersAndEndsTheFirstPositionEvent)
{
    setParameter (holdNoteParameter, 1.0f);
    block (0);
    EXPECT_TRUE (processor->isHoldNoteOn());
    EXPECT_FALSE (processor->performance.firstPositionEvent);
}

TEST_F (PlaybackTest, PreparationFollowsTheRateAndSilencesSoundingVoices)
{
    noteOn (0);
    block (64);
    ASSERT_EQ (listedVoices(), 1);

    prepare (48000.0, 256);
    EXPECT_EQ (listedVoices(), 0);
    EXPECT_LT (peak (block (256)), silence);

    noteOn (0);
    block (16);
    ASSERT_EQ (listedVoices(), 1);
    EXPECT_FLOAT_EQ (processor->sampler.getVoiceListHead()->rate, 44100.0f / 48000.0f);
}

// One long block must sound like the same material in short blocks, also beyond 10000 samples.
TEST_F (PlaybackTest, LongBlocksPlayLikeShortOnes)
{
    const auto play = [this] (int blockSize)
    {
        processor = std::make_unique<TavrelAudioProcessor>();
        SetUp();
        setParameter (holdNoteParameter, 1.0f);
        // Position events of the first block after preparation jump without a ramp: place the
        // stick in a block of its own, so that the rest does not depend on the block size.
        wheel (0, 10);
        block (1);

        const int total = 24000;
        juce::MidiBuffer all;
        all.addEvent (juce::MidiMessage::controllerEvent (1, 1, 90), 300);
        all.addEvent (juce::MidiMessage::controllerEvent (1, 1, 20), 11000);
        all.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 90), 15500);

        juce::AudioBuffer<float> out (2, total);
        for (int start = 0; start < total; start += blockSize)
        {
            const int n = std::min (blockSize, total - start);
            midi.clear();
            midi.addEvents (all, start, n, -start);
            auto b = block (n);
            for (int c = 0; c < 2; ++c)
                out.copyFrom (c, start, b, c, 0, n);
        }
        return out;
    };

    const auto reference = play (500);
    ASSERT_GT (peak (reference, 11000), 0.01f); // the sweep back and the note are heard
    for (int blockSize : { 1, 64, 12000, 24000 })
    {
        const auto out = play (blockSize);
        float worst = 0.0f;
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < out.getNumSamples(); ++i)
                worst = std::max (worst, std::abs (out.getSample (c, i) - reference.getSample (c, i)));

        EXPECT_LT (worst, 1e-4f) << "block size " << blockSize;
    }
}

TEST_F (PlaybackTest, GarbageMidiAndOddBuffersGiveFiniteOutput)
{
    const uint8_t junk[][3] = { { 0x90, 0xFF, 0xFF }, { 0xB0, 0x01, 0xFF }, { 0x80, 0x00, 0x00 }, { 0xE0, 0x7F, 0x7F } };
    for (int i = 0; i < 4; ++i)
        midi.addEvent (junk[i], 3, i * 3);
    midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 127), 20000); // beyond the block
    const auto out = block (512);
    EXPECT_TRUE (allFinite (out));

    // A host handing fewer channels than announced, or none.
    noteOn (0);
    EXPECT_TRUE (allFinite (block (256, 1)));
    noteOn (0);
    block (256, 0);
}

TEST_F (PlaybackTest, WholeBlocksWithMidiAllocateNothing)
{
    setParameter (holdNoteParameter, 1.0f);
    std::vector<juce::AudioBuffer<float>> buffers;
    for (int size : { 12000, 1, 0, 480 })
        buffers.emplace_back (2, size);
    juce::MidiBuffer events;
    events.ensureSize (4096);
    const uint8_t sysex[] = { 0xF0, 0x7E, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0xF7 };

    for (int round = 0; round < 4; ++round)
    {
        events.clear();
        for (int i = 0; i < 60; ++i)
            events.addEvent (juce::MidiMessage::controllerEvent (1, 1, 1 + (i * 37) % 127), i * 190);
        events.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 50);
        events.addEvent (sysex, (int) sizeof (sysex), 70);
        events.addEvent (juce::MidiMessage::noteOff (1, 60), 11000);

        AllocationCounter::Scope scope;
        for (auto& buffer : buffers)
            processor->processBlock (buffer, events);
        EXPECT_EQ (scope.count(), 0u) << "round " << round;
    }
}
} // namespace
