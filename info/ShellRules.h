// The decisions behind the shell routines, apart from the shell itself.
#pragma once

#include <string>

#include "info/InfoPlatform.h"

/// The directory ShellOpen hands the shell with FileName: everything up to and including its last
/// "\" or ":" ("C:\Dir\Sub" gives "C:\Dir\", "MailTo:x@y" gives "MailTo:").
std::string ShellOpenDirectory(const std::string& FileName, const IAnsiCodePage& CodePage);

/// The file a shortcut named LinkName is written to in Folder: "<folder>\<name>.lnk", with one
/// trailing backslash of Folder dropped so it is not doubled.
std::string ShortcutPath(const std::string& Folder, const std::string& LinkName,
                         const IAnsiCodePage& CodePage);

/// The working directory of a shortcut to Target: Target's folder, "C:\" for a drive's root.
std::string ShortcutWorkingDirectory(const std::string& Target, const IAnsiCodePage& CodePage);

/// Where a Width x Height window goes to be centred on WorkArea (halves truncated toward zero,
/// so a window larger than the work area starts before it).
POINT CenteredPosition(const RECT& WorkArea, LONG Width, LONG Height);
