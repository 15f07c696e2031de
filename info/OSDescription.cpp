#include "info/OSDescription.h"

#include <algorithm>
#include <vector>

#include "platform/RecordText.h"
#include "platform/Format.h"

namespace {

const char kProductOptionsKey[] = "SYSTEM\\CurrentControlSet\\Control\\ProductOptions";
const char kServicePack6aKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009";
constexpr DWORD kProductTypeBufferSize = 255;

bool IsVersion(const OSVERSIONINFOEXA& Info, DWORD Major, DWORD Minor)
{
    return Info.dwMajorVersion == Major && Info.dwMinorVersion == Minor;
}

// A registry key opened through the seam, closed on every path out.
class TRegistryKey {
public:
    TRegistryKey(IOsQueries& Os, const char* SubKey) : m_os(Os)
    {
        m_open = Os.OpenKey(HKEY_LOCAL_MACHINE, SubKey, KEY_QUERY_VALUE, &m_key) == ERROR_SUCCESS;
    }
    ~TRegistryKey()
    {
        if (m_open)
            m_os.CloseKey(m_key);
    }
    TRegistryKey(const TRegistryKey&) = delete;
    TRegistryKey& operator=(const TRegistryKey&) = delete;

    bool IsOpen() const { return m_open; }
    HKEY Get() const { return m_key; }

private:
    IOsQueries& m_os;
    HKEY m_key = nullptr;
    bool m_open = false;
};

// The 95, 98 and Me family; "Unknown" for any other version of it.
std::string Windows9xName(const OSVERSIONINFOEXA& Info)
{
    // The second character of the service-pack text marks the second editions.
    const char edition = Info.szCSDVersion[1];
    if (IsVersion(Info, 4, 0))
        return edition == 'C' || edition == 'B' ? "Microsoft Windows 95 OSR2 "
                                                : "Microsoft Windows 95 ";
    if (IsVersion(Info, 4, 10))
        return edition == 'A' ? "Microsoft Windows 98 SE " : "Microsoft Windows 98 ";
    if (IsVersion(Info, 4, 90))
        return "Microsoft Windows Millennium Edition";
    return "Unknown";
}

std::string NtProductName(const OSVERSIONINFOEXA& Info)
{
    if (IsVersion(Info, 5, 2))
        return "Microsoft Windows .NET Server 2003 family, ";
    if (IsVersion(Info, 5, 1))
        return "Microsoft Windows XP ";
    if (IsVersion(Info, 5, 0))
        return "Microsoft Windows 2000 ";
    if (Info.dwMajorVersion <= 4)
        return "Microsoft Windows NT ";
    return "Windows NT product family? ";
}

// The edition from the product type and suite of the extended record.
std::string NtEdition(const OSVERSIONINFOEXA& Info)
{
    const WORD suite = Info.wSuiteMask;
    if (Info.wProductType == VER_NT_WORKSTATION) {
        if (Info.dwMajorVersion == 4)
            return "Workstation 4.0 ";
        return suite & VER_SUITE_PERSONAL ? "Home Edition " : "Professional ";
    }
    if (Info.wProductType != VER_NT_SERVER)
        return "";
    if (IsVersion(Info, 5, 2)) {
        if (suite & VER_SUITE_DATACENTER)
            return "Datacenter Edition ";
        if (suite & VER_SUITE_ENTERPRISE)
            return "Enterprise Edition ";
        return suite == VER_SUITE_BLADE ? "Web Edition " : "Standard Edition ";
    }
    if (IsVersion(Info, 5, 0)) {
        if (suite & VER_SUITE_DATACENTER)
            return "Datacenter Server ";
        return suite & VER_SUITE_ENTERPRISE ? "Advanced Server " : "Server ";
    }
    return suite & VER_SUITE_ENTERPRISE ? "Server 4.0, Enterprise Edition " : "Server 4.0 ";
}

// The edition from the registry, for systems that refuse the extended record. False when the
// registry cannot tell: the description then ends with the product name.
bool AppendRegistryEdition(IOsQueries& Os, const OSVERSIONINFOEXA& Info, std::string& S)
{
    std::vector<BYTE> buffer(kProductTypeBufferSize);
    DWORD size = kProductTypeBufferSize;
    {
        TRegistryKey key(Os, kProductOptionsKey);
        if (!key.IsOpen())
            return false;
        if (Os.QueryValue(key.Get(), "ProductType", nullptr, buffer.data(), &size) != ERROR_SUCCESS)
            return false;
    }
    // Up to the value's NUL, and never past what was read or past the buffer.
    const auto end = buffer.begin() + std::min<DWORD>(size, kProductTypeBufferSize);
    std::string productType(buffer.begin(), std::find(buffer.begin(), end, BYTE{0}));
    for (char& character : productType)
        if (character >= 'a' && character <= 'z')
            character = static_cast<char>(character - 'a' + 'A');

    if (productType == "WINNT")
        S += "Workstation ";
    else if (productType == "LANMANNT")
        S += "Server ";
    else if (productType == "SERVERNT")
        S += "Advanced Server ";
    S += Format("%d.%d ", Signed32(Info.dwMajorVersion), Signed32(Info.dwMinorVersion));
    return true;
}

std::string ServicePackAndBuild(IOsQueries& Os, const OSVERSIONINFOEXA& Info)
{
    const std::string servicePack = FixedText(Info.szCSDVersion);
    const int build = Signed32(Info.dwBuildNumber & 0xFFFF);
    if (Info.dwMajorVersion == 4 && Os.CompareNoCase(servicePack.c_str(), "Service Pack 6") == 0) {
        // Service Pack 6a is Service Pack 6 with this hotfix.
        TRegistryKey hotfix(Os, kServicePack6aKey);
        if (hotfix.IsOpen())
            return Format("Service Pack 6a (Build %d)", build);
    }
    return Format("%s (Build %d)", servicePack.c_str(), build);
}

} // namespace

