// Unit Info's routines on the real platform: the program's own version resource, shortcuts
// written and read back through the shell, the user's shell folders.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <stdexcept>
#include <string>

#include "info/ExePath.h"
#include "info/Info.h"
#include "info/SystemPlatform.h"
#include "platform/WinText.h"

namespace {

std::string Beside(const char* FileName)
{
    return ExeFolder() + FileName;
}

std::string Read(const char* Key, const std::string& FileName, std::string Value = "kept")
{
    GetVersionInfoValue(Key, FileName, Value);
    return Value;
}

TEST(VersionResource, ReadsKorvalesOwnValues)
{
    const std::string korvale = Beside("Korvale.exe");
    EXPECT_EQ(Read(kVerFileVersion, korvale), "0.8.1.24");
    EXPECT_EQ(Read(kVerInternalName, korvale), "Korvale");
    EXPECT_EQ(Read(kVerOriginalFilename, korvale), "Korvale.exe");
    EXPECT_NE(Read(kVerFileDescription, korvale, ""), "");
    EXPECT_NE(Read(kVerLegalCopyright, korvale, ""), "");
    // The resource's key is "Comment", so the standard "Comments" finds nothing.
    EXPECT_EQ(Read(kVerComments, korvale), "kept");
    EXPECT_EQ(Read(kVerProductName, korvale), "kept");
    // No version resource at all.
    EXPECT_EQ(Read(kVerFileVersion, Beside("PlantedProbe.dll")), "kept");
    EXPECT_EQ(Read(kVerFileVersion, Beside("NoSuchFile.exe")), "kept");
}

TEST(VersionResource, CaptionsTheInformationWindow)
{
    EXPECT_EQ(VersionCaptionOf(Beside("Korvale.exe"), "InfoForm"), "Korvale Ver.0.8.1.24 - InfoForm");

    // This test program has no version resource.
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SetVersionCaption(window, "InfoForm");
    wchar_t caption[100] = {};
    GetWindowTextW(window, caption, 100);
    DestroyWindow(window);
    EXPECT_STREQ(caption, L"Windowstests Ver. - InfoForm");
}

TEST(ExecutablePath, NamesThisProgram)
{
    EXPECT_EQ(ExeFileName(), "WindowsTests.exe");
    EXPECT_EQ(ExeBaseName(), "WindowsTests");
    EXPECT_EQ(ExeFolder() + ExeFileName(), ExePath());
    EXPECT_EQ(ExeFolder().back(), '\\');
}

// COM for the shell link object, as the program has it on its window thread.
class ShortcutTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_folder = std::string(temp) + "KorvaleShortcutTest";
        CreateDirectoryA(m_folder.c_str(), nullptr);
        DeleteFileA(LinkPath().c_str());
    }
    void TearDown() override
    {
        DeleteFileA(LinkPath().c_str());
        RemoveDirectoryA(m_folder.c_str());
        CoUninitialize();
    }

    std::string LinkPath() const { return m_folder + "\\Korvale.lnk"; }

    int LinkFiles() const
    {
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((m_folder + "\\*.lnk").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return 0;
        int count = 0;
        do
            ++count;
        while (FindNextFileA(search, &found));
        FindClose(search);
        return count;
    }

    std::string m_folder;
};

TEST_F(ShortcutTest, WritesALinkTheShellReadsBack)
{
    const std::string target = Beside("Korvale.exe");
    CreateShortcut(target, m_folder, "Korvale");
    CreateShortcut(target, m_folder + "\\", "Korvale"); // the same file again, not a second one
    EXPECT_EQ(LinkFiles(), 1);

    IShellLinkA* link = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkA, reinterpret_cast<void**>(&link))));
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    ASSERT_TRUE(SUCCEEDED(file->Load(AnsiToWide(LinkPath()).c_str(), STGM_READ)));

    char text[MAX_PATH] = {};
    link->GetPath(text, MAX_PATH, nullptr, 0);
    EXPECT_EQ(_stricmp(text, target.c_str()), 0) << text;
    link->GetArguments(text, MAX_PATH);
    EXPECT_STREQ(text, "/starup");
    link->GetWorkingDirectory(text, MAX_PATH);
    std::string folder = ExeFolder();
    folder.pop_back();
    EXPECT_EQ(_stricmp(text, folder.c_str()), 0) << text;
    file->Release();
    link->Release();
}

TEST_F(ShortcutTest, RefusesAMissingFolderAndReportsTheSystemsMessage)
{
    try {
        CreateShortcut(Beside("Korvale.exe"), "", "Korvale");
        ADD_FAILURE() << "no error for an empty folder";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "The folder for the shortcut could not be found.");
    }
    EXPECT_EQ(GetFileAttributesA("\\Korvale.lnk"), INVALID_FILE_ATTRIBUTES);

    try {
        CreateShortcut(Beside("Korvale.exe"), m_folder + "\\No such folder", "Korvale");
        ADD_FAILURE() << "no error for a folder that does not exist";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()), "");
        EXPECT_EQ(std::string(error.what()).find("OLE"), std::string::npos) << error.what();
    }
}

TEST(SpecialFolders, ResolveToExistingFolders)
{
    using Getter = void (*)(std::string&);
    for (Getter get : {GetDesktopFolder, GetStartupFolder, GetSendToFolder}) {
        std::string folder = "previous";
        get(folder);
        ASSERT_NE(folder, "");
        const DWORD attributes = GetFileAttributesA(folder.c_str());
        EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << folder;
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << folder;
    }
    std::string none = "previous";
    GetSpecialFolderPath(0x7FFF, none);
    EXPECT_EQ(none, "");
}

TEST(CenterOnWorkArea, CentresAWindowOnTheWorkArea)
{
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 373, 457, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    CenterOnWorkArea(window);
    RECT area, frame;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(window, &frame);
    DestroyWindow(window);
    EXPECT_EQ(frame.left, area.left + (area.right - area.left - 373) / 2);
    EXPECT_EQ(frame.top, area.top + (area.bottom - area.top - 457) / 2);
}

} // namespace
