#include "platform/RecordText.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& Text, char32_t Code)
{
    if (Code < 0x80) {
        Text += static_cast<char>(Code);
    } else if (Code < 0x800) {
        Text += static_cast<char>(0xC0 | Code >> 6);
        Text += static_cast<char>(0x80 | (Code & 0x3F));
    } else if (Code < 0x10000) {
        Text += static_cast<char>(0xE0 | Code >> 12);
        Text += static_cast<char>(0x80 | (Code >> 6 & 0x3F));
        Text += static_cast<char>(0x80 | (Code & 0x3F));
    } else {
        Text += static_cast<char>(0xF0 | Code >> 18);
        Text += static_cast<char>(0x80 | (Code >> 12 & 0x3F));
        Text += static_cast<char>(0x80 | (Code >> 6 & 0x3F));
        Text += static_cast<char>(0x80 | (Code & 0x3F));
    }
}

bool IsHighSurrogate(char32_t Unit)
{
    return Unit >= 0xD800 && Unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t Unit)
{
    return Unit >= 0xDC00 && Unit <= 0xDFFF;
}

} // namespace

std::string Utf16ToUtf8(const WCHAR* Begin, const WCHAR* End)
{
    std::string text;
    for (const WCHAR* unit = Begin; unit < End; ++unit) {
        const char32_t code = static_cast<char16_t>(*unit);
        if (IsHighSurrogate(code) && unit + 1 < End &&
            IsLowSurrogate(static_cast<char16_t>(unit[1]))) {
            const char32_t low = static_cast<char16_t>(*++unit);
            AppendUtf8(text, 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00));
        } else {
            AppendUtf8(text, IsHighSurrogate(code) || IsLowSurrogate(code) ? kReplacement : code);
        }
    }
    return text;
}
