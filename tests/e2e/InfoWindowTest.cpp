// The information window, opened with the Version button and used as a user does.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Version.h"
#include "e2e/Automation.h"
#include "e2e/DpiLayout.h"
#include "platform/Dpi.h"
#include "info/Info.h"
#include "info/InfoActions.h"
#include "platform/WinText.h"

namespace {

// The information window's caption and version label for the version the build gives Korvale.exe.
const std::wstring kCaption = Utf8ToWide("Korvale Ver." KORVALE_FILEVERSION_TEXT " - InfoForm");
const std::wstring kVersionLabel = Utf8ToWide("Ver." KORVALE_FILEVERSION_TEXT);

// The process time shown by the "Kernel:...; User:...; Process:h:mm:ss" line, in seconds.
long ProcessSeconds(const std::wstring& Line)
{
    const auto start = Line.find(L"Process:");
    if (start == std::wstring::npos)
        return -1;
    const long hours = std::wcstol(Line.c_str() + start + 8, nullptr, 10);
    const auto minutes = Line.find(L':', start + 8);
    return hours * 3600 + std::wcstol(Line.c_str() + minutes + 1, nullptr, 10) * 60 +
           std::wcstol(Line.c_str() + minutes + 4, nullptr, 10);
}

// Whether the system's ANSI code page writes every character of Text.
bool AnsiCodePageWrites(const std::wstring& Text)
{
    std::string converted(4 * Text.size() + 1, '\0');
    BOOL defaultUsed = FALSE;
    const int written = WideCharToMultiByte(CP_ACP, 0, Text.c_str(), static_cast<int>(Text.size()),
                                            converted.data(), static_cast<int>(converted.size()),
                                            nullptr, &defaultUsed);
    return written > 0 && !defaultUsed;
}

// A folder in the temporary folder, made for a test and removed with what it holds.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& Name)
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_path = std::wstring(temp) + Name + L"\\";
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~ScratchFolder()
    {
        for (const std::wstring& file : m_files)
            DeleteFileW((m_path + file).c_str());
        RemoveDirectoryW(m_path.c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const { return m_path; }

    /// Copies FileName from beside this test program, as CopyName.
    bool CopyHere(const wchar_t* FileName, const wchar_t* CopyName)
    {
        wchar_t self[MAX_PATH];
        std::wstring here(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
        here.erase(here.find_last_of(L'\\') + 1);
        m_files.push_back(CopyName);
        return CopyFileW((here + FileName).c_str(), (m_path + CopyName).c_str(), FALSE) != FALSE;
    }

private:
    std::wstring m_path;
    std::vector<std::wstring> m_files;
};

// The file a shell link points at, by its item identifier list: what the shell resolves. (Wine
// writes the link's location block in the ANSI code page only, so GetPath reads back "?" for
// characters the code page lacks; Windows writes it in UTF-16 as well.)
std::wstring LinkTarget(const std::wstring& Link)
{
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return L"<no shell link object>";
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = {};
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        LPITEMIDLIST items = nullptr;
        if (SUCCEEDED(file->Load(Link.c_str(), STGM_READ)) && SUCCEEDED(link->GetIDList(&items)) &&
            items) {
            SHGetPathFromIDListW(items, target);
            CoTaskMemFree(items);
        }
        file->Release();
    }
    link->Release();
    return target;
}

// Wine's per-program DLL overrides: "native, then builtin" for psapi, while the object lives.
class ScopedWineNativePsapi {
public:
    explicit ScopedWineNativePsapi(std::initializer_list<const wchar_t*> Programs)
        : m_programs(Programs)
    {
        for (const wchar_t* program : m_programs) {
            HKEY key = nullptr;
            if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyOf(program).c_str(), 0, nullptr, 0,
                                KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
                const wchar_t value[] = L"native,builtin";
                RegSetValueExW(key, L"psapi", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                               sizeof value);
                RegCloseKey(key);
            }
        }
    }
    ~ScopedWineNativePsapi()
    {
        for (const wchar_t* program : m_programs)
            RegDeleteKeyW(HKEY_CURRENT_USER, KeyOf(program).c_str());
    }
    ScopedWineNativePsapi(const ScopedWineNativePsapi&) = delete;
    ScopedWineNativePsapi& operator=(const ScopedWineNativePsapi&) = delete;

private:
    static std::wstring KeyOf(const wchar_t* Program)
    {
        return std::wstring(L"Software\\Wine\\AppDefaults\\") + Program + L"\\DllOverrides";
    }
    std::vector<const wchar_t*> m_programs;
};

class InfoWindowTest : public testing::Test {
protected:
    void SetUp() override { Start(L"Korvale.exe"); }

