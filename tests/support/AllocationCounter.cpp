// Replaces the global operator new and delete of the program it is linked into.
#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> g_allocations{0};
std::atomic<std::size_t> g_live{0};

void* Allocate(std::size_t Size)
{
    if (Size > kLargestAllocation)
        return nullptr;
    void* memory = std::malloc(Size == 0 ? 1 : Size);
    if (memory) {
        ++g_allocations;
        ++g_live;
    }
    return memory;
}

void Release(void* Memory) noexcept
{
    if (Memory) {
        --g_live;
        std::free(Memory);
    }
}

void* AllocateOrThrow(std::size_t Size)
{
    void* memory = Allocate(Size);
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

} // namespace

TAllocationCounts AllocationCounts()
{
    return {g_allocations.load(), g_live.load()};
}

void* operator new(std::size_t Size)
{
    return AllocateOrThrow(Size);
}

void* operator new[](std::size_t Size)
{
    return AllocateOrThrow(Size);
}

void* operator new(std::size_t Size, const std::nothrow_t&) noexcept
{
    return Allocate(Size);
}

void* operator new[](std::size_t Size, const std::nothrow_t&) noexcept
{
    return Allocate(Size);
}

void operator delete(void* Memory) noexcept
{
    Release(Memory);
}

void operator delete[](void* Memory) noexcept
{
    Release(Memory);
}

void operator delete(void* Memory, std::size_t) noexcept
{
    Release(Memory);
}

void operator delete[](void* Memory, std::size_t) noexcept
{
    Release(Memory);
}
