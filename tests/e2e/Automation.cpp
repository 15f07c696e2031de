#include "e2e/Automation.h"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

namespace {

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

struct WindowSearch {
    DWORD ProcessId;
    const wchar_t* ClassName;
    HWND Found;
};

BOOL CALLBACK MatchTopLevel(HWND Window, LPARAM Search)
{
    auto* search = reinterpret_cast<WindowSearch*>(Search);
    DWORD processId = 0;
    GetWindowThreadProcessId(Window, &processId);
    wchar_t className[64];
    if (processId == search->ProcessId && IsWindowVisible(Window) &&
        GetClassNameW(Window, className, 64) && lstrcmpiW(className, search->ClassName) == 0) {
        search->Found = Window;
        return FALSE;
    }
    return TRUE;
}

// Memory in another process, for messages whose parameter points at a structure.
class RemoteMemory {
public:
    RemoteMemory(HANDLE Process, size_t Size)
        : m_process(Process),
          m_address(VirtualAllocEx(Process, nullptr, Size, MEM_COMMIT, PAGE_READWRITE))
    {
        if (!m_address)
            throw std::runtime_error("VirtualAllocEx failed");
    }
    ~RemoteMemory() { VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE); }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    char* Address() const { return static_cast<char*>(m_address); }
    void Write(const void* Data, size_t Size, size_t Offset = 0) const
    {
        WriteProcessMemory(m_process, Address() + Offset, Data, Size, nullptr);
    }
    void Read(const void* Remote, void* Data, size_t Size) const
    {
        ReadProcessMemory(m_process, Remote, Data, Size, nullptr);
    }

private:
    HANDLE m_process;
    void* m_address;
};

RECT TabRect(HANDLE Process, HWND TabControl, int Index)
{
    RemoteMemory remote(Process, sizeof(RECT));
    RECT rect{};
    SendMessageW(TabControl, TCM_GETITEMRECT, Index, reinterpret_cast<LPARAM>(remote.Address()));
    remote.Read(remote.Address(), &rect, sizeof rect);
    return rect;
}

} // namespace

RunningProgram::RunningProgram(const std::wstring& FileName, const wchar_t* WindowClass)
{
    const bool fullPath = FileName.find(L'\\') != std::wstring::npos;
    std::wstring commandLine = L"\"" + (fullPath ? FileName : ProgramFolder() + FileName) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_process))
        throw std::runtime_error("the program could not be started");
    WindowSearch search{m_process.dwProcessId, WindowClass, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
            return search.Found != nullptr;
        },
        30000);
    m_mainWindow = search.Found;
    if (!m_mainWindow) {
        TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
        throw std::runtime_error("the program's main window did not appear");
    }
}

RunningProgram::~RunningProgram()
{
    DWORD exitCode;
    if (!WaitForExit(0, exitCode))
        TerminateProcess(m_process.hProcess, 1);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

bool RunningProgram::WaitForExit(DWORD TimeoutMs, DWORD& ExitCode)
{
    if (WaitForSingleObject(m_process.hProcess, TimeoutMs) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(m_process.hProcess, &ExitCode);
    return true;
}

bool WaitUntil(const std::function<bool()>& Condition, DWORD TimeoutMs)
{
    const DWORD start = GetTickCount();
    while (!Condition()) {
        if (GetTickCount() - start > TimeoutMs)
            return Condition();
        Sleep(10);
    }
    return true;
}

std::wstring WindowText(HWND Window)
{
    // WM_GETTEXT is copied across processes by the system, whatever the window's class.
    const auto length = SendMessageW(Window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    const auto copied =
        SendMessageW(Window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return std::wstring(text.data(), static_cast<size_t>(copied));
}

HWND FindChild(HWND Parent, const wchar_t* ClassName, const wchar_t* Text)
{
    return FindWindowExW(Parent, nullptr, ClassName, Text);
}

HWND ChildStartingWith(HWND Parent, const std::wstring& Prefix)
{
    for (HWND child = GetWindow(Parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (WindowText(child).rfind(Prefix, 0) == 0)
            return child;
    return nullptr;
}

RECT RectIn(HWND Window, HWND Reference)
{
    RECT rect;
    GetWindowRect(Window, &rect);
    MapWindowPoints(HWND_DESKTOP, Reference, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring TabText(HANDLE Process, HWND TabControl, int Index)
{
    constexpr int kMaxText = 256;
    RemoteMemory remote(Process, sizeof(TCITEMW) + kMaxText * sizeof(wchar_t));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(remote.Address() + sizeof(TCITEMW));
    item.cchTextMax = kMaxText;
    remote.Write(&item, sizeof item);
    if (!SendMessageW(TabControl, TCM_GETITEMW, Index, reinterpret_cast<LPARAM>(remote.Address())))
        return L"<no such tab>";
    // The control may point pszText at its own copy instead of filling the buffer.
    remote.Read(remote.Address(), &item, sizeof item);
    wchar_t text[kMaxText] = {};
    remote.Read(item.pszText, text, sizeof text - sizeof(wchar_t));
    return text;
}

LRESULT SendWithRect(HANDLE Process, HWND Window, UINT Message, WPARAM WParam, const RECT& Rect)
{
    RemoteMemory remote(Process, sizeof Rect);
    remote.Write(&Rect, sizeof Rect);
    return SendMessageW(Window, Message, WParam, reinterpret_cast<LPARAM>(remote.Address()));
}

void ClickTab(HANDLE Process, HWND TabControl, int Index)
{
    const RECT rect = TabRect(Process, TabControl, Index);
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(TabControl, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(TabControl, WM_LBUTTONUP, 0, point);
}

HWND FocusedWindow(DWORD ThreadId)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(ThreadId, &info) ? info.hwndFocus : nullptr;
}

void PressKey(WORD Key, bool Shift, bool Control)
{
    std::vector<INPUT> inputs;
    auto add = [&](WORD VirtualKey, bool Up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VirtualKey;
        input.ki.dwFlags = Up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (Control)
        add(VK_CONTROL, false);
    if (Shift)
        add(VK_SHIFT, false);
    add(Key, false);
    add(Key, true);
    if (Shift)
        add(VK_SHIFT, true);
    if (Control)
        add(VK_CONTROL, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
