// Splitting a path into folder, file name and base name.
//
// A path splits after its last "\" or ":". For 8-bit paths the split is double-byte aware: in a
// code page such as 932, the second byte of a double-byte character may have the code of "\" and
// is then part of the character, never a separator. UTF-16 paths need no such care.
#pragma once

#include <string>

#include "info/InfoPlatform.h"

/// The text after the last separator: "C:\Dir\Tool.exe" gives "Tool.exe".
std::string ExtractFileName(const std::string& Path, const IAnsiCodePage& CodePage);
std::wstring ExtractFileName(const std::wstring& Path);
/// The text up to and including the last separator: "C:\Dir\Tool.exe" gives "C:\Dir\".
std::string ExtractFilePath(const std::string& Path, const IAnsiCodePage& CodePage);
std::wstring ExtractFilePath(const std::wstring& Path);
/// The file name without its extension (from its last "."): "Tool.tar.gz" gives "Tool.tar".
std::string ExtractBaseName(const std::string& Path, const IAnsiCodePage& CodePage);
std::wstring ExtractBaseName(const std::wstring& Path);
/// The folder as a directory name: without the last separator, except where it is needed, as in
/// "C:\" or "\\" ("C:\Apps\Tool.exe" gives "C:\Apps", "C:\Tool.exe" gives "C:\").
std::string ExtractFileDir(const std::string& Path, const IAnsiCodePage& CodePage);
std::wstring ExtractFileDir(const std::wstring& Path);
/// Path less one trailing backslash, when it ends in one (a trail byte is not one).
std::string WithoutTrailingBackslash(const std::string& Path, const IAnsiCodePage& CodePage);
std::wstring WithoutTrailingBackslash(const std::wstring& Path);
