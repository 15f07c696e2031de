#include "info/InfoForm.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

#include "info/PathRules.h"
#include "info/Info.h"
#include "info/InfoActions.h"
#include "info/SystemPlatform.h"
#include "platform/Controls.h"
#include "platform/Format.h"
#include "platform/Label.h"
#include "platform/Rect.h"
#include "platform/WinText.h"
#include "platform/Error.h"

namespace {

const wchar_t kFormClass[] = L"TInfoForm";
const wchar_t kPanelClass[] = L"TInfoPanel";
const wchar_t kImageClass[] = L"STATIC";
const wchar_t kFormName[] = L"InfoForm";

// The author's addresses, shown as the links' captions.
const wchar_t kWebAddress[] = L"https://korvale.example/";
const wchar_t kMailAddress[] = L"fernwick@korvale.example";
// Label1's hint: a web search for the author's handle.
const wchar_t kSearchAddress[] = L"https://duckduckgo.com/?q=Fernwick";

// Pixels at 96 DPI, scaled for the window's: the panel's place in the window, its border, and the
// space the controls keep from the panel's right and bottom edges (as they do from its left and
// top ones).
constexpr POINT kPanelPosition = {8, 8};
constexpr int kPanelBorder = 10;
constexpr int kContentMargin = 8;
constexpr POINT kAppIconPosition = {8, 8};
constexpr int kIconSize = 32;
constexpr UINT kStatusInterval = 500;
constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kMaroon = RGB(128, 0, 0);
constexpr COLORREF kTeal = RGB(0, 128, 128);
constexpr COLORREF kGreen = RGB(0, 128, 0);

// The labels' fonts, by their sizes at 96 DPI.
struct TFontDesign {
    const wchar_t* Face;
    int Height; // pixels, the characters' height
    int Weight;
    bool Underline;
    BYTE Charset;
};
enum TFontRole { frWindow, frLink, frHeading, frExeName, frDescription };
const TFontDesign kFonts[] = {
    {L"Arial", 13, FW_NORMAL, false, ANSI_CHARSET},      // frWindow
    {L"Arial", 13, FW_NORMAL, true, ANSI_CHARSET},       // frLink
    {L"Arial", 13, FW_BOLD, false, ANSI_CHARSET},        // frHeading
    {L"Arial", 27, FW_NORMAL, false, ANSI_CHARSET},      // frExeName
    {L"Tahoma", 12, FW_NORMAL, false, SHIFTJIS_CHARSET}, // frDescription
};
static_assert(std::size(kFonts) == frDescription + 1, "a font for every role");

// How a label looks: its font, its text colour (none: the system's window-text colour) and
// whether it is a link (hand cursor).
struct TLook {
    TFontRole Font;
    std::optional<COLORREF> Colour;
    bool Link;
};
namespace Look {
constexpr TLook WindowText{frWindow, std::nullopt, false};
constexpr TLook Description{frDescription, std::nullopt, false}; // Tahoma 12, Shift-JIS
constexpr TLook ExeName{frExeName, std::nullopt, true};          // Arial 27, not underlined
constexpr TLook WebLink{frLink, kNavy, true};
constexpr TLook FolderLink{frLink, kMaroon, true};
constexpr TLook SystemHeading{frHeading, kTeal, false};
constexpr TLook SystemLine{frWindow, kTeal, false};
constexpr TLook ProcessHeading{frHeading, kGreen, false};
constexpr TLook ProcessLine{frWindow, kGreen, false};
} // namespace Look

struct TLabel {
    HWND TInfoForm::*Field;
    POINT Position;      // within the panel's border
    const wchar_t* Text; // the fixed caption; labels filled at creation start empty
    TLook Look;
    bool Visible;
};

// In declaration order: a later label lies over an earlier one.
// clang-format off
const TLabel kLabels[] = {
    {&TInfoForm::LblExeName, {56, 16}, L"", Look::ExeName, true},
    {&TInfoForm::lblComment, {56, 64}, L"", Look::WindowText, true},
    {&TInfoForm::LblOsVersion, {16, 184}, L"", Look::SystemLine, true},
    {&TInfoForm::LblPhys, {16, 200}, L"", Look::SystemLine, true},
    {&TInfoForm::LblExeVersion, {56, 48}, L"", Look::WindowText, true},
    {&TInfoForm::lblURL, {56, 88}, kWebAddress, Look::WebLink, true},
    {&TInfoForm::lblMail, {56, 104}, kMailAddress, Look::WebLink, true},
    {&TInfoForm::LblLaunchOnStartup, {104, 216}, L"Create Shortcut into \"Startup\"",
     Look::FolderLink, false},
    {&TInfoForm::LblOpenStartup, {288, 216}, L"(Open)", Look::FolderLink, false},
    {&TInfoForm::LblLaunchOnDesktop, {56, 144}, L"Create Shortcut on \"Desktop\"", Look::FolderLink,
     true},
    {&TInfoForm::LblOpenFolderIn, {56, 128}, L"Open Folder This Program Installed",
     Look::FolderLink, true},
    {&TInfoForm::LblLaunchOnSendTo, {104, 232}, L"Create Shortcut into \"SendTo\"",
     Look::FolderLink, false},
    {&TInfoForm::LblOpenSendTo, {288, 232}, L"(Open)", Look::FolderLink, false},
    {&TInfoForm::Label1, {224, 88}, L"(Fernwick)", Look::WebLink, true},
    {&TInfoForm::LblFileDescription, {56, 6}, L"", Look::Description, true},
    {&TInfoForm::Label2, {8, 168}, L"System Information", Look::SystemHeading, true},
    {&TInfoForm::Label3, {8, 248}, L"Process Information", Look::ProcessHeading, true},
    {&TInfoForm::LblPageFile, {16, 216}, L"", Look::SystemLine, true},
    {&TInfoForm::LblVirtual, {16, 232}, L"", Look::SystemLine, true},
    {&TInfoForm::LblWorkingSetSize, {16, 264}, L"", Look::ProcessLine, true},
    {&TInfoForm::LblPageFaultCount, {16, 280}, L"", Look::ProcessLine, true},
    {&TInfoForm::LblPagefileUsage, {16, 296}, L"", Look::ProcessLine, true},
    {&TInfoForm::LblPagedPoolUsage, {16, 312}, L"", Look::ProcessLine, true},
    {&TInfoForm::LblNonPagedPoolUsage, {16, 328}, L"", Look::ProcessLine, true},
    {&TInfoForm::LblProcessTime, {16, 344}, L"", Look::ProcessLine, true},
};
// clang-format on

// The labels of the nine status lines, in the order of the lines.
HWND TInfoForm::*const kStatusLabels[] = {
    &TInfoForm::LblPhys,           &TInfoForm::LblPageFile,          &TInfoForm::LblVirtual,
    &TInfoForm::LblWorkingSetSize, &TInfoForm::LblPageFaultCount,    &TInfoForm::LblPagefileUsage,
    &TInfoForm::LblPagedPoolUsage, &TInfoForm::LblNonPagedPoolUsage, &TInfoForm::LblProcessTime,
};

// Gives Control its new size, keeping its top-left corner; false, and nothing done, when it has
// that size already.
bool Resize(HWND Control, int NewWidth, int NewHeight)
{
    RECT bounds;
    GetWindowRect(Control, &bounds);
    if (Width(bounds) == NewWidth && Height(bounds) == NewHeight)
        return false;
    SetWindowPos(Control, nullptr, 0, 0, NewWidth, NewHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void MoveTo(HWND Control, POINT Position)
{
    SetWindowPos(Control, nullptr, Position.x, Position.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RegisterFormClass()
{
    // The icon at the screen's DPI (a window at another sets its own). No background brush:
    // FormPaint paints the whole client area.
    TWindowClass form{kFormClass, TInfoForm::WindowProc};
    form.Icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    RegisterWindowClass(form);
}

// The information window being shown, if any: one at a time.
TInfoForm* g_shownInfoForm = nullptr;

} // namespace

TInfoForm::TInfoForm(HWND Owner) : m_owner(Owner)
{
    RegisterFormClass();
    RegisterContainerClass(kPanelClass, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RegisterLabelClasses();
    Create(0, kFormClass, kFormName, kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, Owner,
           "The information window could not be created.");
}

TInfoForm::~TInfoForm()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

LRESULT TInfoForm::HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_NCCREATE:
        ScaleFrameWithDpi(m_hwnd);
        return DefWindowProcW(m_hwnd, Message, WParam, LParam);
    case WM_CREATE:
        FormCreate();
        return 0;
    case WM_COMMAND:
        if (HIWORD(WParam) == STN_CLICKED && LParam)
            LabelClick(reinterpret_cast<HWND>(LParam));
        return 0;
    case kDpiChangedMessage:
        DpiChanged(LOWORD(WParam), *reinterpret_cast<const RECT*>(LParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        return LabelColors(reinterpret_cast<HDC>(WParam), reinterpret_cast<HWND>(LParam));
    case WM_TIMER:
        if (WParam == Timer1)
            Timer1Timer();
        return 0;
    case WM_ERASEBKGND:
        return 1; // FormPaint covers the whole client area
    case WM_PAINT:
        FormPaint();
        return 0;
    case WM_CLOSE:
        m_closed = true; // ends the modal loop, which destroys the window
        return 0;
    default:
        return DefWindowProcW(m_hwnd, Message, WParam, LParam);
    }
}

void TInfoForm::FormCreate()
{
    CreateControls();
    const std::wstring exePath = ExePath();

    SetVersionCaption(m_hwnd, kFormName);
    // Read in UTF-16: the description is Japanese, and the system's code page may lack it.
    std::wstring description;
    GetVersionInfoValue(kVerFileDescription, exePath, description);
    SetWindowTextW(LblFileDescription, description.c_str());
    SetWindowTextW(LblExeName, ExtractFileName(exePath).c_str());
    UpdateStatus();
    std::string system;
    GetOSDescription(system);
    SetWindowTextW(LblOsVersion, AnsiToWide(WithoutFirstMicrosoft(system)).c_str());
    std::wstring fileVersion;
    GetVersionInfoValue(kVerFileVersion, exePath, fileVersion);
    SetWindowTextW(LblExeVersion, (L"Ver." + fileVersion).c_str());
    SetWindowTextW(lblComment,
                   AnsiToWide(Format("Built with GCC %d.%d (mingw-w64) by Fernwick, 2026", __GNUC__,
                                     __GNUC_MINOR__))
                       .c_str());
    AutoSize();
    CenterOnWorkArea(m_hwnd);
    // Centred on a monitor whose DPI is not that of the one it was made on: laid out for it, and
    // centred again at its new size.
    if (const UINT shownAt = WindowDpi(m_hwnd); shownAt != m_dpi) {
        m_dpi = shownAt;
        ApplyDpi();
        AutoSize();
        CenterOnWorkArea(m_hwnd);
    }
    SetTimer(m_hwnd, Timer1, kStatusInterval, nullptr);
}

void TInfoForm::CreateControls()
{
    m_measuring.reset(CreateCompatibleDC(nullptr));
    if (!m_measuring)
        throw TError("The information window could not measure its texts.");
    m_dpi = WindowDpi(m_hwnd);

    PnlBack = CreateChild(kPanelClass, L"", WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                          m_hwnd, 0, 0, 0, 0);
    AppIcon = CreateChild(kImageClass, L"", WS_VISIBLE | SS_ICON | SS_REALSIZECONTROL, 0, PnlBack,
                          0, 0, 0, 0);
    for (const TLabel& label : kLabels) {
        const DWORD style =
            (label.Visible ? WS_VISIBLE : 0) | WS_CLIPSIBLINGS | (label.Look.Link ? SS_NOTIFY : 0);
        const HWND control = CreateChild(label.Look.Link ? kLinkLabelClass : kLabelClass,
                                         label.Text, style, 0, PnlBack, 0, 0, 0, 0);
        // A new window goes below its siblings; a later label lies over an earlier one.
        SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        this->*label.Field = control;
    }
    ApplyDpi();
}

std::vector<UniqueFont> TInfoForm::MakeFonts() const
{
    std::vector<UniqueFont> fonts;
    for (const TFontDesign& font : kFonts)
        fonts.push_back(MakeFont(font.Face, Scaled(font.Height, m_dpi), font.Weight, font.Underline,
                                 font.Charset));
    return fonts;
}

// The fonts, the icons and the controls' places for m_dpi. The labels' sizes follow from their
// fonts (AutoSize).
void TInfoForm::ApplyDpi()
{
    const int border = Scaled(kPanelBorder, m_dpi);
    std::vector<UniqueFont> fonts = MakeFonts();
    for (const TLabel& label : kLabels) {
        const HWND control = this->*label.Field;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[label.Look.Font].get()),
                     TRUE);
        const POINT position = Scaled(label.Position, m_dpi);
        MoveTo(control, {border + position.x, border + position.y});
    }
    m_fonts = std::move(fonts); // the labels have let go of the old ones
    MoveTo(PnlBack, Scaled(kPanelPosition, m_dpi));

    const int iconSize = Scaled(kIconSize, m_dpi);
    SendMessageW(AppIcon, STM_SETICON, reinterpret_cast<WPARAM>(ProgramIcon(L"MAINICON", iconSize)),
                 0);
    const POINT icon = Scaled(kAppIconPosition, m_dpi);
    SetWindowPos(AppIcon, nullptr, border + icon.x, border + icon.y, iconSize, iconSize,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowIconsForDpi(m_hwnd, L"MAINICON", m_dpi);
}

// Moved to a monitor of another DPI: laid out for it, at the place the system suggests. The size
// is the window's own fit to its texts, which need not be the old size scaled exactly.
void TInfoForm::DpiChanged(UINT Dpi, const RECT& Suggested)
{
    m_dpi = Dpi;
    ApplyDpi();
    AutoSize();
    MoveTo(m_hwnd, {Suggested.left, Suggested.top});
}

// Every label fits its text; the panel fits the visible controls, with its border; the window
// fits the panel and keeps its top-left corner.
void TInfoForm::AutoSize()
{
    for (const TLabel& label : kLabels)
        FitLabel(this->*label.Field);
    FitPanelAndWindow();
}

bool TInfoForm::FitLabel(HWND Label)
{
    const SIZE size = LabelTextSize(m_measuring.get(), Label);
    return Resize(Label, size.cx, size.cy);
}

void TInfoForm::FitPanelAndWindow()
{
    const POINT icon = Scaled(kAppIconPosition, m_dpi);
    LONG right = icon.x + Scaled(kIconSize, m_dpi);
    LONG bottom = icon.y + Scaled(kIconSize, m_dpi);
    for (const TLabel& label : kLabels) {
        if (!label.Visible)
            continue;
        RECT bounds;
        GetWindowRect(this->*label.Field, &bounds);
        const POINT position = Scaled(label.Position, m_dpi);
        right = std::max(right, position.x + Width(bounds));
        bottom = std::max(bottom, position.y + Height(bounds));
    }
    const int border = Scaled(kPanelBorder, m_dpi);
    const int margin = Scaled(kContentMargin, m_dpi);
    const int panelWidth = border + right + margin + border;
    const int panelHeight = border + bottom + margin + border;
    Resize(PnlBack, panelWidth, panelHeight);

    const POINT panel = Scaled(kPanelPosition, m_dpi);
    RECT frame = {0, 0, panel.x + panelWidth + panel.x, panel.y + panelHeight + panel.y};
    AdjustFrameForDpi(frame, kFormStyle, 0, m_dpi);
    Resize(m_hwnd, Width(frame), Height(frame));
}

LRESULT TInfoForm::LabelColors(HDC Context, HWND Label)
{
    COLORREF colour = GetSysColor(COLOR_WINDOWTEXT);
    for (const TLabel& label : kLabels)
        if (this->*label.Field == Label)
            colour = label.Look.Colour.value_or(colour);
    SetTextColor(Context, colour);
    // Every label lies on the white panel, in the window's colour.
    SetBkColor(Context, kWhite);
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void TInfoForm::FormPaint()
{
    // The client area outside the panel: a black frame around it.
    const ScopedPaintDC paint(m_hwnd);
    RECT client;
    GetClientRect(m_hwnd, &client);
    const ScopedSelection brush(paint.get(), GetStockObject(BLACK_BRUSH));
    const ScopedSelection pen(paint.get(), GetStockObject(BLACK_PEN));
    Rectangle(paint.get(), client.left, client.top, client.right, client.bottom);
}

void TInfoForm::FormKeyDown(WORD)
{
    m_closed = true;
}

void TInfoForm::LabelClick(HWND Sender)
{
    if (Sender == lblURL)
        lblURLClick(Sender);
    else if (Sender == Label1)
        Label1Click(Sender);
    else if (Sender == lblMail)
        lblMailClick(Sender);
    else if (Sender == LblExeName)
        LblExeNameClick(Sender);
    else if (Sender == LblLaunchOnStartup || Sender == LblLaunchOnDesktop ||
             Sender == LblLaunchOnSendTo)
        LblLaunchOnStartupClick(Sender);
    else if (Sender == LblOpenStartup || Sender == LblOpenFolderIn || Sender == LblOpenSendTo)
        LblOpenStartupClick(Sender);
}

void TInfoForm::lblURLClick(HWND Sender)
{
    ShellOpen(m_hwnd, WindowTextOf(Sender), L"");
}

void TInfoForm::Label1Click(HWND)
{
    ShellOpen(m_hwnd, kSearchAddress, L"");
}

void TInfoForm::lblMailClick(HWND)
{
    ShellOpen(m_hwnd, MailForm(WindowTextOf(lblMail), ExeFileName()), L"");
}

void TInfoForm::LblExeNameClick(HWND)
{
    ShowFileProperties(m_hwnd, ExePath());
}

void TInfoForm::LblLaunchOnStartupClick(HWND Sender)
{
    TSystemShell shell(m_hwnd);
    CreateShortcutIn(FolderOfSender(Sender, {{LblLaunchOnStartup, TInfoFolder::Startup},
                                             {LblLaunchOnDesktop, TInfoFolder::Desktop},
                                             {LblLaunchOnSendTo, TInfoFolder::SendTo}}),
                     ExePath(), shell);
}

void TInfoForm::LblOpenStartupClick(HWND Sender)
{
    TSystemShell shell(m_hwnd);
    OpenFolder(FolderOfSender(Sender, {{LblOpenStartup, TInfoFolder::Startup},
                                       {LblOpenFolderIn, TInfoFolder::ProgramFolder},
                                       {LblOpenSendTo, TInfoFolder::SendTo}}),
               ExePath(), shell);
}

void TInfoForm::UpdateStatus()
{
    WriteStatusLines(SystemStatusQueries());
}

bool TInfoForm::WriteStatusLines(IStatusQueries& Queries)
{
    // A line replaces its label's text only when it differs from the one the label was given
    // last: most refreshes change one or two of the nine lines, and each new text costs the label
    // a repaint. A label whose new text needs another size is fitted to it at once.
    bool resized = false;
    ComputeStatusLines(Queries, UserNumberSeparators(), [&](int Line, const std::string& Text) {
        std::string& shown = m_statusLines[static_cast<size_t>(Line)];
        if (Text == shown)
            return;
        const HWND label = this->*kStatusLabels[Line];
        SetWindowTextW(label, Utf8ToWide(Text).c_str());
        shown = Text;
        resized |= FitLabel(label);
    });
    return resized;
}

void TInfoForm::RefreshStatus(IStatusQueries& Queries)
{
    // Only a label that changed size can change the panel's and the window's.
    if (WriteStatusLines(Queries))
        FitPanelAndWindow();
}

void TInfoForm::Timer1Timer()
{
    // Off for the length of a refresh; an error leaves it off, and the labels as they were.
    KillTimer(m_hwnd, Timer1);
    RefreshStatus(SystemStatusQueries());
    SetTimer(m_hwnd, Timer1, kStatusInterval, nullptr);
}

bool TInfoForm::IsOwnKey(const MSG& Message) const
{
    return (Message.message == WM_KEYDOWN || Message.message == WM_SYSKEYDOWN) &&
           (Message.hwnd == m_hwnd || IsChild(m_hwnd, Message.hwnd));
}

void TInfoForm::ShowModal()
{
    // The owner takes no input while the window is open, and gets it back on every path out;
    // only from here, if it was here that it was disabled.
    const bool disabledHere = m_owner && !EnableWindow(m_owner, FALSE);
    const ScopeExit enableOwner([this, disabledHere] {
        if (disabledHere)
            EnableWindow(m_owner, TRUE);
    });

    // Owned by the main window, the information window has no taskbar button of its own, and
    // nothing needs hiding for it.
    ShowWindow(m_hwnd, SW_SHOW);
    MSG message;
    while (!m_closed && m_hwnd) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam)); // for the main loop to see
            break;
        }
        // Key preview: any key, a lone Shift or Alt included, closes the window; the key still
        // goes on to where it was headed.
        if (IsOwnKey(message))
            FormKeyDown(static_cast<WORD>(message.wParam));
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void ShowInfoForm(HWND Owner)
{
    // One window at a time: a click that still reaches the Version button while the window is
    // open (a queued click, automation) brings the open one forward instead.
    if (g_shownInfoForm) {
        SetForegroundWindow(g_shownInfoForm->Handle());
        return;
    }
    TInfoForm form(Owner);
    g_shownInfoForm = &form;
    const ScopeExit forget([] { g_shownInfoForm = nullptr; });
    form.ShowModal();
}
