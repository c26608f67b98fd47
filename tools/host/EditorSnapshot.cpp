#include "EditorSnapshot.h"

#include "HostError.h"
#include "XWindowGrab.h"

namespace EditorSnapshot
{
namespace
{
// A bare top-level window that keeps the size of the editor inside it.
class EditorWindow : public juce::Component
{
public:
    explicit EditorWindow (juce::AudioProcessorEditor& editorToShow) : editor (editorToShow)
    {
        setOpaque (true);
        addAndMakeVisible (editor);
        setBounds (0, 0, juce::jmax (1, editor.getWidth()), juce::jmax (1, editor.getHeight()));
    }

    ~EditorWindow() override
    {
        removeChildComponent (&editor);
    }

    void paint (juce::Graphics& g) override
    {
        g.fillAll (juce::Colours::black);
    }

    void childBoundsChanged (juce::Component* child) override
    {
        if (child == &editor)
            setSize (juce::jmax (1, editor.getWidth()), juce::jmax (1, editor.getHeight()));
    }

private:
    juce::AudioProcessorEditor& editor;
};
} // namespace

juce::Image capture (juce::AudioPluginInstance& instance, int settleMilliseconds)
{
    XWindowGrab::installQuietErrorHandler();

    if (! XWindowGrab::displayIsAvailable())
        throw HostError ("no X display to open the editor on (run under xvfb-run -a -s \"-screen 0 1024x768x24\")");

    if (! instance.hasEditor())
        throw HostError (instance.getName() + " has no editor");

    std::unique_ptr<juce::AudioProcessorEditor> editor (instance.createEditorIfNeeded());
    if (editor == nullptr)
        throw HostError (instance.getName() + " did not open its editor");

    XWindowGrab::Pixels pixels;
    std::string error;
    bool grabbed = false;
    {
        EditorWindow window (*editor);
        window.addToDesktop (0);
        window.setVisible (true);

        // The plug-in's own windowing code may have put Xlib's fatal handler back.
        XWindowGrab::installQuietErrorHandler();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (settleMilliseconds);

        if (auto* peer = window.getPeer())
            grabbed = XWindowGrab::grab ((unsigned long) (juce::pointer_sized_int) peer->getNativeHandle(), pixels, error);
        else
            error = "the window did not open";
    }

    editor.reset();
    // Lets the plug-in finish closing its window before the instance goes.
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);

    if (! grabbed)
        throw HostError ("cannot take a picture of the editor: " + juce::String (error));

    juce::Image image (juce::Image::ARGB, pixels.width, pixels.height, false);
    const juce::Image::BitmapData bitmap (image, juce::Image::BitmapData::writeOnly);
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            bitmap.setPixelColour (x, y, juce::Colour (pixels.argb[(size_t) y * (size_t) pixels.width + (size_t) x]));

    return image;
}

void writePng (const juce::Image& image, const juce::File& file)
{
    file.deleteFile();
    juce::FileOutputStream stream (file);
    juce::PNGImageFormat png;
    if (! stream.openedOk() || ! png.writeImageToStream (image, stream))
        throw HostError ("cannot write PNG file: " + file.getFullPathName());
}
} // namespace EditorSnapshot
