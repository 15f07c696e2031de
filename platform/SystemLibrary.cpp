#include "platform/SystemLibrary.h"

#include <string>

namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32 is understood where SetDefaultDllDirectories exists (Windows 8,
// and Windows 7 / Vista with update KB2533623); the headers of the oldest Windows served lack it.
constexpr DWORD kLoadLibrarySearchSystem32 = 0x00000800;

bool SystemSearchFlagsSupported()
{
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    return kernel && GetProcAddress(kernel, "SetDefaultDllDirectories");
}

std::wstring SystemFolderPath(const wchar_t* FileName)
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::wstring(folder, length) + L"\\" + FileName;
}

} // namespace

UniqueModule LoadSystemLibrary(const wchar_t* FileName)
{
    if (SystemSearchFlagsSupported())
        return UniqueModule(LoadLibraryExW(FileName, nullptr, kLoadLibrarySearchSystem32));
    const std::wstring path = SystemFolderPath(FileName);
    if (path.empty())
        return UniqueModule();
    // With a full path, the altered search order resolves the DLL's own imports from its folder.
    return UniqueModule(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}
