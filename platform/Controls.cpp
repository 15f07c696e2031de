#include "platform/Controls.h"

#include <string>

#include "platform/BaseWindow.h"
#include "platform/WinHandles.h"
#include "platform/Error.h"

namespace {

LRESULT CALLBACK ContainerProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
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

void RegisterWindowClass(const TWindowClass& Class)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, Class.Name, &windowClass))
        return;
    windowClass.style = Class.Style;
    windowClass.lpfnWndProc = Class.Procedure;
    windowClass.cbWndExtra = Class.WindowExtra;
    windowClass.hInstance = instance;
    windowClass.hIcon = Class.Icon;
    windowClass.hIconSm = Class.SmallIcon;
    windowClass.hCursor = LoadCursorW(nullptr, Class.Cursor);
    windowClass.hbrBackground = Class.Background;
    windowClass.lpszClassName = Class.Name;
    if (!RegisterClassExW(&windowClass))
        throw TError("A window class could not be registered.");
}

void RegisterContainerClass(const wchar_t* ClassName, HBRUSH Background)
{
    TWindowClass container{ClassName, GuardedWindowProc<ContainerProc>};
    container.Background = Background;
    RegisterWindowClass(container);
}

HWND CreateChild(const wchar_t* ClassName, const wchar_t* Text, DWORD Style, DWORD ExStyle,
                 HWND Parent, int Left, int Top, int Width, int Height)
{
    const HWND child = CreateWindowExW(ExStyle, ClassName, Text, WS_CHILD | Style, Left, Top, Width,
                                       Height, Parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!child)
        throw TError("A control of the window could not be created.");
    return child;
}

void SetFontOfChildren(HWND Window, HFONT Font)
{
    EnumChildWindows(Window, SetFontProc, reinterpret_cast<LPARAM>(Font));
}

std::wstring WindowTextOf(HWND Window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(Window, text.data(), static_cast<int>(text.size()))));
    return text;
}

UniqueFont MakeFont(const wchar_t* Face, int Height, int Weight, bool Underline, BYTE Charset)
{
    LOGFONTW font{};
    font.lfHeight = -Height; // negative: the characters' height, not the cells'
    font.lfWeight = Weight;
    font.lfUnderline = Underline;
    font.lfCharSet = Charset;
    lstrcpynW(font.lfFaceName, Face, LF_FACESIZE);
    UniqueFont handle(CreateFontIndirectW(&font));
    if (!handle)
        throw TError("A font could not be created.");
    return handle;
}
