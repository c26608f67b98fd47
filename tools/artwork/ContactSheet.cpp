#include "ContactSheet.h"

#include "Fonts.h"
#include "Palette.h"
#include "ScraperGeometry.h"

namespace wexla::artwork
{

namespace
{
    constexpr int windowWidth = 638;
    constexpr int windowHeight = 336;

    void drawStretched (juce::Graphics& g, const juce::Image& image, juce::Rectangle<float> area)
    {
        g.drawImage (image, area, juce::RectanglePlacement::stretchToFit);
    }
} // namespace

juce::Image ContactSheet::composite (const WindowPictures& pictures, const juce::Image& frame, bool holdNoteOn, bool showHelp)
{
    juce::Image window (juce::Image::RGB, windowWidth, windowHeight, true);
    juce::Graphics g (window);
    g.setImageResamplingQuality (juce::Graphics::mediumResamplingQuality);
    drawStretched (g, pictures.background, { 0.0f, 0.0f, (float) windowWidth, (float) windowHeight });

    if (showHelp)
        drawStretched (g, pictures.helpText, { 20.0f, 222.0f, 212.0f, 86.0f });

    drawStretched (g, frame, ScraperGeometry::viewBounds());

    g.setColour (juce::Colour (0xffdcdcdc));
    g.setFont (Fonts::regular (10.0f));
    g.drawText ("v1.0.1", juce::Rectangle<float> (594.0f, 3.0f, 39.0f, 17.0f), juce::Justification::topRight, false);

    drawStretched (g, pictures.helpButton, { 10.0f, 281.0f, 44.0f, 37.0f });
    drawStretched (g, holdNoteOn ? pictures.switchOn : pictures.switchOff, { 560.0f, 272.0f, 49.0f, 31.0f });
    return window;
}

juce::Image ContactSheet::render (const WindowPictures& pictures)
{
    const auto& idleFrames = pictures.idleFrames;
    const auto& playingFrames = pictures.playingFrames;
    // Frames: 17 to a row, at a third of their size, idle rows first.
    constexpr int perRow = 17;
    constexpr float tileScale = 0.3f;
    const auto tileWidth = (int) (375.0f * tileScale);
    const auto tileHeight = (int) (360.0f * tileScale);
    constexpr int margin = 14;
    constexpr int label = 16;
    const auto framesWidth = perRow * tileWidth;
    const auto frameRows = (int) ((idleFrames.size() + perRow - 1) / perRow + (playingFrames.size() + perRow - 1) / perRow);
    const auto sheetWidth = juce::jmax (framesWidth, 3 * windowWidth + 2 * margin) + 2 * margin;
    const auto compositesTop = margin + frameRows * (tileHeight + label) + margin;
    const auto sheetHeight = compositesTop + 2 * (windowHeight + label + margin);

    juce::Image sheet (juce::Image::RGB, sheetWidth, sheetHeight, true);
    juce::Graphics g (sheet);
    g.fillAll (juce::Colour (0xff3a4152));
    g.setImageResamplingQuality (juce::Graphics::mediumResamplingQuality);
    g.setFont (Fonts::regular (12.0f));

    auto drawTiles = [&] (const std::vector<juce::Image>& frames, int firstRow, const juce::String& name)
    {
        for (size_t i = 0; i < frames.size(); ++i)
        {
            const auto row = firstRow + (int) i / perRow;
            const auto column = (int) i % perRow;
            const juce::Rectangle<float> tile ((float) (margin + column * tileWidth),
                                               (float) (margin + row * (tileHeight + label) + label),
                                               (float) tileWidth, (float) tileHeight);
            g.setColour (juce::Colour (0xff4a5266));
            g.fillRect (tile.reduced (1.0f));
            drawStretched (g, frames[i], tile);
            g.setColour (juce::Colours::white.withAlpha (0.8f));
            g.drawText (name + juce::String ((int) i + 1), tile.withY (tile.getY() - (float) label).withHeight ((float) label),
                        juce::Justification::centredLeft, false);
        }
    };

    drawTiles (idleFrames, 0, "off ");
    drawTiles (playingFrames, (int) (idleFrames.size() + perRow - 1) / perRow, "on ");

    const int shown[] = { 1, 18, 34 };

    for (int set = 0; set < 2; ++set)
    {
        const auto& frames = set == 0 ? idleFrames : playingFrames;

        for (int k = 0; k < 3; ++k)
        {
            const auto index = (size_t) shown[k] - 1;

            if (index >= frames.size())
                continue;

            const auto x = margin + k * (windowWidth + margin);
            const auto y = compositesTop + set * (windowHeight + label + margin) + label;
            // The playing row has Hold Note on; its middle picture shows the help card as well.
            const auto playing = set == 1;
            g.drawImageAt (composite (pictures, frames[index], playing, playing && k == 1), x, y);
            g.setColour (juce::Colours::white.withAlpha (0.8f));
            g.drawText ((playing ? "playing, frame " : "idle, frame ") + juce::String (shown[k]),
                        x, y - label, windowWidth, label, juce::Justification::centredLeft, false);
        }
    }

    return sheet;
}

} // namespace wexla::artwork
