#include "info/InfoActions.h"

#include "info/PathRules.h"
#include "info/ShellRules.h"

TInfoFolder FolderOfSender(const void* Sender,
                           std::initializer_list<std::pair<const void*, TInfoFolder>> InOrder)
{
    for (const auto& [label, folder] : InOrder)
        if (label == Sender)
            return folder;
    return TInfoFolder::None;
}

void CreateShortcutIn(TInfoFolder Folder, const std::wstring& ExePath, IInfoShell& Shell)
{
    if (Folder == TInfoFolder::None)
        return;
    std::wstring path;
    Shell.GetFolder(Folder, path);
    Shell.CreateShortcut(ExePath, path, ExtractBaseName(ExePath));
}

void OpenFolder(TInfoFolder Folder, const std::wstring& ExePath, IInfoShell& Shell)
{
    if (Folder == TInfoFolder::None)
        return;
    std::wstring path;
    if (Folder == TInfoFolder::ProgramFolder)
        path = ExtractFilePath(ExePath);
    else
        Shell.GetFolder(Folder, path);
    RequireShellPath(path);
    Shell.ShellOpen(path, L"");
}

std::wstring MailForm(const std::wstring& Address, const std::wstring& ExeFileName)
{
    return L"MailTo:" + Address + L"?subject=from [" + ExeFileName + L"] user";
}

std::string WithoutFirstMicrosoft(const std::string& Text)
{
    static const std::string microsoft = "Microsoft ";
    std::string result = Text;
    const auto found = result.find(microsoft);
    if (found != std::string::npos)
        result.erase(found, microsoft.size());
    return result;
}
