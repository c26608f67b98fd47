#include "TavrelAudioProcessorEditor.h"

#include "BinaryData.h"
#include "SharedFonts.h"
#include "plugin/ParameterInfo.h"
#include "plugin/TavrelAudioProcessor.h"

TavrelAudioProcessorEditor::TavrelAudioProcessorEditor (TavrelAudioProcessor& processorToShow)
    : TavrelAudioProcessorEditor (processorToShow, BinaryData::getNamedResource)
{
}

TavrelAudioProcessorEditor::TavrelAudioProcessorEditor (TavrelAudioProcessor& processorToShow, const ResourceLookup& resourceLookup)
    : AudioProcessorEditor (processorToShow),
      lookup (resourceLookup),
      scraperView (resourceLookup),
      audioProcessor (processorToShow)
{
    audioProcessor.addChangeListener (this);

    backgroundImage = loadImage ("bg");
    helpImage = loadImage ("helptext");

    scraperView.setPositionSource ([this] { return audioProcessor.getPositionTarget(); });
    scraperView.setAccessible (false);
    addAndMakeVisible (scraperView);

    versionLabel.setText ("v" WEXLA_VERSION, juce::dontSendNotification);
    versionLabel.setFont (SharedFonts::acquire().withHeight (10.0f));
    versionLabel.setJustificationType (juce::Justification::topRight);
    versionLabel.setColour (juce::Label::textColourId, juce::Colour (0xffdcdcdc));
    addAndMakeVisible (versionLabel);

    helpButton.setImage (loadImage ("questionoff"));
    helpButton.setImageSize (44.0f, 37.0f);
    helpButton.setDelegate (this);
    helpButton.setTitle ("Help");
    helpButton.setDescription ("Shows or hides how to play Wexla");
    addAndMakeVisible (helpButton);

    setSize (designWidth, designHeight);

    // The picture named "holdnoteoff" shows the switch in its on position, and the other way round.
    holdSwitch.setSwitchedOn (isHoldNoteParameterOn());
    holdSwitch.setOnImage (loadImage ("holdnoteoff"));
    holdSwitch.setOffImage (loadImage ("holdnoteon"));
    holdSwitch.setDelegate (this);
    holdSwitch.setTitle (kParameterInfo[holdNoteParameter].name);
    holdSwitch.setDescription ("Lets the modulation wheel play without a key held down");
    addAndMakeVisible (holdSwitch);

    // Drawn over everything else, but clicks fall through to the window.
    snow.setInterceptsMouseClicks (false, false);
    snow.setAccessible (false);
    addAndMakeVisible (snow);

    startTimer (16);
    timerCallback();
}

TavrelAudioProcessorEditor::~TavrelAudioProcessorEditor()
{
    audioProcessor.removeChangeListener (this);
    SharedFonts::release();
}

juce::Point<float> TavrelAudioProcessorEditor::getContentOrigin() const noexcept
{
    return { (float) (getWidth() * 0.5 - designWidth * 0.5), (float) (getHeight() * 0.5 - designHeight * 0.5) };
}

juce::String TavrelAudioProcessorEditor::imageResourceName (const juce::String& baseName, double displayScale)
{
    return baseName + (displayScale > 1.0 ? "2x_png" : "_png");
}

juce::Image TavrelAudioProcessorEditor::loadImage (const juce::String& baseName) const
{
    const auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay();
    const auto name = imageResourceName (baseName, display != nullptr ? display->scale : 1.0);

    int size = 0;
    const auto* data = lookup (name.toRawUTF8(), size);

    if (data == nullptr || size <= 0)
        return {};

    return juce::ImageCache::getFromMemory (data, size);
}

void TavrelAudioProcessorEditor::paint (juce::Graphics& g)
{
    const auto origin = getContentOrigin();

    if (backgroundImage.isValid())
        g.drawImage (backgroundImage,
                     { origin.x, origin.y, (float) designWidth, (float) designHeight },
                     juce::RectanglePlacement::stretchToFit);

    if (helpVisible && helpImage.isValid())
        g.drawImage (helpImage, { origin.x + 20.0f, origin.y + 222.0f, 212.0f, 86.0f }, juce::RectanglePlacement::stretchToFit);
}

