// Counts the program's heap allocations (operator new) in a test or benchmark program, and makes
// allocations larger than kLargestAllocation fail as they would on a machine without the memory,
// so tests of absurd sizes never touch real memory.
#pragma once

#include <cstddef>

constexpr std::size_t kLargestAllocation = std::size_t(1) << 30;

struct TAllocationCounts {
    std::size_t Allocations; // made since the program started
    std::size_t Live;        // not yet released
};

TAllocationCounts AllocationCounts();
