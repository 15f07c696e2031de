#include "platform/WinText.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace {

int CheckedLength(size_t Length)
{
    if (Length > static_cast<size_t>(INT_MAX))
        throw std::length_error("Text too long to convert");
    return static_cast<int>(Length);
}

} // namespace

std::wstring AnsiToWide(const std::string& Ansi)
{
    if (Ansi.empty())
        return {};
    const int length = CheckedLength(Ansi.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, Ansi.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, Ansi.data(), length, wide.data(), needed);
    return wide;
}

std::string WideToAnsi(const std::wstring& Wide)
{
    if (Wide.empty())
        return {};
    const int length = CheckedLength(Wide.size());
    const int needed =
        WideCharToMultiByte(CP_ACP, 0, Wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, Wide.data(), length, ansi.data(), needed, nullptr, nullptr);
    return ansi;
}
