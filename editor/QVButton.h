#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A push button drawn as one picture, dimmed while it is held down. A release over the button
// reports a click to its delegate.
class QVButton : public juce::Component
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void buttonClicked (QVButton& button) = 0;
    };

    QVButton();
    ~QVButton() override;

    void setImage (const juce::Image& newImage);
    // The size the picture is drawn at, centred in the button.
    void setImageSize (float width, float height) noexcept;
    // The delegate is not owned; null stops the reports.
    void setDelegate (Delegate* newDelegate) noexcept;

    bool isPressed() const noexcept { return pressed; }

    // Reports a click as a release over the button does; screen readers press the button this way.
    void click();

    void mouseDown (const juce::MouseEvent& event) override;
    void mouseUp (const juce::MouseEvent& event) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;

private:
    bool pressed = false;
    float imageWidth = 0.0f;
    float imageHeight = 0.0f;
    juce::Image image;
    Delegate* delegate = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QVButton)
};
