#include "info/Info.h"

#include <objbase.h>

#include <vector>

#include "info/ExePath.h"
#include "info/SystemPlatform.h"
#include "platform/WinText.h"

TInfoUnit::TInfoUnit() : m_comInitialized(SUCCEEDED(CoInitialize(nullptr)))
{
}

TInfoUnit::~TInfoUnit()
{
    // Only a successful CoInitialize is balanced by a CoUninitialize.
    if (m_comInitialized)
        CoUninitialize();
}

std::string ExePath()
{
    // Paths may be longer than MAX_PATH: grow the buffer until the whole path fits.
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

std::string ExeFileName()
{
    return ExtractFileName(ExePath(), SystemCodePage());
}

std::string ExeFolder()
{
    return ExtractFilePath(ExePath(), SystemCodePage());
}

std::string ExeBaseName()
{
    return ExtractBaseName(ExePath(), SystemCodePage());
}

void GetVersionInfoValue(const std::string& Key, const std::string& FileName, std::string& Value)
{
    GetVersionInfoValue(SystemVersionResources(), Key, FileName, Value);
}

std::string VersionCaptionOf(const std::string& ExePath, const std::string& FormName)
{
    std::string fileVersion;
    GetVersionInfoValue(kVerFileVersion, ExePath, fileVersion);
    return VersionCaption(ApplicationTitle(ExePath, SystemCodePage()), fileVersion, FormName);
}

void SetVersionCaption(HWND Form, const std::string& FormName)
{
    SetWindowTextW(Form, AnsiToWide(VersionCaptionOf(ExePath(), FormName)).c_str());
}

void GetOSDescription(std::string& S)
{
    GetOSDescription(SystemOsQueries(), S);
}

void GetFullOSDescription(std::string& S)
{
    GetFullOSDescription(SystemOsQueries(), S);
}

void GetShortOSDescription(std::string& S)
{
    GetShortOSDescription(SystemOsQueries(), S);
}
