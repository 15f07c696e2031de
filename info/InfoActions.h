// What the information window's links do, apart from the window and the shell.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "info/InfoPlatform.h"

/// The folders the window's links open or write shortcuts into.
enum class TInfoFolder { None, Startup, Desktop, SendTo, ProgramFolder };

/// The shell as the window's links use it.
class IInfoShell {
public:
    virtual ~IInfoShell() = default;
    virtual void ShellOpen(const std::string& FileName, const std::string& Params) = 0;
    virtual bool ShowFileProperties(const std::string& FileName) = 0;
    /// The path of the Startup, Desktop or SendTo folder (GetStartupFolder and its kin).
    virtual void GetFolder(TInfoFolder Folder, std::string& Path) = 0;
    virtual void CreateShortcut(const std::string& Target, const std::string& Folder,
                                const std::string& LinkName) = 0;
};

/// The folder of the first label in InOrder that is Sender; None when there is none. The shared
/// click handlers tell their labels apart this way, in the order they list them.
TInfoFolder FolderOfSender(const void* Sender,
                           std::initializer_list<std::pair<const void*, TInfoFolder>> InOrder);

/// Writes a shortcut to the program (ExePath) into Folder, named after the program's base name;
/// the folder's path is asked for anew each time. None does nothing.
void CreateShortcutIn(TInfoFolder Folder, const std::string& ExePath, IInfoShell& Shell,
                      const IAnsiCodePage& CodePage);

/// Opens Folder (ProgramFolder: the program's own, with its trailing "\") with the shell.
void OpenFolder(TInfoFolder Folder, const std::string& ExePath, IInfoShell& Shell,
                const IAnsiCodePage& CodePage);

/// The mail form for the mail link: "MailTo:<address>?subject=from [<file name>] user".
std::string MailForm(const std::string& Address, const std::string& ExeFileName);

/// Text without its first "Microsoft " (case-sensitive); later ones stay.
std::string WithoutFirstMicrosoft(const std::string& Text);
