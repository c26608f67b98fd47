#include "XWindowGrab.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace XWindowGrab
{
namespace
{
int ignoreError (Display*, XErrorEvent*)
{
    return 0;
}

int lowestSetBit (unsigned long mask)
{
    int shift = 0;
    while (mask != 0 && (mask & 1ul) == 0)
    {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// Scales a masked channel value to 0..255 whatever the visual's channel width.
std::uint32_t channel (unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;

    const auto shift = lowestSetBit (mask);
    const auto maximum = mask >> shift;
    return (std::uint32_t) (((pixel & mask) >> shift) * 255ul / maximum);
}

struct DisplayConnection
{
    DisplayConnection() : display (XOpenDisplay (nullptr)) {}
    ~DisplayConnection()
    {
        if (display != nullptr)
            XCloseDisplay (display);
    }

    Display* display;
};
} // namespace

void installQuietErrorHandler()
{
    XSetErrorHandler (ignoreError);
}

bool displayIsAvailable()
{
    return DisplayConnection().display != nullptr;
}

bool grab (unsigned long window, Pixels& pixels, std::string& error)
{
    installQuietErrorHandler();

    DisplayConnection connection;
    auto* display = connection.display;
    if (display == nullptr)
    {
        error = "cannot open the X display";
        return false;
    }

    XWindowAttributes attributes {};
    if (XGetWindowAttributes (display, (Window) window, &attributes) == 0)
    {
        error = "the editor window is gone";
        return false;
    }

    const auto root = DefaultRootWindow (display);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates (display, (Window) window, root, 0, 0, &x, &y, &child);

    // Only the part on screen can be read from the root window.
    const auto screenWidth = DisplayWidth (display, DefaultScreen (display));
    const auto screenHeight = DisplayHeight (display, DefaultScreen (display));
    const auto left = x < 0 ? 0 : x;
    const auto top = y < 0 ? 0 : y;
    const auto right = x + attributes.width > screenWidth ? screenWidth : x + attributes.width;
    const auto bottom = y + attributes.height > screenHeight ? screenHeight : y + attributes.height;

    if (right <= left || bottom <= top)
    {
        error = "the editor window is off screen";
        return false;
    }

    XSync (display, False);
    auto* image = XGetImage (display, root, left, top, (unsigned) (right - left), (unsigned) (bottom - top), AllPlanes, ZPixmap);
    if (image == nullptr)
    {
        error = "cannot read the screen";
        return false;
    }

    pixels.width = right - left;
    pixels.height = bottom - top;
    pixels.argb.resize ((size_t) pixels.width * (size_t) pixels.height);

    for (int row = 0; row < pixels.height; ++row)
    {
        for (int column = 0; column < pixels.width; ++column)
        {
            const auto pixel = XGetPixel (image, column, row);
            pixels.argb[(size_t) row * (size_t) pixels.width + (size_t) column] =
                0xff000000u | (channel (pixel, image->red_mask) << 16) | (channel (pixel, image->green_mask) << 8)
                | channel (pixel, image->blue_mask);
        }
    }

    XDestroyImage (image);
    return true;
}
} // namespace XWindowGrab