void GetOSDescription(IOsQueries& Os, std::string& S)
{
    try {
        GetFullOSDescription(Os, S);
        return;
    } catch (...) {
    }
    try {
        GetShortOSDescription(Os, S);
        return;
    } catch (...) {
    }
    S = "Microsoft Windows";
}

void GetFullOSDescription(IOsQueries& Os, std::string& S)
{
    S = "Unknown";
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = sizeof info;
    const bool extended = Os.QueryVersion(reinterpret_cast<OSVERSIONINFOA*>(&info));
    if (!extended) {
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!Os.QueryVersion(reinterpret_cast<OSVERSIONINFOA*>(&info)))
            return;
    }
    switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
        S = "Microsoft Win32s";
        return;
    case VER_PLATFORM_WIN32_WINDOWS:
        S = Windows9xName(info);
        return;
    case VER_PLATFORM_WIN32_NT:
        break;
    default:
        return;
    }
    S = NtProductName(info);
    if (extended)
        S += NtEdition(info);
    else if (!AppendRegistryEdition(Os, info, S))
        return;
    S += ServicePackAndBuild(Os, info);
}

void GetShortOSDescription(IOsQueries& Os, std::string& S)
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    Os.QueryVersion(&info);
    std::string name;
    PlatformName(info.dwPlatformId, name);
    S = Format("%s Version %d.%d (Build %d : %s)", name.c_str(), Signed32(info.dwMajorVersion),
               Signed32(info.dwMinorVersion), Signed32(info.dwBuildNumber),
               FixedText(info.szCSDVersion).c_str());
}

void PlatformName(DWORD PlatformId, std::string& Name)
{
    switch (PlatformId) {
    case VER_PLATFORM_WIN32s:
        Name = "Windows 3.1";
        break;
    case VER_PLATFORM_WIN32_WINDOWS:
        Name = "Windows 95";
        break;
    case VER_PLATFORM_WIN32_NT:
        Name = "Windows NT";
        break;
    default:
        break;
    }
}
