// Unit Info's shell routines: documents, properties, special folders, shortcuts, centring.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <stdexcept>

#include "info/Info.h"
#include "info/ShellRules.h"
#include "info/SystemPlatform.h"
#include "platform/Format.h"
#include "platform/RecordText.h"
#include "platform/UniqueHandle.h"
#include "platform/WinText.h"

namespace {

template <typename Interface>
void ReleaseInterface(Interface* Object)
{
    Object->Release();
}

template <typename Interface>
using UniqueInterface = UniqueHandle<Interface*, ReleaseInterface<Interface>>;

void FreeIdList(LPITEMIDLIST List)
{
    CoTaskMemFree(List);
}

using UniqueIdList = UniqueHandle<LPITEMIDLIST, FreeIdList>;

void FreeLocal(char* Text)
{
    LocalFree(Text);
}

using UniqueLocalText = UniqueHandle<char*, FreeLocal>;

// The system's message for an HRESULT, without the line break it ends with.
std::string ComErrorMessage(HRESULT Result)
{
    UniqueLocalText text;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(Result), 0, reinterpret_cast<char*>(text.put()), 0, nullptr);
    std::string message = length ? std::string(text.get(), length) : std::string();
    while (!message.empty() && static_cast<unsigned char>(message.back()) <= ' ')
        message.pop_back();
    if (message.empty())
        message = WideToAnsi(L"OLE エラー ") + Format("%.8x", static_cast<unsigned>(Result));
    return message;
}

void ThrowIfFailed(HRESULT Result)
{
    if (FAILED(Result))
        throw std::runtime_error(ComErrorMessage(Result));
}

template <typename Interface>
UniqueInterface<Interface> Query(IUnknown* Object, REFIID Id)
{
    UniqueInterface<Interface> found;
    if (FAILED(Object->QueryInterface(Id, reinterpret_cast<void**>(found.put()))) || !found)
        throw std::runtime_error("Interface not supported");
    return found;
}

} // namespace

void ShellOpen(const std::string& FileName, const std::string& Params)
{
    if (FileName.empty())
        return;
    try {
        const std::string directory = ShellOpenDirectory(FileName, SystemCodePage());
        ShellExecuteA(MainWindowHandle(), nullptr, FileName.c_str(), Params.c_str(),
                      directory.empty() ? nullptr : directory.c_str(), SW_SHOW);
    } catch (...) {
        // A click that cannot be served does nothing visible.
    }
}

bool ShowFileProperties(const std::string& FileName)
{
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = MainWindowHandle();
    info.lpVerb = "properties";
    info.lpFile = FileName.c_str();
    const bool shown = ShellExecuteExA(&info) != FALSE;
    // Asked for by the mask the shell expects here, and of no use: not left open.
    if (info.hProcess)
        CloseHandle(info.hProcess);
    return shown;
}

void GetSpecialFolderPath(int FolderId, std::string& Path)
{
    Path.clear();
    UniqueIdList folder;
    if (FAILED(SHGetSpecialFolderLocation(MainWindowHandle(), FolderId, folder.put())) || !folder)
        return;
    char path[MAX_PATH + 1] = {};
    if (SHGetPathFromIDListA(folder.get(), path))
        Path = FixedText(path);
}

void GetStartupFolder(std::string& Path)
{
    GetSpecialFolderPath(CSIDL_STARTUP, Path);
}

void GetDesktopFolder(std::string& Path)
{
    GetSpecialFolderPath(CSIDL_DESKTOP, Path);
}

void GetSendToFolder(std::string& Path)
{
    GetSpecialFolderPath(CSIDL_SENDTO, Path);
}

void CreateShortcut(const std::string& Target, const std::string& Folder,
                    const std::string& LinkName)
{
    // Without a folder the link would land in the root of the current drive.
    if (Folder.empty())
        throw std::runtime_error("The folder for the shortcut could not be found.");

    UniqueInterface<IUnknown> object;
    ThrowIfFailed(CoCreateInstance(CLSID_ShellLink, nullptr,
                                   CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                   reinterpret_cast<void**>(object.put())));
    const UniqueInterface<IShellLinkA> link = Query<IShellLinkA>(object.get(), IID_IShellLinkA);
    const UniqueInterface<IPersistFile> file = Query<IPersistFile>(object.get(), IID_IPersistFile);

    const IAnsiCodePage& codePage = SystemCodePage();
    link.get()->SetArguments("/starup");
    link.get()->SetPath(Target.c_str());
    link.get()->SetWorkingDirectory(ShortcutWorkingDirectory(Target, codePage).c_str());
    const std::wstring linkPath = AnsiToWide(ShortcutPath(Folder, LinkName, codePage));
    ThrowIfFailed(file.get()->Save(linkPath.c_str(), FALSE));
}

void CenterOnWorkArea(HWND Form)
{
    RECT workArea{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT frame{};
    GetWindowRect(Form, &frame);
    const POINT position =
        CenteredPosition(workArea, frame.right - frame.left, frame.bottom - frame.top);
    SetWindowPos(Form, nullptr, position.x, position.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
