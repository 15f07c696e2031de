// Yardsticks for Korvale's start-up time, built twice from this file:
// - FloorWindow: the same ingredients as Korvale and nothing of its own work: common controls 6
//   through its manifest, COM started, shell32 imported, and one window of Korvale's size that a
//   tab control with two tabs fills;
// - MinimalWindow (BARE_WINDOW): the same window alone, the smallest ordinary Win32 program.
#include <windows.h>
#ifndef BARE_WINDOW
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#endif

namespace {

// Korvale's main window client area, in pixels.
constexpr int kClientWidth = 534;
constexpr int kClientHeight = 362;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

#ifndef BARE_WINDOW
// Imported like Korvale imports it, though never called.
auto volatile keepShell32 = &ShellExecuteW;

HWND tabs = nullptr;

void AddTab(int Index, const wchar_t* Caption)
{
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(Caption);
    SendMessageW(tabs, TCM_INSERTITEMW, Index, reinterpret_cast<LPARAM>(&item));
}

void CreateTabs(HWND Window)
{
    tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                           kClientWidth, kClientHeight, Window, nullptr, nullptr, nullptr);
    AddTab(0, L"First");
    AddTab(1, L"Second");
}
#endif

LRESULT CALLBACK YardstickWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
#ifndef BARE_WINDOW
    case WM_CREATE:
        CreateTabs(Window);
        return 0;
    case WM_SIZE:
        MoveWindow(tabs, 0, 0, LOWORD(LParam), HIWORD(LParam), TRUE);
        return 0;
#endif
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(Window, Message, WParam, LParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR, int CmdShow)
{
#ifndef BARE_WINDOW
    const bool comStarted = SUCCEEDED(CoInitialize(nullptr));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = YardstickWindowProc;
    windowClass.hInstance = Instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"YardstickWindow";
    RegisterClassW(&windowClass);
    RECT frame = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    const HWND window = CreateWindowExW(0, L"YardstickWindow", L"Yardstick", kStyle, 192, 107,
                                        frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                        nullptr, Instance, nullptr);
    ShowWindow(window, CmdShow);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
#ifndef BARE_WINDOW
    if (comStarted)
        CoUninitialize();
#endif
    return 0;
}
