#include "Scene.h"

#include "Fonts.h"
#include "GroundLine.h"
#include "Instrument.h"
#include "Palette.h"
#include "PathTools.h"
#include "Pine.h"

#include <cmath>

namespace wexla::artwork
{

namespace
{
    constexpr float groundLevel = 238.0f;

    float groundAt (float x)
    {
        return groundLevel + 3.0f * std::sin (x * 0.021f + 0.7f) + 2.0f * std::sin (x * 0.057f);
    }

    juce::Path groundPath()
    {
        std::vector<juce::Point<float>> points;

        for (float x = -2.0f; x <= Scene::width + 2.0f; x += 2.0f)
            points.push_back ({ x, groundAt (x) });

        points.push_back ({ Scene::width + 2.0f, Scene::height + 2.0f });
        points.push_back ({ -2.0f, Scene::height + 2.0f });
        return PathTools::polygon (points);
    }

    void fillTwinkle (juce::Graphics& g, juce::Point<float> c, float r, juce::Colour colour)
    {
        juce::Path p;
        p.addStar (c, 4, r * 0.18f, r, 0.0f);
        g.setColour (colour);
        g.fillPath (p);
    }
} // namespace

Scene::Scene (const Logo& logoToUse) : logo (logoToUse)
{
}

void Scene::paintSky (juce::Graphics& g) const
{
    juce::ColourGradient sky (palette::skyTop, 0.0f, 0.0f, palette::skyHorizon, 0.0f, groundLevel, false);
    sky.addColour (0.6, juce::Colour (0xff17295a));
    g.setGradientFill (sky);
    g.fillRect (juce::Rectangle<float> (-2.0f, -2.0f, width + 4.0f, height + 4.0f));

    juce::Random random (20231224);
    const auto label = versionLabelArea().expanded (5.0f);
    // No stars behind the lettering, where the window's snow falls.
    const juce::Rectangle<float> overlay (Logo::overlayX, Logo::overlayY, (float) groundLineWidth, (float) groundLineHeight);

    for (int i = 0; i < 170; ++i)
    {
        const juce::Point<float> p (random.nextFloat() * width, random.nextFloat() * (groundLevel - 20.0f));
        const auto size = 0.6f + 1.1f * random.nextFloat() * random.nextFloat();
        const auto alpha = 0.35f + 0.65f * random.nextFloat();

        if (label.contains (p) || overlay.contains (p))
            continue;

        g.setColour (palette::starLight.withAlpha (alpha));
        g.fillEllipse (juce::Rectangle<float> (size, size).withCentre (p));
    }

    for (const auto& p : { juce::Point<float> (262.0f, 104.0f), juce::Point<float> (388.0f, 28.0f),
                           juce::Point<float> (530.0f, 88.0f), juce::Point<float> (452.0f, 132.0f),
                           juce::Point<float> (574.0f, 40.0f) })
        fillTwinkle (g, p, 4.5f, palette::starLight.withAlpha (0.9f));

    // The moon.
    const juce::Point<float> moon (318.0f, 44.0f);
    g.setGradientFill (juce::ColourGradient (palette::moonLight.withAlpha (0.32f), moon,
                                             palette::moonLight.withAlpha (0.0f), moon + juce::Point<float> (46.0f, 0.0f), true));
    g.fillEllipse (juce::Rectangle<float> (92.0f, 92.0f).withCentre (moon));
    g.setColour (palette::moonLight);
    g.fillEllipse (juce::Rectangle<float> (30.0f, 30.0f).withCentre (moon));
    g.setColour (juce::Colour (0xffe9d9a8));
    g.fillEllipse (juce::Rectangle<float> (7.0f, 6.0f).withCentre (moon + juce::Point<float> (-5.0f, -3.0f)));
    g.fillEllipse (juce::Rectangle<float> (4.0f, 4.0f).withCentre (moon + juce::Point<float> (6.0f, 5.0f)));
    g.fillEllipse (juce::Rectangle<float> (3.0f, 3.0f).withCentre (moon + juce::Point<float> (3.0f, -7.0f)));
}

void Scene::paintGarland (juce::Graphics& g) const
{
    // Festive lights strung along the top edge, clear of the version label.
    const juce::Colour bulbs[] = { juce::Colour (0xffff5a5a), juce::Colour (0xffffd45a), juce::Colour (0xff6fe3ff),
                                   juce::Colour (0xff8cff7a) };
    const float anchors[] = { 352.0f, 432.0f, 512.0f, 584.0f };
    int bulb = 0;

    for (int swag = 0; swag < 3; ++swag)
    {
        const auto x0 = anchors[swag];
        const auto x1 = anchors[swag + 1];
        auto sagAt = [&] (float t) { return -1.0f + 15.0f * 4.0f * t * (1.0f - t); };

        juce::Path wire;
        wire.startNewSubPath (x0, sagAt (0.0f));

        for (int i = 1; i <= 20; ++i)
        {
            const auto t = (float) i / 20.0f;
            wire.lineTo (x0 + (x1 - x0) * t, sagAt (t));
        }

        g.setColour (juce::Colour (0xff0b2a22));
        g.strokePath (wire, juce::PathStrokeType (1.2f));

        for (int i = 1; i < 6; ++i)
        {
            const auto t = (float) i / 6.0f;
            const juce::Point<float> p (x0 + (x1 - x0) * t, sagAt (t) + 3.0f);
            const auto colour = bulbs[bulb++ % 4];
            g.setGradientFill (juce::ColourGradient (colour.withAlpha (0.5f), p, colour.withAlpha (0.0f),
                                                     p + juce::Point<float> (7.0f, 0.0f), true));
            g.fillEllipse (juce::Rectangle<float> (14.0f, 14.0f).withCentre (p));
            g.setColour (juce::Colour (0xff3a4a40));
            g.fillRect (juce::Rectangle<float> (2.2f, 2.0f).withCentre (p - juce::Point<float> (0.0f, 2.6f)));
            g.setColour (colour.brighter (0.3f));
            g.fillEllipse (juce::Rectangle<float> (3.4f, 4.6f).withCentre (p));
        }
    }
}

void Scene::paintFarHills (juce::Graphics& g) const
{
    std::vector<juce::Point<float>> far;

    for (float x = 150.0f; x <= width + 2.0f; x += 3.0f)
        far.push_back ({ x, 196.0f + 9.0f * std::sin (x * 0.017f + 1.3f) + 5.0f * std::sin (x * 0.041f) });

    far.push_back ({ width + 2.0f, groundLevel + 10.0f });
    far.push_back ({ 150.0f, groundLevel + 10.0f });
    const auto hills = PathTools::polygon (far);

    juce::Random random (77);
    juce::Path trees;

    for (float x = 160.0f; x < width; x += 7.0f + 9.0f * random.nextFloat())
    {
        const auto y = 197.0f + 9.0f * std::sin (x * 0.017f + 1.3f) + 5.0f * std::sin (x * 0.041f);
        trees.addPath (Pine::silhouette ({ x, y + 3.0f }, 14.0f + 16.0f * random.nextFloat(), 10.0f + 6.0f * random.nextFloat()));
    }

    g.setColour (palette::pineFar);
    g.fillPath (trees);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff8fa6cf), 0.0f, 190.0f,
                                             juce::Colour (0xff5e77a6), 0.0f, groundLevel, false));
    g.fillPath (hills);
}

