#include "InfoFakes.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

std::string AsciiLower(const std::string& Text)
{
    std::string lower = Text;
    for (char& character : lower)
        if (character >= 'A' && character <= 'Z')
            character = static_cast<char>(character - 'A' + 'a');
    return lower;
}

HKEY const kProductOptions = reinterpret_cast<HKEY>(static_cast<UINT_PTR>(0x1001));
HKEY const kHotfix = reinterpret_cast<HKEY>(static_cast<UINT_PTR>(0x1002));

} // namespace

void FakeVersionResources::Add(const std::string& Path, const std::string& Data,
                               std::optional<UINT> ReportedLength)
{
    m_entries[Path] = {static_cast<std::ptrdiff_t>(m_block.size()),
                       ReportedLength.value_or(static_cast<UINT>(Data.size()))};
    m_block += Data;
}

void FakeVersionResources::AddWide(const std::string& Path, const std::wstring& Text,
                                   std::optional<UINT> ReportedLength)
{
    Add(Path,
        std::string(reinterpret_cast<const char*>(Text.data()), Text.size() * sizeof(wchar_t)),
        ReportedLength.value_or(static_cast<UINT>(Text.size())));
}

void FakeVersionResources::AddTranslations(const std::vector<std::pair<WORD, WORD>>& Pairs)
{
    std::string data;
    for (const auto& [language, codePage] : Pairs) {
        const DWORD entry = static_cast<DWORD>(codePage) << 16 | language;
        data.append(reinterpret_cast<const char*>(&entry), sizeof entry);
    }
    Add("\\VarFileInfo\\Translation", data);
}

void FakeVersionResources::AddOutsideBlock(const std::string& Path)
{
    m_entries[Path] = {-64, 8};
}

DWORD FakeVersionResources::GetInfoSize(const wchar_t*, DWORD* Handle)
{
    *Handle = 0;
    return HasResource ? static_cast<DWORD>(m_block.size()) : 0;
}

BOOL FakeVersionResources::GetInfo(const wchar_t*, DWORD, DWORD Size, void* Data)
{
    if (ReadFails || Size != m_block.size())
        return 0;
    std::memcpy(Data, m_block.data(), Size);
    return 1;
}

BOOL FakeVersionResources::QueryValue(const void* Block, const wchar_t* SubBlock, void** Buffer,
                                      UINT* Length)
{
    std::string path;
    for (const wchar_t* unit = SubBlock; *unit; ++unit)
        path += static_cast<char>(*unit);
    Queries.push_back(path);
    const auto entry = m_entries.find(path);
    if (entry == m_entries.end())
        return 0;
    // Pointer arithmetic on the integer: an entry may point outside the block on purpose.
    *Buffer = reinterpret_cast<void*>(reinterpret_cast<UINT_PTR>(Block) + entry->second.Offset);
    *Length = entry->second.Length;
    return 1;
}

BOOL FakeOs::QueryVersion(OSVERSIONINFOA* Info)
{
    if (++m_queries == ThrowAtQuery)
        throw std::runtime_error("fake failure");
    const bool extended = Info->dwOSVersionInfoSize == sizeof(OSVERSIONINFOEXA);
    if (!extended && Info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA))
        return 0;
    if (extended ? !ExtendedQueryWorks : !BasicQueryWorks)
        return 0;
    OSVERSIONINFOEXA answer = Version;
    answer.dwOSVersionInfoSize = Info->dwOSVersionInfoSize;
    std::memcpy(Info, &answer, Info->dwOSVersionInfoSize);
    return 1;
}

LONG FakeOs::OpenKey(HKEY Root, const char* SubKey, REGSAM Access, HKEY* Key)
{
    KeysOpened.push_back(SubKey);
    if (Root != HKEY_LOCAL_MACHINE || Access != KEY_QUERY_VALUE)
        return ERROR_FILE_NOT_FOUND;
    const std::string subKey = SubKey;
    if (subKey == "SYSTEM\\CurrentControlSet\\Control\\ProductOptions" && ProductOptionsKeyExists)
        *Key = kProductOptions;
    else if (subKey == "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009" &&
             HotfixKeyExists)
        *Key = kHotfix;
    else
        return ERROR_FILE_NOT_FOUND;
    ++KeysOpen;
    return ERROR_SUCCESS;
}

LONG FakeOs::QueryValue(HKEY Key, const char* Name, DWORD* Type, BYTE* Data, DWORD* Size)
{
    if (Key != kProductOptions || std::string(Name) != "ProductType" || !ProductType)
        return ERROR_FILE_NOT_FOUND;
    if (Type)
        *Type = REG_SZ;
    if (ProductType->size() > *Size) {
        *Size = static_cast<DWORD>(ProductType->size());
        return ERROR_MORE_DATA;
    }
    std::memcpy(Data, ProductType->data(), ProductType->size());
    *Size = static_cast<DWORD>(ProductType->size());
    return ERROR_SUCCESS;
}

LONG FakeOs::CloseKey(HKEY)
{
    --KeysOpen;
    return ERROR_SUCCESS;
}

int FakeOs::CompareNoCase(const char* First, const char* Second)
{
    return AsciiLower(First).compare(AsciiLower(Second));
}

bool FakeStatus::QueryMemoryStatusEx(MEMORYSTATUSEX& Status)
{
    if (!MemoryEx || Status.dwLength != sizeof(MEMORYSTATUSEX))
        return false;
    Status = *MemoryEx;
    Status.dwLength = sizeof Status;
    return true;
}

void FakeStatus::QueryMemoryStatus(MEMORYSTATUS& Status)
{
    Status = Memory;
    Status.dwLength = sizeof Status;
}

bool FakeStatus::QueryProcessMemory(PROCESS_MEMORY_COUNTERS& Counters)
{
    if (!Process || Counters.cb != sizeof(PROCESS_MEMORY_COUNTERS))
        return false;
    Counters = *Process;
    return true;
}

DWORD FakeStatus::QueryTimeZone(TIME_ZONE_INFORMATION& Zone)
{
    Zone = this->Zone;
    return ZoneId;
}

bool FakeStatus::QueryProcessTimes(FILETIME& Creation, FILETIME& Exit, FILETIME& Kernel,
                                   FILETIME& User)
{
    Creation = this->Creation;
    Exit = FILETIME{};
    Kernel = this->Kernel;
    User = this->User;
    return true;
}

void FakeStatus::QueryLocalTime(SYSTEMTIME& Now)
{
    Now = this->Now;
}
