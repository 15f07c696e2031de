#include "mixer/MediaNames.h"

#include <cwchar>

#include "platform/Format.h"
#include "platform/WinHandles.h"
#include "platform/WinText.h"

std::optional<std::string> RegistryMediaNames::NameOf(const GUID& Guid)
{
    const std::string key = Format("SYSTEM\\CurrentControlSet\\Control\\MediaCategories\\"
                                   "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                                   static_cast<unsigned long>(Guid.Data1), Guid.Data2, Guid.Data3,
                                   Guid.Data4[0], Guid.Data4[1], Guid.Data4[2], Guid.Data4[3],
                                   Guid.Data4[4], Guid.Data4[5], Guid.Data4[6], Guid.Data4[7]);
    UniqueKey category;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_QUERY_VALUE, category.put()) !=
        ERROR_SUCCESS)
        return std::nullopt;
    wchar_t name[256] = {};
    DWORD type = 0;
    DWORD size = sizeof name - sizeof name[0]; // room for a NUL the value may lack
    if (RegQueryValueExW(category.get(), L"Name", nullptr, &type, reinterpret_cast<BYTE*>(name),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    const std::wstring text(name, wcsnlen(name, size / sizeof name[0]));
    if (text.empty())
        return std::nullopt;
    return WideToUtf8(text);
}
