#include "ScraperGeometry.h"

#include <cmath>

namespace wexla::artwork
{

juce::Point<float> ScraperGeometry::axisDirection()
{
    const auto d = axisEnd() - axisStart();
    return d / length();
}

juce::Point<float> ScraperGeometry::upNormal()
{
    const auto d = axisDirection();
    return { d.y, -d.x };
}

float ScraperGeometry::length()
{
    return axisStart().getDistanceFrom (axisEnd());
}

juce::Point<float> ScraperGeometry::axisPoint (float s)
{
    return axisStart() + axisDirection() * (s * length());
}

float ScraperGeometry::halfWidth (float s)
{
    // Rounded at both ends, a full bulb towards the lower end like a gourd.
    constexpr float maximum = 50.0f;
    const auto clamped = juce::jlimit (0.0f, 1.0f, s);
    const auto arch = std::pow (juce::jmax (0.0f, std::sin (juce::MathConstants<float>::pi * clamped)), 0.5f);
    return maximum * arch * (1.12f - 0.38f * clamped);
}

float ScraperGeometry::ridgeS (int ridge)
{
    return firstRidgeS + (lastRidgeS - firstRidgeS) * (float) ridge / (float) (ridgeCount - 1);
}

float ScraperGeometry::frameS (int frame)
{
    return firstRidgeS + (lastRidgeS - firstRidgeS) * (float) (frame - 1) / (float) (frameCount - 1);
}

juce::Point<float> ScraperGeometry::bodyPoint (float s, float across)
{
    return axisPoint (s) + upNormal() * (across * halfWidth (s));
}

juce::Point<float> ScraperGeometry::contactPoint (int frame)
{
    const auto s = frameS (frame);
    return bodyPoint (s, 1.0f) + upNormal() * (ridgeHeight * 0.5f);
}

} // namespace wexla::artwork
