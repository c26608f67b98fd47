#include <gtest/gtest.h>

#include <cstdlib>

#include <juce_core/juce_core.h>

#include "engine/QVSampler.h"
#include "support/AllocationCounter.h"
#include "support/TestClicks.h"

namespace
{
struct SamplerFixture : ::testing::Test
{
    std::unique_ptr<QVSampler> sampler = std::make_unique<QVSampler>();

    // Renders a block and returns its left channel.
    std::vector<float> render (int numSamples)
    {
        sampler->renderBlock (numSamples);
        std::vector<float> left ((size_t) numSamples);
        for (int i = 0; i < numSamples; ++i)
            left[(size_t) i] = sampler->getMixBuffer()[2 * i];
        sampler->removeFinishedVoices();
        return left;
    }

    int countListed() const
    {
        int n = 0;
        for (auto* v = sampler->getVoiceListHead(); v != nullptr; v = v->next)
            ++n;
        return n;
    }

    // Files copies of a record into a slot as its variants, each told apart by its frame count.
    void fillSlot (int instrument, int slot, const QVSample& record, int variants)
    {
        for (int i = 0; i < variants; ++i)
        {
            auto copy = std::make_unique<QVSample> (record);
            copy->numFrames = record.numFrames - i;
            ASSERT_TRUE (sampler->addSample (instrument, slot, std::move (copy)));
        }
    }

