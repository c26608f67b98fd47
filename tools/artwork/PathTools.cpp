#include "PathTools.h"

#include <cmath>

namespace wexla::artwork
{

std::vector<PathTools::Segment> PathTools::flatten (const juce::Path& path, float tolerance)
{
    std::vector<Segment> segments;
    juce::PathFlatteningIterator it (path, {}, tolerance);

    while (it.next())
        segments.push_back ({ { it.x1, it.y1 }, { it.x2, it.y2 } });

    return segments;
}

std::optional<float> PathTools::topAt (const std::vector<Segment>& outline, float x)
{
    std::optional<float> top;

    for (const auto& s : outline)
    {
        const auto lo = std::min (s.a.x, s.b.x);
        const auto hi = std::max (s.a.x, s.b.x);

        if (x < lo || x > hi || hi - lo < 1.0e-6f)
            continue;

        const auto t = (x - s.a.x) / (s.b.x - s.a.x);
        const auto y = s.a.y + t * (s.b.y - s.a.y);

        if (! top.has_value() || y < *top)
            top = y;
    }

    return top;
}

juce::Path PathTools::remap (const juce::Path& path,
                             const std::function<juce::Point<float> (juce::Point<float>)>& map,
                             float maxStep)
{
    juce::Path result;
    juce::PathFlatteningIterator it (path, {}, 0.02f);
    bool open = false;

    while (it.next())
    {
        const juce::Point<float> a (it.x1, it.y1), b (it.x2, it.y2);

        if (! open)
        {
            result.startNewSubPath (map (a));
            open = true;
        }

        const auto steps = juce::jmax (1, (int) std::ceil (a.getDistanceFrom (b) / maxStep));

        for (int i = 1; i <= steps; ++i)
            result.lineTo (map (a + (b - a) * ((float) i / (float) steps)));

        if (it.closesSubPath)
        {
            result.closeSubPath();
            open = false;
        }
    }

    return result;
}

juce::Path PathTools::polygon (const std::vector<juce::Point<float>>& points)
{
    juce::Path p;

    if (points.empty())
        return p;

    p.startNewSubPath (points.front());

    for (size_t i = 1; i < points.size(); ++i)
        p.lineTo (points[i]);

    p.closeSubPath();
    return p;
}

} // namespace wexla::artwork
