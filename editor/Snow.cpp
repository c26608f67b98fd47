#include "Snow.h"

#include <cmath>

#include "SnowGroundLine.h"
#include "SnowRandom.h"

namespace
{
constexpr float twoPi = 6.2831855f;
} // namespace

Snow::Snow() : Snow (SnowRandom::shared()) {}

Snow::Snow (SnowRandom& random)
{
    for (auto& flake : flakes)
    {
        flake.x = random.nextUnit();
        flake.y = random.nextUnit();
        flake.fallSpeed = random.nextUnit();
        flake.size = random.nextUnit();
        flake.sway = random.nextUnit();
        flake.phase = random.nextUnit();
        flake.phaseSpeed = random.nextUnit();
    }
}

Snow::~Snow() = default;

void Snow::advance() noexcept
{
    for (auto& flake : flakes)
    {
        flake.y += flake.fallSpeed * 0.01f + 0.001f;

        if (flake.y >= 1.0f)
            flake.y = 0.0f;

        flake.phase = std::fmod (flake.phaseSpeed * 0.02f + flake.phase, twoPi);
    }
}

float Snow::groundLineAt (int column) noexcept
{
    return (float) snowGroundLine[(size_t) juce::jlimit (0, designWidth - 1, column)];
}

void Snow::paint (juce::Graphics& g)
{
    const auto width = (float) getWidth();
    const auto height = (float) getHeight();

    for (auto& flake : flakes)
    {
        const auto px = (std::sin (flake.phase) * flake.sway * 0.05f + flake.x) * width;
        const auto py = flake.y * height;

        // Truncation toward zero; the float limits keep the conversion defined for any position.
        const auto column = (int) juce::jlimit (-1.0f, (float) designWidth, px);

        if (groundLineAt (column) <= py)
        {
            // Reached the lettering: start again at the top on the next repaint.
            flake.y = 0.0f;
            continue;
        }

        const auto diameter = 1.0f + 3.0f * flake.size;
        g.setColour (juce::Colours::white.withAlpha (juce::jmin (4.0f * flake.y, 1.0f)));
        g.fillEllipse (px, py, diameter, diameter);
    }
}

void Snow::resized() {}