    void Start(const std::wstring& Program)
    {
        m_program.reset();
        m_program = std::make_unique<RunningProgram>(Program, L"TForm1");
        m_form = m_program->MainWindow();
        m_tabs = FindChild(m_form, WC_TABCONTROLW);
        m_version = FindChild(m_form, L"Button", L"Version");
        ASSERT_NE(m_version, nullptr);
    }

    HWND InfoWindow() const
    {
        HWND info = nullptr;
        for (HWND window = FindWindowW(L"TInfoForm", nullptr); window;
             window = FindWindowExW(nullptr, window, L"TInfoForm", nullptr)) {
            DWORD processId = 0;
            GetWindowThreadProcessId(window, &processId);
            if (processId == GetProcessId(m_program->Process()) && IsWindowVisible(window))
                info = window;
        }
        return info;
    }

    // Presses Version as a click would (its handler runs the modal window, so it is posted).
    HWND Open()
    {
        PostMessageW(m_version, BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return InfoWindow() != nullptr; }, 10000));
        return InfoWindow();
    }

    bool WaitClosed() const
    {
        return WaitUntil([&] { return InfoWindow() == nullptr && IsWindowEnabled(m_form); }, 10000);
    }

    HWND Panel(HWND Info) const { return FindChild(Info, L"TInfoPanel"); }

    int InfoWindowCount() const
    {
        int count = 0;
        for (HWND window = FindWindowW(L"TInfoForm", nullptr); window;
             window = FindWindowExW(nullptr, window, L"TInfoForm", nullptr)) {
            DWORD processId = 0;
            GetWindowThreadProcessId(window, &processId);
            count += processId == GetProcessId(m_program->Process()) && IsWindowVisible(window);
        }
        return count;
    }

    static std::wstring DesktopLink()
    {
        std::wstring desktop;
        GetDesktopFolder(desktop);
        return desktop + L"\\Korvale.lnk";
    }

    std::unique_ptr<RunningProgram> m_program;
    HWND m_form = nullptr, m_tabs = nullptr, m_version = nullptr;
};

TEST_F(InfoWindowTest, OpensModallyFromEitherPage)
{
    for (int page : {1, 0}) {
        ClickTab(m_program->Process(), m_tabs, page);
        const HWND info = Open();
        ASSERT_NE(info, nullptr) << "page " << page;
        EXPECT_EQ(WindowText(info), kCaption);
        EXPECT_FALSE(IsWindowEnabled(m_form)) << "the main window takes input";
        // A click that still reaches the disabled Version button opens no second window.
        PostMessageW(m_version, BM_CLICK, 0, 0);
        Sleep(300);
        EXPECT_EQ(InfoWindowCount(), 1);
        // Owned by the main window: no taskbar button of its own.
        EXPECT_EQ(GetWindow(info, GW_OWNER), m_form);
        const LONG style = GetWindowLongW(info, GWL_STYLE);
        EXPECT_TRUE(style & WS_SYSMENU);
        EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

        PostMessageW(info, WM_SYSCOMMAND, SC_CLOSE, 0); // the close box
        EXPECT_TRUE(WaitClosed());
        EXPECT_TRUE(IsWindowVisible(m_form)) << "closing hid the main window";
    }
}

