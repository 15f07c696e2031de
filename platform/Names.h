// Names for numbers and the choice of one item by name, as the console tool's views share them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

/// A number's published name.
struct TNamed {
    std::uint32_t Value;
    const char* Name;
};

/// The name of Value in Names; null when it has none.
template <std::size_t N>
const char* FindName(const TNamed (&Names)[N], std::uint32_t Value)
{
    const auto found = std::find_if(std::begin(Names), std::end(Names),
                                    [Value](const TNamed& Named) { return Named.Value == Value; });
    return found != std::end(Names) ? found->Name : nullptr;
}

/// The item a name given on the command line means, Names holding each item's names: the one
/// item with a name spelt exactly as Wanted, or else the one item with a name that is Wanted as a
/// whole, or else the one item with a name that holds it, these two ignoring case (the simple
/// folding of Latin up to Latin Extended-A, Greek and Cyrillic).
/// Nothing when none or several match.
std::optional<std::size_t> MatchName(const std::vector<std::vector<std::string>>& Names,
                                     const std::string& Wanted);
