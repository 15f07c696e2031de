// Unit Info's shell routines: documents, properties, special folders, shortcuts, centring.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>

#include "info/Info.h"
#include "info/ShellRules.h"
#include "platform/Format.h"
#include "platform/Rect.h"
#include "platform/WinHandles.h"
#include "platform/WinText.h"
#include "platform/Error.h"

namespace {

// The shell link object's class and the interfaces used of it, defined here: the SDK's library
// of GUIDs (libuuid) is one object that would bring every GUID of Windows into the program.
constexpr CLSID kShellLinkClass = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kUnknownInterface = {0x00000000, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kShellLinkInterface = {0x000214F9, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kPersistFileInterface = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// The system's message for an HRESULT, without the line break it ends with; UTF-8, as the
// program's error messages are, so it shows in its own characters on every system.
std::string ComErrorMessage(HRESULT Result)
{
    UniqueLocalMemory<wchar_t> text;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(Result), 0, reinterpret_cast<wchar_t*>(text.put()), 0, nullptr);
    std::wstring message = length ? std::wstring(text.get(), length) : std::wstring();
    while (!message.empty() && message.back() <= L' ')
        message.pop_back();
    if (message.empty())
        return "OLE エラー " + Format("%.8x", static_cast<unsigned>(Result));
    return WideToUtf8(message);
}

void ThrowIfFailed(HRESULT Result)
{
    if (FAILED(Result))
        throw TError(ComErrorMessage(Result));
}

template <typename Interface>
UniqueInterface<Interface> Query(IUnknown* Object, REFIID Id)
{
    UniqueInterface<Interface> found;
    if (FAILED(Object->QueryInterface(Id, reinterpret_cast<void**>(found.put()))) || !found)
        throw TError("Interface not supported");
    return found;
}

} // namespace

void ShellOpen(HWND Owner, const std::wstring& FileName, const std::wstring& Params)
{
    if (FileName.empty())
        return;
    try {
        RequireShellPath(FileName);
        const std::wstring directory = ShellOpenDirectory(FileName);
        ShellExecuteW(Owner, nullptr, FileName.c_str(), Params.c_str(),
                      directory.empty() ? nullptr : directory.c_str(), SW_SHOW);
    } catch (...) {
        // A click that cannot be served does nothing visible.
    }
}

bool ShowFileProperties(HWND Owner, const std::wstring& FileName)
{
    RequireShellPath(FileName);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = Owner;
    info.lpVerb = L"properties";
    info.lpFile = FileName.c_str();
    const bool shown = ShellExecuteExW(&info) != FALSE;
    // Asked for by the mask the shell expects here, and of no use: not left open.
    const UniqueKernelHandle process(info.hProcess);
    return shown;
}

void GetSpecialFolderPath(int FolderId, std::wstring& Path)
{
    Path.clear();
    UniqueComMemory<LPITEMIDLIST> folder;
    // The call's window is reserved: it shows nothing.
    if (FAILED(SHGetSpecialFolderLocation(nullptr, FolderId, folder.put())) || !folder)
        return;
    wchar_t path[MAX_PATH + 1] = {};
    if (SHGetPathFromIDListW(folder.get(), path))
        Path.assign(path, std::find(path, path + MAX_PATH + 1, L'\0'));
}

void GetStartupFolder(std::wstring& Path)
{
    GetSpecialFolderPath(CSIDL_STARTUP, Path);
}

void GetDesktopFolder(std::wstring& Path)
{
    GetSpecialFolderPath(CSIDL_DESKTOP, Path);
}

void GetSendToFolder(std::wstring& Path)
{
    GetSpecialFolderPath(CSIDL_SENDTO, Path);
}

void CreateShortcut(const std::wstring& Target, const std::wstring& Folder,
                    const std::wstring& LinkName)
{
    // Without a folder the link would land in the root of the current drive.
    if (Folder.empty())
        throw TError("The folder for the shortcut could not be found.");
    const std::wstring workingDirectory = ShortcutWorkingDirectory(Target);
    const std::wstring linkPath = ShortcutPath(Folder, LinkName);
    for (const std::wstring* path : {&Target, &workingDirectory, &linkPath})
        RequireShellPath(*path);

    UniqueInterface<IUnknown> object;
    ThrowIfFailed(CoCreateInstance(kShellLinkClass, nullptr,
                                   CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, kUnknownInterface,
                                   reinterpret_cast<void**>(object.put())));
    const auto link = Query<IShellLinkW>(object.get(), kShellLinkInterface);
    const auto file = Query<IPersistFile>(object.get(), kPersistFileInterface);

    // A link whose target or folder did not take would point nowhere: nothing is written then.
    ThrowIfFailed(link->SetArguments(L"/starup"));
    ThrowIfFailed(link->SetPath(Target.c_str()));
    ThrowIfFailed(link->SetWorkingDirectory(workingDirectory.c_str()));
    ThrowIfFailed(file->Save(linkPath.c_str(), FALSE));
}

void CenterOnWorkArea(HWND Form)
{
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT frame{};
    GetWindowRect(Form, &frame);
    const POINT position = CenteredPosition(workArea, Width(frame), Height(frame));
    SetWindowPos(Form, nullptr, position.x, position.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
