#include "info/PathRules.h"

namespace {

// The rules once for both kinds of path. IsLead tells whether a code unit starts a double-byte
// character; such a unit takes the next one with it, and the pair is never a separator.
template <class Text, class IsLead>
class TPathRules {
public:
    using Char = typename Text::value_type;
    static constexpr typename Text::size_type kNone = Text::npos;

    explicit TPathRules(IsLead Lead) : m_isLead(Lead) {}

    Text FileName(const Text& Path) const
    {
        const auto separator = LastSeparator(Path);
        return separator == kNone ? Path : Path.substr(separator + 1);
    }

    Text FilePath(const Text& Path) const
    {
        const auto separator = LastSeparator(Path);
        return separator == kNone ? Text() : Path.substr(0, separator + 1);
    }

    Text BaseName(const Text& Path) const
    {
        const Text fileName = FileName(Path);
        const auto dot = LastOf(fileName, [](Char Unit) { return Unit == Char('.'); });
        return dot == kNone ? fileName : fileName.substr(0, dot);
    }

    Text FileDir(const Text& Path) const
    {
        const Text folder = FilePath(Path);
        if (folder.empty() || folder.back() != Char('\\') || folder.size() == 1)
            return folder;
        // Keep the backslash after a drive colon or another backslash: "C:\" and "\\" are folders.
        const Text parent = folder.substr(0, folder.size() - 1);
        return LastSeparator(parent) == parent.size() - 1 ? folder : parent;
    }

    Text WithoutTrailingBackslash(const Text& Path) const
    {
        const auto backslash = LastOf(Path, [](Char Unit) { return Unit == Char('\\'); });
        return backslash != kNone && backslash == Path.size() - 1 ? Path.substr(0, backslash)
                                                                  : Path;
    }

private:
    template <class Wanted>
    typename Text::size_type LastOf(const Text& Path, Wanted IsWanted) const
    {
        auto found = kNone;
        for (typename Text::size_type index = 0; index < Path.size(); ++index) {
            if (m_isLead(Path[index]) && index + 1 < Path.size())
                ++index;
            else if (IsWanted(Path[index]))
                found = index;
        }
        return found;
    }

    typename Text::size_type LastSeparator(const Text& Path) const
    {
        return LastOf(Path, [](Char Unit) { return Unit == Char('\\') || Unit == Char(':'); });
    }

    IsLead m_isLead;
};

auto AnsiRules(const IAnsiCodePage& CodePage)
{
    const auto isLead = [&CodePage](char Unit) {
        return CodePage.IsLeadByte(static_cast<unsigned char>(Unit));
    };
    return TPathRules<std::string, decltype(isLead)>(isLead);
}

auto WideRules()
{
    const auto isLead = [](wchar_t) { return false; };
    return TPathRules<std::wstring, decltype(isLead)>(isLead);
}

} // namespace

std::string ExtractFileName(const std::string& Path, const IAnsiCodePage& CodePage)
{
    return AnsiRules(CodePage).FileName(Path);
}

std::wstring ExtractFileName(const std::wstring& Path)
{
    return WideRules().FileName(Path);
}

std::string ExtractFilePath(const std::string& Path, const IAnsiCodePage& CodePage)
{
    return AnsiRules(CodePage).FilePath(Path);
}

std::wstring ExtractFilePath(const std::wstring& Path)
{
    return WideRules().FilePath(Path);
}

std::string ExtractBaseName(const std::string& Path, const IAnsiCodePage& CodePage)
{
    return AnsiRules(CodePage).BaseName(Path);
}

std::wstring ExtractBaseName(const std::wstring& Path)
{
    return WideRules().BaseName(Path);
}

std::string ExtractFileDir(const std::string& Path, const IAnsiCodePage& CodePage)
{
    return AnsiRules(CodePage).FileDir(Path);
}

std::wstring ExtractFileDir(const std::wstring& Path)
{
    return WideRules().FileDir(Path);
}

std::string WithoutTrailingBackslash(const std::string& Path, const IAnsiCodePage& CodePage)
{
    return AnsiRules(CodePage).WithoutTrailingBackslash(Path);
}

std::wstring WithoutTrailingBackslash(const std::wstring& Path)
{
    return WideRules().WithoutTrailingBackslash(Path);
}
