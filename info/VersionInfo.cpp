#include "info/VersionInfo.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <type_traits>
#include <vector>

#include "info/PathRules.h"
#include "platform/Format.h"

namespace {

// Where the data VerQueryValue returns for Path lies, cut to what lies inside Block: a file may
// report any length, and nothing outside the buffer is ever read. UnitSize is the size of the
// units the service counts the length in.
std::optional<std::string> QueryBlock(IVersionResources& Resources, const std::vector<char>& Block,
                                      const std::wstring& Path, size_t UnitSize)
{
    void* data = nullptr;
    UINT length = 0;
    if (!Resources.QueryValue(Block.data(), Path.c_str(), &data, &length) || length == 0 || !data)
        return std::nullopt;
    const char* begin = static_cast<const char*>(data);
    const char* blockEnd = Block.data() + Block.size();
    if (begin < Block.data() || begin >= blockEnd)
        return std::nullopt;
    const size_t bytes =
        std::min<size_t>(size_t{length} * UnitSize, static_cast<size_t>(blockEnd - begin));
    return std::string(begin, bytes);
}

// The sub-block path as the wide service takes it; Path is ASCII.
std::wstring WidePath(const std::string& Path)
{
    return std::wstring(Path.begin(), Path.end());
}

bool IsBlankOrControl(wchar_t Character)
{
    return static_cast<std::make_unsigned_t<wchar_t>>(Character) <= 32;
}

std::wstring Trimmed(const std::wstring& Text)
{
    const auto first = std::find_if_not(Text.begin(), Text.end(), IsBlankOrControl);
    const auto last = std::find_if_not(Text.rbegin(), Text.rend(), IsBlankOrControl).base();
    return first < last ? std::wstring(first, last) : std::wstring();
}

// UTF-16 text from the bytes of a value; a last incomplete unit is dropped.
std::wstring TextOfBytes(const std::string& Bytes)
{
    std::wstring text(Bytes.size() / sizeof(wchar_t), L'\0');
    if (!text.empty())
        std::memcpy(text.data(), Bytes.data(), text.size() * sizeof(wchar_t));
    return text;
}

} // namespace

void GetVersionInfoValue(IVersionResources& Resources, const std::string& Key,
                         const std::wstring& FileName, std::wstring& Value)
{
    DWORD handle = 0;
    const DWORD size = Resources.GetInfoSize(FileName.c_str(), &handle);
    if (size == 0)
        return;
    std::vector<char> block(size);
    if (!Resources.GetInfo(FileName.c_str(), 0, size, block.data()))
        return;

    // The first translation entry: language in the low 16 bits, code page in the high ones. Its
    // length counts bytes.
    const std::optional<std::string> translation =
        QueryBlock(Resources, block, L"\\VarFileInfo\\Translation", 1);
    if (!translation || translation->size() < sizeof(DWORD))
        return;
    DWORD entry;
    std::memcpy(&entry, translation->data(), sizeof entry);

    // Built by concatenation: the key is looked up as it is and never read as a format.
    const std::string path = "\\StringFileInfo\\" +
                             Format("%04X%04X", static_cast<unsigned>(entry & 0xFFFF),
                                    static_cast<unsigned>(entry >> 16)) +
                             "\\" + Key;
    const std::optional<std::string> bytes =
        QueryBlock(Resources, block, WidePath(path), sizeof(wchar_t));
    if (!bytes)
        return;
    const std::wstring text = TextOfBytes(*bytes);
    Value = Trimmed(text.substr(0, text.find(L'\0')));
}

std::wstring ApplicationTitle(const std::wstring& ExePath,
                              const std::function<std::wstring(const std::wstring&)>& ToLower)
{
    std::wstring title = ExtractFileName(ExePath);
    title = title.substr(0, title.find(L'.'));
    if (title.empty())
        return title;
    // A character outside the basic plane is a pair of units.
    const size_t first = title[0] >= 0xD800 && title[0] <= 0xDBFF && title.size() > 1 ? 2 : 1;
    return title.substr(0, first) + ToLower(title.substr(first));
}

std::wstring VersionCaption(const std::wstring& Title, const std::wstring& FileVersion,
                            const std::wstring& FormName)
{
    return Title + L" Ver." + FileVersion + L" - " + FormName;
}
