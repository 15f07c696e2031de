// How paths split, and the shell routines' path and placement rules.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "info/PathRules.h"
#include "info/ShellRules.h"
#include "platform/Error.h"

namespace {

TEST(ExePath, SplitsAtTheLastSeparator)
{
    const struct {
        std::wstring Path, FileName, Folder, BaseName, Dir;
    } cases[] = {
        {L"C:\\Dir\\Korvale.exe", L"Korvale.exe", L"C:\\Dir\\", L"Korvale", L"C:\\Dir"},
        {L"C:\\Tool.tar.gz", L"Tool.tar.gz", L"C:\\", L"Tool.tar", L"C:\\"},
        {L"C:Tool.exe", L"Tool.exe", L"C:", L"Tool", L"C:"},
        {L"\\\\server\\share\\Tool.exe", L"Tool.exe", L"\\\\server\\share\\", L"Tool",
         L"\\\\server\\share"},
        {L"\\Tool.exe", L"Tool.exe", L"\\", L"Tool", L"\\"},
        {L"Tool", L"Tool", L"", L"Tool", L""},
        {L"", L"", L"", L"", L""},
        {L"C:\\Dir.d\\Tool", L"Tool", L"C:\\Dir.d\\", L"Tool", L"C:\\Dir.d"},
    };
    for (const auto& tested : cases) {
        SCOPED_TRACE(testing::PrintToString(tested.Path));
        EXPECT_EQ(ExtractFileName(tested.Path), tested.FileName);
        EXPECT_EQ(ExtractFilePath(tested.Path), tested.Folder);
        EXPECT_EQ(ExtractBaseName(tested.Path), tested.BaseName);
        EXPECT_EQ(ExtractFileDir(tested.Path), tested.Dir);
    }
}

TEST(ShellOpenDirectory, IsEverythingUpToTheLastBackslashOrColon)
{
    const struct {
        const wchar_t* FileName;
        const wchar_t* Directory;
    } cases[] = {
        {L"C:\\Dir\\Sub", L"C:\\Dir\\"},
        {L"C:\\Dir\\", L"C:\\Dir\\"},
        {L"MailTo:someone@example.org?subject=from [Korvale.exe] user", L"MailTo:"},
        {L"https://example.org/korvale", L"https:"},
        {L"http://example.org:8080/x", L"http://example.org:"},
        {L"readme.txt", L""},
    };
    for (const auto& tested : cases)
        EXPECT_EQ(ShellOpenDirectory(tested.FileName), tested.Directory)
            << testing::PrintToString(std::wstring(tested.FileName));
}

TEST(Shortcut, PathAndWorkingDirectory)
{
    EXPECT_EQ(ShortcutPath(L"C:\\Users\\U\\SendTo", L"Tool"), L"C:\\Users\\U\\SendTo\\Tool.lnk");
    EXPECT_EQ(ShortcutPath(L"C:\\Users\\U\\SendTo\\", L"Tool"), L"C:\\Users\\U\\SendTo\\Tool.lnk");
    EXPECT_EQ(ShortcutPath(L"C:\\Users\\U\\SendTo\\\\", L"Tool"),
              L"C:\\Users\\U\\SendTo\\\\Tool.lnk");
    EXPECT_EQ(ShortcutPath(L"C:\\Users\\U\\Desktop", L"100%s"),
              L"C:\\Users\\U\\Desktop\\100%s.lnk");

    EXPECT_EQ(ShortcutWorkingDirectory(L"C:\\Apps\\Tool.exe"), L"C:\\Apps");
    EXPECT_EQ(ShortcutWorkingDirectory(L"C:\\Tool.exe"), L"C:\\");
    EXPECT_EQ(ShortcutWorkingDirectory(L"C:Tool.exe"), L"C:");
    EXPECT_EQ(ShortcutWorkingDirectory(L"C:\\\x041A\\Tool.exe"), L"C:\\\x041A");

    // MAX_PATH characters with the NUL is what the shell takes, and no more.
    EXPECT_NO_THROW(RequireShellPath(std::wstring(kLongestShellPath, L'x')));
    EXPECT_THROW(RequireShellPath(std::wstring(kLongestShellPath + 1, L'x')), TError);
}

TEST(CenteredPosition, CentresOnTheWorkAreaWhereverItLies)
{
    const struct {
        RECT WorkArea;
        LONG Width, Height;
        LONG Left, Top;
    } cases[] = {
        {{0, 0, 1024, 738}, 373, 457, 325, 140},
        {{0, 30, 1024, 768}, 373, 457, 325, 170},   // taskbar at the top
        {{100, 0, 1124, 738}, 373, 457, 425, 140},  // taskbar on the left
        {{0, 0, 1024, 738}, 1085, 800, -30, -31},   // larger than the work area: toward zero
        {{-1280, 0, 0, 1024}, 373, 457, -827, 283}, // a monitor left of the primary one
    };
    for (const auto& tested : cases) {
        const POINT position = CenteredPosition(tested.WorkArea, tested.Width, tested.Height);
        EXPECT_EQ(position.x, tested.Left) << tested.WorkArea.left << "," << tested.WorkArea.top;
        EXPECT_EQ(position.y, tested.Top) << tested.WorkArea.left << "," << tested.WorkArea.top;
    }
}

} // namespace
