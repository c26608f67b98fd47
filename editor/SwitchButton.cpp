#include "SwitchButton.h"

#include "ClickRule.h"

namespace
{
class SwitchAccessibilityHandler : public juce::AccessibilityHandler
{
public:
    explicit SwitchAccessibilityHandler (SwitchButton& switchToWrap)
        : AccessibilityHandler (switchToWrap,
                                juce::AccessibilityRole::toggleButton,
                                juce::AccessibilityActions()
                                    .addAction (juce::AccessibilityActionType::press, [&switchToWrap] { switchToWrap.toggle(); })
                                    .addAction (juce::AccessibilityActionType::toggle, [&switchToWrap] { switchToWrap.toggle(); })),
          button (switchToWrap)
    {
    }

    juce::AccessibleState getCurrentState() const override
    {
        const auto state = AccessibilityHandler::getCurrentState().withCheckable();
        return button.isSwitchedOn() ? state.withChecked() : state;
    }

private:
    SwitchButton& button;
};
} // namespace

SwitchButton::SwitchButton() = default;

SwitchButton::~SwitchButton() = default;

void SwitchButton::setSwitchedOn (bool shouldBeOn)
{
    if (isOn == shouldBeOn)
        return;

    isOn = shouldBeOn;
    stateChanged();
}

void SwitchButton::setOnImage (const juce::Image& image)
{
    onImage = image;
    repaint();
}

void SwitchButton::setOffImage (const juce::Image& image)
{
    offImage = image;
    repaint();
}

void SwitchButton::setDelegate (Delegate* newDelegate) noexcept
{
    delegate = newDelegate;
}

void SwitchButton::toggle()
{
    isOn = ! isOn;

    if (delegate != nullptr)
        delegate->switchChanged (*this, isOn);

    stateChanged();
}

void SwitchButton::stateChanged()
{
    repaint();

    if (auto* handler = getAccessibilityHandler())
        handler->notifyAccessibilityEvent (juce::AccessibilityEvent::valueChanged);
}

void SwitchButton::mouseDown (const juce::MouseEvent&)
{
    pressed = true;
    repaint();
}

void SwitchButton::mouseUp (const juce::MouseEvent& event)
{
    pressed = false;

    if (isReleasedInside (*this, event))
        toggle();

    repaint();
}

void SwitchButton::paint (juce::Graphics& g)
{
    g.setOpacity (pressed ? 0.5f : 1.0f);

    const auto& image = isOn ? onImage : offImage;

    if (image.isValid())
        g.drawImage (image, getLocalBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
}

std::unique_ptr<juce::AccessibilityHandler> SwitchButton::createAccessibilityHandler()
{
    return std::make_unique<SwitchAccessibilityHandler> (*this);
}