void Scene::paintGround (juce::Graphics& g) const
{
    const auto ground = groundPath();
    juce::ColourGradient snow (palette::snowMid, 0.0f, groundLevel, palette::snowShade, 0.0f, height, false);
    snow.addColour (0.3, palette::snowLight);
    g.setGradientFill (snow);
    g.fillPath (ground);

    // Soft drifts across the field.
    juce::Random random (4242);

    for (int i = 0; i < 9; ++i)
    {
        const auto x = random.nextFloat() * width;
        const auto y = groundLevel + 18.0f + random.nextFloat() * 80.0f;
        juce::Path drift;
        drift.startNewSubPath (x - 60.0f, y);
        drift.quadraticTo (x, y - 7.0f, x + 60.0f, y);
        g.setColour (juce::Colours::white.withAlpha (0.45f));
        g.strokePath (drift, juce::PathStrokeType (1.4f));
        g.setColour (palette::snowShade.withAlpha (0.35f));
        g.strokePath (drift, juce::PathStrokeType (1.4f), juce::AffineTransform::translation (0.0f, 2.0f));
    }

    // Sparkles in the snow.
    for (int i = 0; i < 40; ++i)
    {
        const juce::Point<float> p (random.nextFloat() * width, groundLevel + 8.0f + random.nextFloat() * (height - groundLevel));
        g.setColour (juce::Colours::white.withAlpha (0.5f + 0.5f * random.nextFloat()));
        g.fillEllipse (juce::Rectangle<float> (1.2f, 1.2f).withCentre (p));
    }
}

