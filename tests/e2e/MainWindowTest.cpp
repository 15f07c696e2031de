// Korvale.exe driven from outside, as a user or a screen reader meets it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <tuple>

#include "ExpectedReports.h"
#include "app/SystemFormFont.h"
#include "e2e/Automation.h"
#include "e2e/DpiLayout.h"
#include "platform/Dpi.h"
#include "platform/WinText.h"

namespace {

// The main window's controls, found by their place in the window tree, class and text.
struct MainWindowControls {
    HWND Form, PageControl1, TabSheet1, Panel1, BtnmixerGetDevCaps, Memo1, BtnVersion, TabSheet2,
        Panel2, Button1, Memo2, Label1;

    explicit MainWindowControls(HWND Window)
        : Form(Window), PageControl1(FindChild(Form, WC_TABCONTROLW)),
          TabSheet1(FindChild(PageControl1, L"TTabSheet", L"Querying Devices")),
          Panel1(FindChild(TabSheet1, L"TPanel")),
          BtnmixerGetDevCaps(FindChild(Panel1, L"Button", L"mixerGetDevCaps")),
          Memo1(FindChild(TabSheet1, L"Edit")), BtnVersion(FindChild(Form, L"Button", L"Version")),
          TabSheet2(FindChild(PageControl1, L"TTabSheet", L"TabSheet2")),
          Panel2(FindChild(TabSheet2, L"TPanel")),
          Button1(FindChild(Panel2, L"Button", L"マスタ音量を取得")),
          Memo2(FindChild(TabSheet2, L"Edit")), Label1(FindChild(Panel2, L"Static"))
    {
    }

