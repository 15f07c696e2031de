#include "platform/WinText.h"

#include <windows.h>

#include <climits>
#include "platform/Error.h"

namespace {

int CheckedLength(size_t Length)
{
    if (Length > static_cast<size_t>(INT_MAX))
        throw TError("Text too long to convert");
    return static_cast<int>(Length);
}

std::wstring ToWide(UINT CodePage, const std::string& Text)
{
    if (Text.empty())
        return {};
    const int length = CheckedLength(Text.size());
    const int needed = MultiByteToWideChar(CodePage, 0, Text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CodePage, 0, Text.data(), length, wide.data(), needed);
    return wide;
}

std::string FromWide(UINT CodePage, const std::wstring& Wide)
{
    if (Wide.empty())
        return {};
    const int length = CheckedLength(Wide.size());
    const int needed =
        WideCharToMultiByte(CodePage, 0, Wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CodePage, 0, Wide.data(), length, text.data(), needed, nullptr, nullptr);
    return text;
}

} // namespace

std::wstring AnsiToWide(const std::string& Ansi)
{
    return ToWide(CP_ACP, Ansi);
}

std::wstring Utf8ToWide(const std::string& Utf8)
{
    return ToWide(CP_UTF8, Utf8);
}

std::string WideToUtf8(const std::wstring& Wide)
{
    return FromWide(CP_UTF8, Wide);
}
