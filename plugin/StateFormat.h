#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include <juce_core/juce_core.h>

#include "ParameterInfo.h"

// The saved state: a fixed 52-byte blob. A 32-byte header ("WEXLA", a zero byte, 25 spaces, a zero
// byte), the format version 65537 and the four parameter values as little-endian floats.
namespace StateFormat
{
constexpr size_t headerSize = 32;
constexpr size_t blobSize = 52;
constexpr uint32_t version = 65537;
constexpr size_t valuesOffset = 36;

using Values = std::array<float, numParameters>;

// Appends the 52 bytes to whatever the block already holds.
void append (juce::MemoryBlock& block, const Values& values);

// The four values of a blob, or nothing when it is shorter than 52 bytes. The header and the
// version are not checked: any blob long enough is read from its bytes 36 to 51.
std::optional<Values> read (const void* data, int sizeInBytes);
} // namespace StateFormat
