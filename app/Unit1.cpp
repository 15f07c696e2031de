#include "app/Unit1.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "app/MemoLines.h"
#include "app/SystemFormFont.h"
#include "info/Info.h"
#include "info/InfoForm.h"
#include "mixer/Reports.h"
#include "mixer/WinmmMixer.h"
#include "platform/Controls.h"
#include "platform/Rect.h"

namespace {

const wchar_t kFormClass[] = L"TForm1";
const wchar_t kTabSheetClass[] = L"TTabSheet";
const wchar_t kPanelClass[] = L"TPanel";

// The layout, in pixels at 96 DPI: Scaled gives it at the window's DPI.
constexpr POINT kFormPosition = {192, 107};
constexpr SIZE kFormClientSize = {534, 362};
constexpr int kStripHeight = 41;
constexpr RECT kBtnmixerGetDevCaps = {96, 8, 96 + 121, 8 + 25};
constexpr RECT kButton1 = {96, 8, 96 + 129, 8 + 25};
constexpr RECT kLabel1 = {232, 16, 232 + 238, 16 + 13};
constexpr RECT kBtnVersion = {16, 32, 16 + 75, 32 + 25};
constexpr int kFontHeight = 13; // pixels, the characters' height
constexpr int kStartPage = 1;
constexpr int kPageCount = 2;
// Posted at creation: fills the pages not shown at start once the window has been shown.
constexpr UINT kFillHiddenPages = WM_APP + 1;
constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// The icons at the screen's DPI (a window at another sets its own).
void RegisterFormClass()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    TWindowClass form{kFormClass, TForm1::WindowProc};
    form.Icon = LoadIconW(instance, L"MAINICON");
    form.SmallIcon = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    form.Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterWindowClass(form);
}

HWND CreateMemo(HWND Parent)
{
    const HWND memo =
        CreateChild(L"EDIT", L"",
                    WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                        ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                    WS_EX_CLIENTEDGE, Parent, 0, 0, 0, 0);
    // Reports may run long: lift the default limit of about 32,000 characters, which would
    // silently drop later lines.
    SendMessageW(memo, EM_SETLIMITTEXT, 0, 0);
    // The boxes hold ASCII reports: no input method editor for them.
    ImmAssociateContext(memo, nullptr);
    return memo;
}

HWND CreateButton(HWND Parent, const wchar_t* Caption, const RECT& Rect)
{
    return CreateChild(L"BUTTON", Caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, Parent,
                       Rect.left, Rect.top, Width(Rect), Height(Rect));
}

// The window's outer size for a client area of the design's size at Dpi.
SIZE FrameSize(UINT Dpi)
{
    RECT frame = {0, 0, Scaled(kFormClientSize.cx, Dpi), Scaled(kFormClientSize.cy, Dpi)};
    AdjustFrameForDpi(frame, kFormStyle, 0, Dpi);
    return {Width(frame), Height(frame)};
}

// Puts Control (when it exists) at Design scaled for Dpi.
void Place(HWND Control, const RECT& Design, UINT Dpi)
{
    if (!Control)
        return;
    const RECT rect = Scaled(Design, Dpi);
    MoveWindow(Control, rect.left, rect.top, Width(rect), Height(rect), TRUE);
}

void AddTab(HWND TabControl, int Index, const wchar_t* Caption)
{
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(Caption);
    SendMessageW(TabControl, TCM_INSERTITEMW, Index, reinterpret_cast<LPARAM>(&item));
}

} // namespace

TForm1::TForm1()
{
    RegisterFormClass();
    RegisterContainerClass(kTabSheetClass);
    RegisterContainerClass(kPanelClass);

    // Laid out for the screen's DPI; FormCreate fits it to its monitor's, should that differ.
    const POINT position = Scaled(kFormPosition, m_dpi);
    const SIZE frame = FrameSize(m_dpi);
    Create(0, kFormClass, L"Form1", kFormStyle, position.x, position.y, frame.cx, frame.cy, nullptr,
           "The main window could not be created.");
}

TForm1::~TForm1()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

void TForm1::Show(int CmdShow)
{
    ShowWindow(m_hwnd, CmdShow);
    UpdateWindow(m_hwnd);
}

LRESULT TForm1::HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_NCCREATE:
        ScaleFrameWithDpi(m_hwnd);
        return DefWindowProcW(m_hwnd, Message, WParam, LParam);
    case WM_CREATE:
        FormCreate();
        return 0;
    case kFillHiddenPages:
        for (int page = 0; page < kPageCount; ++page)
            FillPage(page);
        return 0;
    case kDpiChangedMessage:
        DpiChanged(LOWORD(WParam), *reinterpret_cast<const RECT*>(LParam));
        return 0;
    case WM_SIZE:
        // The first show sends one with the size the window was laid out for at creation.
        if (LOWORD(LParam) != m_laidOut.cx || HIWORD(LParam) != m_laidOut.cy)
            FormResize();
        return 0;
    case WM_COMMAND:
        if (HIWORD(WParam) == BN_CLICKED && LParam)
            ButtonClick(reinterpret_cast<HWND>(LParam));
        return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(LParam)->hwndFrom == PageControl1 &&
            reinterpret_cast<const NMHDR*>(LParam)->code == TCN_SELCHANGE)
            ShowActivePage();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(WParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(m_hwnd, focus))
                m_focusedControl = focus;
        }
        return DefWindowProcW(m_hwnd, Message, WParam, LParam);
    case WM_SETFOCUS:
        SetFocus(m_focusedControl && IsWindowVisible(m_focusedControl) ? m_focusedControl
                                                                       : PageControl1);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(m_hwnd, Message, WParam, LParam);
    }
}

