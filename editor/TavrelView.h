#pragma once

#include <array>
#include <functional>

#include <juce_gui_basics/juce_gui_basics.h>

#include "ResourceLookup.h"

// The candy-cane stick drawn over the instrument: a flip-book of 34 positions along the ridges,
// one set of pictures at rest and one while the instrument is being played. It takes no mouse
// clicks, so they reach the window below.
class TavrelView : public juce::Component
{
public:
    static constexpr int frameCount = 34;

    // The stick position to show, 0 to just below 1: the position the wheel last asked for, read
    // anew for every repaint.
    using PositionSource = std::function<float()>;

    // Loads the 68 frames from the plug-in's embedded pictures.
    TavrelView();
    explicit TavrelView (const ResourceLookup& lookup);
    ~TavrelView() override;

    void setPositionSource (PositionSource source);

    // Chooses the playing or the resting set, and repaints if the picture to show has changed
    // (another set, or the stick has moved to another frame).
    void update (bool isBeingPlayed);
    bool isPlaying() const noexcept { return playing; }

    // The 0-based frame for a stick position: [0, 1) is cut into frameCount equal parts; anything
    // below shows the first frame and anything above the last.
    static int frameIndexFor (float position) noexcept;

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    int currentFrameIndex() const;

    PositionSource positionSource;
    bool playing = false;
    std::array<juce::Image, frameCount> playingFrames;
    std::array<juce::Image, frameCount> idleFrames;

    // What the last update asked to be drawn, so that an unchanged picture is not repainted.
    int shownFrame = -1;
    bool shownPlaying = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TavrelView)
};
