#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A two-state switch drawn as one of two pictures, dimmed while it is held down. A release over
// the switch flips it and reports the new state to its delegate.
class SwitchButton : public juce::Component
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void switchChanged (SwitchButton& button, bool isOn) = 0;
    };

    SwitchButton();
    ~SwitchButton() override;

    // Sets the state from outside; the delegate is not told. Repaints when the state changes.
    void setSwitchedOn (bool shouldBeOn);
    bool isSwitchedOn() const noexcept { return isOn; }
    bool isPressed() const noexcept { return pressed; }

    void setOnImage (const juce::Image& image);
    void setOffImage (const juce::Image& image);
    // The delegate is not owned; null stops the reports.
    void setDelegate (Delegate* newDelegate) noexcept;

    // Flips the switch and reports the new state, as a click does; screen readers toggle it this way.
    void toggle();

    void mouseDown (const juce::MouseEvent& event) override;
    void mouseUp (const juce::MouseEvent& event) override;
    void paint (juce::Graphics& g) override;

    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;

private:
    void stateChanged();

    bool isOn = false;
    bool pressed = false;
    juce::Image onImage;
    juce::Image offImage;
    Delegate* delegate = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SwitchButton)
};
