#include "QVButton.h"

#include "ClickRule.h"

QVButton::QVButton() = default;

QVButton::~QVButton() = default;

void QVButton::setImage (const juce::Image& newImage)
{
    image = newImage;
    repaint();
}

void QVButton::setImageSize (float width, float height) noexcept
{
    imageWidth = width;
    imageHeight = height;
}

void QVButton::setDelegate (Delegate* newDelegate) noexcept
{
    delegate = newDelegate;
}

void QVButton::click()
{
    if (delegate != nullptr)
        delegate->buttonClicked (*this);
}

void QVButton::mouseDown (const juce::MouseEvent&)
{
    pressed = true;
    repaint();
}

void QVButton::mouseUp (const juce::MouseEvent& event)
{
    pressed = false;

    if (isReleasedInside (*this, event))
        click();

    repaint();
}

void QVButton::paint (juce::Graphics& g)
{
    g.setOpacity (pressed ? 0.6f : 1.0f);

    if (! image.isValid())
        return;

    const auto x = (float) (getWidth() * 0.5 - imageWidth * 0.5);
    const auto y = (float) (getHeight() * 0.5 - imageHeight * 0.5);
    g.drawImage (image, { x, y, imageWidth, imageHeight }, juce::RectanglePlacement::stretchToFit);
}

void QVButton::resized() {}

std::unique_ptr<juce::AccessibilityHandler> QVButton::createAccessibilityHandler()
{
    return std::make_unique<juce::AccessibilityHandler> (
        *this,
        juce::AccessibilityRole::button,
        juce::AccessibilityActions().addAction (juce::AccessibilityActionType::press, [this] { click(); }));
}
