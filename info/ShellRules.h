// The decisions behind the shell routines, apart from the shell itself. Paths are UTF-16, as the
// shell's wide calls take them, so a path in any script reaches the shell as it is.
#pragma once

#include <string>

#include "platform/WinCompat.h"

/// The longest path the shell's calls take, in UTF-16 code units: MAX_PATH less its NUL.
constexpr std::size_t kLongestShellPath = 259;

/// Throws TError with a message for the user when Path is longer than the shell
/// takes: the shell would cut it, or worse, rather than refuse it.
void RequireShellPath(const std::wstring& Path);

/// The directory ShellOpen hands the shell with FileName: everything up to and including its last
/// "\" or ":" ("C:\Dir\Sub" gives "C:\Dir\", "MailTo:x@y" gives "MailTo:").
std::wstring ShellOpenDirectory(const std::wstring& FileName);

/// The file a shortcut named LinkName is written to in Folder: "<folder>\<name>.lnk", with one
/// trailing backslash of Folder dropped so it is not doubled.
std::wstring ShortcutPath(const std::wstring& Folder, const std::wstring& LinkName);

/// The working directory of a shortcut to Target: Target's folder, "C:\" for a drive's root.
std::wstring ShortcutWorkingDirectory(const std::wstring& Target);

/// Where a FrameWidth x FrameHeight window goes to be centred on WorkArea (halves truncated
/// toward zero, so a window larger than the work area starts before it).
POINT CenteredPosition(const RECT& WorkArea, LONG FrameWidth, LONG FrameHeight);
