#include "Logo.h"

#include "Fonts.h"
#include "GroundLine.h"
#include "Palette.h"
#include "PathTools.h"

#include <cmath>
#include <limits>

namespace wexla::artwork
{

namespace
{
    // Columns handled, in overlay coordinates: from the window's left edge to where the hill has
    // fallen well below the lettering.
    constexpr int firstColumn = -(int) Logo::overlayX;
    constexpr int lastColumn = 240;
    constexpr int columnCount = lastColumn - firstColumn + 1;

    // Gap between the snow line and the cut top of a letter: the thinnest snow on a letter.
    constexpr float capGap = 1.5f;
    // Snow thicker than this does not count as lying on the letter beneath.
    constexpr float maxCap = 9.0f;

    constexpr float noTop = std::numeric_limits<float>::max();

    /** Two columns of the table stand out beside the W's upper right corner, a ledge too narrow to
        draw as snow: there the W's snow rounds its corner instead, and the flakes stop a few rows
        above the lettering. */
    bool besideTheW (int column)
    {
        return column == 54 || column == 55;
    }

    float tableRow (int column)
    {
        if (besideTheW (column))
            return 33.0f + 2.5f * (float) (column - 54);

        if (column < 0)
            return juce::jmin (Logo::baseline - 0.5f, (float) groundLine.front() + 2.5f * (float) -column);

        if (column >= groundLineWidth)
            return (float) groundLine.back() + 0.012f * juce::square ((float) (column - groundLineWidth + 1));

        return (float) groundLine[(size_t) column];
    }

    // Left of the overlay the hill top is level; only the snow on the W follows its curve down.
    float driftRow (int column)
    {
        return column < 0 ? Logo::baseline - 1.0f : tableRow (column);
    }

    /** A polyline through the column centres of per-column rows; where neighbours differ by more than
        three rows the step is moved towards the column edge, so that each column keeps its own row
        (within two) when drawn at 1×. */
    std::vector<juce::Point<float>> profilePoints (const std::vector<float>& rows, int first)
    {
        std::vector<juce::Point<float>> points;

        for (size_t i = 0; i < rows.size(); ++i)
        {
            const auto x = (float) first + (float) i;

            const auto jump = i > 0 ? std::abs (rows[i] - rows[i - 1]) : 0.0f;

            if (jump > 3.0f)
            {
                // The steeper the step, the closer to the edge it has to happen.
                const auto halfWidth = juce::jlimit (0.04f, 0.5f, 1.0f / jump);
                points.push_back ({ x - halfWidth, rows[i - 1] });
                points.push_back ({ x + halfWidth, rows[i] });
            }
            else if (i == 0)
            {
                points.push_back ({ x, rows[i] });
            }

            points.push_back ({ x + 0.5f, rows[i] });
        }

        points.push_back ({ (float) first + (float) rows.size(), rows.back() });
        return points;
    }

    float interpolate (const std::vector<juce::Point<float>>& points, float x)
    {
        if (x <= points.front().x)
            return points.front().y;

        if (x >= points.back().x)
            return points.back().y;

        auto it = std::upper_bound (points.begin(), points.end(), x,
                                    [] (float value, const juce::Point<float>& p) { return value < p.x; });
        const auto& b = *it;
        const auto& a = *(it - 1);
        const auto t = b.x > a.x ? (x - a.x) / (b.x - a.x) : 0.0f;
        return a.y + t * (b.y - a.y);
    }

    const std::vector<juce::Point<float>>& surfacePoints()
    {
        static const auto points = []
        {
            std::vector<float> rows;

            for (int c = firstColumn; c <= lastColumn; ++c)
                rows.push_back (tableRow (c));

            return profilePoints (rows, firstColumn);
        }();

        return points;
    }

    std::vector<juce::Point<float>> surfaceBetween (float from, float to)
    {
        std::vector<juce::Point<float>> points { { from, Logo::surfaceAt (from) } };

        for (const auto& p : surfacePoints())
            if (p.x > from && p.x < to)
                points.push_back (p);

        points.push_back ({ to, Logo::surfaceAt (to) });
        return points;
    }

    // The hill's snow, moved into overlay coordinates.
    juce::ColourGradient hillSnowHere()
    {
        auto snow = palette::hillSnow();
        const juce::Point<float> shift (Logo::overlayX, Logo::overlayY);
        snow.point1 -= shift;
        snow.point2 -= shift;
        return snow;
    }

