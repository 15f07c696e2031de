#include "info/ShellRules.h"

#include "info/ExePath.h"
#include "platform/Format.h"

std::string ShellOpenDirectory(const std::string& FileName, const IAnsiCodePage& CodePage)
{
    return ExtractFilePath(FileName, CodePage);
}

std::string ShortcutPath(const std::string& Folder, const std::string& LinkName,
                         const IAnsiCodePage& CodePage)
{
    return Format("%s\\%s.lnk", WithoutTrailingBackslash(Folder, CodePage).c_str(),
                  LinkName.c_str());
}

std::string ShortcutWorkingDirectory(const std::string& Target, const IAnsiCodePage& CodePage)
{
    return ExtractFileDir(Target, CodePage);
}

POINT CenteredPosition(const RECT& WorkArea, LONG Width, LONG Height)
{
    // Placed on the work area itself, which need not start at the screen's origin (a taskbar on
    // the left or at the top moves it).
    POINT position;
    position.x = WorkArea.left + (WorkArea.right - WorkArea.left - Width) / 2;
    position.y = WorkArea.top + (WorkArea.bottom - WorkArea.top - Height) / 2;
    return position;
}
