// Splitting an 8-bit path into folder, file name and base name.
//
// A path splits after its last "\" or ":". The split is double-byte aware: in a code page such as
// 932, the second byte of a double-byte character may have the code of "\" and is then part of
// the character, never a separator.
#pragma once

#include <string>

#include "info/InfoPlatform.h"

/// The text after the last separator: "C:\Dir\Tool.exe" gives "Tool.exe".
std::string ExtractFileName(const std::string& Path, const IAnsiCodePage& CodePage);
/// The text up to and including the last separator: "C:\Dir\Tool.exe" gives "C:\Dir\".
std::string ExtractFilePath(const std::string& Path, const IAnsiCodePage& CodePage);
/// The file name without its extension (from its last "."): "Tool.tar.gz" gives "Tool.tar".
std::string ExtractBaseName(const std::string& Path, const IAnsiCodePage& CodePage);
/// The folder as a directory name: without the last separator, except where it is needed, as in
/// "C:\" or "\\" ("C:\Apps\Tool.exe" gives "C:\Apps", "C:\Tool.exe" gives "C:\").
std::string ExtractFileDir(const std::string& Path, const IAnsiCodePage& CodePage);
/// Path less one trailing backslash, when it ends in one (a trail byte is not one).
std::string WithoutTrailingBackslash(const std::string& Path, const IAnsiCodePage& CodePage);
