#include "platform/Controls.h"

#include <stdexcept>

namespace {

LRESULT CALLBACK ContainerProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_COMMAND:
    case WM_NOTIFY:
        return SendMessageW(GetAncestor(Window, GA_ROOT), Message, WParam, LParam);
    default:
        return DefWindowProcW(Window, Message, WParam, LParam);
    }
}

BOOL CALLBACK SetFontProc(HWND Child, LPARAM Font)
{
    SendMessageW(Child, WM_SETFONT, static_cast<WPARAM>(Font), FALSE);
    return TRUE;
}

} // namespace

void RegisterContainerClass(const wchar_t* ClassName)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, ClassName, &windowClass))
        return;
    windowClass.lpfnWndProc = ContainerProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    if (!RegisterClassExW(&windowClass))
        throw std::runtime_error("A window class could not be registered.");
}

HWND CreateChild(const wchar_t* ClassName, const wchar_t* Text, DWORD Style, DWORD ExStyle,
                 HWND Parent, int Left, int Top, int Width, int Height)
{
    const HWND child = CreateWindowExW(ExStyle, ClassName, Text, WS_CHILD | Style, Left, Top,
                                       Width, Height, Parent, nullptr, GetModuleHandleW(nullptr),
                                       nullptr);
    if (!child)
        throw std::runtime_error("A control of the window could not be created.");
    return child;
}

void SetFontOfChildren(HWND Window, HFONT Font)
{
    EnumChildWindows(Window, SetFontProc, reinterpret_cast<LPARAM>(Font));
}
