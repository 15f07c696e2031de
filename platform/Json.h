// A small JSON writer for the console tool's documents: written in one pass as the data is
// walked, indented two blanks a level, ASCII only so that it survives any console code page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Text as a JSON string: ASCII only, other characters as \uXXXX (a pair of them outside the basic
/// plane), and bytes that are not UTF-8 as U+FFFD.
std::string JsonString(std::string_view Text);

/// Already-written JSON values as an array on one line: [1, 2].
std::string JsonInlineArray(const std::vector<std::string>& Items);

/// A JSON document, one field or element a line. Key is the member's name inside an object and
/// empty inside an array.
class TJsonWriter {
public:
    /// Opens an object ('{') or an array ('[').
    void Begin(std::string_view Key, char Bracket);
    /// Closes what the last open Begin opened; an empty one stays on its line: {} or [].
    void End(char Bracket);
    /// A value already written as JSON.
    void Raw(std::string_view Key, std::string_view Json);
    void Number(std::string_view Key, std::int64_t Value);
    void String(std::string_view Key, std::string_view Value);
    /// The text, or null when there is none.
    void StringOrNull(std::string_view Key, const std::optional<std::string>& Value);
    void Bool(std::string_view Key, bool Value);
    void Null(std::string_view Key);

    /// The document, ending with a line break.
    std::string Text() const { return m_json + "\n"; }

private:
    void Separate();

    std::string m_json;
    int m_depth = 0;
    bool m_first = true;
};
