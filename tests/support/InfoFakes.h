// Scripted stand-ins for the platform services behind unit Info.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "info/InfoPlatform.h"
#include "info/Status.h"

/// A version resource laid out as the fake service hands it over: a block of bytes and, for each
/// sub-block path, where its data lies in the block and the length the service reports for it.
class FakeVersionResources : public IVersionResources {
public:
    /// Adds Data at the end of the block for Path, reported with ReportedLength (default: its
    /// size).
    void Add(const std::string& Path, const std::string& Data,
             std::optional<UINT> ReportedLength = std::nullopt);
    /// Adds UTF-16 Text for Path, its length reported in characters.
    void AddWide(const std::string& Path, const std::wstring& Text,
                 std::optional<UINT> ReportedLength = std::nullopt);
    /// Adds a translation list of (language, code page) pairs.
    void AddTranslations(const std::vector<std::pair<WORD, WORD>>& Pairs);
    /// Makes Path answer with an address outside the caller's block.
    void AddOutsideBlock(const std::string& Path);

    bool HasResource = true;
    bool ReadFails = false;
    std::vector<std::string> Queries; // every sub-block path asked for, as its ASCII twin

    DWORD GetInfoSize(const wchar_t* FileName, DWORD* Handle) override;
    BOOL GetInfo(const wchar_t* FileName, DWORD Handle, DWORD Size, void* Data) override;
    BOOL QueryValue(const void* Block, const wchar_t* SubBlock, void** Buffer,
                    UINT* Length) override;

private:
    struct TEntry {
        std::ptrdiff_t Offset; // from the block's start; may lie outside it
        UINT Length;
    };
    std::string m_block = std::string(16, '\0'); // some header bytes before the data
    std::map<std::string, TEntry> m_entries;
};

/// A Windows to describe: its version record, its registry and what fails.
class FakeOs : public IOsQueries {
public:
    OSVERSIONINFOEXA Version{};
    bool ExtendedQueryWorks = true;
    bool BasicQueryWorks = true;
    std::optional<std::string> ProductType; // the ProductOptions key's ProductType, raw bytes
    bool ProductOptionsKeyExists = true;
    bool HotfixKeyExists = false;
    int ThrowAtQuery = 0; // the version query (counting from 1) that throws std::runtime_error

    int KeysOpen = 0;
    std::vector<std::string> KeysOpened;

    BOOL QueryVersion(OSVERSIONINFOA* Info) override;
    LONG OpenKey(HKEY Root, const char* SubKey, REGSAM Access, HKEY* Key) override;
    LONG QueryValue(HKEY Key, const char* Name, DWORD* Type, BYTE* Data, DWORD* Size) override;
    LONG CloseKey(HKEY Key) override;
    int CompareNoCase(const char* First, const char* Second) override;

private:
    int m_queries = 0;
};

/// A system's memory, process and clock, as the status report asks for them.
class FakeStatus : public IStatusQueries {
public:
    std::optional<MEMORYSTATUSEX> MemoryEx; // none: a system without GlobalMemoryStatusEx
    MEMORYSTATUS Memory{};
    std::optional<PROCESS_MEMORY_COUNTERS> Process; // none: PSAPI cannot be had
    TIME_ZONE_INFORMATION Zone{};
    DWORD ZoneId = TIME_ZONE_ID_UNKNOWN;
    FILETIME Creation{}, Kernel{}, User{};
    SYSTEMTIME Now{};

    bool QueryMemoryStatusEx(MEMORYSTATUSEX& Status) override;
    void QueryMemoryStatus(MEMORYSTATUS& Status) override;
    bool QueryProcessMemory(PROCESS_MEMORY_COUNTERS& Counters) override;
    DWORD QueryTimeZone(TIME_ZONE_INFORMATION& Zone) override;
    bool QueryProcessTimes(FILETIME& Creation, FILETIME& Exit, FILETIME& Kernel,
                           FILETIME& User) override;
    void QueryLocalTime(SYSTEMTIME& Now) override;
};
