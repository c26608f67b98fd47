#pragma once

#include <juce_graphics/juce_graphics.h>

namespace wexla::artwork
{

/** A snowy fir in tiers; decorated, it carries strings of lights and a star. */
struct Pine
{
    juce::Point<float> base;   // foot of the trunk
    float height = 100.0f;
    float width = 60.0f;
    int tiers = 4;
    bool decorated = false;
    juce::Colour needles;
    juce::Colour needlesDark;

    void paint (juce::Graphics& g, juce::Random& random) const;

    /** A plain silhouette for far-away trees. */
    static juce::Path silhouette (juce::Point<float> base, float height, float width);
};

} // namespace wexla::artwork