    bool AllFound() const
    {
        for (HWND control : {PageControl1, TabSheet1, Panel1, BtnmixerGetDevCaps, Memo1, BtnVersion,
                             TabSheet2, Panel2, Button1, Memo2, Label1})
            if (!control)
                return false;
        return true;
    }
};

::testing::AssertionResult HasRect(HWND Window, HWND Reference, RECT Expected)
{
    const RECT actual = RectIn(Window, Reference);
    if (EqualRect(&actual, &Expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "at (" << actual.left << "," << actual.top << ")-(" << actual.right << ","
           << actual.bottom << "), expected (" << Expected.left << "," << Expected.top << ")-("
           << Expected.right << "," << Expected.bottom << ")";
}

RECT ClientRect(HWND Window)
{
    RECT rect;
    GetClientRect(Window, &rect);
    return rect;
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { Start(); }

    void Start()
    {
        m_program = std::make_unique<RunningProgram>(L"Korvale.exe", L"TForm1");
        // The page not shown at start gets its controls just after the first paint, and their
        // places right after that.
        const bool allFound = WaitUntil([&] {
            m_controls = std::make_unique<MainWindowControls>(m_program->MainWindow());
            return m_controls->AllFound() && ClientRect(m_controls->Memo1).bottom > 0;
        });
        ASSERT_TRUE(allFound) << "the window lacks one of its controls";
    }

    const MainWindowControls& Controls() const { return *m_controls; }
    int CurrentPage() const
    {
        return static_cast<int>(SendMessageW(Controls().PageControl1, TCM_GETCURSEL, 0, 0));
    }

    std::unique_ptr<RunningProgram> m_program;
    std::unique_ptr<MainWindowControls> m_controls;
};

TEST_F(MainWindowTest, StartsOnTheSecondPageWithEmptyBoxes)
{
    const MainWindowControls& c = Controls();
    EXPECT_EQ(WindowText(c.Form), L"Form1");
    EXPECT_EQ(SendMessageW(c.PageControl1, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(TabText(m_program->Process(), c.PageControl1, 0), L"Querying Devices");
    EXPECT_EQ(TabText(m_program->Process(), c.PageControl1, 1), L"TabSheet2");

    EXPECT_EQ(CurrentPage(), 1);
    EXPECT_TRUE(IsWindowVisible(c.TabSheet2));
    EXPECT_FALSE(IsWindowVisible(c.TabSheet1));
    EXPECT_TRUE(IsWindowVisible(c.Button1));
    EXPECT_TRUE(IsWindowVisible(c.BtnVersion));
    EXPECT_TRUE(IsWindowVisible(c.Label1));
    EXPECT_EQ(WindowText(c.Memo1), L"");
    EXPECT_EQ(WindowText(c.Memo2), L"");
}

// The layout was made at 96 pixels per inch, the resolution of the test display.
TEST_F(MainWindowTest, KeepsTheLayoutItWasDesignedWith)
{
    const MainWindowControls& c = Controls();
    RECT frame;
    GetWindowRect(c.Form, &frame);
    EXPECT_EQ(frame.left, 192);
    EXPECT_EQ(frame.top, 107);
    const RECT client = ClientRect(c.Form);
    EXPECT_EQ(client.right, 534);
    EXPECT_EQ(client.bottom, 362);
    EXPECT_TRUE(GetWindowLongW(c.Form, GWL_STYLE) & WS_THICKFRAME) << "not sizeable";

    EXPECT_TRUE(HasRect(c.PageControl1, c.Form, client));
    EXPECT_TRUE(HasRect(c.BtnVersion, c.Form, {16, 32, 91, 57}));
    EXPECT_TRUE(HasRect(c.BtnmixerGetDevCaps, c.Panel1, {96, 8, 217, 33}));
    EXPECT_TRUE(HasRect(c.Button1, c.Panel2, {96, 8, 225, 33}));
    EXPECT_TRUE(HasRect(c.Label1, c.Panel2, {232, 16, 470, 29}));

    for (HWND sheet : {c.TabSheet1, c.TabSheet2}) {
        const RECT page = RectIn(sheet, c.PageControl1);
        EXPECT_GT(page.top, 10) << "the page covers the tabs";
        EXPECT_LE(page.right - page.left, 534);
        EXPECT_GE(page.right - page.left, 520) << "the page does not fill the tab control";
        EXPECT_GE(page.bottom, 362 - 8) << "the page does not reach the bottom";
    }
    const RECT page = ClientRect(c.TabSheet2);
    EXPECT_TRUE(HasRect(c.Panel2, c.TabSheet2, {0, 0, page.right, 41}));
    EXPECT_TRUE(HasRect(c.Memo2, c.TabSheet2, {0, 41, page.right, page.bottom}));
}

TEST_F(MainWindowTest, PagesAndBoxesFollowTheWindowSize)
{
    const MainWindowControls& c = Controls();
    RECT frame;
    GetWindowRect(c.Form, &frame);
    SetWindowPos(c.Form, nullptr, 0, 0, frame.right - frame.left + 200,
                 frame.bottom - frame.top + 100, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(WaitUntil([&] { return ClientRect(c.Form).right == 734; }));

    EXPECT_TRUE(HasRect(c.PageControl1, c.Form, {0, 0, 734, 462}));
    for (HWND sheet : {c.TabSheet1, c.TabSheet2}) {
        const RECT page = RectIn(sheet, c.PageControl1);
        EXPECT_GE(page.right - page.left, 720);
        EXPECT_GE(page.bottom, 462 - 8);
    }
    for (auto [sheet, strip, memo] :
         {std::tuple{c.TabSheet1, c.Panel1, c.Memo1}, std::tuple{c.TabSheet2, c.Panel2, c.Memo2}}) {
        const RECT page = ClientRect(sheet);
        EXPECT_TRUE(HasRect(strip, sheet, {0, 0, page.right, 41}));
        EXPECT_TRUE(HasRect(memo, sheet, {0, 41, page.right, page.bottom}));
    }
    EXPECT_TRUE(HasRect(c.BtnVersion, c.Form, {16, 32, 91, 57}));
    EXPECT_TRUE(HasRect(c.Button1, c.Panel2, {96, 8, 225, 33}));
}

TEST_F(MainWindowTest, VersionButtonLiesAboveBothPages)
{
    const MainWindowControls& c = Controls();
    const POINT versionCentre = {16 + 75 / 2, 32 + 25 / 2};

    EXPECT_EQ(ChildWindowFromPointEx(c.Form, versionCentre, CWP_SKIPINVISIBLE), c.BtnVersion);
    ClickTab(m_program->Process(), c.PageControl1, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(c.TabSheet1); }));
    EXPECT_EQ(CurrentPage(), 0);
    EXPECT_FALSE(IsWindowVisible(c.TabSheet2));
    EXPECT_TRUE(IsWindowVisible(c.BtnmixerGetDevCaps));
    EXPECT_EQ(ChildWindowFromPointEx(c.Form, versionCentre, CWP_SKIPINVISIBLE), c.BtnVersion);

    ClickTab(m_program->Process(), c.PageControl1, 1);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(c.TabSheet2); }));
    EXPECT_FALSE(IsWindowVisible(c.TabSheet1));
}

TEST_F(MainWindowTest, TextBoxesScrollBothWaysDoNotWrapAndTakeTyping)
{
    const MainWindowControls& c = Controls();
    for (HWND memo : {c.Memo1, c.Memo2}) {
        const LONG style = GetWindowLongW(memo, GWL_STYLE);
        EXPECT_TRUE(style & WS_HSCROLL);
        EXPECT_TRUE(style & WS_VSCROLL);
        EXPECT_TRUE(style & ES_MULTILINE);
        EXPECT_TRUE(style & ES_AUTOHSCROLL) << "long lines would wrap";
        EXPECT_FALSE(style & ES_READONLY);
    }
    for (wchar_t typed : std::wstring(L"hi"))
        SendMessageW(c.Memo2, WM_CHAR, typed, 0);
    EXPECT_EQ(WindowText(c.Memo2), L"hi");
}

TEST_F(MainWindowTest, TabMovesThroughTheTabOrderAndCtrlTabTurnsThePage)
{
    const MainWindowControls& c = Controls();
    SetForegroundWindow(c.Form);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(m_program->ThreadId()) == c.PageControl1; }))
        << "the tab control should have the focus at start";

    const HWND forward[] = {c.Button1, c.Memo2, c.BtnVersion, c.PageControl1};
    for (HWND expected : forward) {
        PressKey(VK_TAB);
        EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(m_program->ThreadId()) == expected; }))
            << "Tab went to " << WindowText(FocusedWindow(m_program->ThreadId())).size()
            << "-character window";
    }
    PressKey(VK_TAB, true);
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(m_program->ThreadId()) == c.BtnVersion; }));

    PressKey(VK_TAB, false, true);
    EXPECT_TRUE(WaitUntil([&] { return CurrentPage() == 0 && IsWindowVisible(c.TabSheet1); }));
    PressKey(VK_TAB, true); // from the Version button back into the first page
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(m_program->ThreadId()) == c.Memo1; }));
}

