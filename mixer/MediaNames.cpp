#include "mixer/MediaNames.h"

#include <cwchar>
#include <memory>

#include "platform/Format.h"
#include "platform/WinHandles.h"
#include "platform/WinText.h"

namespace {

// No device's name is longer: a value above it is not read (16,384 UTF-16 characters).
constexpr DWORD kLargestNameBytes = 32 * 1024;

// The REG_SZ value "Name" of Key up to its first NUL, read in a buffer of the size the registry
// gives (asked again should the value grow in between); a value that ends without a NUL ends
// where the written bytes do. Nothing when it is missing, of another type or too large.
std::optional<std::wstring> ReadName(HKEY Key)
{
    DWORD type = 0;
    DWORD size = 0;
    LONG result = RegQueryValueExW(Key, L"Name", nullptr, &type, nullptr, &size);
    for (int attempt = 0; attempt < 3 && result == ERROR_SUCCESS; ++attempt) {
        if (type != REG_SZ || size > kLargestNameBytes)
            return std::nullopt;
        const size_t length = (size + sizeof(wchar_t) - 1) / sizeof(wchar_t);
        const std::unique_ptr<wchar_t[]> name(new wchar_t[length]);
        DWORD filled = static_cast<DWORD>(length * sizeof(wchar_t));
        result = RegQueryValueExW(Key, L"Name", nullptr, &type, reinterpret_cast<BYTE*>(name.get()),
                                  &filled);
        if (result == ERROR_MORE_DATA) {
            size = filled;
            result = ERROR_SUCCESS;
            continue;
        }
        if (result != ERROR_SUCCESS || type != REG_SZ)
            return std::nullopt;
        return std::wstring(name.get(), wcsnlen(name.get(), filled / sizeof(wchar_t)));
    }
    return std::nullopt;
}

} // namespace

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
    const std::optional<std::wstring> name = ReadName(category.get());
    if (!name || name->empty())
        return std::nullopt;
    return WideToUtf8(*name);
}