void Scene::paintHill (juce::Graphics& g) const
{
    // The lettering's hill: its crest is the logo's snow line, then it rolls down to the field.
    auto points = logo.crest();

    for (auto& p : points)
        p += juce::Point<float> (Logo::overlayX, Logo::overlayY);

    const auto end = points.back();
    juce::Path hill;
    hill.startNewSubPath (points.front());

    for (size_t i = 1; i < points.size(); ++i)
        hill.lineTo (points[i]);

    hill.cubicTo (end.x + 22.0f, end.y + 34.0f, end.x + 40.0f, groundLevel - 40.0f, end.x + 95.0f, groundLevel - 2.0f);
    hill.quadraticTo (end.x + 115.0f, groundLevel + 8.0f, end.x + 150.0f, groundLevel + 12.0f);
    hill.lineTo (end.x + 150.0f, height + 2.0f);
    hill.lineTo (-2.0f, height + 2.0f);
    hill.lineTo (-2.0f, points.front().y);
    hill.closeSubPath();

    g.setGradientFill (palette::hillSnow());
    g.fillPath (hill);

    juce::Graphics::ScopedSaveState state (g);
    g.reduceClipRegion (hill);

    // Wind-shaped drifts across its face, each a lit edge over a soft shadow.
    juce::Random random (303);

    for (int i = 0; i < 5; ++i)
    {
        const auto y = 100.0f + 26.0f * (float) i + 6.0f * random.nextFloat();
        const auto x = -20.0f + 60.0f * random.nextFloat();
        const auto w = 140.0f + 90.0f * random.nextFloat();
        juce::Path drift;
        drift.startNewSubPath (x, y + 4.0f);
        drift.cubicTo (x + w * 0.3f, y - 5.0f, x + w * 0.7f, y + 3.0f, x + w, y - 2.0f);
        g.setColour (palette::snowShade.withAlpha (0.25f));
        g.strokePath (drift, juce::PathStrokeType (3.0f), juce::AffineTransform::translation (0.0f, 2.5f));
        g.setColour (juce::Colours::white.withAlpha (0.6f));
        g.strokePath (drift, juce::PathStrokeType (1.2f));
    }

    // The slope turned away from the moon lies in soft shade towards its foot.
    g.setGradientFill (juce::ColourGradient (palette::snowShade.withAlpha (0.0f), 0.0f, 170.0f,
                                             palette::snowShade.withAlpha (0.5f), 0.0f, groundLevel + 40.0f, false));
    g.fillRect (0.0f, 170.0f, width, height - 170.0f);

    for (int i = 0; i < 30; ++i)
    {
        const juce::Point<float> p (random.nextFloat() * 300.0f, 80.0f + random.nextFloat() * 160.0f);
        g.setColour (juce::Colours::white);
        g.fillEllipse (juce::Rectangle<float> (1.1f, 1.1f).withCentre (p));
    }
}