// Expected lines as a text box holds them: each ended by CR LF.
std::wstring BoxLines(const char* Lines)
{
    std::wstring text;
    for (const char* character = Lines; *character; ++character) {
        if (*character == '\n')
            text += L'\r';
        text += static_cast<wchar_t>(static_cast<unsigned char>(*character));
    }
    return text;
}

TEST_F(MainWindowTest, EachPressOfTheCapabilitiesButtonAppendsAWholeReport)
{
    const MainWindowControls& c = Controls();
    ClickTab(m_program->Process(), c.PageControl1, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(c.BtnmixerGetDevCaps); }));

    // The click handler runs the report to its end before BM_CLICK returns.
    SendMessageW(c.BtnmixerGetDevCaps, BM_CLICK, 0, 0);
    const std::wstring report = BoxLines(kCapsNullAlsa);
    EXPECT_EQ(WindowText(c.Memo1), report);
    SendMessageW(c.BtnmixerGetDevCaps, BM_CLICK, 0, 0);
    EXPECT_EQ(WindowText(c.Memo1), report + report);
    EXPECT_EQ(WindowText(c.Memo2), L"");
}

TEST_F(MainWindowTest, TheVolumeButtonAppendsTheVolumesOfTheSpeakerLines)
{
    const MainWindowControls& c = Controls();
    SendMessageW(c.Memo2, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"typed by the user"));
    SendMessageW(c.Button1, BM_CLICK, 0, 0);
    EXPECT_EQ(WindowText(c.Memo2), L"typed by the user\r\n" + BoxLines(kVolumeNullAlsa));
    EXPECT_EQ(WindowText(c.Memo1), L"");
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheProgram)
{
    PostMessageW(Controls().Form, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(m_program->WaitForExit(10000, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

// The window at the DPIs of today's screens: started at each (the display's DPI when it starts),
// and moved to each (a monitor of that DPI). Run in a Wine prefix of its own: it sets the display's
// DPI for every program started there.
class MainWindowDpiTest : public MainWindowTest, public testing::WithParamInterface<UINT> {
protected:
    void SetUp() override {}

    // Every control where the design puts it at Dpi, every caption whole in the window's font at
    // Dpi, and nothing in the way of anything else.
    void ExpectLaidOutFor(UINT Dpi)
    {
        const MainWindowControls& c = Controls();
        EXPECT_TRUE(IsScaled(RectIn(c.BtnVersion, c.Form), {16, 32, 91, 57}, Dpi));
        EXPECT_TRUE(IsScaled(RectIn(c.BtnmixerGetDevCaps, c.Panel1), {96, 8, 217, 33}, Dpi));
        EXPECT_TRUE(IsScaled(RectIn(c.Button1, c.Panel2), {96, 8, 225, 33}, Dpi));
        EXPECT_TRUE(IsScaled(RectIn(c.Label1, c.Panel2), {232, 16, 470, 29}, Dpi));
        for (auto [sheet, strip, memo, button] :
             {std::tuple{c.TabSheet1, c.Panel1, c.Memo1, c.BtnmixerGetDevCaps},
              std::tuple{c.TabSheet2, c.Panel2, c.Memo2, c.Button1}}) {
            const RECT page = ClientRect(sheet);
            EXPECT_TRUE(IsScaled(RectIn(strip, sheet).bottom, 41, Dpi));
            EXPECT_TRUE(
                HasRect(memo, sheet, {0, RectIn(strip, sheet).bottom, page.right, page.bottom}));
            EXPECT_FALSE(Overlap(RectIn(c.BtnVersion, c.Form), RectIn(button, c.Form)));
            EXPECT_GE(RectIn(c.BtnVersion, c.Form).top, RectIn(sheet, c.Form).top)
                << "the Version button covers the tabs";
        }
        EXPECT_FALSE(Overlap(RectIn(c.Button1, c.Panel2), RectIn(c.Label1, c.Panel2)));

        const TFontChoice face = SystemFormFont();
        const TFontDesign font{face.Face, 13, FW_NORMAL, false,
                               BYTE(face.ShiftJis ? SHIFTJIS_CHARSET : DEFAULT_CHARSET)};
        for (HWND captioned : {c.BtnVersion, c.BtnmixerGetDevCaps, c.Button1, c.Label1}) {
            const std::wstring caption = WindowText(captioned);
            const RECT bounds = RectIn(captioned, c.Form);
            EXPECT_GE(bounds.right - bounds.left, TextSize(font, Dpi, caption).cx)
                << WideToUtf8(caption) << " is cut off";
        }
        // The controls' font: its lines are as high as the scaled font's.
        SendMessageW(c.Memo2, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1\r\n2"));
        const LRESULT secondLine = SendMessageW(c.Memo2, EM_POSFROMCHAR, 3, 0);
        const LRESULT firstLine = SendMessageW(c.Memo2, EM_POSFROMCHAR, 0, 0);
        EXPECT_EQ(HIWORD(secondLine) - HIWORD(firstLine), TextSize(font, Dpi, L"1").cy);
    }
};

TEST_P(MainWindowDpiTest, IsLaidOutForTheDpiItStartsAt)
{
    const UINT dpi = GetParam();
    ASSERT_EQ(DisplayDpi(), dpi) << "run by tests/e2e/dpi.sh, which sets the display's DPI";
    ASSERT_NO_FATAL_FAILURE(Start());
    RECT frame;
    GetWindowRect(Controls().Form, &frame);
    EXPECT_TRUE(IsScaled(frame.left, 192, dpi));
    EXPECT_TRUE(IsScaled(frame.top, 107, dpi));
    const RECT client = ClientRect(Controls().Form);
    EXPECT_TRUE(IsScaled(client.right, 534, dpi));
    EXPECT_TRUE(IsScaled(client.bottom, 362, dpi));
    EXPECT_TRUE(HasRect(Controls().PageControl1, Controls().Form, client));
    ExpectLaidOutFor(dpi);
}

TEST_P(MainWindowDpiTest, IsLaidOutAgainInTheSuggestedPlaceWhenItsDpiChanges)
{
    const UINT dpi = GetParam();
    ASSERT_EQ(DisplayDpi(), 96u) << "run by tests/e2e/dpi.sh, which sets the display's DPI";
    ASSERT_NO_FATAL_FAILURE(Start());
    const RECT suggested = {40, 30, 40 + MulDiv(560, dpi, 96), 30 + MulDiv(400, dpi, 96)};
    SendWithRect(m_program->Process(), Controls().Form, kDpiChangedMessage, MAKEWPARAM(dpi, dpi),
                 suggested);
    RECT frame;
    GetWindowRect(Controls().Form, &frame);
    EXPECT_TRUE(EqualRect(&frame, &suggested)) << "the suggested rectangle was not taken";
    ExpectLaidOutFor(dpi);
}

INSTANTIATE_TEST_SUITE_P(Dpi, MainWindowDpiTest, testing::ValuesIn(kScreenDpis));

// Windows XP scales no program: there the window keeps the design's pixels at any DPI. Run with
// Wine pretending to be Windows XP to Korvale.exe (e2e/dpi.sh).
TEST_F(MainWindowTest, DpiKeepsTheDesignPixelsOnWindowsXp)
{
    ASSERT_EQ(DisplayDpi(), 144u) << "run by tests/e2e/dpi.sh, which sets the display's DPI";
    Start();
    const RECT client = ClientRect(Controls().Form);
    EXPECT_EQ(client.right, 534);
    EXPECT_EQ(client.bottom, 362);
    EXPECT_TRUE(HasRect(Controls().BtnVersion, Controls().Form, {16, 32, 91, 57}));
    EXPECT_TRUE(HasRect(Controls().Button1, Controls().Panel2, {96, 8, 225, 33}));
}

} // namespace
