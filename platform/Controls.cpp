#include "platform/Controls.h"

#include <stdexcept>
#include <string>

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

void PaintLabel(HWND Label)
{
    PAINTSTRUCT paint;
    const HDC context = BeginPaint(Label, &paint);
    // The parent chooses the colours, as for the system's labels.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        GetParent(Label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
        reinterpret_cast<LPARAM>(Label)));
    RECT client;
    GetClientRect(Label, &client);
    FillRect(context, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    const auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(Label, 0));
    const HGDIOBJ previousFont =
        SelectObject(context, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(context, TRANSPARENT);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Label)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(Label, text.data(), static_cast<int>(text.size()))));
    DrawTextW(context, text.c_str(), static_cast<int>(text.size()), &client,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(context, previousFont);
    EndPaint(Label, &paint);
}

LRESULT CALLBACK LabelProc(HWND Label, UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_SETFONT:
        SetWindowLongPtrW(Label, 0, static_cast<LONG_PTR>(WParam));
        if (LOWORD(LParam))
            InvalidateRect(Label, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(Label, 0);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(Label, Message, WParam, LParam);
        InvalidateRect(Label, nullptr, TRUE);
        return result;
    }
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_PAINT:
        PaintLabel(Label);
        return 0;
    case WM_LBUTTONDOWN:
        if (GetWindowLongW(Label, GWL_STYLE) & SS_NOTIFY)
            SendMessageW(GetParent(Label), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(Label), STN_CLICKED),
                         reinterpret_cast<LPARAM>(Label));
        return 0;
    default:
        return DefWindowProcW(Label, Message, WParam, LParam);
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
        throw std::runtime_error("A window class could not be registered.");
}

void RegisterContainerClass(const wchar_t* ClassName, HBRUSH Background)
{
    TWindowClass container{ClassName, ContainerProc};
    container.Background = Background;
    RegisterWindowClass(container);
}

void RegisterLabelClass(const wchar_t* ClassName, LPCWSTR Cursor)
{
    TWindowClass label{ClassName, LabelProc};
    label.Style = CS_HREDRAW | CS_VREDRAW;
    label.WindowExtra = sizeof(LONG_PTR); // the font
    label.Cursor = Cursor;
    RegisterWindowClass(label);
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