void Scene::paintCabin (juce::Graphics& g) const
{
    // A log cabin on the hill with its windows lit.
    const juce::Point<float> base (48.0f, 186.0f);
    const auto wallWidth = 58.0f;
    const auto wallHeight = 26.0f;
    const juce::Rectangle<float> walls (base.x - wallWidth * 0.5f, base.y - wallHeight, wallWidth, wallHeight);

    // Chimney and its smoke.
    const juce::Rectangle<float> chimney (walls.getRight() - 16.0f, walls.getY() - 26.0f, 8.0f, 18.0f);
    g.setColour (juce::Colour (0xff6b3b2a));
    g.fillRect (chimney);
    g.setColour (palette::snowLight);
    g.fillRoundedRectangle (chimney.withHeight (4.0f).expanded (1.5f, 0.0f).translated (0.0f, -2.0f), 2.0f);

    for (int i = 0; i < 4; ++i)
    {
        const auto r = 3.5f + 1.8f * (float) i;
        const juce::Point<float> c (chimney.getCentreX() + 5.0f * (float) i + 2.0f * std::sin ((float) i * 1.7f),
                                    chimney.getY() - 6.0f - 9.0f * (float) i);
        g.setColour (juce::Colour (0xffc7d2e6).withAlpha (0.45f - 0.09f * (float) i));
        g.fillEllipse (juce::Rectangle<float> (r * 2.0f, r * 1.6f).withCentre (c));
    }

    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff7a4a2c), walls.getX(), walls.getY(),
                                             juce::Colour (0xff4a2a17), walls.getRight(), walls.getBottom(), false));
    g.fillRect (walls);
    g.setColour (juce::Colour (0xff2e1a0e).withAlpha (0.6f));

    for (float y = walls.getY() + 4.0f; y < walls.getBottom(); y += 4.5f)
        g.drawHorizontalLine ((int) y, walls.getX(), walls.getRight());

    // Warm windows and a door.
    for (const auto x : { walls.getX() + 8.0f, walls.getRight() - 20.0f })
    {
        const juce::Rectangle<float> window (x, walls.getY() + 7.0f, 12.0f, 10.0f);
        g.setGradientFill (juce::ColourGradient (juce::Colour (0xffffc65a).withAlpha (0.45f), window.getCentre(),
                                                 juce::Colour (0xffffc65a).withAlpha (0.0f),
                                                 window.getCentre() + juce::Point<float> (16.0f, 0.0f), true));
        g.fillEllipse (window.expanded (10.0f));
        g.setColour (juce::Colour (0xffffd77a));
        g.fillRect (window);
        g.setColour (juce::Colour (0xff3b2212));
        g.drawRect (window, 1.2f);
        g.fillRect (window.withWidth (1.0f).withX (window.getCentreX() - 0.5f));
        g.fillRect (window.withHeight (1.0f).withY (window.getCentreY() - 0.5f));
    }

    const juce::Rectangle<float> door (walls.getCentreX() - 4.5f, walls.getBottom() - 15.0f, 9.0f, 15.0f);
    g.setColour (juce::Colour (0xff3b2212));
    g.fillRect (door);
    // A wreath on the door.
    g.setColour (palette::pineMid);
    g.drawEllipse (juce::Rectangle<float> (5.0f, 5.0f).withCentre ({ door.getCentreX(), door.getY() + 4.5f }), 1.6f);
    g.setColour (palette::candyRed);
    g.fillEllipse (juce::Rectangle<float> (1.8f, 1.8f).withCentre ({ door.getCentreX(), door.getY() + 7.0f }));

    // The roof under a thick layer of snow, with icicles on the eaves.
    juce::Path roof;
    roof.startNewSubPath (walls.getX() - 7.0f, walls.getY() + 2.0f);
    roof.lineTo (base.x, walls.getY() - 22.0f);
    roof.lineTo (walls.getRight() + 7.0f, walls.getY() + 2.0f);
    roof.closeSubPath();
    g.setColour (juce::Colour (0xff5a2e1c));
    g.fillPath (roof);

    juce::Path snowRoof;
    snowRoof.startNewSubPath (walls.getX() - 9.0f, walls.getY() + 1.0f);
    snowRoof.quadraticTo (walls.getX() - 6.0f, walls.getY() - 4.0f, base.x - 2.0f, walls.getY() - 26.0f);
    snowRoof.quadraticTo (base.x, walls.getY() - 28.0f, base.x + 2.0f, walls.getY() - 26.0f);
    snowRoof.quadraticTo (walls.getRight() + 6.0f, walls.getY() - 4.0f, walls.getRight() + 9.0f, walls.getY() + 1.0f);
    snowRoof.quadraticTo (walls.getRight() + 4.0f, walls.getY() + 4.0f, base.x, walls.getY() - 16.0f);
    snowRoof.quadraticTo (walls.getX() - 4.0f, walls.getY() + 4.0f, walls.getX() - 9.0f, walls.getY() + 1.0f);
    snowRoof.closeSubPath();
    g.setColour (palette::snowLight);
    g.fillPath (snowRoof);
    g.setColour (palette::snowShade);
    g.strokePath (snowRoof, juce::PathStrokeType (0.8f));

    juce::Path icicles;

    for (float x = walls.getX() - 4.0f; x < walls.getRight() + 4.0f; x += 5.0f)
    {
        const auto length = 2.5f + 2.5f * std::abs (std::sin (x * 1.3f));
        icicles.addTriangle (x - 1.2f, walls.getY() + 2.5f, x + 1.2f, walls.getY() + 2.5f, x, walls.getY() + 2.5f + length);
    }

    g.setColour (juce::Colour (0xffdcecff));
    g.fillPath (icicles);

    // Snow banked against the walls.
    juce::Path bank;
    bank.startNewSubPath (walls.getX() - 10.0f, base.y + 3.0f);
    bank.quadraticTo (walls.getX(), base.y - 6.0f, base.x, base.y - 1.0f);
    bank.quadraticTo (walls.getRight(), base.y - 5.0f, walls.getRight() + 12.0f, base.y + 3.0f);
    bank.closeSubPath();
    g.setColour (palette::snowLight);
    g.fillPath (bank);
}

