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
template <class Char>
std::optional<std::string> QueryBlock(IVersionResources& Resources, const std::vector<char>& Block,
                                      const std::basic_string<Char>& Path, size_t UnitSize)
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

template <class Char>
bool IsBlankOrControl(Char Character)
{
    return static_cast<std::make_unsigned_t<Char>>(Character) <= 32;
}

template <class Char>
std::basic_string<Char> Trimmed(const std::basic_string<Char>& Text)
{
    const auto first = std::find_if_not(Text.begin(), Text.end(), IsBlankOrControl<Char>);
    const auto last = std::find_if_not(Text.rbegin(), Text.rend(), IsBlankOrControl<Char>).base();
    return first < last ? std::basic_string<Char>(first, last) : std::basic_string<Char>();
}

// Text in the units of Char, from the bytes of a value; a last incomplete unit is dropped.
template <class Char>
std::basic_string<Char> TextOfBytes(const std::string& Bytes)
{
    std::basic_string<Char> text(Bytes.size() / sizeof(Char), Char());
    if (!text.empty())
        std::memcpy(text.data(), Bytes.data(), text.size() * sizeof(Char));
    return text;
}

// The ANSI or the wide reader: the same steps, with the service's form of the same name.
template <class Char>
void ReadVersionValue(IVersionResources& Resources, const std::string& Key,
                      const std::basic_string<Char>& FileName, std::basic_string<Char>& Value)
{
    DWORD handle = 0;
    const DWORD size = Resources.GetInfoSize(FileName.c_str(), &handle);
    if (size == 0)
        return;
    std::vector<char> block(size);
    if (!Resources.GetInfo(FileName.c_str(), 0, size, block.data()))
        return;

    // The first translation entry: language in the low 16 bits, code page in the high ones.
    // Its length counts bytes in either form.
    const std::string translationPath = "\\VarFileInfo\\Translation";
    const std::optional<std::string> translation =
        QueryBlock(Resources, block,
                   std::basic_string<Char>(translationPath.begin(), translationPath.end()), 1);
    if (!translation || translation->size() < sizeof(DWORD))
        return;
    DWORD entry;
    std::memcpy(&entry, translation->data(), sizeof entry);

    // Built by concatenation: the key is looked up as it is and never read as a format.
    const std::string path = "\\StringFileInfo\\" +
                             Format("%04X%04X", static_cast<unsigned>(entry & 0xFFFF),
                                    static_cast<unsigned>(entry >> 16)) +
                             "\\" + Key;
    const std::optional<std::string> bytes = QueryBlock(
        Resources, block, std::basic_string<Char>(path.begin(), path.end()), sizeof(Char));
    if (!bytes)
        return;
    const std::basic_string<Char> text = TextOfBytes<Char>(*bytes);
    Value = Trimmed(text.substr(0, text.find(Char())));
}

} // namespace

void GetVersionInfoValue(IVersionResources& Resources, const std::string& Key,
                         const std::string& FileName, std::string& Value)
{
    ReadVersionValue(Resources, Key, FileName, Value);
}

void GetVersionInfoValue(IVersionResources& Resources, const std::string& Key,
                         const std::wstring& FileName, std::wstring& Value)
{
    ReadVersionValue(Resources, Key, FileName, Value);
}

std::string ApplicationTitle(const std::string& ExePath, const IAnsiCodePage& CodePage)
{
    std::string title = ExtractFileName(ExePath, CodePage);
    title = title.substr(0, title.find('.'));
    if (title.empty())
        return title;
    const size_t first =
        CodePage.IsLeadByte(static_cast<unsigned char>(title[0])) && title.size() > 1 ? 2 : 1;
    return title.substr(0, first) + CodePage.ToLower(title.substr(first));
}

std::string VersionCaption(const std::string& Title, const std::string& FileVersion,
                           const std::string& FormName)
{
    return Title + " " + Format("Ver.%s", FileVersion.c_str()) + " - " + FormName;
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
