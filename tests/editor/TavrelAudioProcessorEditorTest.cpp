#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "editor/SharedFonts.h"
#include "editor/TavrelAudioProcessorEditor.h"
#include "plugin/TavrelAudioProcessor.h"

namespace
{
using namespace EditorTestSupport;

template <typename ChildType>
ChildType* findChild (juce::Component& parent)
{
    for (auto* child : parent.getChildren())
        if (auto* found = dynamic_cast<ChildType*> (child))
            return found;

    return nullptr;
}

juce::Colour pictureColour (const char* name)
{
    return colourOfPicture (name);
}

// Records what the host hears from one parameter.
struct ParameterLog : public juce::AudioProcessorParameter::Listener
{
    void parameterValueChanged (int, float value) override { events.add ("value " + juce::String (value)); }
    void parameterGestureChanged (int, bool starting) override { events.add (starting ? "begin" : "end"); }

    juce::StringArray events;
};

class EditorTest : public ::testing::Test
{
protected:
    EditorTest()
    {
        processor->prepareToPlay (44100.0, 512);
        editor = std::make_unique<TavrelAudioProcessorEditor> (*processor, fakeResources());
        scraperView = findChild<TavrelView> (*editor);
        versionLabel = findChild<juce::Label> (*editor);
        helpButton = findChild<QVButton> (*editor);
        holdSwitch = findChild<SwitchButton> (*editor);
        snow = findChild<Snow> (*editor);
    }

    ~EditorTest() override { editor.reset(); }

    void SetUp() override
    {
        ASSERT_NE (scraperView, nullptr);
        ASSERT_NE (versionLabel, nullptr);
        ASSERT_NE (helpButton, nullptr);
        ASSERT_NE (holdSwitch, nullptr);
        ASSERT_NE (snow, nullptr);
    }

    void click (juce::Component& target)
    {
        target.mouseDown (mouseEventAt (target, { 5, 5 }));
        target.mouseUp (mouseEventAt (target, { 5, 5 }));
    }

    void play (std::initializer_list<juce::MidiMessage> messages)
    {
        juce::AudioBuffer<float> buffer (2, 512);
        juce::MidiBuffer midi;
        for (const auto& message : messages)
            midi.addEvent (message, 0);

        processor->processBlock (buffer, midi);
    }

    juce::AudioProcessorParameter& holdNote() { return *processor->getParameters()[holdNoteParameter]; }

    // The frame the editor shows at the middle of the cane's area.
    int frameShown (bool& playingSet)
    {
        return frameNumberAt (render (*editor).getPixelAt (195 + 187, 17 + 180), playingSet);
    }

