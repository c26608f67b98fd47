#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>
#include <optional>
#include <vector>

namespace wexla::artwork
{

/** Geometry helpers on flattened paths: the lettering is fitted and shaped by looking at the
    outline as straight segments. */
struct PathTools
{
    struct Segment
    {
        juce::Point<float> a, b;
    };

    static std::vector<Segment> flatten (const juce::Path& path, float tolerance = 0.02f);

    /** The topmost point (smallest y) at which the vertical line through x meets the outline. */
    static std::optional<float> topAt (const std::vector<Segment>& outline, float x);

    /** Returns the outline with every point moved by `map`; long segments are first cut into pieces no
        longer than `maxStep`, so that straight edges follow a curved map. */
    static juce::Path remap (const juce::Path& path,
                             const std::function<juce::Point<float> (juce::Point<float>)>& map,
                             float maxStep);

    /** A closed polygon through the given points. */
    static juce::Path polygon (const std::vector<juce::Point<float>>& points);
};

} // namespace wexla::artwork
