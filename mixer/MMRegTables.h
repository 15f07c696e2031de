// The registry's tables as constant arrays; the names themselves are in MMRegTables.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

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

// Names as views: their lengths are known when the program is built, so copying one into a report
// needs no search for its end. Each view ends where a NUL follows (they are string literals).
struct TProductName {
    std::uint16_t Id;
    std::string_view Name;
};

struct TManufacturerName {
    std::uint16_t Id;
    std::string_view Name;
    TTable<TProductName> Products; // sorted by Id; empty for a manufacturer without products
};

/// Every manufacturer of the registry, sorted by Id.
TTable<TManufacturerName> ManufacturerNames();
