// The path rules on a Japanese system (ANSI code page 932), where the second byte of a character
// may have the code of "\": run with Wine under LANG=ja_JP.UTF-8.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "info/PathRules.h"
#include "info/SystemPlatform.h"
#include "platform/WinText.h"

namespace {

TEST(JapaneseSystem, SplitsPathsWhoseCharactersEndInABackslashByte)
{
    ASSERT_EQ(GetACP(), 932u) << "not a Japanese system";
    const IAnsiCodePage& codePage = SystemCodePage();

    // A real folder named "表示" (its first character is 0x95 0x5C in code page 932).
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"表示";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::string ansiFolder = WideToAnsi(folder);
    ASSERT_NE(ansiFolder.find("\x95\x5C"), std::string::npos);
    ASSERT_NE(GetFileAttributesA(ansiFolder.c_str()), INVALID_FILE_ATTRIBUTES);

    const std::string exe = ansiFolder + "\\Korvale.exe";
    EXPECT_EQ(ExtractFileName(exe, codePage), "Korvale.exe");
    EXPECT_EQ(ExtractFilePath(exe, codePage), ansiFolder + "\\");
    EXPECT_EQ(ExtractBaseName(exe, codePage), "Korvale");
    EXPECT_EQ(ExtractFileDir(exe, codePage), ansiFolder);

    // A file named after the character alone, and a folder that ends in it.
    const std::string hyou = WideToAnsi(L"表");
    EXPECT_EQ(ExtractFileName(ansiFolder + "\\" + hyou + ".exe", codePage), hyou + ".exe");
    EXPECT_EQ(WithoutTrailingBackslash(WideToAnsi(L"C:\\表"), codePage), WideToAnsi(L"C:\\表"));
    RemoveDirectoryW(folder.c_str());
}

} // namespace
