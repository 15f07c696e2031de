// printf-style formatting into a std::string. The pattern is always a literal of the program's
// own, checked by the compiler against the arguments; data is only ever an argument.
#pragma once

#include <string>

#if defined(__MINGW32__)
#define KORVALE_PRINTF(PatternIndex, FirstArgument)                                                \
    __attribute__((format(gnu_printf, PatternIndex, FirstArgument)))
#else
#define KORVALE_PRINTF(PatternIndex, FirstArgument)                                                \
    __attribute__((format(printf, PatternIndex, FirstArgument)))
#endif

/// The text printf would write for Pattern and the arguments.
std::string Format(const char* Pattern, ...) KORVALE_PRINTF(1, 2);
