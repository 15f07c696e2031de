// Paths split double-byte aware, and the shell routines' path and placement rules.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "info/PathRules.h"
#include "info/ShellRules.h"
#include "InfoFakes.h"
#include "platform/Error.h"

namespace {

// "表" in code page 932: a lead byte and a trail byte with the code of "\".
const std::string kHyou = "\x95\x5C";

TEST(ExePath, SplitsAtTheLastSeparatorThatIsNotATrailByte)
{
    const TestCodePage932 japanese;
    const struct {
        std::string Path, FileName, Folder, BaseName, Dir;
    } cases[] = {
        {"C:\\Dir\\Korvale.exe", "Korvale.exe", "C:\\Dir\\", "Korvale", "C:\\Dir"},
        {"C:\\" + kHyou + "\\Korvale.exe", "Korvale.exe", "C:\\" + kHyou + "\\", "Korvale",
         "C:\\" + kHyou},
        {"C:\\Dir\\" + kHyou + ".exe", kHyou + ".exe", "C:\\Dir\\", kHyou, "C:\\Dir"},
        {"C:\\Dir\\" + kHyou, kHyou, "C:\\Dir\\", kHyou, "C:\\Dir"},
        {"C:\\Tool.tar.gz", "Tool.tar.gz", "C:\\", "Tool.tar", "C:\\"},
        {"C:Tool.exe", "Tool.exe", "C:", "Tool", "C:"},
        {"\\\\server\\share\\Tool.exe", "Tool.exe", "\\\\server\\share\\", "Tool",
         "\\\\server\\share"},
        {"\\Tool.exe", "Tool.exe", "\\", "Tool", "\\"},
        {"Tool", "Tool", "", "Tool", ""},
        {"", "", "", "", ""},
        {"C:\\Dir.d\\Tool", "Tool", "C:\\Dir.d\\", "Tool", "C:\\Dir.d"},
        // A lead byte at the very end has no trail byte to take with it.
        {"C:\\Dir\\\x95", "\x95", "C:\\Dir\\", "\x95", "C:\\Dir"},
    };
    for (const auto& tested : cases) {
        SCOPED_TRACE(testing::PrintToString(tested.Path));
        EXPECT_EQ(ExtractFileName(tested.Path, japanese), tested.FileName);
        EXPECT_EQ(ExtractFilePath(tested.Path, japanese), tested.Folder);
        EXPECT_EQ(ExtractBaseName(tested.Path, japanese), tested.BaseName);
        EXPECT_EQ(ExtractFileDir(tested.Path, japanese), tested.Dir);
        // The UTF-16 rules split the same way wherever no double-byte character is involved.
        const auto wide = [](const std::string& Text) {
            return std::wstring(Text.begin(), Text.end());
        };
        if (tested.Path.find_first_of("\x95") == std::string::npos) {
            EXPECT_EQ(ExtractFileName(wide(tested.Path)), wide(tested.FileName));
            EXPECT_EQ(ExtractFilePath(wide(tested.Path)), wide(tested.Folder));
            EXPECT_EQ(ExtractBaseName(wide(tested.Path)), wide(tested.BaseName));
            EXPECT_EQ(ExtractFileDir(wide(tested.Path)), wide(tested.Dir));
        }
    }
    // In a single-byte code page the same byte is a backslash.
    const TestCodePage1252 western;
    EXPECT_EQ(ExtractFileName("C:\\Dir\\" + kHyou + ".exe", western), ".exe");
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
