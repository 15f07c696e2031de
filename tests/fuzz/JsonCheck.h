// What every JSON document of the console tool must be, checked with a parser of its own
// (nlohmann::json): ASCII only, and well formed.
#pragma once

#include <algorithm>
#include <string>

#include <nlohmann/json.hpp>

#include "FuzzInput.h"

inline nlohmann::json ParsedJson(const std::string& Text)
{
    FuzzCheck(std::all_of(Text.begin(), Text.end(),
                          [](char Byte) { return static_cast<unsigned char>(Byte) < 0x80; }),
              "a JSON document with a byte outside ASCII");
    try {
        return nlohmann::json::parse(Text);
    } catch (const nlohmann::json::exception& error) {
        std::fprintf(stderr, "%s\n%s\n", error.what(), Text.c_str());
        FuzzFault("a JSON document that does not parse");
    }
}

/// Every line of a text report: one line, without a line break or a NUL inside it.
inline void CheckLine(const std::string& Line)
{
    FuzzCheck(Line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos,
              "a report line with a line break or NUL inside it");
}