void Scene::paintSnowman (juce::Graphics& g) const
{
    const juce::Point<float> base (158.0f, 300.0f);
    const float radii[] = { 17.0f, 12.5f, 9.5f };
    juce::Point<float> centres[3];
    auto y = base.y;

    for (int i = 0; i < 3; ++i)
    {
        centres[i] = { base.x + 1.5f * (float) i, y - radii[i] * 0.92f };
        y -= radii[i] * 1.72f;
    }

    g.setColour (palette::snowDeepShade.withAlpha (0.35f));
    g.fillEllipse (juce::Rectangle<float> (50.0f, 9.0f).withCentre (base + juce::Point<float> (6.0f, -1.0f)));

    // Twig arms behind the middle ball.
    juce::Path arms;
    arms.startNewSubPath (centres[1] + juce::Point<float> (-8.0f, -2.0f));
    arms.lineTo (centres[1] + juce::Point<float> (-27.0f, -13.0f));
    arms.startNewSubPath (centres[1] + juce::Point<float> (-21.0f, -9.5f));
    arms.lineTo (centres[1] + juce::Point<float> (-24.0f, -18.0f));
    arms.startNewSubPath (centres[1] + juce::Point<float> (8.0f, -2.0f));
    arms.lineTo (centres[1] + juce::Point<float> (26.0f, -16.0f));
    arms.startNewSubPath (centres[1] + juce::Point<float> (20.0f, -11.5f));
    arms.lineTo (centres[1] + juce::Point<float> (28.0f, -9.0f));
    g.setColour (juce::Colour (0xff5a3a22));
    g.strokePath (arms, juce::PathStrokeType (1.8f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));

    for (int i = 0; i < 3; ++i)
    {
        const auto ball = juce::Rectangle<float> (radii[i] * 2.0f, radii[i] * 2.0f).withCentre (centres[i]);
        g.setGradientFill (juce::ColourGradient (juce::Colours::white, ball.getX() + radii[i] * 0.6f, ball.getY() + radii[i] * 0.5f,
                                                 palette::snowShade, ball.getRight(), ball.getBottom(), true));
        g.fillEllipse (ball);
    }

    // Coal buttons, eyes and smile; a carrot nose.
    g.setColour (juce::Colour (0xff1d2230));

    for (int i = 0; i < 3; ++i)
        g.fillEllipse (juce::Rectangle<float> (2.6f, 2.6f).withCentre (centres[1] + juce::Point<float> (0.5f, -4.0f + 4.5f * (float) i)));

    const auto head = centres[2];
    g.fillEllipse (juce::Rectangle<float> (2.2f, 2.2f).withCentre (head + juce::Point<float> (-3.2f, -2.5f)));
    g.fillEllipse (juce::Rectangle<float> (2.2f, 2.2f).withCentre (head + juce::Point<float> (3.0f, -2.5f)));

    for (int i = 0; i < 5; ++i)
    {
        const auto angle = juce::degreesToRadians (140.0f + 20.0f * (float) i);
        g.fillEllipse (juce::Rectangle<float> (1.3f, 1.3f).withCentre (head + juce::Point<float> (std::sin (angle) * 5.0f,
                                                                                                 -std::cos (angle) * 5.0f + 0.5f)));
    }

    juce::Path nose;
    nose.addTriangle (head.x + 0.5f, head.y - 1.6f, head.x + 0.5f, head.y + 1.2f, head.x + 9.0f, head.y + 0.6f);
    g.setColour (juce::Colour (0xffff8a1f));
    g.fillPath (nose);

    // A striped scarf and a hat.
    const auto neck = juce::Rectangle<float> (20.0f, 5.0f).withCentre ({ head.x - 0.5f, head.y + radii[2] - 1.0f });
    g.setColour (palette::candyRed);
    g.fillRoundedRectangle (neck, 2.0f);
    g.fillRoundedRectangle (juce::Rectangle<float> (5.0f, 12.0f).withPosition (neck.getRight() - 7.0f, neck.getY() + 2.0f), 1.5f);
    g.setColour (palette::candyWhite);

    for (float x = neck.getX() + 3.0f; x < neck.getRight() - 2.0f; x += 5.0f)
        g.fillRect (x, neck.getY(), 1.6f, neck.getHeight());

    const auto brim = juce::Rectangle<float> (20.0f, 3.0f).withCentre ({ head.x + 0.5f, head.y - radii[2] + 1.5f });
    g.setColour (juce::Colour (0xff1f2636));
    g.fillRoundedRectangle (brim, 1.2f);
    g.fillRect (juce::Rectangle<float> (12.0f, 11.0f).withPosition (brim.getX() + 4.0f, brim.getY() - 10.5f));
    g.setColour (palette::pineMid);
    g.fillRect (juce::Rectangle<float> (12.0f, 2.4f).withPosition (brim.getX() + 4.0f, brim.getY() - 3.0f));
    g.setColour (palette::candyRed);
    g.fillEllipse (juce::Rectangle<float> (3.2f, 3.2f).withCentre ({ brim.getX() + 14.0f, brim.getY() - 2.0f }));
}

