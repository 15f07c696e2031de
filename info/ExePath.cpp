#include "info/ExePath.h"

namespace {

constexpr std::string::size_type kNone = std::string::npos;

// The position of the last character of Path that is one of Characters, or kNone. Each lead
// byte takes its trail byte with it: that pair is one character and never one of Characters.
std::string::size_type LastOf(const std::string& Path, const char* Characters,
                              const IAnsiCodePage& CodePage)
{
    const std::string wanted(Characters);
    std::string::size_type found = kNone;
    for (std::string::size_type index = 0; index < Path.size(); ++index) {
        if (CodePage.IsLeadByte(static_cast<unsigned char>(Path[index])) && index + 1 < Path.size())
            ++index;
        else if (wanted.find(Path[index]) != std::string::npos)
            found = index;
    }
    return found;
}

} // namespace

std::string ExtractFileName(const std::string& Path, const IAnsiCodePage& CodePage)
{
    const auto separator = LastOf(Path, "\\:", CodePage);
    return separator == kNone ? Path : Path.substr(separator + 1);
}

std::string ExtractFilePath(const std::string& Path, const IAnsiCodePage& CodePage)
{
    const auto separator = LastOf(Path, "\\:", CodePage);
    return separator == kNone ? std::string() : Path.substr(0, separator + 1);
}

std::string ExtractBaseName(const std::string& Path, const IAnsiCodePage& CodePage)
{
    const std::string fileName = ExtractFileName(Path, CodePage);
    const auto dot = LastOf(fileName, ".", CodePage);
    return dot == kNone ? fileName : fileName.substr(0, dot);
}

std::string ExtractFileDir(const std::string& Path, const IAnsiCodePage& CodePage)
{
    const std::string folder = ExtractFilePath(Path, CodePage);
    if (folder.empty() || folder.back() != '\\' || folder.size() == 1)
        return folder;
    // Keep the backslash after a drive colon or another backslash: "C:\" and "\\" are folders.
    const std::string parent = folder.substr(0, folder.size() - 1);
    const auto previous = LastOf(parent, "\\:", CodePage);
    return previous == parent.size() - 1 ? folder : parent;
}

std::string WithoutTrailingBackslash(const std::string& Path, const IAnsiCodePage& CodePage)
{
    const auto separator = LastOf(Path, "\\", CodePage);
    return separator != kNone && separator == Path.size() - 1 ? Path.substr(0, separator) : Path;
}
