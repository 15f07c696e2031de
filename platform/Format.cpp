#include "platform/Format.h"

#include <cstdarg>
#include <cstdio>
#include <stdexcept>

namespace {

std::string FormatList(const char* Pattern, va_list Arguments)
{
    va_list measuring;
    va_copy(measuring, Arguments);
    const int length = std::vsnprintf(nullptr, 0, Pattern, measuring);
    va_end(measuring);
    if (length < 0)
        throw std::runtime_error("Text could not be formatted.");
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), Pattern, Arguments);
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