TEST_F(InfoWindowTest, ShowsTheProgramTheSystemAndLiveStatus)
{
    const HWND info = Open();
    ASSERT_NE(info, nullptr);
    const HWND panel = Panel(info);
    ASSERT_NE(panel, nullptr);
    EXPECT_NE(FindChild(panel, L"TLinkLabel", L"Korvale.exe"), nullptr);
    EXPECT_NE(FindChild(panel, L"TLabel", kVersionLabel.c_str()), nullptr);
    EXPECT_NE(FindChild(panel, L"TLabel", L"System Information"), nullptr);
    EXPECT_NE(FindChild(panel, L"TLabel", L"Process Information"), nullptr);
    // The Japanese description in its own characters, whatever the system's code page.
    EXPECT_NE(GetACP(), 932u) << "a Japanese system: the description line proves nothing";
    EXPECT_NE(FindChild(panel, L"TLabel", L"マルチメディア ミキサーの情報を表示するツール"),
              nullptr);

    std::string system;
    GetOSDescription(system);
    EXPECT_NE(FindChild(panel, L"TLabel", AnsiToWide(WithoutFirstMicrosoft(system)).c_str()),
              nullptr)
        << "no label reads " << WithoutFirstMicrosoft(system);

    for (const wchar_t* hidden :
         {L"Create Shortcut into \"Startup\"", L"Create Shortcut into \"SendTo\""}) {
        const HWND label = FindChild(panel, L"TLinkLabel", hidden);
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(IsWindowVisible(label));
    }
    EXPECT_TRUE(
        IsWindowVisible(FindChild(panel, L"TLinkLabel", L"Create Shortcut on \"Desktop\"")));

    const HWND times = ChildStartingWith(panel, L"Kernel:");
    ASSERT_NE(times, nullptr);
    const long before = ProcessSeconds(WindowText(times));
    EXPECT_GE(before, 0);
    EXPECT_TRUE(WaitUntil([&] { return ProcessSeconds(WindowText(times)) >= before + 2; }, 5000))
        << "the process time did not advance: " << WideToUtf8(WindowText(times));
    EXPECT_NE(ChildStartingWith(panel, L"Free Physical Memory:"), nullptr);
    EXPECT_NE(ChildStartingWith(panel, L"Page Fault:"), nullptr);
}

TEST_F(InfoWindowTest, AnyKeyClosesItAndEachShowingIsFresh)
{
    for (WORD key : {WORD(VK_SHIFT), WORD('A'), WORD(VK_MENU)}) {
        const HWND info = Open();
        ASSERT_NE(info, nullptr);
        SetForegroundWindow(info);
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == info; }));
        PressKey(key);
        EXPECT_TRUE(WaitClosed()) << "key " << key << " did not close the window";
    }
}

TEST_F(InfoWindowTest, TheDesktopLinkWritesAShortcutOnAClickInsideIt)
{
    const std::wstring link = DesktopLink();
    DeleteFileW(link.c_str());

    const HWND info = Open();
    ASSERT_NE(info, nullptr);
    const HWND label = FindChild(Panel(info), L"TLinkLabel", L"Create Shortcut on \"Desktop\"");
    ASSERT_NE(label, nullptr);
    // Pressed on the link and released off it: cancelled, as with a button.
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(-40, 30));
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2)); // a release without a press
    EXPECT_EQ(GetFileAttributesW(link.c_str()), INVALID_FILE_ATTRIBUTES);

    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(WaitUntil([&] {
        return GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES;
    })) << WideToUtf8(link);
    DeleteFileW(link.c_str());
}

