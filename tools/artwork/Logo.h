#pragma once

#include "CandyStripes.h"

#include <juce_graphics/juce_graphics.h>

#include <vector>

namespace wexla::artwork
{

/** The "Wexla" lettering, standing in the snow on a hill top: red italic letters whose last-but-one
    is a candy cane, each with a cap of snow. The snow on the letters and between them follows the
    ground line on which the window's falling flakes settle, so in every column the flakes vanish
    exactly where they meet the snow.

    All coordinates are those of the snow overlay: the overlay's top left corner is (0, 0) and it sits
    at (overlayX, overlayY) in the window. */
class Logo
{
public:
    static constexpr float overlayX = 19.0f;
    static constexpr float overlayY = 0.0f;
    static constexpr float baseline = 74.0f;

    /** The snow line of the table, continuous: column c holds its table row across the column, with
        short slopes between columns; it carries on to the left and right of the overlay as the
        crest of the hill the lettering stands on. */
    static float surfaceAt (float x);

    /** The crest of the hill in overlay coordinates, from the window's left edge to where the hill
        falls away to the right: it is the snow line wherever no letter stands. */
    std::vector<juce::Point<float>> crest() const;

    Logo();

    /** The logo layer: the hill top (down to `snowBottom`), the lettering and its snow. */
    void paint (juce::Graphics& g, float snowBottom) const;

    /** The logo alone on a transparent 190 × 87 picture at the given resolution. */
    juce::Image renderLayer (float scale) const;

    /** The overlay's mask: opaque from the snow line down in every column. */
    static juce::Image renderSnowMask();

    /** The first row whose alpha exceeds 25 in each column of `image` (its height if none). */
    static std::vector<int> firstRowsAbove25 (const juce::Image& image);

    /** Columns in which a letter (not the snow between the letters or a present) carries the snow line. */
    const std::vector<bool>& letterColumns() const { return letterColumn; }

    /** The letters (and presents) without any snow, on a transparent 190 × 87 picture at 1×. */
    juce::Image renderLettersOnly() const;

    static constexpr float slant = 0.3f;

private:
    /** A letter, or one of the presents lying in the snow beside the word. */
    struct Letter
    {
        enum class Kind { glyph, cane, present };

        Kind kind = Kind::glyph;
        juce::Path shape;            // before the snow line cuts it
        juce::Path caneLine;         // centre line of the candy cane letter
        juce::Rectangle<float> box;  // a present's box
        juce::Colour wrapping, ribbon;
        float notchRadius = 1.5f;    // notches narrower than twice this are bridged by snow
        juce::Path cap;              // the snow lying on it
    };

    std::vector<Letter> letters;
    std::vector<float> driftTop;     // per column from the window's left edge
    std::vector<float> cutRows;      // per column: how high the letters may reach
    std::vector<bool> letterColumn;  // per overlay column

    CandyStripes::Style caneStyle() const;
    juce::Path cutRegion() const;
    juce::Path driftPath (float bottom) const;
    void buildCaps();
    void paintPresent (juce::Graphics& g, const Letter& present) const;
    void paintLetters (juce::Graphics& g) const;
    void paintCaps (juce::Graphics& g) const;
    void paintFrontSnow (juce::Graphics& g, float snowBottom) const;
};

} // namespace wexla::artwork