    // Sampling of the letters' top edges.
    constexpr float sampleStep = 0.125f;

    float sampleX (int i) { return (float) firstColumn + ((float) i + 0.5f) * sampleStep; }
    int sampleCount() { return (int) ((float) columnCount / sampleStep); }

    /** The top of `shape` in every sample column once it is cut by `clip`, found by drawing it finely. */
    std::vector<float> topEdge (const juce::Path& shape, const juce::Path& clip)
    {
        constexpr float scale = 1.0f / sampleStep;
        const auto width = sampleCount();
        const auto height = (int) (100.0f * scale);
        juce::Image image (juce::Image::SingleChannel, width, height, true);

        {
            juce::Graphics g (image);
            g.addTransform (juce::AffineTransform::translation (-(float) firstColumn, 0.0f).scaled (scale));
            g.reduceClipRegion (clip);
            g.setColour (juce::Colours::white);
            g.fillPath (shape);
        }

        std::vector<float> tops ((size_t) width, noTop);
        const juce::Image::BitmapData data (image, juce::Image::BitmapData::readOnly);

        for (int x = 0; x < width; ++x)
            for (int y = 0; y < height; ++y)
                if (*data.getPixelPointer (x, y) > 127)
                {
                    tops[(size_t) x] = ((float) y + 0.5f) / scale;
                    break;
                }

        return tops;
    }

    /** Bridges notches narrower than twice `radius` (in pixels): a morphological closing of the top
        edge, so that snow can lie across them. */
    std::vector<float> closeNotches (const std::vector<float>& tops, float radius)
    {
        const auto r = (int) (radius / sampleStep);
        const auto n = (int) tops.size();
        std::vector<float> raised ((size_t) n, noTop), closed ((size_t) n, noTop);

        for (int i = 0; i < n; ++i)
            for (int j = juce::jmax (0, i - r); j <= juce::jmin (n - 1, i + r); ++j)
                raised[(size_t) i] = juce::jmin (raised[(size_t) i], tops[(size_t) j]);

        for (int i = 0; i < n; ++i)
        {
            if (tops[(size_t) i] == noTop)
                continue;

            auto lowest = -noTop;

            for (int j = juce::jmax (0, i - r); j <= juce::jmin (n - 1, i + r); ++j)
                lowest = juce::jmax (lowest, raised[(size_t) j]);

            closed[(size_t) i] = juce::jmin (lowest, tops[(size_t) i]);
        }

        return closed;
    }

    juce::Path glyphShape (juce::juce_wchar character, float scaleX, float scaleY, float x0)
    {
        juce::GlyphArrangement glyphs;
        glyphs.addLineOfText (Fonts::bold (100.0f), juce::String::charToString (character), 0.0f, 0.0f);
        juce::Path shape;
        glyphs.createPath (shape);
        // x' = x0 + sx·x − slant·sy·y, y' = baseline + sy·y: scaled, then slanted about the baseline.
        shape.applyTransform (juce::AffineTransform (scaleX, -Logo::slant * scaleY, x0,
                                                     0.0f, scaleY, Logo::baseline));
        return shape;
    }

    juce::Path capitalW()
    {
        // A heavy italic W whose middle apex reaches the top, so that the notches stay narrow.
        juce::Path centre;
        centre.startNewSubPath (0.2f, 12.0f);
        centre.lineTo (9.5f, 77.0f);
        centre.lineTo (29.0f, 12.0f);
        centre.lineTo (33.5f, 77.0f);
        centre.lineTo (55.0f, 12.0f);

        juce::Path shape;
        juce::PathStrokeType (10.5f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt)
            .createStrokedPath (shape, centre);
        return shape;
    }

