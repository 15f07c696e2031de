// What the information window's links do, apart from the window and the shell. Paths are UTF-16,
// so the program works from a folder of any name.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "info/InfoPlatform.h"

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
