// Replaces the global operator new and delete of the test program.
#include "FailingAllocations.h"

#include <cstdlib>
#include <new>

namespace {

thread_local long t_countdown = 0;
thread_local long t_allocations = 0;

void* Allocate(std::size_t Size)
{
    ++t_allocations;
    if (t_countdown > 0 && --t_countdown == 0)
        throw std::bad_alloc();
    void* memory = std::malloc(Size == 0 ? 1 : Size);
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

} // namespace

void FailAllocationAfter(long Count)
{
    t_countdown = Count;
}

long AllocationsSoFar()
{
    return t_allocations;
}

void* operator new(std::size_t Size)
{
    return Allocate(Size);
}

void* operator new[](std::size_t Size)
{
    return Allocate(Size);
}

void operator delete(void* Memory) noexcept
{
    std::free(Memory);
}

void operator delete[](void* Memory) noexcept
{
    std::free(Memory);
}

void operator delete(void* Memory, std::size_t) noexcept
{
    std::free(Memory);
}

void operator delete[](void* Memory, std::size_t) noexcept
{
    std::free(Memory);
}
