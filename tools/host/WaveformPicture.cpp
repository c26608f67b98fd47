#include "WaveformPicture.h"

#include <juce_graphics/juce_graphics.h>


namespace WaveformPicture
{
namespace
{
const juce::Colour background { 0xff15161a };
const juce::Colour gridColour { 0xff34363d };
const juce::Colour textColour { 0xffb8bac2 };
const juce::Colour channelColours[] = { juce::Colour (0xff6fc3df), juce::Colour (0xffe0787a) };

void drawChannel (juce::Graphics& g, const juce::AudioBuffer<float>& audio, int channel, juce::Rectangle<int> area)
{
    const auto numSamples = audio.getNumSamples();
    const auto centre = (float) area.getCentreY();
    const auto halfHeight = (float) area.getHeight() * 0.5f;

    g.setColour (gridColour);
    g.drawHorizontalLine ((int) centre, (float) area.getX(), (float) area.getRight());

    if (numSamples == 0)
        return;

    g.setColour (channelColours[channel & 1]);
    for (int x = 0; x < area.getWidth(); ++x)
    {
        const auto start = (int) ((int64_t) x * numSamples / area.getWidth());
        const auto end = std::max (start + 1, (int) ((int64_t) (x + 1) * numSamples / area.getWidth()));
        const auto range = audio.findMinMax (channel, start, std::min (end, numSamples) - start);
        const auto top = centre - juce::jlimit (-1.0f, 1.0f, range.getEnd()) * halfHeight;
        const auto bottom = centre - juce::jlimit (-1.0f, 1.0f, range.getStart()) * halfHeight;
        g.drawVerticalLine (area.getX() + x, top, std::max (bottom, top + 1.0f));
    }
}
} // namespace

juce::Image draw (const juce::AudioBuffer<float>& audio, double sampleRate, int width, int height)
{
    juce::Image image (juce::Image::RGB, width, height, true);
    juce::Graphics g (image);
    g.fillAll (background);

    const auto plot = juce::Rectangle<int> (0, 0, width, height).reduced (10).withTrimmedBottom (16);
    const auto seconds = audio.getNumSamples() / sampleRate;

    // A tick every second, labelled.
    g.setFont (12.0f);
    for (int s = 0; s <= (int) seconds; ++s)
    {
        const auto x = plot.getX() + (int) (s / std::max (seconds, 1e-9) * plot.getWidth());
        g.setColour (gridColour);
        g.drawVerticalLine (x, (float) plot.getY(), (float) plot.getBottom());
        g.setColour (textColour);
        g.drawText (juce::String (s) + " s", x + 2, plot.getBottom() + 2, 40, 14, juce::Justification::left);
    }

    const auto channels = std::min (audio.getNumChannels(), 2);
    auto lanes = plot;
    for (int c = 0; c < channels; ++c)
        drawChannel (g, audio, c, lanes.removeFromTop (plot.getHeight() / channels));

    return image;
}
} // namespace WaveformPicture
