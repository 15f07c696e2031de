// What the information window's links do: which label a shared handler takes a click for, and
// what it asks of the shell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "info/InfoActions.h"
#include "InfoFakes.h"

namespace {

class FakeShell : public IInfoShell {
public:
    std::vector<std::string> Calls;

    void ShellOpen(const std::string& FileName, const std::string& Params) override
    {
        Calls.push_back("open " + FileName + " [" + Params + "]");
    }
    bool ShowFileProperties(const std::string& FileName) override
    {
        Calls.push_back("properties " + FileName);
        return true;
    }
    void GetFolder(TInfoFolder Folder, std::string& Path) override
    {
        Calls.push_back("folder " + std::to_string(static_cast<int>(Folder)));
        Path = "C:\\Users\\U\\Folder" + std::to_string(static_cast<int>(Folder)) + "\\";
    }
    void CreateShortcut(const std::string& Target, const std::string& Folder,
                        const std::string& LinkName) override
    {
        Calls.push_back("shortcut " + Target + " | " + Folder + " | " + LinkName);
    }
};

TEST(FolderOfSender, TakesTheFirstLabelThatIsTheSender)
{
    const int startup = 0, desktop = 0, sendTo = 0, other = 0; // four labels: only their addresses count
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
    const TestCodePage1252 codePage;
    FakeShell shell;
    CreateShortcutIn(TInfoFolder::Desktop, "C:\\Apps\\Other.exe", shell, codePage);
    CreateShortcutIn(TInfoFolder::Desktop, "C:\\Apps\\Other.exe", shell, codePage);
    CreateShortcutIn(TInfoFolder::None, "C:\\Apps\\Other.exe", shell, codePage);
    OpenFolder(TInfoFolder::ProgramFolder, "C:\\Apps\\Other.exe", shell, codePage);
    OpenFolder(TInfoFolder::SendTo, "C:\\Apps\\Other.exe", shell, codePage);
    OpenFolder(TInfoFolder::None, "C:\\Apps\\Other.exe", shell, codePage);
    EXPECT_EQ(shell.Calls,
              (std::vector<std::string>{
                  "folder 2", "shortcut C:\\Apps\\Other.exe | C:\\Users\\U\\Folder2\\ | Other",
                  "folder 2", "shortcut C:\\Apps\\Other.exe | C:\\Users\\U\\Folder2\\ | Other",
                  "open C:\\Apps\\ []", "folder 3", "open C:\\Users\\U\\Folder3\\ []"}));
}

TEST(InfoLinks, MailFormAndOperatingSystemLine)
{
    EXPECT_EQ(MailForm("fernwick@korvale.example", "Other.exe"),
              "MailTo:fernwick@korvale.example?subject=from [Other.exe] user");
    EXPECT_EQ(MailForm("a%s@b", "100%.exe"), "MailTo:a%s@b?subject=from [100%.exe] user");

    EXPECT_EQ(WithoutFirstMicrosoft("Microsoft Windows XP Microsoft"), "Windows XP Microsoft");
    EXPECT_EQ(WithoutFirstMicrosoft("Microsoft Windows 98 SE "), "Windows 98 SE ");
    EXPECT_EQ(WithoutFirstMicrosoft("Windows NT Version 5.1 (Build 2600 : )"),
              "Windows NT Version 5.1 (Build 2600 : )");
    EXPECT_EQ(WithoutFirstMicrosoft("microsoft Windows"), "microsoft Windows");
    EXPECT_EQ(WithoutFirstMicrosoft("MicrosoftWindows"), "MicrosoftWindows");
    EXPECT_EQ(WithoutFirstMicrosoft("Microsoft Win32s"), "Win32s");
}

} // namespace
