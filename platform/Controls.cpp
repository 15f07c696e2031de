#include "platform/Controls.h"

#include <windowsx.h>

#include <string>

#include "platform/BaseWindow.h"
#include "platform/WinHandles.h"
#include "platform/Error.h"

namespace {

// The label's window extra: its font, and whether the left button went down on it.
constexpr int kLabelFontSlot = 0;
constexpr int kLabelPressedSlot = sizeof(LONG_PTR);

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

HFONT LabelFont(HWND Label)
{
    const auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(Label, kLabelFontSlot));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void PaintLabel(HWND Label)
{
    const ScopedPaintDC paint(Label);
    // The parent chooses the colours, as for the system's labels.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(Label), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(paint.get()),
                                                       reinterpret_cast<LPARAM>(Label)));
    RECT client;
    GetClientRect(Label, &client);
    FillRect(paint.get(), &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    const ScopedSelection font(paint.get(), LabelFont(Label));
    SetBkMode(paint.get(), TRANSPARENT);
    const std::wstring text = WindowTextOf(Label);
    DrawTextW(paint.get(), text.c_str(), static_cast<int>(text.size()), &client,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

// A click is a press and a release of the left button inside the label: a press that the user
// drags off the label before releasing does nothing.
void PressLabel(HWND Label)
{
    if (!(GetWindowLongW(Label, GWL_STYLE) & SS_NOTIFY))
        return;
    SetWindowLongPtrW(Label, kLabelPressedSlot, TRUE);
    SetCapture(Label);
}

void ReleaseLabel(HWND Label, LPARAM Point)
{
    const bool pressed = GetWindowLongPtrW(Label, kLabelPressedSlot) != FALSE;
    SetWindowLongPtrW(Label, kLabelPressedSlot, FALSE);
    if (GetCapture() == Label)
        ReleaseCapture();
    RECT client;
    GetClientRect(Label, &client);
    const POINT point = {GET_X_LPARAM(Point), GET_Y_LPARAM(Point)};
    if (pressed && PtInRect(&client, point))
        SendMessageW(GetParent(Label), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Label), STN_CLICKED),
                     reinterpret_cast<LPARAM>(Label));
}

LRESULT CALLBACK LabelProc(HWND Label, UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_SETFONT:
        SetWindowLongPtrW(Label, kLabelFontSlot, static_cast<LONG_PTR>(WParam));
        if (LOWORD(LParam))
            InvalidateRect(Label, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(Label, kLabelFontSlot);
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
        PressLabel(Label);
        return 0;
    case WM_LBUTTONUP:
        ReleaseLabel(Label, LParam);
        return 0;
    case WM_CAPTURECHANGED:
        SetWindowLongPtrW(Label, kLabelPressedSlot, FALSE);
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
        throw TError("A window class could not be registered.");
}

void RegisterContainerClass(const wchar_t* ClassName, HBRUSH Background)
{
    TWindowClass container{ClassName, GuardedWindowProc<ContainerProc>};
    container.Background = Background;
    RegisterWindowClass(container);
}

void RegisterLabelClass(const wchar_t* ClassName, LPCWSTR Cursor)
{
    TWindowClass label{ClassName, GuardedWindowProc<LabelProc>};
    label.Style = CS_HREDRAW | CS_VREDRAW;
    label.WindowExtra = 2 * sizeof(LONG_PTR); // the font and the pressed state
    label.Cursor = Cursor;
    RegisterWindowClass(label);
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

SIZE LabelTextSize(HDC Measuring, HWND Label)
{
    const ScopedSelection font(Measuring, LabelFont(Label));
    const std::wstring text = WindowTextOf(Label);
    SIZE size{};
    GetTextExtentPoint32W(Measuring, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(Measuring, &metrics);
    size.cy = metrics.tmHeight;
    return size;
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