// The process grows by 200 MB while the window is open: its status lines gain digits, and the
// labels, the panel and the window grow with them instead of cutting the lines off.
TEST_F(InfoWindowTest, StatusLinesThatGrowStayWhole)
{
    const HWND info = Open();
    ASSERT_NE(info, nullptr);
    const HWND panel = Panel(info);
    const HWND usage = ChildStartingWith(panel, L"Memory Usage:");
    ASSERT_NE(usage, nullptr);
    const std::wstring before = WindowText(usage);

    constexpr size_t kGrowth = 200u << 20, kChunk = 1u << 20;
    void* grown =
        VirtualAllocEx(m_program->Process(), nullptr, kGrowth, MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(grown, nullptr);
    const std::vector<char> ones(kChunk, 1);
    for (size_t offset = 0; offset < kGrowth; offset += kChunk)
        ASSERT_TRUE(WriteProcessMemory(m_program->Process(), static_cast<char*>(grown) + offset,
                                       ones.data(), kChunk, nullptr));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(usage).size() > before.size(); }, 5000))
        << "the working set line did not grow: " << WideToUtf8(WindowText(usage));
    Sleep(100); // the refresh fits the labels after writing their texts

    RECT panelArea, windowArea;
    GetClientRect(panel, &panelArea);
    GetClientRect(info, &windowArea);
    EXPECT_LE(RectIn(panel, info).right, windowArea.right) << "the window does not fit the panel";
    for (const wchar_t* line :
         {L"Free Physical Memory:", L"Free Paging File:", L"Free Virtual Memory:", L"Memory Usage:",
          L"Page Fault:", L"Pagefile Usage:", L"Paged Pool Usage:", L"NonPaged Pool Usage:",
          L"Kernel:"}) {
        const HWND label = ChildStartingWith(panel, line);
        ASSERT_NE(label, nullptr) << WideToUtf8(line);
        const RECT bounds = RectIn(label, panel);
        const std::wstring text = WindowText(label);
        EXPECT_GE(bounds.right - bounds.left, TextSize({L"Arial", 13}, 96, text).cx)
            << WideToUtf8(text);
        EXPECT_LE(bounds.right, panelArea.right) << WideToUtf8(text);
    }
    VirtualFreeEx(m_program->Process(), grown, 0, MEM_RELEASE);
}

// Korvale.exe in a folder whose name the ANSI code page (1252 here) cannot write.
TEST_F(InfoWindowTest, WorksFromAFolderOutsideTheCodePage)
{
    const std::wstring name = L"\x041A\x043E\x0440\x0432\x0430\x043B\x0435"; // "Корвале"
    ASSERT_FALSE(AnsiCodePageWrites(name)) << "the code page writes the name: proves nothing";
    ScratchFolder folder(name);
    ASSERT_TRUE(folder.CopyHere(L"Korvale.exe", L"Korvale.exe"));
    Start(folder.Path() + L"Korvale.exe");
    const std::wstring link = DesktopLink();
    DeleteFileW(link.c_str());

    const HWND info = Open();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(WindowText(info), kCaption);
    EXPECT_NE(FindChild(Panel(info), L"TLabel", kVersionLabel.c_str()), nullptr);
    const HWND label = FindChild(Panel(info), L"TLinkLabel", L"Create Shortcut on \"Desktop\"");
    ASSERT_NE(label, nullptr);
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ASSERT_TRUE(
        WaitUntil([&] { return GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES; }));
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    const std::wstring target = LinkTarget(link);
    CoUninitialize();
    EXPECT_EQ(_wcsicmp(target.c_str(), (folder.Path() + L"Korvale.exe").c_str()), 0)
        << WideToUtf8(target);
    EXPECT_NE(GetFileAttributesW(target.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileW(link.c_str());
    PostMessageW(info, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitClosed());
    m_program.reset();
}

// Someone drops a PSAPI.dll beside Korvale.exe: Korvale must not run it.
TEST_F(InfoWindowTest, APlantedProcessStatusLibraryIsNotUsed)
{
    ScratchFolder planted(L"KorvalePlanted");
    const std::wstring& folder = planted.Path();
    for (auto [from, to] :
         {std::pair{L"Korvale.exe", L"Korvale.exe"}, std::pair{L"PlantedPsapi.dll", L"PSAPI.dll"},
          std::pair{L"PsapiByName.exe", L"PsapiByName.exe"}})
        ASSERT_TRUE(planted.CopyHere(from, to));

    // Under Wine, Wine's own psapi wins over a native one found by name; for these two programs
    // let a native copy come first, as on Windows (Wine reads this from its registry).
    const ScopedWineNativePsapi nativeFirst({L"PsapiByName.exe", L"Korvale.exe"});

    // The plant works: a program there that loads PSAPI.dll by name gets it.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION probe{};
    std::wstring command = L"\"" + folder + L"PsapiByName.exe\"";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder.c_str(), &startup, &probe));
    WaitForSingleObject(probe.hProcess, 30000);
    DWORD probeExit = 99;
    GetExitCodeProcess(probe.hProcess, &probeExit);
    CloseHandle(probe.hThread);
    CloseHandle(probe.hProcess);
    EXPECT_EQ(probeExit, 0u) << "the planted DLL is not found by name; the test proves nothing";

    Start(folder + L"Korvale.exe");
    const HWND info = Open();
    ASSERT_NE(info, nullptr);
    const HWND faults = ChildStartingWith(Panel(info), L"Page Fault:");
    ASSERT_NE(faults, nullptr);
    EXPECT_NE(WindowText(faults), L"Page Fault:424,242");
    EXPECT_EQ(ChildStartingWith(Panel(info), L"Memory Usage:4,242 KB"), nullptr);
    PostMessageW(info, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitClosed());
    m_program.reset();
}

