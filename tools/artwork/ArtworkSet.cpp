#include "ArtworkSet.h"

#include "CaneFrames.h"
#include "ContactSheet.h"
#include "Controls.h"
#include "Logo.h"
#include "Scene.h"
#include "ScraperGeometry.h"

namespace wexla::artwork
{

std::vector<ArtworkSet::Picture> ArtworkSet::render()
{
    const Logo logo;
    const Scene scene (logo);
    std::vector<Picture> pictures;

    pictures.push_back ({ "bg", scene.render (false) });
    pictures.push_back ({ "bg2x", scene.render (true) });
    pictures.push_back ({ "helptext", Controls::helpText (false) });
    pictures.push_back ({ "helptext2x", Controls::helpText (true) });
    pictures.push_back ({ "questionoff", Controls::helpButton (false) });
    pictures.push_back ({ "questionoff2x", Controls::helpButton (true) });
    // The editor shows "holdnoteoff" while Hold Note is on, so that one shows the switch on.
    pictures.push_back ({ "holdnoteoff", Controls::holdSwitch (true, false) });
    pictures.push_back ({ "holdnoteoff2x", Controls::holdSwitch (true, true) });
    pictures.push_back ({ "holdnoteon", Controls::holdSwitch (false, false) });
    pictures.push_back ({ "holdnoteon2x", Controls::holdSwitch (false, true) });

    for (int frame = 1; frame <= ScraperGeometry::frameCount; ++frame)
    {
        pictures.push_back ({ "candycaneoff" + juce::String (frame), CaneFrames::render (frame, false) });
        pictures.push_back ({ "candycaneon" + juce::String (frame), CaneFrames::render (frame, true) });
    }

    pictures.push_back ({ "snowmask", Logo::renderSnowMask() });
    return pictures;
}

juce::MemoryBlock ArtworkSet::encodePng (const juce::Image& image)
{
    juce::MemoryOutputStream stream;
    juce::PNGImageFormat().writeImageToStream (image, stream);
    return stream.getMemoryBlock();
}

juce::Result ArtworkSet::writeAll (const juce::File& resourcesDirectory, const juce::File& docsDirectory)
{
    if (! resourcesDirectory.createDirectory())
        return juce::Result::fail ("Cannot create " + resourcesDirectory.getFullPathName());

    const auto pictures = render();

    for (const auto& picture : pictures)
    {
        const auto file = resourcesDirectory.getChildFile (picture.name + ".png");
        const auto bytes = encodePng (picture.image);

        if (! file.replaceWithData (bytes.getData(), bytes.getSize()))
            return juce::Result::fail ("Cannot write " + file.getFullPathName());
    }

    if (docsDirectory == juce::File())
        return juce::Result::ok();

    ContactSheet::WindowPictures window;

    for (const auto& picture : pictures)
    {
        if (picture.name == "bg")
            window.background = picture.image;
        else if (picture.name == "helptext")
            window.helpText = picture.image;
        else if (picture.name == "questionoff")
            window.helpButton = picture.image;
        else if (picture.name == "holdnoteoff")
            window.switchOn = picture.image;
        else if (picture.name == "holdnoteon")
            window.switchOff = picture.image;
        else if (picture.name.startsWith ("candycaneoff"))
            window.idleFrames.push_back (picture.image);
        else if (picture.name.startsWith ("candycaneon"))
            window.playingFrames.push_back (picture.image);
    }

    const auto sheet = ContactSheet::render (window);
    const auto sheetFile = docsDirectory.getChildFile (contactSheetName);
    const auto bytes = encodePng (sheet);

    if (! docsDirectory.createDirectory() || ! sheetFile.replaceWithData (bytes.getData(), bytes.getSize()))
        return juce::Result::fail ("Cannot write " + sheetFile.getFullPathName());

    return juce::Result::ok();
}

} // namespace wexla::artwork
