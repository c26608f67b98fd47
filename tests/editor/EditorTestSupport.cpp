#include "EditorTestSupport.h"

#include <map>
#include <mutex>

#include <gtest/gtest.h>

namespace EditorTestSupport
{
namespace
{
// The message manager, desktop and image cache live for the whole test program.
class GuiEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { gui = std::make_unique<juce::ScopedJuceInitialiser_GUI>(); }
    void TearDown() override { gui.reset(); }

private:
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> gui;
};

[[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment (new GuiEnvironment);

// The image cache keys decoded pictures by the address of their bytes, so every encoded picture
// stays alive, at its address, until the program ends.
const juce::MemoryBlock& encodedPicture (const std::string& name)
{
    static std::map<std::string, juce::MemoryBlock> store;
    static std::mutex lock;
    const std::lock_guard<std::mutex> guard (lock);

    auto found = store.find (name);
    if (found != store.end())
        return found->second;

    juce::Image image (juce::Image::ARGB, 8, 8, true);
    image.clear (image.getBounds(), colourOfPicture (name));

    juce::MemoryBlock block;
    {
        juce::MemoryOutputStream stream (block, false);
        juce::PNGImageFormat().writeImageToStream (image, stream);
    }

    return store.emplace (name, std::move (block)).first->second;
}

bool isFrameName (const std::string& name, const std::string& prefix, int& number)
{
    if (name.rfind (prefix, 0) != 0)
        return false;

    const auto digits = juce::String (name.substr (prefix.size())).upToFirstOccurrenceOf ("_png", false, false);
    number = digits.getIntValue();
    return digits.containsOnly ("0123456789") && number >= 1 && number <= 34;
}
} // namespace

juce::Colour colourOfFrame (bool playingSet, int frameNumber)
{
    return juce::Colour ((juce::uint8) (frameNumber * 7), (juce::uint8) (playingSet ? 200 : 0), (juce::uint8) (playingSet ? 0 : 200));
}

juce::Colour colourOfPicture (const std::string& name)
{
    int number = 0;

    if (isFrameName (name, "candycaneoff", number))
        return colourOfFrame (false, number);

    if (isFrameName (name, "candycaneon", number))
        return colourOfFrame (true, number);

    static const std::map<std::string, juce::uint32> pictures {
        { "bg_png", 0xff203040 },          { "bg2x_png", 0xff203041 },
        { "helptext_png", 0xffe0c040 },    { "helptext2x_png", 0xffe0c041 },
        { "questionoff_png", 0xff40a0f0 }, { "questionoff2x_png", 0xff40a0f1 },
        { "holdnoteoff_png", 0xff30f030 }, { "holdnoteoff2x_png", 0xff30f031 },
        { "holdnoteon_png", 0xff909090 },  { "holdnoteon2x_png", 0xff909091 },
    };

    const auto found = pictures.find (name);
    return found != pictures.end() ? juce::Colour (found->second) : juce::Colour();
}

ResourceLookup fakeResources (std::set<std::string> missing)
{
    return [missing] (const char* name, int& size) -> const char*
    {
        size = 0;

        if (name == nullptr || missing.count (name) > 0 || colourOfPicture (name).isTransparent())
            return nullptr;

        const auto& block = encodedPicture (name);
        size = (int) block.getSize();
        return static_cast<const char*> (block.getData());
    };
}

int frameNumberAt (juce::Colour pixel, bool& playingSet)
{
    if (pixel.getAlpha() < 250)
        return 0;

    playingSet = pixel.getGreen() > 100;
    const auto number = juce::roundToInt (pixel.getRed() / 7.0);
    return nearlyEqual (pixel, colourOfFrame (playingSet, number)) ? number : 0;
}

juce::Image render (juce::Component& component)
{
    return component.createComponentSnapshot (component.getLocalBounds(), true, 1.0f);
}

bool nearlyEqual (juce::Colour a, juce::Colour b, int tolerance)
{
    return std::abs (a.getRed() - b.getRed()) <= tolerance
        && std::abs (a.getGreen() - b.getGreen()) <= tolerance
        && std::abs (a.getBlue() - b.getBlue()) <= tolerance
        && std::abs (a.getAlpha() - b.getAlpha()) <= tolerance;
}

juce::MouseEvent mouseEventAt (juce::Component& component, juce::Point<int> position)
{
    const auto now = juce::Time::getCurrentTime();
    const auto where = position.toFloat();

    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), where,
                             juce::ModifierKeys::leftButtonModifier, juce::MouseInputSource::defaultPressure,
                             juce::MouseInputSource::defaultOrientation, juce::MouseInputSource::defaultRotation,
                             juce::MouseInputSource::defaultTiltX, juce::MouseInputSource::defaultTiltY,
                             &component, &component, now, where, now, 1, false);
}

void runMessageLoop (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}
} // namespace EditorTestSupport
