#include "ProcessorFixture.h"

namespace
{
using ShellTest = ProcessorFixture;

TEST_F (ShellTest, ReportsItsIdentityMidiAndOneEmptyProgram)
{
    EXPECT_EQ (processor->getName(), "Wexla");
    EXPECT_TRUE (processor->acceptsMidi());
    EXPECT_FALSE (processor->producesMidi());
    EXPECT_FALSE (processor->isMidiEffect());
    EXPECT_EQ (processor->getTailLengthSeconds(), 0.0);
    EXPECT_TRUE (processor->hasEditor());
    EXPECT_EQ (processor->getTotalNumInputChannels(), 0);
    EXPECT_EQ (processor->getTotalNumOutputChannels(), 2);
    EXPECT_EQ (processor->getBus (false, 0)->getName(), "Output");

    EXPECT_EQ (processor->getNumPrograms(), 1);
    processor->setCurrentProgram (3);
    processor->changeProgramName (0, "Renamed");
    EXPECT_EQ (processor->getCurrentProgram(), 0);
    EXPECT_EQ (processor->getProgramName (0), "");
}

TEST_F (ShellTest, HasFourParametersWithTheirIdsNamesAndDefaults)
{
    struct Expected { const char* id; const char* name; float value; };
    const Expected expected[] = { { "0", "Compression", 0.25f }, { "1", "Room Level", 0.5f },
                                  { "2", "Output Level", 0.5f }, { "3", "Hold Note", 0.0f } };

    const auto& parameters = processor->getParameters();
    ASSERT_EQ (parameters.size(), 4);
    for (int i = 0; i < 4; ++i)
    {
        auto* p = dynamic_cast<juce::AudioParameterFloat*> (parameters[i]);
        ASSERT_NE (p, nullptr);
        EXPECT_EQ (p->getParameterID(), expected[i].id);
        EXPECT_EQ (p->getName (100), expected[i].name);
        EXPECT_FLOAT_EQ (parameters[i]->getValue(), expected[i].value);
        EXPECT_FLOAT_EQ (parameters[i]->getDefaultValue(), expected[i].value);
        EXPECT_EQ (p->range.start, 0.0f);
        EXPECT_EQ (p->range.end, 1.0f);
        EXPECT_TRUE (p->isAutomatable());
    }
}

TEST_F (ShellTest, AcceptsOnlyAStereoOutput)
{
    using Set = juce::AudioChannelSet;
    struct Case { const char* name; juce::Array<Set> outputs; bool supported; };
    const Case cases[] = { { "stereo", { Set::stereo() }, true },
                           { "mono", { Set::mono() }, false },
                           { "5.1", { Set::create5point1() }, false },
                           { "no output", {}, false } };

    for (const auto& c : cases)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.outputBuses = c.outputs;
        EXPECT_EQ (processor->checkBusesLayoutSupported (layout), c.supported) << c.name;
    }
}

TEST_F (ShellTest, HoldNoteIsOnlyAboveOneHalf)
{
    prepare();
    setParameter (holdNoteParameter, 0.5f);
    block (16);
    EXPECT_FALSE (processor->isHoldNoteOn());

    setParameter (holdNoteParameter, 0.50001f);
    block (16);
    EXPECT_TRUE (processor->isHoldNoteOn());
}

TEST_F (ShellTest, FilesTheWholeClickBank)
{
    const auto& sampler = processor->sampler;
    EXPECT_EQ (sampler.ownedSamples.size(), 648u);

    for (int instrument = 0; instrument < QVSampler::numInstruments; ++instrument)
        for (int slot = 0; slot < SamplerInstrument::numSlots; ++slot)
        {
            const bool filled = instrument >= 1 && instrument <= 18 && slot >= 1 && slot <= 36;
            ASSERT_EQ (sampler.instruments[(size_t) instrument].counts[slot], filled ? 1 : 0) << instrument << "/" << slot;
        }
}

} // namespace

namespace
{
TEST (ProcessorParameterIds, TheLv2BuildGivesEveryParameterANameOfItsOwn)
{
    juce::ScopedJuceInitialiser_GUI juce;
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_LV2);
    auto lv2 = std::make_unique<TavrelAudioProcessor>();
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);

    juce::StringArray ids;
    for (auto* p : lv2->getParameters())
        ids.add (dynamic_cast<juce::AudioProcessorParameterWithID*> (p)->getParameterID());
    EXPECT_EQ (ids, juce::StringArray ({ "param0", "param1", "param2", "param3" }));
}
} // namespace