// The window at the DPIs of today's screens, as the main window (MainWindowDpiTest).
class InfoWindowDpiTest : public InfoWindowTest, public testing::WithParamInterface<UINT> {
protected:
    void SetUp() override {}

    // The information window of a Korvale.exe started at Dpi, which must be the display's.
    HWND OpenAt(UINT Dpi)
    {
        EXPECT_EQ(DisplayDpi(), Dpi) << "run by tests/e2e/dpi.sh, which sets the display's DPI";
        Start(L"Korvale.exe");
        return m_program ? Open() : nullptr;
    }

    // Where the design puts a label (in the panel, within its border), in what font.
    struct TLabelDesign {
        std::wstring Prefix; // of its text
        POINT Position;
        TFontDesign Font;
    };

    static std::vector<TLabelDesign> LabelDesigns()
    {
        const TFontDesign text{L"Arial", 13}, heading{L"Arial", 13, FW_BOLD},
            link{L"Arial", 13, FW_NORMAL, true};
        std::string system;
        GetOSDescription(system);
        return {
            {L"マルチメディア", {56, 6}, {L"Tahoma", 12, FW_NORMAL, false, SHIFTJIS_CHARSET}},
            {L"Korvale.exe", {56, 16}, {L"Arial", 27}},
            {L"Ver.", {56, 48}, text},
            {L"Built with", {56, 64}, text},
            {L"https://", {56, 88}, link},
            {L"(Fernwick)", {224, 88}, link},
            {L"fernwick@", {56, 104}, link},
            {L"Open Folder", {56, 128}, link},
            {L"Create Shortcut on", {56, 144}, link},
            {L"System Information", {8, 168}, heading},
            {AnsiToWide(WithoutFirstMicrosoft(system)), {16, 184}, text},
            {L"Free Physical Memory:", {16, 200}, text},
            {L"Free Paging File:", {16, 216}, text},
            {L"Free Virtual Memory:", {16, 232}, text},
            {L"Process Information", {8, 248}, heading},
            {L"Memory Usage:", {16, 264}, text},
            {L"Page Fault:", {16, 280}, text},
            {L"Pagefile Usage:", {16, 296}, text},
            {L"Paged Pool Usage:", {16, 312}, text},
            {L"NonPaged Pool Usage:", {16, 328}, text},
            {L"Kernel:", {16, 344}, text},
        };
    }

