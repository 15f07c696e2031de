// Paths split double-byte aware, and the shell routines' path and placement rules.
#include <gtest/gtest.h>

#include <string>

#include "info/ExePath.h"
#include "info/ShellRules.h"
#include "InfoFakes.h"

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
    }
    // In a single-byte code page the same byte is a backslash.
    const TestCodePage1252 western;
    EXPECT_EQ(ExtractFileName("C:\\Dir\\" + kHyou + ".exe", western), ".exe");
}

TEST(ShellOpenDirectory, IsEverythingUpToTheLastBackslashOrColon)
{
    const TestCodePage932 codePage;
    const struct {
        const char* FileName;
        const char* Directory;
    } cases[] = {
        {"C:\\Dir\\Sub", "C:\\Dir\\"},
        {"C:\\Dir\\", "C:\\Dir\\"},
        {"MailTo:someone@example.org?subject=from [Korvale.exe] user", "MailTo:"},
        {"https://example.org/korvale", "https:"},
        {"http://example.org:8080/x", "http://example.org:"},
        {"readme.txt", ""},
    };
    for (const auto& tested : cases)
        EXPECT_EQ(ShellOpenDirectory(tested.FileName, codePage), tested.Directory)
            << tested.FileName;
}

TEST(Shortcut, PathAndWorkingDirectory)
{
    const TestCodePage932 codePage;
    EXPECT_EQ(ShortcutPath("C:\\Users\\U\\SendTo", "Tool", codePage), "C:\\Users\\U\\SendTo\\Tool.lnk");
    EXPECT_EQ(ShortcutPath("C:\\Users\\U\\SendTo\\", "Tool", codePage),
              "C:\\Users\\U\\SendTo\\Tool.lnk");
    EXPECT_EQ(ShortcutPath("C:\\Users\\U\\SendTo\\\\", "Tool", codePage),
              "C:\\Users\\U\\SendTo\\\\Tool.lnk");
    EXPECT_EQ(ShortcutPath("C:\\Users\\" + kHyou, "Tool", codePage),
              "C:\\Users\\" + kHyou + "\\Tool.lnk");
    EXPECT_EQ(ShortcutPath("C:\\Users\\U\\Desktop", "100%s", codePage),
              "C:\\Users\\U\\Desktop\\100%s.lnk");

    EXPECT_EQ(ShortcutWorkingDirectory("C:\\Apps\\Tool.exe", codePage), "C:\\Apps");
    EXPECT_EQ(ShortcutWorkingDirectory("C:\\Tool.exe", codePage), "C:\\");
    EXPECT_EQ(ShortcutWorkingDirectory("C:\\" + kHyou + "\\Tool.exe", codePage), "C:\\" + kHyou);
}

TEST(CenteredPosition, CentresOnTheWorkAreaWhereverItLies)
{
    const struct {
        RECT WorkArea;
        LONG Width, Height;
        LONG Left, Top;
    } cases[] = {
        {{0, 0, 1024, 738}, 373, 457, 325, 140},
        {{0, 30, 1024, 768}, 373, 457, 325, 170}, // taskbar at the top
        {{100, 0, 1124, 738}, 373, 457, 425, 140}, // taskbar on the left
        {{0, 0, 1024, 738}, 1085, 800, -30, -31},  // larger than the work area: toward zero
        {{-1280, 0, 0, 1024}, 373, 457, -827, 283}, // a monitor left of the primary one
    };
    for (const auto& tested : cases) {
        const POINT position = CenteredPosition(tested.WorkArea, tested.Width, tested.Height);
        EXPECT_EQ(position.x, tested.Left) << tested.WorkArea.left << "," << tested.WorkArea.top;
        EXPECT_EQ(position.y, tested.Top) << tested.WorkArea.left << "," << tested.WorkArea.top;
    }
}

} // namespace
