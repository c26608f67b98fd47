#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

// A copy of some bytes whose last byte ends right at an inaccessible page: a read beyond them
// crashes the test instead of passing unnoticed.
class GuardedBytes
{
public:
    explicit GuardedBytes (const std::vector<uint8_t>& bytes) : size (bytes.size())
    {
        const auto pageSize = (size_t) sysconf (_SC_PAGESIZE);
        const auto dataPages = (bytes.size() + pageSize - 1) / pageSize + 1;
        mappedSize = (dataPages + 1) * pageSize;
        base = static_cast<uint8_t*> (mmap (nullptr, mappedSize, PROT_READ | PROT_WRITE,
                                            MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        if (base == MAP_FAILED)
            throw std::runtime_error ("mmap failed");

        if (mprotect (base + dataPages * pageSize, pageSize, PROT_NONE) != 0)
            throw std::runtime_error ("mprotect failed");

        start = base + dataPages * pageSize - bytes.size();
        if (! bytes.empty())
            std::memcpy (start, bytes.data(), bytes.size());
    }

    ~GuardedBytes() { munmap (base, mappedSize); }

    GuardedBytes (const GuardedBytes&) = delete;
    GuardedBytes& operator= (const GuardedBytes&) = delete;

    const uint8_t* data() const { return start; }
    size_t getSize() const { return size; }

private:
    size_t size = 0, mappedSize = 0;
    uint8_t* base = nullptr;
    uint8_t* start = nullptr;
};