    juce::Path caneCentreLine()
    {
        // An upright cane stuck in the snow; its hook spans columns 103 to 122.
        constexpr float radius = 6.4f;
        constexpr float centreX = 112.5f;
        constexpr float centreY = 46.0f;
        juce::Path line;
        line.startNewSubPath (centreX - radius, Logo::baseline + 4.0f);
        line.lineTo (centreX - radius, centreY);
        line.addCentredArc (centreX, centreY, radius, radius, 0.0f, -juce::MathConstants<float>::halfPi,
                            juce::MathConstants<float>::halfPi, false);
        line.lineTo (centreX + radius, centreY + 5.0f);
        return line;
    }
} // namespace

float Logo::surfaceAt (float x)
{
    return interpolate (surfacePoints(), x);
}

CandyStripes::Style Logo::caneStyle() const
{
    CandyStripes::Style style;
    style.width = 6.2f;
    style.stripePeriod = 5.6f;
    style.stripeFraction = 0.46f;
    style.stripeSlant = 1.0f;
    style.outlineWidth = 0.6f;
    style.thinStripeFraction = 0.0f;
    return style;
}

juce::Path Logo::cutRegion() const
{
    // Under snow the letters stop a little below the snow line; where no snow lies on them they may
    // reach the line itself, which spares the feet of the small letters.
    std::vector<juce::Point<float>> points;

    if (cutRows.empty())
    {
        points = surfaceBetween ((float) firstColumn, (float) lastColumn + 1.0f);

        for (auto& p : points)
            p.y += capGap;
    }
    else
    {
        points = profilePoints (cutRows, firstColumn);
    }

    points.push_back ({ (float) lastColumn + 1.0f, 200.0f });
    points.push_back ({ (float) firstColumn, 200.0f });
    return PathTools::polygon (points);
}

Logo::Logo()
{
    Letter w;
    w.shape = capitalW();
    w.notchRadius = 5.0f;
    letters.push_back (w);

    Letter e;
    e.shape = glyphShape ('e', 0.3485f, 0.41f, 58.42f);
    letters.push_back (e);

    Letter x;
    x.shape = glyphShape ('x', 0.28f, 0.35f, 78.71f);
    x.notchRadius = 3.5f;
    letters.push_back (x);

    Letter l;
    l.kind = Letter::Kind::cane;
    l.caneLine = caneCentreLine();
    l.shape = CandyStripes::body (l.caneLine, caneStyle());
    letters.push_back (l);

    Letter a;
    a.shape = glyphShape ('a', 0.3895f, 0.41f, 115.12f);
    letters.push_back (a);

    // Two presents half buried after the word, their lids under heaps of snow.
    Letter smallPresent;
    smallPresent.kind = Letter::Kind::present;
    smallPresent.box = { 137.6f, 59.5f, 15.8f, 17.0f };
    smallPresent.wrapping = juce::Colour (0xff2d8a4e);
    smallPresent.ribbon = palette::candyRed;
    smallPresent.shape.addRectangle (smallPresent.box);
    letters.push_back (smallPresent);

    Letter largePresent;
    largePresent.kind = Letter::Kind::present;
    largePresent.box = { 156.8f, 60.5f, 34.0f, 16.0f };
    largePresent.wrapping = juce::Colour (0xffc8263a);
    largePresent.ribbon = palette::gold;
    largePresent.shape.addRectangle (largePresent.box);
    letters.push_back (largePresent);

    buildCaps();
}

void Logo::buildCaps()
{
    const auto clip = cutRegion();
    letterColumn.assign ((size_t) groundLineWidth, false);
    std::vector<bool> covered ((size_t) columnCount, false);
    juce::Random random (0x5eed);

    for (auto& letter : letters)
    {
        const auto tops = closeNotches (topEdge (letter.shape, clip), letter.notchRadius);
        const auto n = (int) tops.size();

        // The snow lies where the letter comes up to the snow line.
        auto carries = [&] (int i)
        {
            return tops[(size_t) i] != noTop && tops[(size_t) i] - surfaceAt (sampleX (i)) <= maxCap;
        };

        for (int i = 0; i < n;)
        {
            if (! carries (i))
            {
                ++i;
                continue;
            }

            auto end = i;

            while (end + 1 < n && carries (end + 1))
                ++end;

            const auto from = sampleX (i) - sampleStep * 0.5f;
            const auto to = sampleX (end) + sampleStep * 0.5f;

            // Lower edge of the cap: a little into the letter, with a soft wave and a few drips.
            std::vector<juce::Point<float>> lower;
            const auto phase = random.nextFloat() * 6.0f;
            const auto dripA = from + (to - from) * (0.2f + 0.6f * random.nextFloat());
            const auto dripB = from + (to - from) * (0.2f + 0.6f * random.nextFloat());

            for (int k = end; k >= i; --k)
            {
                const auto sx = sampleX (k);
                const auto surface = surfaceAt (sx);
                const auto depth = 1.0f + 0.45f * std::sin (sx * 0.9f + phase)
                                   + 2.2f * std::exp (-juce::square ((sx - dripA) / 1.1f))
                                   + 1.6f * std::exp (-juce::square ((sx - dripB) / 0.9f));
                // Thin out towards the ends so that the cap rounds off over the letter's edge.
                const auto edge = juce::jmin (sx - from, to - sx);
                const auto taper = juce::jlimit (0.0f, 1.0f, edge / 1.6f);
                const auto bottom = juce::jmax (surface + 1.2f, tops[(size_t) k] + depth);
                lower.push_back ({ sx, surface + (bottom - surface) * std::sqrt (taper) });
                const auto column = (int) std::floor (sx) - firstColumn;
                covered[(size_t) juce::jlimit (0, columnCount - 1, column)] = true;

                if (letter.kind != Letter::Kind::present && column + firstColumn >= 0 && column + firstColumn < groundLineWidth)
                    letterColumn[(size_t) (column + firstColumn)] = true;
            }

            auto outline = surfaceBetween (from, to);
            outline.insert (outline.end(), lower.begin(), lower.end());
            letter.cap.addPath (PathTools::polygon (outline));
            i = end + 1;
        }
    }

    cutRows.resize ((size_t) columnCount);

    for (int c = firstColumn; c <= lastColumn; ++c)
        cutRows[(size_t) (c - firstColumn)] = tableRow (c) + (covered[(size_t) (c - firstColumn)] ? capGap : -0.5f);

    // Between the letters the snow line is the drift itself; behind a letter the drift sinks to
    // the letters' feet, piling up against their sides.
    driftTop.resize ((size_t) columnCount);

    for (int c = firstColumn; c <= lastColumn; ++c)
    {
        const auto i = (size_t) (c - firstColumn);

        if (! covered[i] && ! besideTheW (c))
        {
            driftTop[i] = driftRow (c);
            continue;
        }

        auto pile = baseline - 1.5f;

        for (int j = c - 12; j <= c + 12; ++j)
            if (j >= firstColumn && j <= lastColumn && ! covered[(size_t) (j - firstColumn)] && ! besideTheW (j))
                pile = juce::jmin (pile, driftRow (j) + 1.3f * (float) std::abs (j - c));

        driftTop[i] = juce::jmax (tableRow (c) + 3.0f, pile);
    }
}

std::vector<juce::Point<float>> Logo::crest() const
{
    return profilePoints (driftTop, firstColumn);
}

juce::Path Logo::driftPath (float bottom) const
{
    auto points = crest();
    points.push_back ({ points.back().x, bottom });
    points.push_back ({ points.front().x, bottom });
    return PathTools::polygon (points);
}

void Logo::paintPresent (juce::Graphics& g, const Letter& present) const
{
    const auto box = present.box;
    g.setGradientFill (juce::ColourGradient (present.wrapping.brighter (0.25f), box.getX(), box.getY(),
                                             present.wrapping.darker (0.35f), box.getRight(), box.getBottom(), false));
    g.fillRect (box);

    const auto band = juce::jmax (2.4f, box.getWidth() * 0.13f);
    g.setColour (present.ribbon);
    g.fillRect (juce::Rectangle<float> (band, box.getHeight()).withCentre (box.getCentre()));
    g.fillRect (box.withHeight (band * 0.8f).translated (0.0f, box.getHeight() * 0.3f));
    g.setColour (present.ribbon.darker (0.4f).withAlpha (0.6f));
    g.fillRect (box.withWidth (0.8f).withX (box.getCentreX() + band * 0.5f - 0.8f));

    g.setColour (palette::letterEdge.withAlpha (0.7f));
    g.drawRect (box, 0.8f);
}

void Logo::paintLetters (juce::Graphics& g) const
{
    juce::Graphics::ScopedSaveState state (g);
    g.reduceClipRegion (cutRegion());

    for (const auto& letter : letters)
    {
        if (letter.kind == Letter::Kind::cane)
        {
            CandyStripes::paint (g, letter.caneLine, caneStyle());
            continue;
        }

        if (letter.kind == Letter::Kind::present)
        {
            paintPresent (g, letter);
            continue;
        }

        g.setGradientFill (juce::ColourGradient (palette::letterRed, 0.0f, 20.0f,
                                                 palette::letterRedDeep, 0.0f, baseline, false));
        g.fillPath (letter.shape);

        juce::Graphics::ScopedSaveState inner (g);
        g.reduceClipRegion (letter.shape);
        g.setColour (palette::letterEdge);
        g.strokePath (letter.shape, juce::PathStrokeType (1.6f));
        g.setColour (juce::Colour (0xffff8a7a).withAlpha (0.55f));
        g.strokePath (letter.shape, juce::PathStrokeType (0.8f), juce::AffineTransform::translation (1.1f, 1.4f));
    }
}

void Logo::paintCaps (juce::Graphics& g) const
{
    for (const auto& letter : letters)
    {
        if (letter.cap.isEmpty())
            continue;

        g.setColour (palette::snowShade);
        g.fillPath (letter.cap);

        // The lit upper part: the same cap, lifted, so that its underside stays in shade.
        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (letter.cap);
        g.setColour (palette::snowLight);
        g.fillPath (letter.cap, juce::AffineTransform::translation (0.0f, -0.9f));
    }
}

void Logo::paintFrontSnow (juce::Graphics& g, float snowBottom) const
{
    // A rim of snow in front of the letters' feet.
    std::vector<float> rows;

    for (int c = firstColumn; c <= lastColumn; ++c)
    {
        const auto wave = 0.6f * std::sin ((float) c * 0.55f) + 0.4f * std::sin ((float) c * 1.7f + 1.0f);
        rows.push_back (juce::jmax (tableRow (c), driftTop[(size_t) (c - firstColumn)], baseline + 0.2f + wave));
    }

    auto points = profilePoints (rows, firstColumn);
    points.push_back ({ points.back().x, snowBottom });
    points.push_back ({ points.front().x, snowBottom });
    const auto rim = PathTools::polygon (points);

    g.setGradientFill (hillSnowHere());
    g.fillPath (rim);
}

void Logo::paint (juce::Graphics& g, float snowBottom) const
{
    const auto drift = driftPath (snowBottom);
    g.setGradientFill (hillSnowHere());
    g.fillPath (drift);

    {
        // The letters' shadow on the drift.
        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (drift);
        g.setColour (palette::snowDeepShade.withAlpha (0.6f));

        for (const auto& letter : letters)
            g.fillPath (letter.shape, juce::AffineTransform::translation (2.0f, 1.0f));
    }

    paintLetters (g);
    paintCaps (g);
    paintFrontSnow (g, snowBottom);
}

juce::Image Logo::renderLayer (float scale) const
{
    juce::Image image (juce::Image::ARGB, juce::roundToInt (groundLineWidth * scale),
                       juce::roundToInt (groundLineHeight * scale), true);
    juce::Graphics g (image);
    g.addTransform (juce::AffineTransform::scale (scale));
    paint (g, (float) groundLineHeight + 1.0f);
    return image;
}

juce::Image Logo::renderLettersOnly() const
{
    juce::Image image (juce::Image::ARGB, groundLineWidth, groundLineHeight, true);
    juce::Graphics g (image);
    paintLetters (g);
    return image;
}

juce::Image Logo::renderSnowMask()
{
    juce::Image mask (juce::Image::ARGB, groundLineWidth, groundLineHeight, true);
    juce::Image::BitmapData data (mask, juce::Image::BitmapData::writeOnly);

    for (int x = 0; x < groundLineWidth; ++x)
        for (int y = groundLine[(size_t) x]; y < groundLineHeight; ++y)
            data.setPixelColour (x, y, juce::Colours::white);

    return mask;
}

std::vector<int> Logo::firstRowsAbove25 (const juce::Image& image)
{
    std::vector<int> rows ((size_t) image.getWidth(), image.getHeight());
    const juce::Image::BitmapData data (image, juce::Image::BitmapData::readOnly);

    for (int x = 0; x < image.getWidth(); ++x)
        for (int y = 0; y < image.getHeight(); ++y)
            if (data.getPixelColour (x, y).getAlpha() > 25)
            {
                rows[(size_t) x] = y;
                break;
            }

    return rows;
}

} // namespace wexla::artwork
