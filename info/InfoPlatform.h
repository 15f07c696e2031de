// The platform seams of unit Info: the few Windows services its routines ask, as interfaces, so
// the routines' decisions run against scripted fakes in the unit tests and against Windows itself
// in the program (info/SystemPlatform.cpp). Each method is the Windows call it names, with its
// arguments and result.
#pragma once

#include <string>

#include "platform/WinCompat.h"

/// The version-resource service (version.dll), in its wide form.
class IVersionResources {
public:
    virtual ~IVersionResources() = default;
    /// GetFileVersionInfoSizeW
    virtual DWORD GetInfoSize(const wchar_t* FileName, DWORD* Handle) = 0;
    /// GetFileVersionInfoW
    virtual BOOL GetInfo(const wchar_t* FileName, DWORD Handle, DWORD Size, void* Data) = 0;
    /// VerQueryValueW: the length of a text value counts characters, not bytes.
    virtual BOOL QueryValue(const void* Block, const wchar_t* SubBlock, void** Buffer,
                            UINT* Length) = 0;
};

/// The version query and the registry reads of the operating system description.
class IOsQueries {
public:
    virtual ~IOsQueries() = default;
    /// GetVersionExA
    virtual BOOL QueryVersion(OSVERSIONINFOA* Info) = 0;
    /// RegOpenKeyExA with no options
    virtual LONG OpenKey(HKEY Root, const char* SubKey, REGSAM Access, HKEY* Key) = 0;
    /// RegQueryValueExA
    virtual LONG QueryValue(HKEY Key, const char* Name, DWORD* Type, BYTE* Data, DWORD* Size) = 0;
    /// RegCloseKey
    virtual LONG CloseKey(HKEY Key) = 0;
    /// lstrcmpiA
    virtual int CompareNoCase(const char* First, const char* Second) = 0;
};

/// The memory, process and time queries of the status report.
class IStatusQueries {
public:
    virtual ~IStatusQueries() = default;
    /// GlobalMemoryStatusEx; false where the system has none.
    virtual bool QueryMemoryStatusEx(MEMORYSTATUSEX& Status) = 0;
    /// GlobalMemoryStatus, for systems without the Ex form.
    virtual void QueryMemoryStatus(MEMORYSTATUS& Status) = 0;
    /// GetProcessMemoryInfo of PSAPI for this process; false when it cannot be bound or fails.
    virtual bool QueryProcessMemory(PROCESS_MEMORY_COUNTERS& Counters) = 0;
    /// GetTimeZoneInformation
    virtual DWORD QueryTimeZone(TIME_ZONE_INFORMATION& Zone) = 0;
    /// GetProcessTimes for this process.
    virtual bool QueryProcessTimes(FILETIME& Creation, FILETIME& Exit, FILETIME& Kernel,
                                   FILETIME& User) = 0;
    /// GetLocalTime
    virtual void QueryLocalTime(SYSTEMTIME& Now) = 0;
};

/// The folders the window's links open or write shortcuts into.
enum class TInfoFolder { None, Startup, Desktop, SendTo, ProgramFolder };

/// The shell as the window's links use it.
class IInfoShell {
public:
    virtual ~IInfoShell() = default;
    virtual void ShellOpen(const std::wstring& FileName, const std::wstring& Params) = 0;
    virtual bool ShowFileProperties(const std::wstring& FileName) = 0;
    /// The path of the Startup, Desktop or SendTo folder (GetStartupFolder and its kin).
    virtual void GetFolder(TInfoFolder Folder, std::wstring& Path) = 0;
    virtual void CreateShortcut(const std::wstring& Target, const std::wstring& Folder,
                                const std::wstring& LinkName) = 0;
};
