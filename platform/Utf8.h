// UTF-8, the program's own text inside, from the platform's wide text (UTF-16), without the
// platform: the same rules on Windows and in the native tests. Anything that is not valid text
// (a lone surrogate, a stray byte) becomes U+FFFD, never a reason to read further than given.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/WinCompat.h"

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

/// Appends the UTF-8 bytes of code point Code.
void AppendUtf8(std::string& Text, char32_t Code);

/// The code point that starts at Text[Index], moving Index past it: U+FFFD (and one byte on) for a
/// byte that does not start a whole, shortest, valid sequence.
char32_t DecodeUtf8(std::string_view Text, std::size_t& Index);

/// The UTF-16 text from Begin to End as UTF-8; a unit that is not part of a valid pair of
/// surrogates becomes U+FFFD.
std::string Utf16ToUtf8(const WCHAR* Begin, const WCHAR* End);
