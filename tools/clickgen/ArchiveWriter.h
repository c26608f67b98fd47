#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "ClickStreamEncoder.h"

// Writer side of the click archive: "zmub", the entry count, three zero reserved words, 64-byte
// zero-padded names, then the offset and size tables and the entries back to back in table order.
namespace clickgen
{
    struct ArchiveEntry
    {
        std::string name;
        std::vector<uint8_t> bytes;
    };

    inline std::vector<uint8_t> writeArchive (const std::vector<ArchiveEntry>& entries)
    {
        constexpr size_t nameField = 64;
        const auto count = entries.size();
        const auto dataStart = 32 + count * (nameField + 8);

        std::vector<uint8_t> out { 'z', 'm', 'u', 'b' };
        putLittleEndian (out, (uint32_t) count, 4);
        out.resize (32, 0);

        for (const auto& e : entries)
        {
            if (e.name.size() >= nameField || e.name.find ('\0') != std::string::npos)
                throw std::invalid_argument ("writeArchive: name does not fit its field: " + e.name);

            out.insert (out.end(), e.name.begin(), e.name.end());
            out.resize (out.size() + nameField - e.name.size(), 0);
        }

        auto offset = (uint64_t) dataStart;
        for (const auto& e : entries)
        {
            putLittleEndian (out, (uint32_t) offset, 4);
            offset += e.bytes.size();
        }

        if (offset > UINT32_MAX)
            throw std::invalid_argument ("writeArchive: archive larger than 4 GB");

        for (const auto& e : entries)
            putLittleEndian (out, (uint32_t) e.bytes.size(), 4);

        for (const auto& e : entries)
            out.insert (out.end(), e.bytes.begin(), e.bytes.end());

        return out;
    }
}
