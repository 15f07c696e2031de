#include "platform/Utf8.h"

namespace {

bool IsHighSurrogate(char32_t Unit)
{
    return Unit >= 0xD800 && Unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t Unit)
{
    return Unit >= 0xDC00 && Unit <= 0xDFFF;
}

// How many bytes a sequence with this lead byte has; 0 for a byte no sequence starts with.
std::size_t SequenceLength(unsigned char Lead)
{
    return Lead < 0x80         ? 1
           : Lead >> 5 == 0x6  ? 2
           : Lead >> 4 == 0xE  ? 3
           : Lead >> 3 == 0x1E ? 4
                               : 0;
}

} // namespace

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

char32_t DecodeUtf8(std::string_view Text, std::size_t& Index)
{
    const unsigned char lead = static_cast<unsigned char>(Text[Index]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || length > Text.size() - Index) {
        ++Index;
        return kReplacementCharacter;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t next = 1; next < length; ++next) {
        const unsigned char byte = static_cast<unsigned char>(Text[Index + next]);
        if (byte >> 6 != 0x2) {
            ++Index;
            return kReplacementCharacter;
        }
        code = code << 6 | (byte & 0x3F);
    }
    Index += length;
    // Overlong forms, surrogates and code points past Unicode's end are not text.
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || IsHighSurrogate(code) ||
        IsLowSurrogate(code))
        return kReplacementCharacter;
    return code;
}

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
            AppendUtf8(text, IsHighSurrogate(code) || IsLowSurrogate(code) ? kReplacementCharacter
                                                                           : code);
        }
    }
    return text;
}
