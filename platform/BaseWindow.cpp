#include "platform/BaseWindow.h"

#include "platform/WinText.h"

void ShowErrorMessage(HWND Owner, const std::string& Message)
{
    const HWND root = Owner ? GetAncestor(Owner, GA_ROOT) : nullptr;
    MessageBoxW(root, Utf8ToWide(Message).c_str(), L"Korvale", MB_OK | MB_ICONERROR);
}
