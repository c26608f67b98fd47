#pragma once

#include <array>

#include <juce_gui_basics/juce_gui_basics.h>

class SnowRandom;

// A transparent overlay of 40 flakes that fall onto the logo lettering of the background picture.
// Each flake sways sideways, fades in as it falls and starts again at the top when it reaches
// the top edge of the lettering below it.
class Snow : public juce::Component
{
public:
    static constexpr int flakeCount = 40;
    // The overlay's design size; the ground line has one row per pixel column of it.
    static constexpr int designWidth = 190;
    static constexpr int designHeight = 87;

    struct Snowflake
    {
        float x = 0.0f;          // 0 to 1 of the overlay's width
        float y = 0.0f;          // 0 to 1 of its height, 0 at the top
        float fallSpeed = 0.0f;  // each tick falls 0.001 + 0.01 × fallSpeed
        float sway = 0.0f;       // sideways by 0.05 × sway × sin (phase) of the width
        float size = 0.0f;       // diameter 1 + 3 × size pixels
        float phase = 0.0f;      // radians, kept in [0, 2π)
        float phaseSpeed = 0.0f; // each tick adds 0.02 × phaseSpeed to phase
    };

    using Flakes = std::array<Snowflake, flakeCount>;

    // Draws the flakes from the process-wide generator.
    Snow();
    explicit Snow (SnowRandom& random);
    ~Snow() override;

    // One 16 ms step of every flake.
    void advance() noexcept;

    Flakes& getFlakes() noexcept { return flakes; }
    const Flakes& getFlakes() const noexcept { return flakes; }

    // The row at which a flake in this pixel column reaches the lettering; columns outside the
    // overlay use the nearest edge column.
    static float groundLineAt (int column) noexcept;

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    Flakes flakes;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Snow)
};