    // The panel, the icon and every label where the design puts them at Dpi, each label as wide
    // as its text and as high as the lines of its font at Dpi, inside the panel, and no two
    // overlapping but where the design stacks them.
    void ExpectLaidOutFor(HWND Info, UINT Dpi)
    {
        const HWND panel = Panel(Info);
        ASSERT_NE(panel, nullptr);
        EXPECT_TRUE(IsScaled(RectIn(panel, Info).left, 8, Dpi));
        EXPECT_TRUE(IsScaled(RectIn(panel, Info).top, 8, Dpi));
        const RECT icon = RectIn(FindChild(panel, L"Static"), panel);
        EXPECT_TRUE(IsScaled(icon, {18, 18, 50, 50}, Dpi));

        std::vector<RECT> placed = {icon};
        for (const TLabelDesign& design : LabelDesigns()) {
            const std::string name = WideToUtf8(design.Prefix);
            const HWND label = ChildStartingWith(panel, design.Prefix);
            ASSERT_NE(label, nullptr) << name;
            // A status line's label is fitted to its new text right after it is given it, and the
            // panel to the label. Inside is the panel within its border.
            SIZE text{};
            RECT bounds{}, inside{};
            EXPECT_TRUE(WaitUntil(
                [&] {
                    text = TextSize(design.Font, Dpi, WindowText(label));
                    bounds = RectIn(label, panel);
                    GetClientRect(panel, &inside);
                    InflateRect(&inside, -MulDiv(10, Dpi, 96), -MulDiv(10, Dpi, 96));
                    return bounds.right - bounds.left >= text.cx && bounds.right <= inside.right;
                },
                1000))
                << name << " is cut off: " << bounds.right - bounds.left << " of " << text.cx;
            EXPECT_EQ(bounds.bottom - bounds.top, text.cy) << name;
            EXPECT_TRUE(IsScaled(bounds.left, 10 + design.Position.x, Dpi)) << name;
            EXPECT_TRUE(IsScaled(bounds.top, 10 + design.Position.y, Dpi)) << name;
            EXPECT_LE(bounds.right, inside.right) << name << " reaches past the panel";
            EXPECT_LE(bounds.bottom, inside.bottom) << name << " reaches past the panel";
            // The description lies over the top of the program's name, as designed.
            for (size_t other = design.Prefix == L"Korvale.exe" ? 2 : 0; other < placed.size();
                 ++other)
                EXPECT_FALSE(Overlap(bounds, placed[other])) << name;
            placed.push_back(bounds);
        }
    }
};

TEST_P(InfoWindowDpiTest, IsLaidOutForTheDpiItOpensAt)
{
    const UINT dpi = GetParam();
    const HWND info = OpenAt(dpi);
    ASSERT_NE(info, nullptr);
    ExpectLaidOutFor(info, dpi);
    // The window fits the panel, with the panel's distance from its top left all round.
    RECT client;
    GetClientRect(info, &client);
    const RECT panel = RectIn(Panel(info), info);
    EXPECT_TRUE(IsScaled(client.right - panel.right, 8, dpi));
    EXPECT_TRUE(IsScaled(client.bottom - panel.bottom, 8, dpi));
}

TEST_P(InfoWindowDpiTest, IsLaidOutAgainInTheSuggestedPlaceWhenItsDpiChanges)
{
    const UINT dpi = GetParam();
    const HWND info = OpenAt(96);
    ASSERT_NE(info, nullptr);
    const RECT suggested = {60, 40, 60 + MulDiv(360, dpi, 96), 40 + MulDiv(450, dpi, 96)};
    SendWithRect(m_program->Process(), info, kDpiChangedMessage, MAKEWPARAM(dpi, dpi), suggested);
    RECT frame;
    GetWindowRect(info, &frame);
    EXPECT_EQ(frame.left, suggested.left);
    EXPECT_EQ(frame.top, suggested.top);
    ExpectLaidOutFor(info, dpi);
}

INSTANTIATE_TEST_SUITE_P(Dpi, InfoWindowDpiTest, testing::ValuesIn(kScreenDpis));

} // namespace
