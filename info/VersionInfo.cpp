#include "info/VersionInfo.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "info/ExePath.h"
#include "platform/Format.h"

namespace {

// The data VerQueryValue returns for Path, cut to what lies inside Block: a driver of a file may
// report any length, and nothing outside the buffer is ever read.
std::optional<std::string> QueryBlock(IVersionResources& Resources, const std::vector<char>& Block,
                                      const std::string& Path)
{
    void* data = nullptr;
    UINT length = 0;
    if (!Resources.QueryValue(Block.data(), Path.c_str(), &data, &length) || length == 0 || !data)
        return std::nullopt;
    const char* begin = static_cast<const char*>(data);
    const char* blockEnd = Block.data() + Block.size();
    if (begin < Block.data() || begin >= blockEnd)
        return std::nullopt;
    return std::string(begin, std::min<size_t>(length, static_cast<size_t>(blockEnd - begin)));
}

bool IsBlankOrControl(char Character)
{
    return static_cast<unsigned char>(Character) <= 32;
}

std::string Trimmed(const std::string& Text)
{
    const auto first = std::find_if_not(Text.begin(), Text.end(), IsBlankOrControl);
    const auto last = std::find_if_not(Text.rbegin(), Text.rend(), IsBlankOrControl).base();
    return first < last ? std::string(first, last) : std::string();
}

} // namespace

void GetVersionInfoValue(IVersionResources& Resources, const std::string& Key,
                         const std::string& FileName, std::string& Value)
{
    DWORD handle = 0;
    const DWORD size = Resources.GetInfoSize(FileName.c_str(), &handle);
    if (size == 0)
        return;
    std::vector<char> block(size);
    if (!Resources.GetInfo(FileName.c_str(), 0, size, block.data()))
        return;

    // The first translation entry: language in the low 16 bits, code page in the high ones.
    const std::optional<std::string> translation =
        QueryBlock(Resources, block, "\\VarFileInfo\\Translation");
    if (!translation || translation->size() < sizeof(DWORD))
        return;
    DWORD entry;
    std::memcpy(&entry, translation->data(), sizeof entry);

    // Built by concatenation: the key is looked up as it is and never read as a format.
    const std::string languageAndCodePage =
        Format("%04X%04X", static_cast<unsigned>(entry & 0xFFFF), static_cast<unsigned>(entry >> 16));
    const std::string path = "\\StringFileInfo\\" + languageAndCodePage + "\\" + Key;
    const std::optional<std::string> text = QueryBlock(Resources, block, path);
    if (!text)
        return;
    Value = Trimmed(text->substr(0, text->find('\0')));
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
