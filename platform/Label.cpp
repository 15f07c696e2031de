#include "platform/Label.h"

#include <windowsx.h>

#include <string>

#include "platform/BaseWindow.h"
#include "platform/Controls.h"
#include "platform/WinHandles.h"

namespace {

// The label's window extra: its font, and whether the left button went down on it.
constexpr int kLabelFontSlot = 0;
constexpr int kLabelPressedSlot = sizeof(LONG_PTR);

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

void RegisterLabelClass(const wchar_t* ClassName, LPCWSTR Cursor)
{
    TWindowClass label{ClassName, GuardedWindowProc<LabelProc>};
    label.Style = CS_HREDRAW | CS_VREDRAW;
    label.WindowExtra = 2 * sizeof(LONG_PTR); // the font and the pressed state
    label.Cursor = Cursor;
    RegisterWindowClass(label);
}

} // namespace

void RegisterLabelClasses()
{
    RegisterLabelClass(kLabelClass, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    RegisterLabelClass(kLinkLabelClass, reinterpret_cast<LPCWSTR>(IDC_HAND));
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