    std::unique_ptr<TavrelAudioProcessor> processor = std::make_unique<TavrelAudioProcessor>();
    std::unique_ptr<TavrelAudioProcessorEditor> editor;
    TavrelView* scraperView = nullptr;
    juce::Label* versionLabel = nullptr;
    QVButton* helpButton = nullptr;
    SwitchButton* holdSwitch = nullptr;
    Snow* snow = nullptr;
};

TEST_F (EditorTest, OpensAtItsFixedSizeWithTheChildrenFrontToBack)
{
    EXPECT_EQ (editor->getWidth(), 638);
    EXPECT_EQ (editor->getHeight(), 336);
    EXPECT_FALSE (editor->isResizable());

    const juce::Component* expectedOrder[] = { scraperView, versionLabel, helpButton, holdSwitch, snow };
    ASSERT_EQ (editor->getNumChildComponents(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ (editor->getChildComponent (i), expectedOrder[i]) << i;

    EXPECT_EQ (versionLabel->getText(), "v1.0.1");
    EXPECT_EQ (versionLabel->getJustificationType(), juce::Justification::topRight);
    EXPECT_EQ (versionLabel->findColour (juce::Label::textColourId), juce::Colour (0xffdcdcdc));
    EXPECT_EQ (helpButton->getTitle(), "Help");
    EXPECT_EQ (holdSwitch->getTitle(), "Hold Note");
}

TEST_F (EditorTest, CentresTheDesignInWhateverSizeTheWindowHas)
{
    // (window size, origin); the snow stays at (19, 0) in every case.
    const struct
    {
        int width, height, ox, oy;
    } cases[] = { { 638, 336, 0, 0 }, { 700, 400, 31, 32 }, { 639, 337, 0, 0 } };

    for (const auto& c : cases)
    {
        editor->setSize (c.width, c.height);
        const auto size = juce::String (c.width) + " x " + juce::String (c.height);

        EXPECT_EQ (scraperView->getBounds(), juce::Rectangle<int> (c.ox + 195, c.oy + 17, 375, 360)) << size;
        EXPECT_EQ (versionLabel->getBounds(), juce::Rectangle<int> (c.ox + 594, c.oy + 3, 39, 17)) << size;
        EXPECT_EQ (holdSwitch->getBounds(), juce::Rectangle<int> (c.ox + 560, c.oy + 272, 49, 31)) << size;
        EXPECT_EQ (helpButton->getBounds(), juce::Rectangle<int> (c.ox + 10, c.oy + 281, 44, 37)) << size;
        EXPECT_EQ (snow->getBounds(), juce::Rectangle<int> (19, 0, 190, 87)) << size;
    }
}

TEST_F (EditorTest, DrawsTheBackgroundAtTheContentOrigin)
{
    const auto background = pictureColour ("bg_png");
    EXPECT_TRUE (nearlyEqual (render (*editor).getPixelAt (100, 150), background));
    EXPECT_TRUE (nearlyEqual (render (*editor).getPixelAt (637, 335), background));

    editor->setSize (700, 400);
    const auto image = render (*editor);
    EXPECT_EQ (image.getPixelAt (29, 150).getAlpha(), 0);
    EXPECT_TRUE (nearlyEqual (image.getPixelAt (32, 150), background));
    EXPECT_TRUE (nearlyEqual (image.getPixelAt (667, 366), background));
    EXPECT_EQ (image.getPixelAt (671, 366).getAlpha(), 0);
}

TEST_F (EditorTest, TheHelpButtonShowsAndHidesTheOverlay)
{
    const auto overlayPixel = [this] { return render (*editor).getPixelAt (20 + 106, 222 + 43); };
    const auto background = pictureColour ("bg_png");
    const auto help = pictureColour ("helptext_png");

    EXPECT_TRUE (nearlyEqual (overlayPixel(), background));

    click (*helpButton);
    EXPECT_TRUE (editor->isHelpVisible());
    EXPECT_TRUE (nearlyEqual (overlayPixel(), help));

    click (*helpButton);
    EXPECT_FALSE (editor->isHelpVisible());
    EXPECT_TRUE (nearlyEqual (overlayPixel(), background));

    // A press anywhere on the window hides it; with it hidden a press does nothing.
    click (*helpButton);
    editor->mouseDown (mouseEventAt (*editor, { 300, 100 }));
    EXPECT_FALSE (editor->isHelpVisible());
    EXPECT_TRUE (nearlyEqual (overlayPixel(), background));
    editor->mouseDown (mouseEventAt (*editor, { 300, 100 }));
    EXPECT_FALSE (editor->isHelpVisible());

    // The overlay moves with the content origin.
    editor->setSize (700, 400);
    click (*helpButton);
    EXPECT_TRUE (nearlyEqual (render (*editor).getPixelAt (31 + 100, 32 + 240), help));
}

TEST_F (EditorTest, ClicksOnTheSnowAndTheCaneReachTheWindow)
{
    // Hit testing only finds visible components; a host makes the window visible.
    editor->setVisible (true);

    const struct
    {
        juce::Point<int> point;
        juce::Component* receiver;
    } cases[] = {
        { { 100, 40 }, editor.get() },   // snow over the logo
        { { 400, 150 }, editor.get() },  // the cane
        { { 620, 10 }, versionLabel },
        { { 30, 300 }, helpButton },
        { { 580, 285 }, holdSwitch },
    };

    for (const auto& c : cases)
        EXPECT_EQ (editor->getComponentAt (c.point), c.receiver) << c.point.toString();
}

TEST_F (EditorTest, TheCaneFollowsTheWheelAndShowsThePlayingSetWhilePlayed)
{
    bool playingSet = true;
    EXPECT_EQ (frameShown (playingSet), 1);
    EXPECT_FALSE (playingSet);

    // The wheel at 64 of 128 puts the stick in the middle: frame 18, still at rest.
    play ({ juce::MidiMessage::controllerEvent (1, 1, 64) });
    editor->timerCallback();
    EXPECT_EQ (frameShown (playingSet), 18);
    EXPECT_FALSE (playingSet);

    play ({ juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100) });
    editor->timerCallback();
    EXPECT_EQ (frameShown (playingSet), 18);
    EXPECT_TRUE (playingSet);

    play ({ juce::MidiMessage::noteOff (1, 60), juce::MidiMessage::controllerEvent (1, 1, 127) });
    editor->timerCallback();
    EXPECT_EQ (frameShown (playingSet), 34);
    EXPECT_FALSE (playingSet);

    // Hold Note plays without a key.
    holdNote().setValueNotifyingHost (1.0f);
    play ({});
    editor->timerCallback();
    EXPECT_EQ (frameShown (playingSet), 34);
    EXPECT_TRUE (playingSet);
}

TEST_F (EditorTest, ClickingTheSwitchSetsHoldNoteAsOneGesture)
{
    ParameterLog log;
    holdNote().addListener (&log);

    click (*holdSwitch);
    EXPECT_EQ (holdNote().getValue(), 1.0f);
    click (*holdSwitch);
    EXPECT_EQ (holdNote().getValue(), 0.0f);

    holdNote().removeListener (&log);
    EXPECT_EQ (log.events, juce::StringArray ({ "begin", "value 1", "end", "begin", "value 0", "end" }));
}

TEST_F (EditorTest, TheSwitchShowsHoldNote)
{
    const auto switchPixel = [this] { return render (*editor).getPixelAt (560 + 24, 272 + 15); };

    // The picture named "holdnoteon" shows the switch off, and the other way round.
    EXPECT_FALSE (holdSwitch->isSwitchedOn());
    EXPECT_TRUE (nearlyEqual (switchPixel(), pictureColour ("holdnoteon_png")));

    holdNote().setValueNotifyingHost (0.5f);
    editor->timerCallback();
    EXPECT_FALSE (holdSwitch->isSwitchedOn());

    holdNote().setValueNotifyingHost (0.51f);
    editor->timerCallback();
    EXPECT_TRUE (holdSwitch->isSwitchedOn());
    EXPECT_TRUE (nearlyEqual (switchPixel(), pictureColour ("holdnoteoff_png")));
}

TEST_F (EditorTest, HostAutomationMovesTheSwitchOnTheNextTick)
{
    holdNote().setValueNotifyingHost (1.0f);
    EXPECT_FALSE (holdSwitch->isSwitchedOn());
    runMessageLoop (100);
    EXPECT_TRUE (holdSwitch->isSwitchedOn());
}

TEST_F (EditorTest, ALoadedStateReachesTheSwitchThroughTheChangeMessage)
{
    holdNote().setValueNotifyingHost (1.0f);
    juce::MemoryBlock state;
    processor->getStateInformation (state);
    holdNote().setValueNotifyingHost (0.0f);
    editor->timerCallback();

    // With the timer stopped only the change message can update the switch, and it arrives
    // after the load, on the message thread.
    editor->stopTimer();
    processor->setStateInformation (state.getData(), (int) state.getSize());
    EXPECT_FALSE (holdSwitch->isSwitchedOn());

    runMessageLoop (50);
    EXPECT_TRUE (holdSwitch->isSwitchedOn());
}

TEST_F (EditorTest, AnswersParameterQueriesByIndex)
{
    const struct
    {
        int index;
        const char* name;
        float defaultValue;
    } cases[] = { { 0, "Compression", 0.25f }, { 1, "Room Level", 0.5f }, { 2, "Output Level", 0.5f }, { 3, "Hold Note", 0.0f } };

    for (const auto& c : cases)
    {
        EXPECT_EQ (editor->getParameterName (c.index), c.name);
        EXPECT_EQ (editor->getParameterShortName (c.index), c.name);
        EXPECT_EQ (editor->getParameterDefault (c.index), c.defaultValue);
        EXPECT_EQ (editor->getParameterValue (c.index), c.defaultValue);
    }

    editor->setParameterValue (1, 0.75f);
    EXPECT_EQ (processor->getParameters()[1]->getValue(), 0.75f);

    ParameterLog log;
    processor->getParameters()[2]->addListener (&log);
    editor->beginParameterGesture (2);
    editor->endParameterGesture (2);
    processor->getParameters()[2]->removeListener (&log);
    EXPECT_EQ (log.events, juce::StringArray ({ "begin", "end" }));

    // Indices outside the list are ignored.
    for (const int index : { -1, 4, 1000 })
    {
        editor->beginParameterGesture (index);
        editor->endParameterGesture (index);
        editor->setParameterValue (index, 1.0f);
        EXPECT_EQ (editor->getParameterName (index), "");
        EXPECT_EQ (editor->getParameterValue (index), 0.0f);
    }
}

TEST_F (EditorTest, TwoWindowsShowDifferentSnowfalls)
{
    TavrelAudioProcessorEditor second (*processor, fakeResources());
    auto* otherSnow = findChild<Snow> (second);
    ASSERT_NE (otherSnow, nullptr);
    EXPECT_NE (snow->getFlakes()[0].x, otherSnow->getFlakes()[0].x);
}

TEST (EditorFontTest, OneFontIsSharedByAllOpenWindowsAndRebuiltAfterTheLastCloses)
{
    auto processor = std::make_unique<TavrelAudioProcessor>();
    const auto fontOf = [] (TavrelAudioProcessorEditor& editor) { return findChild<juce::Label> (editor)->getFont(); };

    ASSERT_EQ (SharedFonts::getUseCount(), 0);
    auto first = std::make_unique<TavrelAudioProcessorEditor> (*processor, fakeResources());
    auto second = std::make_unique<TavrelAudioProcessorEditor> (*processor, fakeResources());
    EXPECT_EQ (SharedFonts::getUseCount(), 2);

    const juce::Typeface::Ptr shared = fontOf (*first).getTypefacePtr();
    EXPECT_EQ (fontOf (*second).getTypefacePtr(), shared);
    EXPECT_EQ (shared->getName(), "Rubik");
    EXPECT_EQ (fontOf (*first).getHeight(), 10.0f);

    first.reset();
    EXPECT_EQ (SharedFonts::getUseCount(), 1);
    second.reset();
    EXPECT_EQ (SharedFonts::getUseCount(), 0);

    // `shared` keeps the old typeface alive, so a rebuilt one cannot take its address.
    TavrelAudioProcessorEditor third (*processor, fakeResources());
    EXPECT_EQ (SharedFonts::getUseCount(), 1);
    EXPECT_NE (fontOf (third).getTypefacePtr(), shared);
    EXPECT_EQ (fontOf (third).getTypefacePtr()->getName(), "Rubik");
}

TEST (EditorResourceTest, AMissingFrameIsReportedOnceAndTheWindowStillOpens)
{
    auto processor = std::make_unique<TavrelAudioProcessor>();

    ::testing::internal::CaptureStdout();
    TavrelAudioProcessorEditor editor (*processor, fakeResources ({ "candycaneoff1_png" }));
    EXPECT_EQ (::testing::internal::GetCapturedStdout(), "Couldn't load image!\n");

    // Frame 1 at rest is the one shown: no cane, the background shows through.
    const auto image = render (editor);
    EXPECT_TRUE (nearlyEqual (image.getPixelAt (195 + 187, 17 + 180), colourOfPicture ("bg_png")));
    EXPECT_TRUE (nearlyEqual (image.getPixelAt (560 + 24, 272 + 15), colourOfPicture ("holdnoteon_png")));
}

TEST (EditorResourceTest, MissingPicturesLeaveTheirPlacesEmpty)
{
    auto processor = std::make_unique<TavrelAudioProcessor>();
    TavrelAudioProcessorEditor editor (*processor, fakeResources ({ "bg_png", "holdnoteon_png" }));

    const auto image = render (editor);
    EXPECT_EQ (image.getPixelAt (100, 150).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (560 + 24, 272 + 15).getAlpha(), 0);
}

TEST (EditorResourceTest, DoubleResolutionPicturesAreNamedForScalesAboveOne)
{
    EXPECT_EQ (TavrelAudioProcessorEditor::imageResourceName ("bg", 1.0), "bg_png");
    EXPECT_EQ (TavrelAudioProcessorEditor::imageResourceName ("bg", 1.25), "bg2x_png");
    EXPECT_EQ (TavrelAudioProcessorEditor::imageResourceName ("holdnoteon", 2.0), "holdnoteon2x_png");
    EXPECT_EQ (TavrelAudioProcessorEditor::imageResourceName ("helptext", 0.75), "helptext_png");
}
} // namespace
