#include "info/SystemPlatform.h"

#include <windows.h>

#include <string>

#include "info/Info.h"
#include "platform/SystemLibrary.h"
#include "platform/WinText.h"
#include "platform/Error.h"

namespace {

// version.dll is not among the DLLs Windows always takes from its own folder: bound at run time
// from the system folder, never from the program's.
class WindowsVersionResources final : public IVersionResources {
public:
    WindowsVersionResources() : m_version(LoadSystemLibrary(L"version.dll"))
    {
        if (!m_version)
            throw TError("The version library version.dll could not be loaded.");
        m_getInfoSize = Bind<decltype(GetFileVersionInfoSizeW)>("GetFileVersionInfoSizeW");
        m_getInfo = Bind<decltype(GetFileVersionInfoW)>("GetFileVersionInfoW");
        m_queryValue = Bind<decltype(VerQueryValueW)>("VerQueryValueW");
    }

    DWORD GetInfoSize(const wchar_t* FileName, DWORD* Handle) override
    {
        return m_getInfoSize(FileName, Handle);
    }
    BOOL GetInfo(const wchar_t* FileName, DWORD Handle, DWORD Size, void* Data) override
    {
        return m_getInfo(FileName, Handle, Size, Data);
    }
    BOOL QueryValue(const void* Block, const wchar_t* SubBlock, void** Buffer,
                    UINT* Length) override
    {
        return m_queryValue(Block, SubBlock, Buffer, Length);
    }

private:
    template <typename Function>
    Function* Bind(const char* Name)
    {
        return RequireProc<Function>(m_version.get(), "version.dll", Name);
    }

    UniqueModule m_version;
    decltype(&GetFileVersionInfoSizeW) m_getInfoSize = nullptr;
    decltype(&GetFileVersionInfoW) m_getInfo = nullptr;
    decltype(&VerQueryValueW) m_queryValue = nullptr;
};

class WindowsOsQueries final : public IOsQueries {
public:
    BOOL QueryVersion(OSVERSIONINFOA* Info) override { return GetVersionExA(Info); }
    LONG OpenKey(HKEY Root, const char* SubKey, REGSAM Access, HKEY* Key) override
    {
        return RegOpenKeyExA(Root, SubKey, 0, Access, Key);
    }
    LONG QueryValue(HKEY Key, const char* Name, DWORD* Type, BYTE* Data, DWORD* Size) override
    {
        return RegQueryValueExA(Key, Name, nullptr, Type, Data, Size);
    }
    LONG CloseKey(HKEY Key) override { return RegCloseKey(Key); }
    int CompareNoCase(const char* First, const char* Second) override
    {
        return lstrcmpiA(First, Second);
    }
};

// GetProcessMemoryInfo from PSAPI.dll, loaded from the system folder only: a PSAPI.dll planted
// beside the program is never run. Bound once, on the first refresh.
class ProcessMemoryInfo {
public:
    ProcessMemoryInfo() : m_psapi(LoadSystemLibrary(L"psapi.dll"))
    {
        if (m_psapi)
            m_query =
                GetProc<decltype(GetProcessMemoryInfo)>(m_psapi.get(), "GetProcessMemoryInfo");
    }
    bool Query(PROCESS_MEMORY_COUNTERS& Counters)
    {
        return m_query && m_query(GetCurrentProcess(), &Counters, sizeof Counters);
    }

private:
    UniqueModule m_psapi;
    decltype(&GetProcessMemoryInfo) m_query = nullptr;
};

class WindowsStatusQueries final : public IStatusQueries {
public:
    bool QueryMemoryStatusEx(MEMORYSTATUSEX& Status) override
    {
        // Windows 2000 and later; looked up so the program still starts where it is missing.
        static const auto memoryStatusEx = GetProc<BOOL WINAPI(MEMORYSTATUSEX*)>(
            GetModuleHandleW(L"kernel32.dll"), "GlobalMemoryStatusEx");
        return memoryStatusEx && memoryStatusEx(&Status);
    }
    void QueryMemoryStatus(MEMORYSTATUS& Status) override { GlobalMemoryStatus(&Status); }
    bool QueryProcessMemory(PROCESS_MEMORY_COUNTERS& Counters) override
    {
        static ProcessMemoryInfo processMemory;
        return processMemory.Query(Counters);
    }
    DWORD QueryTimeZone(TIME_ZONE_INFORMATION& Zone) override
    {
        return GetTimeZoneInformation(&Zone);
    }
    bool QueryProcessTimes(FILETIME& Creation, FILETIME& Exit, FILETIME& Kernel,
                           FILETIME& User) override
    {
        return GetProcessTimes(GetCurrentProcess(), &Creation, &Exit, &Kernel, &User) != FALSE;
    }
    void QueryLocalTime(SYSTEMTIME& Now) override { GetLocalTime(&Now); }
};

// A locale setting in UTF-8: a separator such as U+202F lies outside most ANSI code pages. Only
// a failed query falls back; an empty setting means no separator.
std::string LocaleText(LCTYPE Item, const char* Fallback)
{
    wchar_t text[16] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, Item, text, 16);
    return length > 0 ? WideToUtf8(std::wstring(text, static_cast<size_t>(length) - 1)) : Fallback;
}

} // namespace

IStatusQueries& SystemStatusQueries()
{
    static WindowsStatusQueries queries;
    return queries;
}

TNumberSeparators UserNumberSeparators()
{
    TNumberSeparators separators;
    separators.Thousands = LocaleText(LOCALE_STHOUSAND, ",");
    separators.Decimal = LocaleText(LOCALE_SDECIMAL, ".");
    return separators;
}

IVersionResources& SystemVersionResources()
{
    static WindowsVersionResources resources;
    return resources;
}

IOsQueries& SystemOsQueries()
{
    static WindowsOsQueries queries;
    return queries;
}

void TSystemShell::ShellOpen(const std::wstring& FileName, const std::wstring& Params)
{
    ::ShellOpen(m_owner, FileName, Params);
}

bool TSystemShell::ShowFileProperties(const std::wstring& FileName)
{
    return ::ShowFileProperties(m_owner, FileName);
}

void TSystemShell::GetFolder(TInfoFolder Folder, std::wstring& Path)
{
    switch (Folder) {
    case TInfoFolder::Startup:
        GetStartupFolder(Path);
        break;
    case TInfoFolder::Desktop:
        GetDesktopFolder(Path);
        break;
    case TInfoFolder::SendTo:
        GetSendToFolder(Path);
        break;
    default:
        Path.clear();
        break;
    }
}

void TSystemShell::CreateShortcut(const std::wstring& Target, const std::wstring& Folder,
                                  const std::wstring& LinkName)
{
    ::CreateShortcut(Target, Folder, LinkName);
}
