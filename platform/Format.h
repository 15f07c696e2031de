// printf-style formatting into a std::string. The pattern is always a literal of the program's
// own, checked by the compiler against the arguments; data is only ever an argument.
#pragma once

#include <cstdint>
#include <string>

// On Windows the patterns are checked as what formats them there: msvcrt's printf, which knows no
// %zu or %lld (the native tests format with the C library's own printf).
#if defined(__MINGW32__)
#define KORVALE_PRINTF(PatternIndex, FirstArgument)                                                \
    __attribute__((format(ms_printf, PatternIndex, FirstArgument)))
#else
#define KORVALE_PRINTF(PatternIndex, FirstArgument)                                                \
    __attribute__((format(printf, PatternIndex, FirstArgument)))
#endif

/// The text printf would write for Pattern and the arguments.
std::string Format(const char* Pattern, ...) KORVALE_PRINTF(1, 2);

/// Tenths as a decimal with one digit after the point, whatever the locale: -125 gives "-12.5".
std::string TenthsText(std::int64_t Tenths);
