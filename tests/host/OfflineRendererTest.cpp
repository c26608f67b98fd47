// The renderer against a stand-in plug-in: events at their exact samples, blocks without gaps.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "OfflineRenderer.h"
#include "RecordingInstance.h"

namespace
{
constexpr double rate = 44100.0;

// Block edges for the sizes tested lie at 512, 4096 and 12000, so events sit on and beside them.
const juce::int64 eventSamples[] { 0, 1, 511, 512, 513, 4095, 4096, 11999, 12000, 20000, 22049 };
constexpr juce::int64 renderedSamples = 22050;

juce::MidiMessageSequence eventsAt (std::initializer_list<juce::int64> extraSamples = {})
{
    juce::MidiMessageSequence sequence;
    int value = 1;
    for (const auto sample : eventSamples)
        sequence.addEvent (juce::MidiMessage::controllerEvent (1, 1, value++), (double) sample / rate);
    for (const auto sample : extraSamples)
        sequence.addEvent (juce::MidiMessage::controllerEvent (1, 1, 100), (double) sample / rate);
    return sequence;
}

// The stand-in writes each sample's index: any gap, overlap or lost channel shows.
void expectEverySampleOnce (const juce::AudioBuffer<float>& output)
{
    ASSERT_EQ (output.getNumChannels(), 2);
    ASSERT_EQ (output.getNumSamples(), (int) renderedSamples);
    for (int i = 0; i < output.getNumSamples(); ++i)
    {
        ASSERT_EQ (output.getSample (0, i), (float) i) << "left, sample " << i;
        ASSERT_EQ (output.getSample (1, i), -(float) i) << "right, sample " << i;
    }
}

RenderSettings settingsFor (int blockSize)
{
    RenderSettings settings;
    settings.sampleRate = rate;
    settings.blockSize = blockSize;
    settings.seconds = (double) renderedSamples / rate;
    return settings;
}

class RendererBlocks : public testing::TestWithParam<int>
{
};

TEST_P (RendererBlocks, DeliversEveryEventAtItsSampleAndDropsThoseAfterTheEnd)
{
    RecordingInstance recorder;
    const auto settings = settingsFor (GetParam());

    OfflineRenderer::render (recorder, eventsAt ({ renderedSamples, renderedSamples + 5000 }), settings);

    ASSERT_EQ (recorder.arrivals.size(), std::size (eventSamples));
    for (size_t i = 0; i < std::size (eventSamples); ++i)
    {
        EXPECT_EQ (recorder.arrivals[i].sample, eventSamples[i]);
        EXPECT_EQ (recorder.arrivals[i].controllerValue, (int) i + 1);
    }
}

TEST_P (RendererBlocks, CanStartABlockAtEveryControllerWithoutLosingSamples)
{
    RecordingInstance recorder;
    auto settings = settingsFor (GetParam());
    settings.controllersStartBlocks = true;

    const auto output = OfflineRenderer::render (recorder, eventsAt(), settings);

    ASSERT_EQ (recorder.arrivals.size(), std::size (eventSamples));
    for (size_t i = 0; i < std::size (eventSamples); ++i)
    {
        EXPECT_EQ (recorder.arrivals[i].sample, eventSamples[i]);
        EXPECT_EQ (recorder.arrivals[i].positionInBlock, 0) << "event " << i;
    }

    juce::int64 total = 0;
    for (const auto length : recorder.blockLengths)
    {
        ASSERT_GE (length, 1);
        ASSERT_LE (length, GetParam());
        total += length;
    }
    EXPECT_EQ (total, renderedSamples);
    expectEverySampleOnce (output);
}

TEST_P (RendererBlocks, RendersInPreparedBlocksWithoutGapsIntoStereo)
{
    RecordingInstance recorder;
    const auto settings = settingsFor (GetParam());

    const auto output = OfflineRenderer::render (recorder, {}, settings);

    EXPECT_EQ (recorder.preparedBlockSize, GetParam());
    EXPECT_EQ (recorder.releases, 1);
    ASSERT_FALSE (recorder.blockLengths.empty());
    for (size_t i = 0; i + 1 < recorder.blockLengths.size(); ++i)
        ASSERT_EQ (recorder.blockLengths[i], GetParam()) << "block " << i;
    EXPECT_GE (recorder.blockLengths.back(), 1);
    EXPECT_LE (recorder.blockLengths.back(), GetParam());

    expectEverySampleOnce (output);
}

INSTANTIATE_TEST_SUITE_P (BlockSizes, RendererBlocks, testing::Values (1, 7, 512, 4096, 12000));

TEST (RendererLength, RunsToTheLastEventPlusTheTailUnlessTold)
{
    RenderSettings automatic;
    EXPECT_DOUBLE_EQ (OfflineRenderer::lengthInSeconds (eventsAt(), automatic), 22049.0 / rate + OfflineRenderer::tailSeconds);
    EXPECT_DOUBLE_EQ (OfflineRenderer::lengthInSeconds ({}, automatic), OfflineRenderer::tailSeconds);

    RenderSettings fixed;
    fixed.seconds = 0.25;
    EXPECT_DOUBLE_EQ (OfflineRenderer::lengthInSeconds (eventsAt(), fixed), 0.25);
}

TEST (RendererLayout, APlugInThatRefusesStereoIsAnError)
{
    RecordingInstance recorder;
    recorder.refusesStereo = true;
    EXPECT_THROW (OfflineRenderer::render (recorder, {}, RenderSettings {}), std::runtime_error);
    EXPECT_TRUE (recorder.blockLengths.empty());
}

TEST (RendererChecks, CountsNaNAndInfinityInAnyChannel)
{
    juce::AudioBuffer<float> buffer (2, 64);
    buffer.clear();
    EXPECT_EQ (OfflineRenderer::countNonFinite (buffer), 0);

    buffer.setSample (0, 3, std::numeric_limits<float>::quiet_NaN());
    buffer.setSample (1, 63, std::numeric_limits<float>::infinity());
    buffer.setSample (1, 0, -std::numeric_limits<float>::infinity());
    EXPECT_EQ (OfflineRenderer::countNonFinite (buffer), 3);
}
} // namespace
