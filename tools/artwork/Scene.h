#pragma once

#include "Logo.h"

#include <juce_graphics/juce_graphics.h>

namespace wexla::artwork
{

/** The window's background: a snowy moonlit night with the lettering on a hill, pines, a decorated
    tree, the instrument lying in the snow and the caption of the Hold Note switch. Painted in window
    coordinates (638 × 336); the pictures scale it to their resolution. */
class Scene
{
public:
    static constexpr float width = 638.0f;
    static constexpr float height = 336.0f;

    explicit Scene (const Logo& logoToUse);

    void paint (juce::Graphics& g) const;

    /** The background picture at 1× (639 × 336, squeezed into 638 by the editor) or 2× (1276 × 672). */
    juce::Image render (bool doubleResolution) const;

    /** Free areas that the editor covers with its own controls, in window coordinates. */
    static juce::Rectangle<float> versionLabelArea() { return { 594.0f, 3.0f, 39.0f, 17.0f }; }
    static juce::Rectangle<float> helpButtonArea() { return { 10.0f, 281.0f, 44.0f, 37.0f }; }
    static juce::Rectangle<float> holdSwitchArea() { return { 560.0f, 272.0f, 49.0f, 31.0f }; }
    static juce::Rectangle<float> captionArea() { return { 468.0f, 278.0f, 86.0f, 19.0f }; }

private:
    const Logo& logo;

    void paintSky (juce::Graphics& g) const;
    void paintGarland (juce::Graphics& g) const;
    void paintFarHills (juce::Graphics& g) const;
    void paintGround (juce::Graphics& g) const;
    void paintHill (juce::Graphics& g) const;
    void paintCabin (juce::Graphics& g) const;
    void paintTrees (juce::Graphics& g) const;
    void paintSnowman (juce::Graphics& g) const;
    void paintFlakes (juce::Graphics& g) const;
    void paintCaption (juce::Graphics& g) const;
};

} // namespace wexla::artwork