// The window shows with its start page filled; the other page gets its controls right after the
// first paint (a posted message comes before any input), so they exist before anybody can turn
// to that page, and the first paint does not wait for them.
void TForm1::FormCreate()
{
    m_face = SystemFormFont();
    FitFrameToDpi();
    m_font = MakeFormFont();
    SetWindowIconsForDpi(m_hwnd, L"MAINICON", m_dpi);
    CreateControls();
    SendMessageW(PageControl1, TCM_SETCURSEL, kStartPage, 0);
    FillPage(kStartPage);
    ShowActivePage();
    FormResize();
    PostMessageW(m_hwnd, kFillHiddenPages, 0, 0);
}

// The tab control with its two (empty) pages, and the Version button.
void TForm1::CreateControls()
{
    PageControl1 = CreateChild(WC_TABCONTROLW, L"",
                               WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0,
                               m_hwnd, 0, 0, kFormClientSize.cx, kFormClientSize.cy);
    AddTab(PageControl1, 0, L"Querying Devices");
    AddTab(PageControl1, 1, L"TabSheet2");
    TabSheet1 = CreateChild(kTabSheetClass, L"Querying Devices", WS_CLIPCHILDREN,
                            WS_EX_CONTROLPARENT, PageControl1, 0, 0, 0, 0);
    TabSheet2 = CreateChild(kTabSheetClass, L"TabSheet2", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                            PageControl1, 0, 0, 0, 0);

    // Made after the tab control and raised above it, so it shows over whichever page is shown.
    BtnVersion = CreateButton(m_hwnd, L"Version", Scaled(kBtnVersion, m_dpi));
    SetWindowPos(BtnVersion, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetFontOfChildren(m_hwnd, m_font.get());
}

// Gives page Index its strip and text box, once; they take the window's font and the page's size.
void TForm1::FillPage(int Index)
{
    const HWND sheet = Index == 0 ? TabSheet1 : TabSheet2;
    if (Index == 0 ? Panel1 : Panel2)
        return;
    if (Index == 0) {
        Panel1 = CreateChild(kPanelClass, L"", WS_VISIBLE, WS_EX_CONTROLPARENT, TabSheet1, 0, 0, 0,
                             Scaled(kStripHeight, m_dpi));
        BtnmixerGetDevCaps =
            CreateButton(Panel1, L"mixerGetDevCaps", Scaled(kBtnmixerGetDevCaps, m_dpi));
        Memo1 = CreateMemo(TabSheet1);
    } else {
        Panel2 = CreateChild(kPanelClass, L"", WS_VISIBLE, WS_EX_CONTROLPARENT, TabSheet2, 0, 0, 0,
                             Scaled(kStripHeight, m_dpi));
        Button1 = CreateButton(Panel2, L"マスタ音量を取得", Scaled(kButton1, m_dpi));
        Memo2 = CreateMemo(TabSheet2);
        const RECT label = Scaled(kLabel1, m_dpi);
        Label1 = CreateChild(L"STATIC", L"Speaker volume of every mixer", WS_VISIBLE | SS_LEFT, 0,
                             Panel2, label.left, label.top, Width(label), Height(label));
    }
    SetFontOfChildren(sheet, m_font.get());
    LayOutPage(sheet);
}

// The tab control fills the client area, the pages its display area; on each page the strip
// keeps the top (41 pixels at 96 DPI) and the text box takes the rest. Buttons and label keep
// their places.
void TForm1::FormResize()
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    m_laidOut = {client.right, client.bottom};
    MoveWindow(PageControl1, 0, 0, client.right, client.bottom, TRUE);

    RECT page = {0, 0, client.right, client.bottom};
    SendMessageW(PageControl1, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    for (HWND sheet : {TabSheet1, TabSheet2}) {
        MoveWindow(sheet, page.left, page.top, std::max(0, Width(page)), std::max(0, Height(page)),
                   TRUE);
        LayOutPage(sheet);
    }
}

// The strip and text box of a filled page, to the page's size.
void TForm1::LayOutPage(HWND Sheet)
{
    const HWND strip = Sheet == TabSheet1 ? Panel1 : Panel2;
    const HWND memo = Sheet == TabSheet1 ? Memo1 : Memo2;
    if (!strip)
        return;
    RECT page;
    GetClientRect(Sheet, &page);
    const int stripHeight = Scaled(kStripHeight, m_dpi);
    MoveWindow(strip, 0, 0, page.right, stripHeight, TRUE);
    MoveWindow(memo, 0, stripHeight, page.right, std::max(0L, page.bottom - stripHeight), TRUE);
}

UniqueFont TForm1::MakeFormFont() const
{
    return MakeFont(m_face.Face.c_str(), Scaled(kFontHeight, m_dpi), FW_NORMAL, false,
                    m_face.ShiftJis ? SHIFTJIS_CHARSET : DEFAULT_CHARSET);
}

// A window created on a monitor whose DPI is not the screen's takes the size for that DPI.
void TForm1::FitFrameToDpi()
{
    const UINT shownAt = WindowDpi(m_hwnd);
    if (shownAt == m_dpi)
        return;
    m_dpi = shownAt;
    const SIZE frame = FrameSize(m_dpi);
    SetWindowPos(m_hwnd, nullptr, 0, 0, frame.cx, frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moved to a monitor of another DPI: the font, the icons and every place and size for the new
// DPI, in the rectangle the system suggests.
void TForm1::DpiChanged(UINT Dpi, const RECT& Suggested)
{
    m_dpi = Dpi;
    UniqueFont font = MakeFormFont();
    SetFontOfChildren(m_hwnd, font.get());
    m_font = std::move(font); // the controls have let go of the old one
    SetWindowIconsForDpi(m_hwnd, L"MAINICON", m_dpi);
    Place(BtnVersion, kBtnVersion, m_dpi);
    Place(BtnmixerGetDevCaps, kBtnmixerGetDevCaps, m_dpi);
    Place(Button1, kButton1, m_dpi);
    Place(Label1, kLabel1, m_dpi);
    // The strips' height changes even where the client area's size does not: laid out by the
    // move's WM_SIZE, or else here.
    m_laidOut = {-1, -1};
    SetWindowPos(m_hwnd, nullptr, Suggested.left, Suggested.top, Width(Suggested),
                 Height(Suggested), SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_laidOut.cx < 0)
        FormResize();
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TForm1::ButtonClick(HWND Sender)
{
    if (Sender == BtnmixerGetDevCaps)
        BtnmixerGetDevCapsClick(Sender);
    else if (Sender == BtnVersion)
        BtnVersionClick(Sender);
    else if (Sender == Button1)
        Button1Click(Sender);
}

void TForm1::BtnmixerGetDevCapsClick(HWND)
{
    AppendReport(Memo1,
                 [](const TLineSink& AppendLine) { RunDevCapsReport(SystemMixer(), AppendLine); });
}

void TForm1::BtnVersionClick(HWND)
{
    ShowInfoForm(m_hwnd);
}

void TForm1::Button1Click(HWND)
{
    AppendReport(Memo2,
                 [](const TLineSink& AppendLine) { RunVolumeReport(SystemMixer(), AppendLine); });
}

HWND TForm1::ActivePage() const
{
    return SendMessageW(PageControl1, TCM_GETCURSEL, 0, 0) == 0 ? TabSheet1 : TabSheet2;
}

void TForm1::ShowActivePage()
{
    const HWND shown = ActivePage();
    const HWND hidden = shown == TabSheet1 ? TabSheet2 : TabSheet1;
    const HWND focus = GetFocus();
    ShowWindow(shown, SW_SHOW);
    ShowWindow(hidden, SW_HIDE);
    if (focus && IsChild(hidden, focus))
        SetFocus(PageControl1);
}

void TForm1::SelectPage(int Index)
{
    SendMessageW(PageControl1, TCM_SETCURSEL, Index, 0);
    ShowActivePage();
}

// The tab order: the tab control, the shown page's button and text box, then the Version button.
void TForm1::FocusNextControl(bool Backward)
{
    const bool firstPage = ActivePage() == TabSheet1;
    const HWND order[] = {PageControl1, firstPage ? BtnmixerGetDevCaps : Button1,
                          firstPage ? Memo1 : Memo2, BtnVersion};
    const int count = static_cast<int>(std::size(order));
    const HWND focus = GetFocus();
    const auto found = std::find(std::begin(order), std::end(order), focus);
    int index = found == std::end(order) ? (Backward ? 0 : count - 1)
                                         : static_cast<int>(found - std::begin(order));
    index = (index + (Backward ? count - 1 : 1)) % count;
    SetFocus(order[index]);
    // Keyboard use: let the controls draw their focus rectangles from now on.
    SendMessageW(m_hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool TForm1::TranslateNavigationKey(const MSG& Message)
{
    if (Message.message != WM_KEYDOWN || Message.wParam != VK_TAB)
        return false;
    if (Message.hwnd != m_hwnd && !IsChild(m_hwnd, Message.hwnd))
        return false;
    const bool backward = GetKeyState(VK_SHIFT) < 0;
    if (GetKeyState(VK_CONTROL) < 0) {
        const int pageCount = static_cast<int>(SendMessageW(PageControl1, TCM_GETITEMCOUNT, 0, 0));
        const int current = static_cast<int>(SendMessageW(PageControl1, TCM_GETCURSEL, 0, 0));
        SelectPage((current + (backward ? pageCount - 1 : 1)) % pageCount);
    } else {
        FocusNextControl(backward);
    }
    return true;
}
