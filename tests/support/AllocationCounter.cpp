#include "AllocationCounter.h"

#include <cstdlib>
#include <new>

// The C library's own allocator, under its internal names (glibc), so that the malloc family can be
// replaced here too: JUCE's buffers allocate with malloc, not with operator new.
extern "C"
{
void* __libc_malloc (size_t);
void* __libc_calloc (size_t, size_t);
void* __libc_realloc (void*, size_t);
void* __libc_memalign (size_t, size_t);
}

namespace
{
thread_local bool counting = false;
thread_local size_t allocations = 0;

void countOne() noexcept
{
    if (counting)
        ++allocations;
}

void* allocate (size_t size)
{
    // Counted by malloc below.
    if (auto* p = std::malloc (size == 0 ? 1 : size))
        return p;

    throw std::bad_alloc();
}

void* allocateAligned (size_t size, std::align_val_t alignment)
{
    const auto align = static_cast<size_t> (alignment);
    const auto rounded = (size + align - 1) / align * align;
    if (auto* p = std::aligned_alloc (align, rounded == 0 ? align : rounded))
        return p;

    throw std::bad_alloc();
}
} // namespace

extern "C"
{
void* malloc (size_t size)
{
    countOne();
    return __libc_malloc (size);
}

void* calloc (size_t n, size_t size)
{
    countOne();
    return __libc_calloc (n, size);
}

void* realloc (void* p, size_t size)
{
    countOne();
    return __libc_realloc (p, size);
}

void* aligned_alloc (size_t alignment, size_t size)
{
    countOne();
    return __libc_memalign (alignment, size);
}

void* memalign (size_t alignment, size_t size)
{
    countOne();
    return __libc_memalign (alignment, size);
}

int posix_memalign (void** result, size_t alignment, size_t size)
{
    countOne();
    *result = __libc_memalign (alignment, size);
    return *result != nullptr ? 0 : 12; // ENOMEM
}
}

namespace AllocationCounter
{
Scope::Scope() noexcept : start (allocations), wasCounting (counting) { counting = true; }
Scope::~Scope() { counting = wasCounting; }
size_t Scope::count() const noexcept { return allocations - start; }
} // namespace AllocationCounter

void* operator new (size_t size) { return allocate (size); }
void* operator new[] (size_t size) { return allocate (size); }
void* operator new (size_t size, const std::nothrow_t&) noexcept
{
    try { return allocate (size); } catch (...) { return nullptr; }
}
void* operator new[] (size_t size, const std::nothrow_t&) noexcept
{
    try { return allocate (size); } catch (...) { return nullptr; }
}
void* operator new (size_t size, std::align_val_t a) { return allocateAligned (size, a); }
void* operator new[] (size_t size, std::align_val_t a) { return allocateAligned (size, a); }

void operator delete (void* p) noexcept { std::free (p); }
void operator delete[] (void* p) noexcept { std::free (p); }
void operator delete (void* p, size_t) noexcept { std::free (p); }
void operator delete[] (void* p, size_t) noexcept { std::free (p); }
void operator delete (void* p, std::align_val_t) noexcept { std::free (p); }
void operator delete[] (void* p, std::align_val_t) noexcept { std::free (p); }
void operator delete (void* p, size_t, std::align_val_t) noexcept { std::free (p); }
void operator delete[] (void* p, size_t, std::align_val_t) noexcept { std::free (p); }
