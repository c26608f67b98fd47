#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Direct X11 access for the editor snapshot, kept apart from the framework's headers because
// Xlib's names clash with them.
namespace XWindowGrab
{
struct Pixels
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb; // row by row, 0xAARRGGBB
};

// Without a window manager some of the plug-in's window requests fail (BadAtom, ...) and Xlib's
// default handler would end the process; a console host has none of the framework's handlers.
void installQuietErrorHandler();

bool displayIsAvailable();

// The screen contents where the given top-level window lies, child windows of other clients
// (such as a hosted plug-in's editor) included. On failure returns false with a reason.
bool grab (unsigned long window, Pixels& pixels, std::string& error);
} // namespace XWindowGrab
