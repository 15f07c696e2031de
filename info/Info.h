// Unit Info: the routines behind the information window, on the running Windows.
//
// The decisions live in the portable files beside this one (VersionInfo, OSDescription,
// PathRules, ShellRules), which take the platform as a parameter; here they meet the system.
#pragma once

#include <windows.h>

#include <string>

#include "info/OSDescription.h"
#include "info/VersionInfo.h"

/// Unit Info's start and end, for the program's lifetime: COM for the program's one thread (a
/// single-threaded apartment), which the shortcuts need, from before the first window to the end.
class TInfoUnit {
public:
    TInfoUnit();
    ~TInfoUnit();
    TInfoUnit(const TInfoUnit&) = delete;
    TInfoUnit& operator=(const TInfoUnit&) = delete;

private:
    bool m_comInitialized;
};

// The running executable's full path and the names derived from it, in UTF-16: the program may
// lie in a folder whose name the system's ANSI code page cannot write.
std::wstring ExePath();
std::wstring ExeFileName();

/// The string value Key of FileName's version resource (see the portable routine), in UTF-16 for
/// display: the value in its own characters on every system.
void GetVersionInfoValue(const std::string& Key, const std::wstring& FileName, std::wstring& Value);
/// The information window's caption for the executable at ExePath: its title and file version.
std::wstring VersionCaptionOf(const std::wstring& ExePath, const std::wstring& FormName);
/// Gives Form the caption "<application title> Ver.<file version> - <FormName>".
void SetVersionCaption(HWND Form, const std::wstring& FormName);

/// The one line that names the running Windows (see OSDescription).
void GetOSDescription(std::string& S);

// The shell routines take and give UTF-16 paths, and refuse (with TError and a
// message for the user) a path longer than the shell takes, rather than pass it on.

/// Opens FileName (a document, folder or address) with the shell's default action; what the shell
/// shows for it is owned by Owner. Nothing is reported: a click that cannot be served does
/// nothing. An empty FileName does nothing.
void ShellOpen(HWND Owner, const std::wstring& FileName, const std::wstring& Params);
/// Shows the shell's properties sheet of FileName, owned by Owner; returns what the shell said.
bool ShowFileProperties(HWND Owner, const std::wstring& FileName);

/// The file-system path of a shell folder (a CSIDL value); empty when it has none.
void GetSpecialFolderPath(int FolderId, std::wstring& Path);
void GetStartupFolder(std::wstring& Path);
void GetDesktopFolder(std::wstring& Path);
void GetSendToFolder(std::wstring& Path);

/// Writes the shortcut "<Folder>\<LinkName>.lnk" to Target, with the arguments "/starup" and
/// Target's folder as working directory, replacing one of that name. Throws TError
/// with the system's message when it cannot, and when Folder is empty (a shell folder that could
/// not be found), without writing anything. Needs COM initialised on the thread.
void CreateShortcut(const std::wstring& Target, const std::wstring& Folder,
                    const std::wstring& LinkName);

/// Centres Form on the desktop's work area.
void CenterOnWorkArea(HWND Form);
