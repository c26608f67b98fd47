#include <vector>

#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "editor/QVButton.h"
#include "editor/SwitchButton.h"

namespace
{
using EditorTestSupport::mouseEventAt;
using EditorTestSupport::render;

struct Recorder : public QVButton::Delegate,
                  public SwitchButton::Delegate
{
    void buttonClicked (QVButton&) override { ++clicks; }

    void switchChanged (SwitchButton& button, bool isOn) override
    {
        // The switch has flipped before it reports.
        EXPECT_EQ (button.isSwitchedOn(), isOn);
        states.push_back (isOn);
    }

    int clicks = 0;
    std::vector<bool> states;
};

juce::Image whitePicture()
{
    juce::Image image (juce::Image::ARGB, 4, 4, true);
    image.clear (image.getBounds(), juce::Colours::white);
    return image;
}

// Release positions against a 49 × 31 control and whether each completes a click.
const struct
{
    juce::Point<int> release;
    bool clicks;
} releases[] = {
    { { 20, 15 }, true },
    { { 0, 0 }, true },
    { { 49, 31 }, true },  // the right and bottom edges count
    { { 49, 15 }, true },
    { { 50, 15 }, false }, // one pixel beyond does not
    { { 20, 32 }, false },
    { { -1, 15 }, false },
    { { 20, -1 }, false },
    { { 300, 200 }, false }, // dragged off and released elsewhere
};

TEST (ImageControlsTest, AReleaseOverTheControlCompletesAClick)
{
    for (const auto& r : releases)
    {
        SwitchButton switchButton;
        QVButton pushButton;
        Recorder recorder;

        for (juce::Component* control : { (juce::Component*) &switchButton, (juce::Component*) &pushButton })
        {
            control->setSize (49, 31);
            control->mouseDown (mouseEventAt (*control, { 10, 10 }));
        }

        switchButton.setDelegate (&recorder);
        pushButton.setDelegate (&recorder);
        EXPECT_TRUE (switchButton.isPressed());
        EXPECT_TRUE (pushButton.isPressed());

        switchButton.mouseUp (mouseEventAt (switchButton, r.release));
        pushButton.mouseUp (mouseEventAt (pushButton, r.release));

        EXPECT_FALSE (switchButton.isPressed());
        EXPECT_FALSE (pushButton.isPressed());
        EXPECT_EQ (switchButton.isSwitchedOn(), r.clicks) << r.release.toString();
        EXPECT_EQ (recorder.states, r.clicks ? std::vector<bool> { true } : std::vector<bool> {}) << r.release.toString();
        EXPECT_EQ (recorder.clicks, r.clicks ? 1 : 0) << r.release.toString();
    }
}

TEST (SwitchButtonTest, TwoClicksReportOnThenOff)
{
    SwitchButton button;
    Recorder recorder;
    button.setSize (49, 31);
    button.setDelegate (&recorder);

    for (int i = 0; i < 2; ++i)
    {
        button.mouseDown (mouseEventAt (button, { 5, 5 }));
        button.mouseUp (mouseEventAt (button, { 5, 5 }));
    }

    EXPECT_EQ (recorder.states, (std::vector<bool> { true, false }));
}

TEST (SwitchButtonTest, StateSetByTheOwnerIsDrawnButNotReported)
{
    SwitchButton button;
    Recorder recorder;
    button.setSize (49, 31);
    button.setDelegate (&recorder);

    juce::Image on (juce::Image::ARGB, 4, 4, true), off (juce::Image::ARGB, 4, 4, true);
    on.clear (on.getBounds(), juce::Colours::green);
    off.clear (off.getBounds(), juce::Colours::grey);
    button.setOnImage (on);
    button.setOffImage (off);

    EXPECT_EQ (render (button).getPixelAt (24, 15), juce::Colours::grey);
    button.setSwitchedOn (true);
    EXPECT_EQ (render (button).getPixelAt (24, 15), juce::Colours::green);
    EXPECT_TRUE (recorder.states.empty());
}

TEST (SwitchButtonTest, WorksWithoutDelegateOrPictures)
{
    SwitchButton button;
    button.setSize (49, 31);
    button.mouseDown (mouseEventAt (button, { 5, 5 }));
    button.mouseUp (mouseEventAt (button, { 5, 5 }));
    EXPECT_TRUE (button.isSwitchedOn());
    EXPECT_EQ (render (button).getPixelAt (24, 15).getAlpha(), 0);
}

TEST (ImageControlsTest, DimWhileHeldDown)
{
    SwitchButton switchButton;
    switchButton.setSize (49, 31);
    switchButton.setOffImage (whitePicture());

    QVButton pushButton;
    pushButton.setSize (44, 37);
    pushButton.setImage (whitePicture());
    pushButton.setImageSize (44.0f, 37.0f);

    const auto alphaAtCentre = [] (juce::Component& c) { return render (c).getPixelAt (c.getWidth() / 2, c.getHeight() / 2).getAlpha(); };

    EXPECT_EQ (alphaAtCentre (switchButton), 255);
    EXPECT_EQ (alphaAtCentre (pushButton), 255);

    switchButton.mouseDown (mouseEventAt (switchButton, { 5, 5 }));
    pushButton.mouseDown (mouseEventAt (pushButton, { 5, 5 }));
    EXPECT_NEAR (alphaAtCentre (switchButton), 128, 1);
    EXPECT_NEAR (alphaAtCentre (pushButton), 153, 1);

    // Dragged off and released outside: no click, full opacity again.
    switchButton.mouseUp (mouseEventAt (switchButton, { 100, 5 }));
    pushButton.mouseUp (mouseEventAt (pushButton, { 100, 5 }));
    EXPECT_EQ (alphaAtCentre (switchButton), 255);
    EXPECT_EQ (alphaAtCentre (pushButton), 255);
    EXPECT_FALSE (switchButton.isSwitchedOn());
}

TEST (QVButtonTest, DrawsThePictureAtItsSizeCentred)
{
    QVButton button;
    button.setSize (40, 40);
    button.setImage (whitePicture());
    button.setImageSize (20.0f, 10.0f);
    const auto image = render (button);

    // The picture covers (10, 15) to (30, 25).
    EXPECT_EQ (image.getPixelAt (10, 15).getAlpha(), 255);
    EXPECT_EQ (image.getPixelAt (29, 24).getAlpha(), 255);
    EXPECT_EQ (image.getPixelAt (9, 20).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (30, 20).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (20, 14).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (20, 25).getAlpha(), 0);
}

TEST (ImageControlsTest, ScreenReadersCanPressAndToggle)
{
    QVButton pushButton;
    SwitchButton switchButton;
    Recorder recorder;
    pushButton.setDelegate (&recorder);
    switchButton.setDelegate (&recorder);

    auto pushHandler = pushButton.createAccessibilityHandler();
    EXPECT_EQ (pushHandler->getRole(), juce::AccessibilityRole::button);
    EXPECT_TRUE (pushHandler->getActions().invoke (juce::AccessibilityActionType::press));
    EXPECT_EQ (recorder.clicks, 1);

    auto switchHandler = switchButton.createAccessibilityHandler();
    EXPECT_EQ (switchHandler->getRole(), juce::AccessibilityRole::toggleButton);
    EXPECT_TRUE (switchHandler->getCurrentState().isCheckable());
    EXPECT_FALSE (switchHandler->getCurrentState().isChecked());

    EXPECT_TRUE (switchHandler->getActions().invoke (juce::AccessibilityActionType::toggle));
    EXPECT_TRUE (switchHandler->getCurrentState().isChecked());
    EXPECT_EQ (recorder.states, std::vector<bool> { true });
}
} // namespace
