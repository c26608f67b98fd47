#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include "QVButton.h"
#include "QVUICallback.h"
#include "ResourceLookup.h"
#include "Snow.h"
#include "SwitchButton.h"
#include "TavrelView.h"

class TavrelAudioProcessor;

// The plug-in window: background, the candy-cane view, the Hold Note switch, the help button and
// overlay, the version label and the snow. A fixed 638 × 336 design, centred in whatever size
// the window has. It polls the processor every 16 ms and refreshes at once after a state load.
class TavrelAudioProcessorEditor : public juce::AudioProcessorEditor,
                                   public juce::Timer,
                                   public SwitchButton::Delegate,
                                   public QVButton::Delegate,
                                   public QVUICallback,
                                   public juce::ChangeListener
{
public:
    static constexpr int designWidth = 638;
    static constexpr int designHeight = 336;

    // Takes the pictures from the plug-in's embedded resources.
    explicit TavrelAudioProcessorEditor (TavrelAudioProcessor& processorToShow);
    TavrelAudioProcessorEditor (TavrelAudioProcessor& processorToShow, const ResourceLookup& resourceLookup);
    ~TavrelAudioProcessorEditor() override;

    // Where the top left of the 638 × 336 design lies: centred, (0, 0) at the normal size.
    juce::Point<float> getContentOrigin() const noexcept;

    // The resource name of a picture for a display scale: the double-resolution twin above 1.
    static juce::String imageResourceName (const juce::String& baseName, double displayScale);

    bool isHelpVisible() const noexcept { return helpVisible; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    void mouseDown (const juce::MouseEvent& event) override;

    void timerCallback() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    void buttonClicked (QVButton& button) override;
    void switchChanged (SwitchButton& button, bool isOn) override;

    void setParameterValue (int index, float value) override;
    void parameterHoverStarted (int index) override;
    void parameterHoverEnded (int index) override;
    void parameterFocusGained (int index) override;
    void parameterFocusLost (int index) override;
    void showParameterValue (int index) override;
    void hideParameterValue (int index) override;
    juce::String getParameterName (int index) const override;
    juce::String getParameterShortName (int index) const override;
    float getParameterDefault (int index) const override;
    float getParameterValue (int index) const override;
    void beginParameterGesture (int index) override;
    void endParameterGesture (int index) override;

private:
    juce::Image loadImage (const juce::String& baseName) const;
    juce::AudioProcessorParameter* parameterAt (int index) const;
    bool isHoldNoteParameterOn() const;

    ResourceLookup lookup;

    juce::Label versionLabel;
    bool helpVisible = false;
    juce::Image backgroundImage;
    juce::Image helpImage;
    Snow snow;
    SwitchButton holdSwitch;
    TavrelView scraperView;
    TavrelAudioProcessor& audioProcessor;
    QVButton helpButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TavrelAudioProcessorEditor)
};