void TavrelAudioProcessorEditor::resized()
{
    const auto origin = getContentOrigin();
    const auto place = [origin] (juce::Component& child, float x, float y, int width, int height)
    {
        child.setBounds ((int) (origin.x + x), (int) (origin.y + y), width, height);
    };

    place (scraperView, 195.0f, 17.0f, 375, 360);
    place (versionLabel, 594.0f, 3.0f, 39, 17);
    place (holdSwitch, 560.0f, 272.0f, 49, 31);
    place (helpButton, 10.0f, 281.0f, 44, 37);

    // Sits over the logo, which the background picture draws at a fixed window position.
    snow.setBounds (19, 0, Snow::designWidth, Snow::designHeight);
}

void TavrelAudioProcessorEditor::mouseDown (const juce::MouseEvent&)
{
    if (! helpVisible)
        return;

    helpVisible = false;
    repaint();
}

void TavrelAudioProcessorEditor::timerCallback()
{
    scraperView.update (audioProcessor.isHoldNoteOn() || audioProcessor.getHeldNotes() != 0);

    snow.advance();
    snow.repaint();

    holdSwitch.setSwitchedOn (isHoldNoteParameterOn());
}

void TavrelAudioProcessorEditor::changeListenerCallback (juce::ChangeBroadcaster*)
{
    timerCallback();
}

void TavrelAudioProcessorEditor::buttonClicked (QVButton&)
{
    helpVisible = ! helpVisible;
    repaint();
}

void TavrelAudioProcessorEditor::switchChanged (SwitchButton&, bool isOn)
{
    // A click is a user gesture, so hosts record it as one automation step.
    beginParameterGesture (holdNoteParameter);
    setParameterValue (holdNoteParameter, isOn ? 1.0f : 0.0f);
    endParameterGesture (holdNoteParameter);
}

juce::AudioProcessorParameter* TavrelAudioProcessorEditor::parameterAt (int index) const
{
    // Out-of-range indices give null.
    return audioProcessor.getParameters()[index];
}

bool TavrelAudioProcessorEditor::isHoldNoteParameterOn() const
{
    return getParameterValue (holdNoteParameter) > 0.5f;
}

void TavrelAudioProcessorEditor::setParameterValue (int index, float value)
{
    if (auto* parameter = parameterAt (index))
        parameter->setValueNotifyingHost (value);
}

void TavrelAudioProcessorEditor::parameterHoverStarted (int) {}
void TavrelAudioProcessorEditor::parameterHoverEnded (int) {}
void TavrelAudioProcessorEditor::parameterFocusGained (int) {}
void TavrelAudioProcessorEditor::parameterFocusLost (int) {}
void TavrelAudioProcessorEditor::showParameterValue (int) {}
void TavrelAudioProcessorEditor::hideParameterValue (int) {}

juce::String TavrelAudioProcessorEditor::getParameterName (int index) const
{
    return juce::isPositiveAndBelow (index, numParameters) ? juce::String (kParameterInfo[(size_t) index].name) : juce::String();
}

juce::String TavrelAudioProcessorEditor::getParameterShortName (int index) const
{
    return getParameterName (index);
}

float TavrelAudioProcessorEditor::getParameterDefault (int index) const
{
    return juce::isPositiveAndBelow (index, numParameters) ? kParameterInfo[(size_t) index].normalisedDefault() : 0.0f;
}

float TavrelAudioProcessorEditor::getParameterValue (int index) const
{
    auto* parameter = parameterAt (index);
    return parameter != nullptr ? parameter->getValue() : 0.0f;
}

void TavrelAudioProcessorEditor::beginParameterGesture (int index)
{
    if (auto* parameter = parameterAt (index))
        parameter->beginChangeGesture();
}

void TavrelAudioProcessorEditor::endParameterGesture (int index)
{
    if (auto* parameter = parameterAt (index))
        parameter->endChangeGesture();
}
