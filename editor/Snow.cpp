#include "Snow.h"

#include <cmath>

#include "SnowRandom.h"

namespace
{
// Per pixel column, the first row of the logo lettering under the overlay (where the lettering's
// mask first turns more than 10 % opaque).
constexpr std::array<float, Snow::designWidth> groundLine {
    49, 47, 44, 42, 40, 39, 37, 36, 34, 33, 31, 30, 29, 28, 27, 27, 26, 26, 25,
    24, 24, 23, 23, 23, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22,
    22, 22, 22, 22, 22, 23, 23, 24, 25, 25, 26, 27, 28, 29, 30, 31, 43, 45, 60,
    61, 64, 73, 73, 70, 67, 65, 63, 60, 57, 56, 55, 54, 54, 54, 53, 52, 52, 52,
    53, 55, 72, 72, 72, 70, 68, 63, 60, 57, 56, 55, 55, 55, 54, 55, 55, 55, 56,
    57, 74, 73, 72, 69, 68, 67, 62, 40, 38, 37, 36, 36, 36, 36, 35, 35, 35, 35,
    35, 36, 36, 37, 39, 40, 41, 43, 58, 57, 55, 54, 54, 53, 53, 53, 53, 54, 54,
    55, 57, 59, 60, 58, 57, 56, 55, 54, 54, 53, 53, 53, 53, 53, 53, 53, 53, 54,
    55, 56, 63, 66, 64, 62, 60, 58, 57, 56, 55, 55, 54, 54, 53, 53, 53, 53, 53,
    53, 53, 53, 54, 54, 54, 55, 55, 56, 56, 57, 58, 59, 60, 61, 61, 62, 62, 62,
};

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
    return groundLine[(size_t) juce::jlimit (0, designWidth - 1, column)];
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
