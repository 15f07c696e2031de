// The record arrays the mixer walks hand to a driver.
#pragma once

#include <cstddef>
#include <exception>
#include <vector>

/// Makes Records Count zero-filled records (some drivers report success without writing them),
/// reusing its memory where it can. A driver may claim any count: false, and Records as it was,
/// when the memory cannot be had or no vector can hold that many.
template <typename Record>
bool TryZeroFill(std::vector<Record>& Records, std::size_t Count) noexcept
{
    try {
        Records.assign(Count, Record{});
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
