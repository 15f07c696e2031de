// The information window, opened with the Version button and used as a user does.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "e2e/Automation.h"
#include "info/Info.h"
#include "info/InfoActions.h"
#include "platform/WinText.h"

namespace {

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

// The label of the information window's panel whose text begins with Prefix.
HWND LabelStartingWith(HWND Panel, const std::wstring& Prefix)
{
    for (HWND child = GetWindow(Panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (WindowText(child).rfind(Prefix, 0) == 0)
            return child;
    return nullptr;
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

    std::unique_ptr<RunningProgram> m_program;
    HWND m_form = nullptr, m_tabs = nullptr, m_version = nullptr;
};

TEST_F(InfoWindowTest, OpensModallyFromEitherPage)
{
    for (int page : {1, 0}) {
        ClickTab(m_program->Process(), m_tabs, page);
        const HWND info = Open();
        ASSERT_NE(info, nullptr) << "page " << page;
        EXPECT_EQ(WindowText(info), L"Korvale Ver.0.8.1.24 - InfoForm");
        EXPECT_FALSE(IsWindowEnabled(m_form)) << "the main window takes input";
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
    EXPECT_NE(FindChild(panel, L"TLabel", L"Ver.0.8.1.24"), nullptr);
    EXPECT_NE(FindChild(panel, L"TLabel", L"System Information"), nullptr);
    EXPECT_NE(FindChild(panel, L"TLabel", L"Process Information"), nullptr);

    std::string system;
    GetOSDescription(system);
    EXPECT_NE(FindChild(panel, L"TLabel", AnsiToWide(WithoutFirstMicrosoft(system)).c_str()),
              nullptr)
        << "no label reads " << WithoutFirstMicrosoft(system);

    for (const wchar_t* hidden : {L"Create Shortcut into \"Startup\"",
                                  L"Create Shortcut into \"SendTo\""}) {
        const HWND label = FindChild(panel, L"TLinkLabel", hidden);
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(IsWindowVisible(label));
    }
    EXPECT_TRUE(IsWindowVisible(FindChild(panel, L"TLinkLabel", L"Create Shortcut on \"Desktop\"")));

    const HWND times = LabelStartingWith(panel, L"Kernel:");
    ASSERT_NE(times, nullptr);
    const long before = ProcessSeconds(WindowText(times));
    EXPECT_GE(before, 0);
    EXPECT_TRUE(WaitUntil([&] { return ProcessSeconds(WindowText(times)) >= before + 2; }, 5000))
        << "the process time did not advance: " << WideToAnsi(WindowText(times));
    EXPECT_NE(LabelStartingWith(panel, L"Free Physical Memory:"), nullptr);
    EXPECT_NE(LabelStartingWith(panel, L"Page Fault:"), nullptr);
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

TEST_F(InfoWindowTest, TheDesktopLinkWritesAShortcut)
{
    std::string desktop;
    GetDesktopFolder(desktop);
    const std::string link = desktop + "\\Korvale.lnk";
    DeleteFileA(link.c_str());

    const HWND info = Open();
    ASSERT_NE(info, nullptr);
    const HWND label = FindChild(Panel(info), L"TLinkLabel", L"Create Shortcut on \"Desktop\"");
    ASSERT_NE(label, nullptr);
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(WaitUntil([&] { return GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES; }))
        << link;
    DeleteFileA(link.c_str());
}

// Someone drops a PSAPI.dll beside Korvale.exe: Korvale must not run it.
TEST_F(InfoWindowTest, APlantedProcessStatusLibraryIsNotUsed)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"KorvalePlanted\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    wchar_t self[MAX_PATH];
    std::wstring here(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    here.erase(here.find_last_of(L'\\') + 1);
    for (auto [from, to] : {std::pair{L"Korvale.exe", L"Korvale.exe"},
                            std::pair{L"PlantedPsapi.dll", L"PSAPI.dll"},
                            std::pair{L"PsapiByName.exe", L"PsapiByName.exe"}})
        ASSERT_TRUE(CopyFileW((here + from).c_str(), (folder + to).c_str(), FALSE));

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
    const HWND faults = LabelStartingWith(Panel(info), L"Page Fault:");
    ASSERT_NE(faults, nullptr);
    EXPECT_NE(WindowText(faults), L"Page Fault:424,242");
    EXPECT_EQ(LabelStartingWith(Panel(info), L"Memory Usage:4,242 KB"), nullptr);
    PostMessageW(info, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitClosed());
    m_program.reset();
    for (const wchar_t* name : {L"Korvale.exe", L"PSAPI.dll", L"PsapiByName.exe"})
        DeleteFileW((folder + name).c_str());
    RemoveDirectoryW(folder.c_str());
}

} // namespace
