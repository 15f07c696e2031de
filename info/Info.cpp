#include "info/Info.h"

#include <objbase.h>

#include <vector>

#include "info/PathRules.h"
#include "info/SystemPlatform.h"

TInfoUnit::TInfoUnit() : m_comInitialized(SUCCEEDED(CoInitialize(nullptr))) {}

TInfoUnit::~TInfoUnit()
{
    // Only a successful CoInitialize is balanced by a CoUninitialize.
    if (m_comInitialized)
        CoUninitialize();
}

std::wstring ExePath()
{
    // Paths may be longer than MAX_PATH: grow the buffer until the whole path fits.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

std::wstring ExeFileName()
{
    return ExtractFileName(ExePath());
}

void GetVersionInfoValue(const std::string& Key, const std::wstring& FileName, std::wstring& Value)
{
    GetVersionInfoValue(SystemVersionResources(), Key, FileName, Value);
}

std::wstring VersionCaptionOf(const std::wstring& ExePath, const std::wstring& FormName)
{
    std::wstring fileVersion;
    GetVersionInfoValue(kVerFileVersion, ExePath, fileVersion);
    const auto toLower = [](const std::wstring& Text) {
        std::wstring lower = Text;
        if (!lower.empty())
            CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
        return lower;
    };
    return VersionCaption(ApplicationTitle(ExePath, toLower), fileVersion, FormName);
}

void SetVersionCaption(HWND Form, const std::wstring& FormName)
{
    SetWindowTextW(Form, VersionCaptionOf(ExePath(), FormName).c_str());
}

void GetOSDescription(std::string& S)
{
    GetOSDescription(SystemOsQueries(), S);
}
