// Names from drivers and the system, written into the program's text: a control character in one
// could start a new line or reach a terminal as an escape sequence, so it is written the way the
// JSON writes it (\u000d, \u001b), in every output.
#pragma once

#include <string>
#include <string_view>

/// How a text is written.
enum class TTextEscape {
    /// A JSON string, in quotes: ASCII only, '"' and '\' after a backslash, every control and
    /// every other character as \uXXXX (a pair of them outside the basic plane).
    Json,
    /// UTF-8 in double quotes: '"', '\' and the control characters (U+0000-U+001F, U+007F,
    /// U+0080-U+009F) escaped as in JSON, every other character as it is.
    Quoted,
    /// UTF-8 without quotes: as it is unless it holds a control character; then those and every
    /// '\' are escaped as in JSON. A text without controls is never touched, so a report's bytes do
    /// not change for such names, and an escaped one reads back to a single text.
    Bare,
    /// Bare for the bytes of an ANSI code page: only bytes below 0x20 and 0x7F are controls.
    BareAnsi,
};

/// Appends Text, written as Escape says.
void AppendEscaped(std::string& Out, std::string_view Text, TTextEscape Escape);

/// Text written as Escape says.
std::string EscapedText(std::string_view Text, TTextEscape Escape);
