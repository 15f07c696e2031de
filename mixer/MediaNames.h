// Where Windows keeps the full names of devices whose name is cut at 31 characters: the name
// GUID of the extended capabilities, looked up under the registry's media categories.
#pragma once

#include <optional>
#include <string>

#include "platform/WinCompat.h"

class IMediaNames {
public:
    virtual ~IMediaNames() = default;
    /// The name registered for Guid (UTF-8); nothing when there is none.
    virtual std::optional<std::string> NameOf(const GUID& Guid) = 0;
};

/// Names for none: where the registry is not to be asked.
inline IMediaNames& NoMediaNames()
{
    struct TNoNames final : IMediaNames {
        std::optional<std::string> NameOf(const GUID&) override { return std::nullopt; }
    };
    static TNoNames none;
    return none;
}

#ifdef _WIN32
/// The Name value of the GUID's key under
/// HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\MediaCategories.
class RegistryMediaNames final : public IMediaNames {
public:
    std::optional<std::string> NameOf(const GUID& Guid) override;
};
#endif
