// Splitting a UTF-16 path into folder, file name and base name. A path splits after its last "\"
// or ":".
#pragma once

#include <string>

/// The text after the last separator: "C:\Dir\Tool.exe" gives "Tool.exe".
std::wstring ExtractFileName(const std::wstring& Path);
/// The text up to and including the last separator: "C:\Dir\Tool.exe" gives "C:\Dir\".
std::wstring ExtractFilePath(const std::wstring& Path);
/// The file name without its extension (from its last "."): "Tool.tar.gz" gives "Tool.tar".
std::wstring ExtractBaseName(const std::wstring& Path);
/// The folder as a directory name: without the last separator, except where it is needed, as in
/// "C:\" or "\\" ("C:\Apps\Tool.exe" gives "C:\Apps", "C:\Tool.exe" gives "C:\").
std::wstring ExtractFileDir(const std::wstring& Path);
/// Path less one trailing backslash, when it ends in one.
std::wstring WithoutTrailingBackslash(const std::wstring& Path);
