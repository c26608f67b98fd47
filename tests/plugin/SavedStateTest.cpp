#include "ProcessorFixture.h"

#include <cstring>

#include "plugin/StateFormat.h"

namespace
{
struct StateTest : ProcessorFixture
{
    static juce::MemoryBlock blob (const std::array<float, 4>& values, const char* header = "WEXLA")
    {
        juce::MemoryBlock b;
        StateFormat::append (b, values);
        std::memset (b.getData(), 0, 32);
        std::memcpy (b.getData(), header, std::strlen (header));
        return b;
    }

    std::array<float, 4> values() const
    {
        return { processor->getParameterValue (0), processor->getParameterValue (1),
                 processor->getParameterValue (2), processor->getParameterValue (3) };
    }
};

TEST_F (StateTest, AFreshInstanceSavesTheDocumentedFiftyTwoBytes)
{
    juce::MemoryBlock saved;
    processor->getStateInformation (saved);

    const uint8_t expected[52] = {
        'W', 'E', 'X', 'L', 'A', 0, ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
        ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', 0,
        0x01, 0x00, 0x01, 0x00,
        0x00, 0x00, 0x80, 0x3E, 0x00, 0x00, 0x00, 0x3F, 0x00, 0x00, 0x00, 0x3F, 0x00, 0x00, 0x00, 0x00
    };
    ASSERT_EQ (saved.getSize(), sizeof (expected));
    EXPECT_EQ (std::memcmp (saved.getData(), expected, sizeof (expected)), 0);
}

TEST_F (StateTest, SavingAppendsToWhatTheBlockHolds)
{
    juce::MemoryBlock saved ("xyz", 3);
    processor->getStateInformation (saved);
    ASSERT_EQ (saved.getSize(), 55u);
    EXPECT_EQ (std::memcmp (saved.getData(), "xyzWEXLA", 8), 0);
}

TEST_F (StateTest, LoadingSetsTheValuesWhateverTheHeaderSays)
{
    processor->setStateInformation (blob ({ 0.1f, 0.9f, 0.3f, 1.0f }, "OTHER-PRODUCT").getData(), 52);
    EXPECT_EQ (values(), (std::array<float, 4> { 0.1f, 0.9f, 0.3f, 1.0f }));

    // Round trip into a fresh instance.
    juce::MemoryBlock saved;
    processor->getStateInformation (saved);
    auto other = std::make_unique<TavrelAudioProcessor>();
    other->setStateInformation (saved.getData(), (int) saved.getSize());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ (other->getParameterValue (i), values()[(size_t) i]);
}

TEST_F (StateTest, OutOfRangeAndNonNumericValuesAreLimited)
{
    processor->setStateInformation (blob ({ std::nanf (""), 1.5f, std::numeric_limits<float>::infinity(), -0.2f }).getData(), 52);
    EXPECT_EQ (values(), (std::array<float, 4> { 0.0f, 1.0f, 1.0f, 0.0f }));
}

TEST_F (StateTest, ShortOrMissingBlobsChangeNothing)
{
    const auto full = blob ({ 0.9f, 0.9f, 0.9f, 0.9f });
    processor->setStateInformation (full.getData(), 51);
    processor->setStateInformation (full.getData(), 0);
    processor->setStateInformation (nullptr, 52);
    processor->setStateInformation (full.getData(), -4);
    EXPECT_EQ (values(), (std::array<float, 4> { 0.25f, 0.5f, 0.5f, 0.0f }));
}

struct CountingListener : juce::ChangeListener
{
    int calls = 0;
    void changeListenerCallback (juce::ChangeBroadcaster*) override { ++calls; }
};

TEST_F (StateTest, ALoadTellsListenersAfterwardsOnTheMessageThread)
{
    CountingListener listener;
    processor->addChangeListener (&listener);
    processor->setStateInformation (blob ({ 0.2f, 0.2f, 0.2f, 1.0f }).getData(), 52);
    EXPECT_EQ (listener.calls, 0); // asynchronous: never inside the load
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    EXPECT_EQ (listener.calls, 1);
    processor->removeChangeListener (&listener);
}

struct HostListener : juce::AudioProcessorListener
{
    std::vector<std::pair<int, float>> changes;
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override { changes.push_back ({ index, value }); }
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
};

TEST_F (StateTest, ALoadNotifiesTheHostOfEachParameter)
{
    HostListener host;
    processor->addListener (&host);
    processor->setStateInformation (blob ({ 0.1f, 0.2f, 0.3f, 0.4f }).getData(), 52);
    processor->removeListener (&host);
    EXPECT_EQ (host.changes, (std::vector<std::pair<int, float>> { { 0, 0.1f }, { 1, 0.2f }, { 2, 0.3f }, { 3, 0.4f } }));
}
} // namespace
