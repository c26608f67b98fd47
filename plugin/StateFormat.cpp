#include "StateFormat.h"

#include <cstring>

namespace StateFormat
{
void append (juce::MemoryBlock& block, const Values& values)
{
    char header[headerSize];
    std::memset (header, ' ', sizeof (header));
    std::memcpy (header, "WEXLA", 5);
    header[5] = 0;
    header[31] = 0;
    block.append (header, sizeof (header));

    const auto versionLE = juce::ByteOrder::swapIfBigEndian (version);
    block.append (&versionLE, sizeof (versionLE));

    for (auto value : values)
    {
        uint32_t bits;
        std::memcpy (&bits, &value, sizeof (bits));
        bits = juce::ByteOrder::swapIfBigEndian (bits);
        block.append (&bits, sizeof (bits));
    }
}

std::optional<Values> read (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes < (int) blobSize)
        return std::nullopt;

    Values values {};
    auto* bytes = static_cast<const uint8_t*> (data) + valuesOffset;

    for (size_t i = 0; i < values.size(); ++i)
    {
        const auto bits = juce::ByteOrder::littleEndianInt (bytes + 4 * i);
        std::memcpy (&values[i], &bits, sizeof (float));
    }

    return values;
}
} // namespace StateFormat
