#include "platform/TextEscape.h"

#include "platform/Utf8.h"

// Written a character at a time: string's push_back is shared by the whole program, where
// appending a run would bring a copy of its own into the small Windows programs.

namespace {

bool IsControl(char32_t Code, bool Ansi)
{
    return Code < 0x20 || Code == 0x7F || (!Ansi && Code >= 0x80 && Code < 0xA0);
}

// The next character of Text: a byte of an ANSI code page, or a code point of UTF-8.
char32_t NextCharacter(std::string_view Text, std::size_t& Index, bool Ansi)
{
    return Ansi ? static_cast<unsigned char>(Text[Index++]) : DecodeUtf8(Text, Index);
}

void AppendUnitEscaped(std::string& Out, char32_t Unit)
{
    Out += '\\';
    Out += 'u';
    for (int shift = 12; shift >= 0; shift -= 4)
        Out += "0123456789abcdef"[Unit >> shift & 0xF];
}

} // namespace

void AppendEscaped(std::string& Out, std::string_view Text, TTextEscape Escape)
{
    const bool ansi = Escape == TTextEscape::BareAnsi;
    const bool json = Escape == TTextEscape::Json;
    const bool quoted = json || Escape == TTextEscape::Quoted;
    // Without quotes, the backslashes are escaped only in a text that has controls to escape.
    bool backslashes = quoted;
    for (std::size_t index = 0; !backslashes && index < Text.size();)
        backslashes = IsControl(NextCharacter(Text, index, ansi), ansi);
    if (quoted)
        Out += '"';
    for (std::size_t index = 0; index < Text.size();) {
        std::size_t start = index;
        const char32_t code = NextCharacter(Text, index, ansi);
        if ((code == '\\' && backslashes) || (code == '"' && quoted)) {
            Out += '\\';
            Out += static_cast<char>(code);
        } else if (code >= 0x10000 && json) {
            AppendUnitEscaped(Out, 0xD800 + ((code - 0x10000) >> 10));
            AppendUnitEscaped(Out, 0xDC00 + ((code - 0x10000) & 0x3FF));
        } else if (IsControl(code, ansi) || (json && code >= 0x80)) {
            AppendUnitEscaped(Out, code);
        } else {
            while (start < index)
                Out += Text[start++];
        }
    }
    if (quoted)
        Out += '"';
}

std::string EscapedText(std::string_view Text, TTextEscape Escape)
{
    std::string text;
    AppendEscaped(text, Text, Escape);
    return text;
}
