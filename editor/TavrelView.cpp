#include "TavrelView.h"

#include <iostream>

#include "BinaryData.h"

namespace
{
juce::Image loadFrame (const ResourceLookup& lookup, const juce::String& name)
{
    int size = 0;
    const auto* data = lookup (name.toRawUTF8(), size);

    if (data == nullptr || size <= 0)
    {
        std::cout << "Couldn't load image!" << std::endl;
        return {};
    }

    return juce::ImageCache::getFromMemory (data, size);
}
} // namespace

TavrelView::TavrelView() : TavrelView (BinaryData::getNamedResource) {}

TavrelView::TavrelView (const ResourceLookup& lookup)
{
    setInterceptsMouseClicks (false, false);

    for (int n = 1; n <= frameCount; ++n)
    {
        playingFrames[(size_t) n - 1] = loadFrame (lookup, "candycaneon" + juce::String (n) + "_png");
        idleFrames[(size_t) n - 1] = loadFrame (lookup, "candycaneoff" + juce::String (n) + "_png");
    }
}

TavrelView::~TavrelView() = default;

void TavrelView::setPositionSource (PositionSource source)
{
    positionSource = std::move (source);
    shownFrame = -1;
    repaint();
}

int TavrelView::frameIndexFor (float position) noexcept
{
    // Written so that NaN and any out-of-range value end inside the frame range before the
    // conversion to int.
    if (! (position > 0.0f))
        return 0;

    return (int) juce::jmin (position * (float) frameCount, (float) (frameCount - 1));
}

int TavrelView::currentFrameIndex() const
{
    return frameIndexFor (positionSource != nullptr ? positionSource() : 0.0f);
}

void TavrelView::update (bool isBeingPlayed)
{
    playing = isBeingPlayed;
    const auto frame = currentFrameIndex();

    if (frame == shownFrame && playing == shownPlaying)
        return;

    shownFrame = frame;
    shownPlaying = playing;
    repaint();
}

void TavrelView::paint (juce::Graphics& g)
{
    const auto& frames = playing ? playingFrames : idleFrames;
    const auto& image = frames[(size_t) currentFrameIndex()];

    // Both sets fill the same area; the smaller playing frames are drawn enlarged.
    if (image.isValid())
        g.drawImage (image, { 0.0f, 0.0f, 375.0f, 360.0f }, juce::RectanglePlacement::stretchToFit);
}

void TavrelView::resized() {}
