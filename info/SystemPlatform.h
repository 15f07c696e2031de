// Unit Info's platform seams as Windows itself answers them.
#pragma once

#include "info/InfoPlatform.h"
#include "info/Status.h"

/// version.dll, bound from the system folder on first use; throws TError when it
/// cannot be.
IVersionResources& SystemVersionResources();
/// GetVersionExA, the registry and lstrcmpiA.
IOsQueries& SystemOsQueries();
/// GlobalMemoryStatus(Ex), PSAPI's GetProcessMemoryInfo (bound from the system folder on first
/// use; zeros when it cannot be), the time zone, this process's times and the local time.
IStatusQueries& SystemStatusQueries();
/// The user's locale separators for numbers, in UTF-8.
TNumberSeparators UserNumberSeparators();
/// Unit Info's shell routines, as the information window's links use them: what the shell shows
/// for them is owned by Owner.
class TSystemShell final : public IInfoShell {
public:
    explicit TSystemShell(HWND Owner) : m_owner(Owner) {}

    void ShellOpen(const std::wstring& FileName, const std::wstring& Params) override;
    bool ShowFileProperties(const std::wstring& FileName) override;
    void GetFolder(TInfoFolder Folder, std::wstring& Path) override;
    void CreateShortcut(const std::wstring& Target, const std::wstring& Folder,
                        const std::wstring& LinkName) override;

private:
    HWND m_owner;
};
