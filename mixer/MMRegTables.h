// The registry's tables as constant arrays; the names themselves are in MMRegTables.cpp.
#pragma once

#include <cstddef>
#include <cstdint>

/// A view of a constant array: the entries of one table.
template <typename Entry>
struct TTable {
    const Entry* Entries = nullptr;
    std::size_t Count = 0;

    constexpr TTable() = default;
    template <std::size_t N>
    constexpr TTable(const Entry (&Array)[N]) : Entries(Array), Count(N)
    {
    }

    const Entry* begin() const { return Entries; }
    const Entry* end() const { return Entries + Count; }
};

struct TProductName {
    std::uint16_t Id;
    const char* Name;
};

struct TManufacturerName {
    std::uint16_t Id;
    const char* Name;
    TTable<TProductName> Products; // sorted by Id; empty for a manufacturer without products
};

/// Every manufacturer of the registry, sorted by Id.
TTable<TManufacturerName> ManufacturerNames();
