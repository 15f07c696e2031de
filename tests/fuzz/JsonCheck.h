// What every JSON document of the console tool must be, checked with a parser of its own
// (nlohmann::json): ASCII only, and well formed.
#pragma once

#include <algorithm>
#include <string>

#include <nlohmann/json.hpp>

#include "FuzzInput.h"

/// The document parsed; it must be ASCII only and well formed.
nlohmann::json ParsedJson(const std::string& Text);

/// Whether a name the report shows is the name the device wrote: byte for byte where it holds no
/// control character (and nothing past it); where it does, escaped, so only its length is known.
inline bool ShowsName(const std::string& Shown, const std::string& Written)
{
    const bool controls = std::any_of(Written.begin(), Written.end(), [](char Byte) {
        return static_cast<unsigned char>(Byte) < 0x20 || Byte == 0x7F;
    });
    return controls ? Shown.size() >= Written.size() && Shown.size() <= 6 * Written.size()
                    : Shown == Written;
}

/// Every line of a text report: one line, without a line break or a NUL inside it.
inline void CheckLine(const std::string& Line)
{
    FuzzCheck(Line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos,
              "a report line with a line break or NUL inside it");
}
