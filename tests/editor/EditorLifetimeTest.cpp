#include <atomic>
#include <malloc.h>
#include <thread>

#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "editor/SharedFonts.h"
#include "plugin/TavrelAudioProcessor.h"

namespace
{
// Plays notes and wheel movements on its own thread, as a host's audio thread would, until stopped.
class AudioThread
{
public:
    explicit AudioThread (TavrelAudioProcessor& processorToRun)
        : processor (processorToRun),
          thread ([this] { run(); })
    {
    }

    ~AudioThread()
    {
        running = false;
        thread.join();
    }

    int blocksDone() const noexcept { return blocks.load(); }

private:
    void run()
    {
        juce::AudioBuffer<float> buffer (2, 256);
        juce::MidiBuffer midi;
        midi.ensureSize (1024);

        for (int block = 0; running; ++block)
        {
            midi.clear();

            if (block % 8 == 0)
                midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 90), 10);
            if (block % 8 == 4)
                midi.addEvent (juce::MidiMessage::noteOff (1, 60), 20);

            midi.addEvent (juce::MidiMessage::controllerEvent (1, 1, 1 + block % 127), 100);
            processor.processBlock (buffer, midi);
            ++blocks;
        }
    }

    TavrelAudioProcessor& processor;
    std::atomic<bool> running { true };
    std::atomic<int> blocks { 0 };
    std::thread thread;
};

// Bytes allocated from the heap, in all arenas, large mapped blocks included.
size_t heapInUse()
{
    const auto info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

TEST (EditorLifetimeTest, OpensAndClosesAHundredTimesWhileAudioRuns)
{
    auto processor = std::make_unique<TavrelAudioProcessor>();
    processor->prepareToPlay (44100.0, 256);

    const auto openAndClose = [&processor]
    {
        std::unique_ptr<juce::AudioProcessorEditor> editor (processor->createEditorIfNeeded());
        ASSERT_NE (editor, nullptr);
        EXPECT_EQ (processor->getActiveEditor(), editor.get());

        // A few ticks and a repaint, as an open window gets.
        for (int tick = 0; tick < 3; ++tick)
            dynamic_cast<juce::Timer&> (*editor).timerCallback();

        editor->createComponentSnapshot (editor->getLocalBounds(), true, 1.0f);
    };

    // Missing pictures are reported on standard output; that is not what this test looks at.
    ::testing::internal::CaptureStdout();
    size_t heapBefore = 0;
    {
        AudioThread audio (*processor);

        // The first window fills the caches (decoded pictures, glyphs) that later ones reuse.
        openAndClose();
        heapBefore = heapInUse();

        for (int i = 0; i < 100; ++i)
            openAndClose();

        EXPECT_GT (audio.blocksDone(), 0);
    }
    ::testing::internal::GetCapturedStdout();

    EXPECT_EQ (processor->getActiveEditor(), nullptr);
    EXPECT_EQ (SharedFonts::getUseCount(), 0);

    // A window left behind would have grown the heap by its own size on every round; the
    // allowance covers the allocator's own bookkeeping.
    EXPECT_LT (heapInUse(), heapBefore + 64 * 1024);

    // No closed window is still listening: a state load must reach nobody.
    juce::MemoryBlock state;
    processor->getStateInformation (state);
    processor->setStateInformation (state.getData(), (int) state.getSize());
    EditorTestSupport::runMessageLoop (20);
}
} // namespace