    int variantOf (const QVSample* picked, const QVSample& record) const { return record.numFrames - picked->numFrames; }
};

TEST_F (SamplerFixture, AVoiceStartedAtOffsetKIsSilentBeforeKAndPlaysOneFrameLate)
{
    TestClick click (TestClick::ramp (200));
    const int k = 37;
    sampler->startVoice (1, 1, k, &click.record);

    const auto out = render (100);
    for (int i = 0; i < k; ++i)
        ASSERT_EQ (out[(size_t) i], 0.0f) << i;

    // At rate 1, output n after the start is frame n under the envelope 1 - (n + 1) / N, at gain 0.7.
    for (int n = 0; n < 100 - k; ++n)
    {
        const float envelope = 1.0f - (float) (n + 1) / 200.0f;
        EXPECT_NEAR (out[(size_t) (k + n)], click.value (n) * envelope * 0.7f, 1e-6f) << n;
    }
}

TEST_F (SamplerFixture, ResamplesTo48kHzByLinearInterpolationAndLastsTheExpectedTime)
{
    TestClick click (TestClick::ramp (300));
    sampler->setSampleRate (48000.0f);
    sampler->startVoice (1, 1, 0, &click.record);
    ASSERT_FLOAT_EQ (sampler->voices[0].rate, 0.91875f);

    const auto out = render (400);
    const int expectedLength = (int) std::ceil ((300.0 - 2.0) / 0.91875);

    for (int n = 0; n < expectedLength; ++n)
    {
        const double at = (n + 1) * (double) 0.91875f - 1.0;
        const int f = (int) std::floor (at);
        const float t = (float) (at - f);
        const float envelope = 1.0f - (float) ((n + 1) * (double) 0.91875f) / 300.0f;
        const float expected = (click.value (f + 1) * t + click.value (f) * (1.0f - t)) * envelope * 0.7f;
        ASSERT_NEAR (out[(size_t) n], expected, 2e-5f) << n;
    }

    EXPECT_NE (out[(size_t) expectedLength - 2], 0.0f);
    for (int n = expectedLength; n < 400; ++n)
        ASSERT_EQ (out[(size_t) n], 0.0f) << n;
    EXPECT_EQ (countListed(), 0);
}

TEST_F (SamplerFixture, NegativeOffsetsStartPartWayIn)
{
    TestClick click (TestClick::ramp (200));

    sampler->startVoice (1, 1, -10, &click.record);
    const auto out = render (20);
    // Sounds at once, ten frames into the recording.
    EXPECT_NEAR (out[0], click.value (10) * (1.0f - 11.0f / 200.0f) * 0.7f, 1e-6f);

    sampler->stopAllVoices();
    sampler->startVoice (1, 1, -(200 - 2), &click.record);
    const auto silent = render (4);
    for (auto v : silent)
        EXPECT_EQ (v, 0.0f);
    EXPECT_EQ (countListed(), 0);
}

TEST_F (SamplerFixture, TheSixtyFifthClickTakesOverTheSixtyFourth)
{
    TestClick quiet (std::vector<int32_t> (500, 100));
    TestClick loud (std::vector<int32_t> (500, 20000));

    for (int i = 0; i < 64; ++i)
        sampler->startVoice (1, 1, 0, &quiet.record);
    sampler->startVoice (1, 1, 0, &loud.record);

    EXPECT_EQ (countListed(), 64);
    EXPECT_EQ (sampler->voices[63].sample, &loud.record);
    EXPECT_EQ (sampler->voices[62].sample, &quiet.record);
    EXPECT_EQ (sampler->voiceListTail, &sampler->voices[63]);
}

TEST_F (SamplerFixture, SelectionModesPickVariantsInTheirOrder)
{
    TestClick click (TestClick::ramp (100));

    fillSlot (2, 5, click.record, 3);
    sampler->instruments[2].selectionMode = InOrder;
    std::vector<int> inOrder;
    for (int i = 0; i < 5; ++i)
        inOrder.push_back (variantOf (sampler->selectVariant (2, 5), click.record));
    EXPECT_EQ (inOrder, (std::vector<int> { 1, 2, 0, 1, 2 }));

    fillSlot (3, 1, click.record, 2);
    fillSlot (3, 2, click.record, 4);
    sampler->instruments[3].selectionMode = SharedCounter;
    std::vector<int> shared;
    for (int i = 0; i < 3; ++i)
    {
        shared.push_back (variantOf (sampler->selectVariant (3, 1), click.record));
        shared.push_back (variantOf (sampler->selectVariant (3, 2), click.record));
    }
    EXPECT_EQ (shared, (std::vector<int> { 0, 1, 0, 1, 0, 1 }));

    fillSlot (4, 1, click.record, 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ (variantOf (sampler->selectVariant (4, 1), click.record), 0);

    EXPECT_EQ (sampler->selectVariant (4, 2), nullptr);
    EXPECT_EQ (sampler->selectVariant (200, 1), nullptr);
}

TEST_F (SamplerFixture, RandomModeFollowsTheUnseededCLibrarySequenceAndNeverRepeatsAVariant)
{
    TestClick click (TestClick::ramp (100));
    fillSlot (1, 1, click.record, 5);

    std::srand (1); // the C library's state when nothing has seeded it
    int last = 0;
    for (int i = 0; i < 200; ++i)
    {
        const int r = std::rand() % 5;
        const int expected = r == last ? (last + 1) % 5 : r;
        const int picked = variantOf (sampler->selectVariant (1, 1), click.record);
        ASSERT_EQ (picked, expected) << i;
        ASSERT_NE (picked, last);
        last = picked;
    }
}

TEST_F (SamplerFixture, MidiNoteOnPlaysOnlyWithAVelocity)
{
    TestClick click (TestClick::ramp (100));
    fillSlot (60, 100, click.record, 1);

    sampler->processMidiMessage (0x90, 60, 0, 0);   // note-on with velocity 0
    sampler->processMidiMessage (0x80, 60, 100, 0); // note-off
    sampler->processMidiMessage (0xB0, 60, 100, 0); // controller
    EXPECT_EQ (countListed(), 0);

    sampler->processMidiMessage (0x93, 60, 100, 5);
    ASSERT_EQ (countListed(), 1);
    EXPECT_EQ (sampler->voices[0].delay, 5);
}

TEST_F (SamplerFixture, StoppingAllVoicesSilencesThemAndFreesThePool)
{
    TestClick click (TestClick::ramp (1000));
    for (int i = 0; i < 10; ++i)
        sampler->startVoice (1, 1, i, &click.record);
    render (64);

    sampler->stopAllVoices();
    EXPECT_EQ (countListed(), 0);
    for (auto v : render (64))
        EXPECT_EQ (v, 0.0f);

    sampler->startVoice (1, 1, 0, &click.record);
    EXPECT_EQ (countListed(), 1);
}

TEST_F (SamplerFixture, PlainRecordsInterpolateWithoutEnvelope)
{
    std::vector<int16_t> pcm { 0, 3276, 6553, 9830, 13107, 16383, 19660 };
    QVSample plain;
    plain.pcm = pcm.data();
    plain.numFrames = (int32_t) pcm.size();
    sampler->setSampleRate (88200.0f); // rate 0.5
    sampler->startVoice (1, 1, 0, &plain);

    const auto out = render (12);
    for (int n = 0; n < 10; ++n)
    {
        const int f = n / 2;
        const float t = (n % 2) * 0.5f;
        const float expected = ((float) pcm[(size_t) f + 1] / 32767.0f * t + (float) pcm[(size_t) f] / 32767.0f * (1.0f - t)) * 0.7f;
        EXPECT_NEAR (out[(size_t) n], expected, 1e-6f) << n;
    }
}

TEST_F (SamplerFixture, StartingAndRenderingVoicesAllocatesNothing)
{
    TestClick click (TestClick::ramp (3000));
    fillSlot (1, 1, click.record, 1);

    AllocationCounter::Scope scope;
    for (int i = 0; i < 80; ++i)
        sampler->triggerClick (1, 1, i * 7);
    sampler->renderBlock (4096);
    sampler->removeFinishedVoices();
    sampler->stopAllVoices();
    EXPECT_EQ (scope.count(), 0u);
}

TEST_F (SamplerFixture, UnusableRecordsStartNothing)
{
    TestClick click (TestClick::ramp (100));
    QVSample noEntry = click.record;
    noEntry.entry = nullptr;
    QVSample tooManyChannels = click.record;
    tooManyChannels.numChannels = 3;

    sampler->startVoice (1, 1, 0, &noEntry);
    sampler->startVoice (1, 1, 0, &tooManyChannels);
    sampler->startVoice (-1, 1, 0, &click.record);
    sampler->triggerClick (1, 500, 0);
    EXPECT_EQ (countListed(), 0);
}
} // namespace

namespace
{
TEST (AllocationCounterTest, CountsOperatorNewAndMalloc)
{
    AllocationCounter::Scope scope;
    // Volatile, so that the compiler cannot drop the pairs of allocation and release.
    int* volatile fromNew = new int (3);
    delete fromNew;
    void* volatile fromMalloc = std::malloc (16);
    std::free (fromMalloc);
    juce::HeapBlock<float> block (64);
    block[0] = 1.0f;
    volatile float keep = block[0];
    (void) keep;
    EXPECT_EQ (scope.count(), 3u);
}
} // namespace
