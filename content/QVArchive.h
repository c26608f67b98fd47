#pragma once

#include <cstddef>
#include <cstdint>

// Reader of the click archive: a header ("zmub", entry count, three reserved words), a table of
// 64-byte names, a table of offsets, a table of sizes and the entries themselves. The tables are
// read straight from the given bytes, which must outlive the reader; nothing is copied.
//
// Every lookup stays inside the given bytes: an archive whose tables do not fit has no entries, and
// a row whose entry would reach past the end is treated as missing.
class QVArchive
{
public:
    static constexpr size_t headerSize = 32;
    static constexpr size_t nameFieldSize = 64;
    static constexpr size_t rowSize = nameFieldSize + 4 + 4;
    static constexpr uint32_t minEntrySize = 16;  // an entry starts with its click header

    QVArchive (const void* archiveData, size_t archiveSize) noexcept;

    // Finds the first row whose name equals name (up to its terminating zero). On success sets data
    // to the entry's first byte and size to its length in bytes; otherwise leaves both untouched.
    bool findEntry (const char* name, const uint8_t*& data, uint32_t& size) const noexcept;

    // The number of rows, or 0 when the header or the tables do not fit in the archive.
    uint32_t getNumEntries() const noexcept { return numEntries; }

    size_t getSize() const noexcept { return size; }

private:
    bool nameMatches (uint32_t row, const char* name) const noexcept;
    uint32_t readTable (size_t tableStart, uint32_t row) const noexcept;

    const uint8_t* source = nullptr;
    size_t size = 0;
    uint32_t numEntries = 0;
};
