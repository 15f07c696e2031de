#include "info/PathRules.h"

namespace {

// The position of the last separator in Path; npos when it has none.
std::wstring::size_type LastSeparator(const std::wstring& Path)
{
    return Path.find_last_of(L"\\:");
}

} // namespace

std::wstring ExtractFileName(const std::wstring& Path)
{
    const auto separator = LastSeparator(Path);
    return separator == std::wstring::npos ? Path : Path.substr(separator + 1);
}

std::wstring ExtractFilePath(const std::wstring& Path)
{
    const auto separator = LastSeparator(Path);
    return separator == std::wstring::npos ? std::wstring() : Path.substr(0, separator + 1);
}

std::wstring ExtractBaseName(const std::wstring& Path)
{
    const std::wstring fileName = ExtractFileName(Path);
    return fileName.substr(0, fileName.rfind(L'.'));
}

std::wstring ExtractFileDir(const std::wstring& Path)
{
    const std::wstring folder = ExtractFilePath(Path);
    if (folder.empty() || folder.back() != L'\\' || folder.size() == 1)
        return folder;
    // Keep the backslash after a drive colon or another backslash: "C:\" and "\\" are folders.
    const std::wstring parent = folder.substr(0, folder.size() - 1);
    return LastSeparator(parent) == parent.size() - 1 ? folder : parent;
}

std::wstring WithoutTrailingBackslash(const std::wstring& Path)
{
    return !Path.empty() && Path.back() == L'\\' ? Path.substr(0, Path.size() - 1) : Path;
}