void Scene::paintTrees (juce::Graphics& g) const
{
    juce::Random random (1225);

    Pine fir;
    fir.needles = palette::pineMid;
    fir.needlesDark = palette::pineDark;

    // Right edge, behind the Hold Note switch.
    fir.base = { 607.0f, 250.0f };
    fir.height = 186.0f;
    fir.width = 84.0f;
    fir.tiers = 5;
    fir.paint (g, random);

    // The decorated tree on the hill.
    fir.base = { 112.0f, 214.0f };
    fir.height = 112.0f;
    fir.width = 80.0f;
    fir.tiers = 4;
    fir.decorated = true;
    fir.paint (g, random);

    fir.decorated = false;
    fir.base = { 186.0f, 176.0f };
    fir.height = 62.0f;
    fir.width = 40.0f;
    fir.tiers = 3;
    fir.paint (g, random);
}

void Scene::paintFlakes (juce::Graphics& g) const
{
    // Snow falling everywhere but over the logo, where the window's own flakes fall.
    juce::Random random (1912);
    const juce::Rectangle<float> overlay (Logo::overlayX, Logo::overlayY, (float) groundLineWidth, (float) groundLineHeight);
    const auto label = versionLabelArea().expanded (4.0f);

    for (int i = 0; i < 90; ++i)
    {
        const juce::Point<float> p (random.nextFloat() * width, random.nextFloat() * height);
        const auto size = 1.0f + 2.2f * random.nextFloat();

        if (overlay.expanded (4.0f).contains (p) || label.contains (p))
            continue;

        g.setColour (juce::Colours::white.withAlpha (0.55f + 0.4f * random.nextFloat()));
        g.fillEllipse (juce::Rectangle<float> (size, size).withCentre (p));
    }
}

void Scene::paintCaption (juce::Graphics& g) const
{
    const auto area = captionArea();
    g.setFont (Fonts::bold (14.0f));
    g.setColour (juce::Colours::white.withAlpha (0.8f));
    g.drawText ("Hold Note", area.translated (0.0f, 1.0f), juce::Justification::centredRight, false);
    g.setColour (palette::inkNavy);
    g.drawText ("Hold Note", area, juce::Justification::centredRight, false);
}

void Scene::paint (juce::Graphics& g) const
{
    paintSky (g);
    paintGarland (g);
    paintFarHills (g);
    paintHill (g);
    paintCabin (g);
    paintTrees (g);
    paintGround (g);
    paintSnowman (g);
    Instrument::paint (g);

    {
        juce::Graphics::ScopedSaveState state (g);
        g.addTransform (juce::AffineTransform::translation (Logo::overlayX, Logo::overlayY));
        logo.paint (g, 120.0f);
    }

    paintFlakes (g);
    paintCaption (g);
}

juce::Image Scene::render (bool doubleResolution) const
{
    // At 1× the picture is one column wider than the window and squeezed into it by the editor; drawing
    // it stretched by the same amount puts everything back in its place.
    const auto pictureWidth = doubleResolution ? 1276 : 639;
    const auto pictureHeight = doubleResolution ? 672 : 336;
    juce::Image image (juce::Image::RGB, pictureWidth, pictureHeight, true);
    juce::Graphics g (image);
    g.addTransform (juce::AffineTransform::scale ((float) pictureWidth / width, (float) pictureHeight / height));
    paint (g);
    return image;
}

} // namespace wexla::artwork
