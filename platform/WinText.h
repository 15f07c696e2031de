// Text between the program's 8-bit strings and the UTF-16 of the windows. Data from the ANSI
// calls is in the system's ANSI code page; error messages are UTF-8, so that a message can carry
// any character whatever the code page.
#pragma once

#include <string>

/// The ANSI-code-page text Ansi as UTF-16.
std::wstring AnsiToWide(const std::string& Ansi);
/// The UTF-8 text Utf8 as UTF-16.
std::wstring Utf8ToWide(const std::string& Utf8);
/// The UTF-16 text Wide as UTF-8.
std::string WideToUtf8(const std::wstring& Wide);
