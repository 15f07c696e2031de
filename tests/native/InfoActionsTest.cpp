// What the information window's links do: which label a shared handler takes a click for, and
// what it asks of the shell.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "info/InfoActions.h"
#include "info/ShellRules.h"
#include "InfoFakes.h"
#include "platform/Error.h"

namespace {

class FakeShell : public IInfoShell {
public:
    std::vector<std::wstring> Calls;

    void ShellOpen(const std::wstring& FileName, const std::wstring& Params) override
    {
        Calls.push_back(L"open " + FileName + L" [" + Params + L"]");
    }
    bool ShowFileProperties(const std::wstring& FileName) override
    {
        Calls.push_back(L"properties " + FileName);
        return true;
    }
    void GetFolder(TInfoFolder Folder, std::wstring& Path) override
    {
        Calls.push_back(L"folder " + std::to_wstring(static_cast<int>(Folder)));
        Path = Folder == TInfoFolder::Startup
                   ? L"C:\\" + std::wstring(kLongestShellPath, L's')
                   : L"C:\\Users\\U\\Folder" + std::to_wstring(static_cast<int>(Folder)) + L"\\";
    }
    void CreateShortcut(const std::wstring& Target, const std::wstring& Folder,
                        const std::wstring& LinkName) override
    {
        Calls.push_back(L"shortcut " + Target + L" | " + Folder + L" | " + LinkName);
    }
};

TEST(FolderOfSender, TakesTheFirstLabelThatIsTheSender)
{
    const int startup = 0, desktop = 0, sendTo = 0,
              other = 0; // four labels: only their addresses count
    const auto folder = [&](const void* Sender) {
        return FolderOfSender(Sender, {{&startup, TInfoFolder::Startup},
                                       {&desktop, TInfoFolder::Desktop},
                                       {&sendTo, TInfoFolder::SendTo}});
    };
    EXPECT_EQ(folder(&startup), TInfoFolder::Startup);
    EXPECT_EQ(folder(&desktop), TInfoFolder::Desktop);
    EXPECT_EQ(folder(&sendTo), TInfoFolder::SendTo);
    EXPECT_EQ(folder(&other), TInfoFolder::None);
    EXPECT_EQ(folder(nullptr), TInfoFolder::None);
    // Two labels on one sender: the one tested first wins.
    EXPECT_EQ(FolderOfSender(&desktop, {{&startup, TInfoFolder::Startup},
                                        {&desktop, TInfoFolder::Desktop},
                                        {&desktop, TInfoFolder::SendTo}}),
              TInfoFolder::Desktop);
}

TEST(InfoLinks, ShortcutsAndFoldersAreFetchedAnewForEachClick)
{
    FakeShell shell;
    const std::wstring exe = L"C:\\Apps\\\x041A\\Other.exe";
    CreateShortcutIn(TInfoFolder::Desktop, exe, shell);
    CreateShortcutIn(TInfoFolder::Desktop, exe, shell);
    CreateShortcutIn(TInfoFolder::None, exe, shell);
    OpenFolder(TInfoFolder::ProgramFolder, exe, shell);
    OpenFolder(TInfoFolder::SendTo, exe, shell);
    OpenFolder(TInfoFolder::None, exe, shell);
    EXPECT_EQ(shell.Calls,
              (std::vector<std::wstring>{
                  L"folder 2", L"shortcut " + exe + L" | C:\\Users\\U\\Folder2\\ | Other",
                  L"folder 2", L"shortcut " + exe + L" | C:\\Users\\U\\Folder2\\ | Other",
                  L"open C:\\Apps\\\x041A\\ []", L"folder 3", L"open C:\\Users\\U\\Folder3\\ []"}));

    // A folder longer than the shell takes is refused with a message, never handed on.
    shell.Calls.clear();
    EXPECT_THROW(OpenFolder(TInfoFolder::Startup, exe, shell), TError);
    EXPECT_EQ(shell.Calls, (std::vector<std::wstring>{L"folder 1"}));
}

TEST(InfoLinks, MailFormAndOperatingSystemLine)
{
    EXPECT_EQ(MailForm(L"fernwick@korvale.example", L"Other.exe"),
              L"MailTo:fernwick@korvale.example?subject=from [Other.exe] user");
    EXPECT_EQ(MailForm(L"a%s@b", L"100%.exe"), L"MailTo:a%s@b?subject=from [100%.exe] user");

    EXPECT_EQ(WithoutFirstMicrosoft("Microsoft Windows XP Microsoft"), "Windows XP Microsoft");
    EXPECT_EQ(WithoutFirstMicrosoft("Microsoft Windows 98 SE "), "Windows 98 SE ");
    EXPECT_EQ(WithoutFirstMicrosoft("Windows NT Version 5.1 (Build 2600 : )"),
              "Windows NT Version 5.1 (Build 2600 : )");
    EXPECT_EQ(WithoutFirstMicrosoft("microsoft Windows"), "microsoft Windows");
    EXPECT_EQ(WithoutFirstMicrosoft("MicrosoftWindows"), "MicrosoftWindows");
    EXPECT_EQ(WithoutFirstMicrosoft("Microsoft Win32s"), "Win32s");
}

} // namespace
