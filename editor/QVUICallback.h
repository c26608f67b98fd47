#pragma once

#include <juce_core/juce_core.h>

// What a view may ask of the window that hosts it: read and change the processor's parameters by
// index, the index being the parameter's position in the processor's list and its row in
// kParameterInfo.
class QVUICallback
{
public:
    virtual ~QVUICallback() = default;

    virtual void setParameterValue (int index, float value) = 0;

    // Hints from views that show hover, focus or value pop-ups; a window without such
    // decorations ignores them.
    virtual void parameterHoverStarted (int index) = 0;
    virtual void parameterHoverEnded (int index) = 0;
    virtual void parameterFocusGained (int index) = 0;
    virtual void parameterFocusLost (int index) = 0;
    virtual void showParameterValue (int index) = 0;
    virtual void hideParameterValue (int index) = 0;

    virtual juce::String getParameterName (int index) const = 0;
    virtual juce::String getParameterShortName (int index) const = 0;
    // The default as a normalised value, 0 to 1.
    virtual float getParameterDefault (int index) const = 0;
    virtual float getParameterValue (int index) const = 0;

    // A drag or a click that changes a parameter is wrapped in these, so hosts record it as
    // one gesture. An index outside the parameter list is ignored.
    virtual void beginParameterGesture (int index) = 0;
    virtual void endParameterGesture (int index) = 0;
};
