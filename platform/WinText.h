// Text between the program's 8-bit strings (ANSI code page) and the UTF-16 of the windows.
#pragma once

#include <string>

/// The ANSI-code-page text Ansi as UTF-16.
std::wstring AnsiToWide(const std::string& Ansi);
/// The UTF-16 text Wide in the ANSI code page; characters it lacks become the default character.
std::string WideToAnsi(const std::wstring& Wide);
