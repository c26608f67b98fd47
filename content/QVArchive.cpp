#include "QVArchive.h"

namespace
{
    uint32_t readLittleEndian32 (const uint8_t* p) noexcept
    {
        return (uint32_t) p[0] | ((uint32_t) p[1] << 8) | ((uint32_t) p[2] << 16) | ((uint32_t) p[3] << 24);
    }
}

QVArchive::QVArchive (const void* archiveData, size_t archiveSize) noexcept
    : source (static_cast<const uint8_t*> (archiveData)),
      size (archiveData != nullptr ? archiveSize : 0)
{
    if (size < headerSize)
        return;

    const auto count = readLittleEndian32 (source + 4);

    // A count whose tables would not fit means the bytes are not an archive we can read.
    if ((uint64_t) count * rowSize <= (uint64_t) (size - headerSize))
        numEntries = count;
}

uint32_t QVArchive::readTable (size_t tableStart, uint32_t row) const noexcept
{
    return readLittleEndian32 (source + tableStart + (size_t) row * 4);
}

bool QVArchive::nameMatches (uint32_t row, const char* name) const noexcept
{
    const auto* field = source + headerSize + (size_t) row * nameFieldSize;

    // A stored name without its terminating zero inside the field matches nothing.
    for (size_t i = 0; i < nameFieldSize; ++i)
    {
        if ((uint8_t) name[i] != field[i])
            return false;

        if (name[i] == 0)
            return true;
    }

    return false;
}

bool QVArchive::findEntry (const char* name, const uint8_t*& data, uint32_t& entrySize) const noexcept
{
    if (name == nullptr || numEntries == 0)
        return false;

    for (uint32_t row = 0; row < numEntries; ++row)
    {
        if (! nameMatches (row, name))
            continue;

        const auto offsetTable = headerSize + (size_t) numEntries * nameFieldSize;
        const auto sizeTable = offsetTable + (size_t) numEntries * 4;
        const auto offset = readTable (offsetTable, row);
        const auto length = readTable (sizeTable, row);

        // Only the first row with the name counts, even when it turns out to be unusable.
        if (length < minEntrySize || (uint64_t) offset + length > size)
            return false;

        data = source + offset;
        entrySize = length;
        return true;
    }

    return false;
}
