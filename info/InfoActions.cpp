#include "info/InfoActions.h"

#include "info/ExePath.h"
#include "platform/Format.h"

TInfoFolder FolderOfSender(const void* Sender,
                           std::initializer_list<std::pair<const void*, TInfoFolder>> InOrder)
{
    for (const auto& [label, folder] : InOrder)
        if (label == Sender)
            return folder;
    return TInfoFolder::None;
}

void CreateShortcutIn(TInfoFolder Folder, const std::string& ExePath, IInfoShell& Shell,
                      const IAnsiCodePage& CodePage)
{
    if (Folder == TInfoFolder::None)
        return;
    std::string path;
    Shell.GetFolder(Folder, path);
    Shell.CreateShortcut(ExePath, path, ExtractBaseName(ExePath, CodePage));
}

void OpenFolder(TInfoFolder Folder, const std::string& ExePath, IInfoShell& Shell,
                const IAnsiCodePage& CodePage)
{
    if (Folder == TInfoFolder::None)
        return;
    std::string path;
    if (Folder == TInfoFolder::ProgramFolder)
        path = ExtractFilePath(ExePath, CodePage);
    else
        Shell.GetFolder(Folder, path);
    Shell.ShellOpen(path, "");
}

std::string MailForm(const std::string& Address, const std::string& ExeFileName)
{
    return Format("MailTo:%s?subject=from [%s] user", Address.c_str(), ExeFileName.c_str());
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
