#include "platform/Format.h"

#include <cstdarg>
#include <cstdio>
#include "platform/Error.h"

namespace {

// The helpers that take the caller's arguments are marked as printf-like too, so that clang checks
// the pattern where it comes from rather than refusing one that is not a literal here.
#ifdef _WIN32
// Windows' own C library (msvcrt) formats, rather than mingw's C99 formatter, which would add some
// 70 KB to the program; the program's patterns use nothing the system's formatter lacks.
KORVALE_PRINTF(1, 0) int MeasuredLength(const char* Pattern, va_list Arguments)
{
    return _vscprintf(Pattern, Arguments);
}

// The length written, or -1 when the text did not fit (or could not be formatted).
KORVALE_PRINTF(3, 0)
int Print(char* Buffer, std::size_t Size, const char* Pattern, va_list Arguments)
{
    return _vsnprintf(Buffer, Size, Pattern, Arguments);
}
#else
KORVALE_PRINTF(1, 0) int MeasuredLength(const char* Pattern, va_list Arguments)
{
    return std::vsnprintf(nullptr, 0, Pattern, Arguments);
}

// The whole text's length, which is at least Size when it did not fit; or -1.
KORVALE_PRINTF(3, 0)
int Print(char* Buffer, std::size_t Size, const char* Pattern, va_list Arguments)
{
    return std::vsnprintf(Buffer, Size, Pattern, Arguments);
}
#endif

KORVALE_PRINTF(1, 0) std::string FormatList(const char* Pattern, va_list Arguments)
{
    // A report line fits on the stack and is formatted once; a longer text is measured first.
    char line[256];
    va_list trying;
    va_copy(trying, Arguments);
    const int written = Print(line, sizeof line, Pattern, trying);
    va_end(trying);
    if (written >= 0 && static_cast<std::size_t>(written) < sizeof line)
        return std::string(line, static_cast<std::size_t>(written));

    va_list measuring;
    va_copy(measuring, Arguments);
    const int length = MeasuredLength(Pattern, measuring);
    va_end(measuring);
    if (length < 0)
        throw TError("Text could not be formatted.");
    std::string text(static_cast<size_t>(length) + 1, '\0');
    Print(text.data(), text.size(), Pattern, Arguments);
    text.resize(static_cast<size_t>(length));
    return text;
}

} // namespace

std::string Format(const char* Pattern, ...)
{
    va_list arguments;
    va_start(arguments, Pattern);
    try {
        std::string text = FormatList(Pattern, arguments);
        va_end(arguments);
        return text;
    } catch (...) {
        va_end(arguments);
        throw;
    }
}

std::string TenthsText(std::int64_t Tenths)
{
    const char* sign = Tenths < 0 ? "-" : "";
    const std::uint64_t magnitude =
        Tenths < 0 ? 0 - static_cast<std::uint64_t>(Tenths) : static_cast<std::uint64_t>(Tenths);
    return sign + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
}
