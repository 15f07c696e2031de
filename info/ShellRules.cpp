#include "info/ShellRules.h"

#include "info/PathRules.h"
#include "platform/Error.h"
#include "platform/Rect.h"

void RequireShellPath(const std::wstring& Path)
{
    if (Path.size() > kLongestShellPath)
        throw TError("The path is too long for the Windows shell: " + std::to_string(Path.size()) +
                     " characters, where it takes " + std::to_string(kLongestShellPath) +
                     " at most.");
}

std::wstring ShellOpenDirectory(const std::wstring& FileName)
{
    return ExtractFilePath(FileName);
}

std::wstring ShortcutPath(const std::wstring& Folder, const std::wstring& LinkName)
{
    return WithoutTrailingBackslash(Folder) + L"\\" + LinkName + L".lnk";
}

std::wstring ShortcutWorkingDirectory(const std::wstring& Target)
{
    return ExtractFileDir(Target);
}

POINT CenteredPosition(const RECT& WorkArea, LONG FrameWidth, LONG FrameHeight)
{
    // Placed on the work area itself, which need not start at the screen's origin (a taskbar on
    // the left or at the top moves it).
    POINT position;
    position.x = WorkArea.left + (Width(WorkArea) - FrameWidth) / 2;
    position.y = WorkArea.top + (Height(WorkArea) - FrameHeight) / 2;
    return position;
}
