// Unit Info's routines on the real platform: the program's own version resource, shortcuts
// written and read back through the shell, the user's shell folders.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "Version.h"
#include "info/PathRules.h"
#include "info/Info.h"
#include "info/SystemPlatform.h"
#include "platform/WinText.h"
#include "platform/Error.h"

namespace {

// A file in this program's folder.
std::wstring Beside(const wchar_t* FileName)
{
    return ExtractFilePath(ExePath()) + FileName;
}

std::wstring Read(const char* Key, const std::wstring& FileName, std::wstring Value = L"kept")
{
    GetVersionInfoValue(Key, FileName, Value);
    return Value;
}

TEST(VersionResource, ReadsKorvalesOwnValues)
{
    const std::wstring korvale = Beside(L"Korvale.exe");
    EXPECT_EQ(Read(kVerFileVersion, korvale), Utf8ToWide(KORVALE_FILEVERSION_TEXT));
    EXPECT_EQ(Read(kVerInternalName, korvale), L"Korvale");
    EXPECT_EQ(Read(kVerOriginalFilename, korvale), L"Korvale.exe");
    EXPECT_NE(Read(kVerFileDescription, korvale, L""), L"");
    EXPECT_NE(Read(kVerLegalCopyright, korvale, L""), L"");
    // The resource's key is "Comment", so the standard "Comments" finds nothing.
    EXPECT_EQ(Read(kVerComments, korvale), L"kept");
    EXPECT_EQ(Read(kVerProductName, korvale), L"kept");
    // No version resource at all.
    EXPECT_EQ(Read(kVerFileVersion, Beside(L"PlantedProbe.dll")), L"kept");
    EXPECT_EQ(Read(kVerFileVersion, Beside(L"NoSuchFile.exe")), L"kept");
}

TEST(VersionResource, CaptionsTheInformationWindow)
{
    EXPECT_EQ(VersionCaptionOf(Beside(L"Korvale.exe"), L"InfoForm"),
              Utf8ToWide("Korvale Ver." KORVALE_FILEVERSION_TEXT " - InfoForm"));

    // This test program has no version resource.
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SetVersionCaption(window, L"InfoForm");
    wchar_t caption[100] = {};
    GetWindowTextW(window, caption, 100);
    DestroyWindow(window);
    EXPECT_STREQ(caption, L"Windowstests Ver. - InfoForm");
}

TEST(ExecutablePath, NamesThisProgram)
{
    const std::wstring path = ExePath();
    EXPECT_EQ(ExeFileName(), L"WindowsTests.exe");
    ASSERT_GT(path.size(), 18u);
    EXPECT_EQ(path.substr(path.size() - 17), L"\\WindowsTests.exe");
    EXPECT_EQ(path[1], L':') << "a whole path, from its drive";
}

// COM for the shell link object, as the program has it on its window thread.
class ShortcutTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"KorvaleShortcutTest";
        CreateDirectoryW(m_folder.c_str(), nullptr);
        DeleteFileW(LinkPath().c_str());
    }
    void TearDown() override
    {
        DeleteFileW(LinkPath().c_str());
        RemoveDirectoryW(m_folder.c_str());
        CoUninitialize();
    }

    std::wstring LinkPath() const { return m_folder + L"\\Korvale.lnk"; }

    int LinkFiles() const
    {
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((m_folder + L"\\*.lnk").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return 0;
        int count = 0;
        do
            ++count;
        while (FindNextFileW(search, &found));
        FindClose(search);
        return count;
    }

    // The message of what CreateShortcut throws; empty when it throws nothing.
    static std::string ShortcutError(const std::wstring& Target, const std::wstring& Folder)
    {
        try {
            CreateShortcut(Target, Folder, L"Korvale");
        } catch (const TError& error) {
            return error.what();
        }
        return {};
    }

    std::wstring m_folder;
};

TEST_F(ShortcutTest, WritesALinkTheShellReadsBack)
{
    const std::wstring target = Beside(L"Korvale.exe");
    CreateShortcut(target, m_folder, L"Korvale");
    CreateShortcut(target, m_folder + L"\\", L"Korvale"); // the same file again, not a second one
    EXPECT_EQ(LinkFiles(), 1);

    IShellLinkW* link = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkW, reinterpret_cast<void**>(&link))));
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    ASSERT_TRUE(SUCCEEDED(file->Load(LinkPath().c_str(), STGM_READ)));

    wchar_t text[MAX_PATH] = {};
    link->GetPath(text, MAX_PATH, nullptr, 0);
    EXPECT_EQ(_wcsicmp(text, target.c_str()), 0) << WideToUtf8(text);
    link->GetArguments(text, MAX_PATH);
    EXPECT_STREQ(text, L"/starup");
    link->GetWorkingDirectory(text, MAX_PATH);
    std::wstring folder = ExtractFilePath(ExePath());
    folder.pop_back();
    EXPECT_EQ(_wcsicmp(text, folder.c_str()), 0) << WideToUtf8(text);
    file->Release();
    link->Release();
}

TEST_F(ShortcutTest, RefusesWhatItCannotWriteWithAMessageAndWritesNothing)
{
    const std::wstring korvale = Beside(L"Korvale.exe");
    EXPECT_EQ(ShortcutError(korvale, L""), "The folder for the shortcut could not be found.");
    EXPECT_EQ(GetFileAttributesW(L"\\Korvale.lnk"), INVALID_FILE_ATTRIBUTES);

    const std::string missing = ShortcutError(korvale, m_folder + L"\\No such folder");
    EXPECT_NE(missing, "") << "no error for a folder that does not exist";
    EXPECT_EQ(missing.find("OLE"), std::string::npos) << missing;

    // The shell would cut a path of MAX_PATH characters or more: refused before it gets there.
    const std::wstring deep = m_folder + L"\\" + std::wstring(MAX_PATH, L'd') + L"\\Korvale.exe";
    EXPECT_EQ(ShortcutError(deep, m_folder).rfind("The path is too long for the Windows shell", 0),
              0u);
    EXPECT_EQ(LinkFiles(), 0);
}

TEST(SpecialFolders, ResolveToExistingFolders)
{
    using Getter = void (*)(std::wstring&);
    for (Getter get : {GetDesktopFolder, GetStartupFolder, GetSendToFolder}) {
        std::wstring folder = L"previous";
        get(folder);
        ASSERT_NE(folder, L"");
        const DWORD attributes = GetFileAttributesW(folder.c_str());
        EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << WideToUtf8(folder);
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << WideToUtf8(folder);
    }
    std::wstring none = L"previous";
    GetSpecialFolderPath(0x7FFF, none);
    EXPECT_EQ(none, L"");
}

TEST(CenterOnWorkArea, CentresAWindowOnTheWorkArea)
{
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 373, 457, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    CenterOnWorkArea(window);
    RECT area, frame;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(window, &frame);
    DestroyWindow(window);
    // Its size kept, inside the work area, with as much room on either side (within a pixel).
    EXPECT_EQ(frame.right - frame.left, 373);
    EXPECT_EQ(frame.bottom - frame.top, 457);
    EXPECT_GE(frame.left, area.left);
    EXPECT_GE(frame.top, area.top);
    EXPECT_LE(std::abs((frame.left - area.left) - (area.right - frame.right)), 1);
    EXPECT_LE(std::abs((frame.top - area.top) - (area.bottom - frame.bottom)), 1);
}

} // namespace
