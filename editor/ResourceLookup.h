#pragma once

#include <functional>

// Finds a compiled-in file by its identifier ("bg_png"): returns its bytes and sets size, or returns
// null and sets size to 0 when there is no such file. BinaryData::getNamedResource is the one the
// plug-in ships with; tests hand in their own.
using ResourceLookup = std::function<const char* (const char* name, int& size)>;
