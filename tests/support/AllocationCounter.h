#pragma once

#include <cstddef>

// Counts heap allocations made on the current thread while a Scope is alive, through a replaced
// global operator new and malloc family. Used to prove that audio-thread code allocates nothing.
namespace AllocationCounter
{
class Scope
{
public:
    Scope() noexcept;
    ~Scope();

    Scope (const Scope&) = delete;
    Scope& operator= (const Scope&) = delete;

    // Allocations made on this thread since the scope began.
    size_t count() const noexcept;

private:
    size_t start;
    bool wasCounting;
};
} // namespace AllocationCounter
