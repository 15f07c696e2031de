// What the information window's links do, apart from the window and the shell. Paths are UTF-16,
// so the program works from a folder of any name.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

/// The folders the window's links open or write shortcuts into.
enum class TInfoFolder { None, Startup, Desktop, SendTo, ProgramFolder };

/// The shell as the window's links use it.
class IInfoShell {
public:
    virtual ~IInfoShell() = default;
    virtual void ShellOpen(const std::wstring& FileName, const std::wstring& Params) = 0;
    virtual bool ShowFileProperties(const std::wstring& FileName) = 0;
    /// The path of the Startup, Desktop or SendTo folder (GetStartupFolder and its kin).
    virtual void GetFolder(TInfoFolder Folder, std::wstring& Path) = 0;
    virtual void CreateShortcut(const std::wstring& Target, const std::wstring& Folder,
                                const std::wstring& LinkName) = 0;
};

/// The folder of the first label in InOrder that is Sender; None when there is none. The shared
/// click handlers tell their labels apart this way, in the order they list them.
TInfoFolder FolderOfSender(const void* Sender,
                           std::initializer_list<std::pair<const void*, TInfoFolder>> InOrder);

/// Writes a shortcut to the program (ExePath) into Folder, named after the program's base name;
/// the folder's path is asked for anew each time. None does nothing.
void CreateShortcutIn(TInfoFolder Folder, const std::wstring& ExePath, IInfoShell& Shell);

/// Opens Folder (ProgramFolder: the program's own, with its trailing "\") with the shell. A path
/// longer than the shell takes is refused with an error for the user, as the shell's open does
/// not report one.
void OpenFolder(TInfoFolder Folder, const std::wstring& ExePath, IInfoShell& Shell);

/// The mail form for the mail link: "MailTo:<address>?subject=from [<file name>] user".
std::wstring MailForm(const std::wstring& Address, const std::wstring& ExeFileName);

/// Text without its first "Microsoft " (case-sensitive); later ones stay.
std::string WithoutFirstMicrosoft(const std::string& Text);
