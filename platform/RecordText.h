// Text from the fields of the platform's records.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Utf8.h"
#include "platform/WinCompat.h"

/// The characters of Chars up to its first NUL; all N of them when a driver filled the array
/// without one. Never reads past the array.
template <std::size_t N>
std::string FixedText(const char (&Chars)[N])
{
    return std::string(Chars, std::find(Chars, Chars + N, '\0'));
}

/// FixedText without a copy.
template <std::size_t N>
std::string_view FixedTextView(const char (&Chars)[N])
{
    return std::string_view(Chars,
                            static_cast<std::size_t>(std::find(Chars, Chars + N, '\0') - Chars));
}

/// The UTF-16 characters of Chars up to its first NUL (all N when there is none), as UTF-8.
template <std::size_t N>
std::string FixedTextUtf8(const WCHAR (&Chars)[N])
{
    return Utf16ToUtf8(Chars, std::find(Chars, Chars + N, WCHAR()));
}

/// A 32-bit field as the signed decimal the program prints.
inline int Signed32(std::uint32_t Value)
{
    return static_cast<std::int32_t>(Value);
}
