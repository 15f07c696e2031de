#include "JsonCheck.h"

// Built without the fuzzer's coverage (tests/fuzz/CMakeLists.txt): the parser's own branches are
// not the program's, and tracing them would cost most of each run.
nlohmann::json ParsedJson(const std::string& Text)
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
