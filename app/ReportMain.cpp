// KorvaleReport.exe: entry point of the console report tool.
#include <windows.h>
#include <io.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Version.h"
#include "app/ReportTool.h"
#include "audio/CoreAudio.h"
#include "mixer/MediaNames.h"
#include "mixer/WinmmMixer.h"
#include "platform/WinText.h"

namespace {

// The running Windows as it is, not as a program without a manifest is told (GetVersionEx answers
// 6.2 from Windows 8 on): RtlGetVersion of ntdll.
void ReadWindowsVersion(TTreeContext& Context)
{
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    using RtlGetVersion = LONG WINAPI(OSVERSIONINFOW*);
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto* get = ntdll ? reinterpret_cast<RtlGetVersion*>(
                            reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                      : nullptr;
    if (!(get && get(&version) == 0) && !GetVersionExW(&version))
        return;
    Context.WindowsMajor = version.dwMajorVersion;
    Context.WindowsMinor = version.dwMinorVersion;
    Context.WindowsBuild = version.dwBuildNumber;
}

// UTF-8 text to Stream: to a console as UTF-16, so any script shows whatever its code page;
// elsewhere (a file, a pipe) as the UTF-8 bytes.
bool WriteUtf8(std::FILE* Stream, const std::string& Utf8)
{
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(Stream)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode))
        return std::fwrite(Utf8.data(), 1, Utf8.size(), Stream) == Utf8.size();
    std::fflush(Stream);
    const std::wstring wide = Utf8ToWide(Utf8);
    DWORD written = 0;
    return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) &&
           written == wide.size();
}

} // namespace

// The wide entry point (-municode): the arguments as typed, in UTF-8 like every name they are
// matched with; main's would come in the ANSI code page, which loses what it cannot hold.
int wmain(int Argc, wchar_t** Argv)
{
    std::vector<std::string> arguments;
    for (int index = 1; index < Argc; ++index)
        arguments.push_back(WideToUtf8(Argv[index]));
    RegistryMediaNames names;
    TReportToolSystem system;
    system.OpenMixer = [] { return std::make_unique<WinmmMixer>(); };
    system.OpenEndpoints = OpenCoreAudio;
    system.MediaNames = &names;
    system.Context.ProgramName = "KorvaleReport";
    system.Context.ProgramVersion = KORVALE_FILEVERSION_TEXT;
    ReadWindowsVersion(system.Context);
    system.WriteUtf8 = WriteUtf8;
    return RunReportTool(arguments, system, stdout, stderr);
}
