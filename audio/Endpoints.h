// The Core Audio (Vista and later) endpoint calls the program uses, behind interfaces.
//
// CoreAudio.cpp passes each call to the system's MMDevice API unchanged; tests script endpoints
// of their own. Every call answers with the system's own HRESULT; what it hands back arrives in
// simple types (UTF-8 text, numbers, the bytes of a blob), so the portable side needs no COM.
// A value is written only when the call succeeded.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/WinCompat.h"

// EDataFlow, ERole and the DEVICE_STATE_ flags, as the MMDevice API numbers them.
inline constexpr DWORD kFlowRender = 0, kFlowCapture = 1;
inline constexpr DWORD kRoleConsole = 0, kRoleMultimedia = 1, kRoleCommunications = 2;
inline constexpr DWORD kFlows = 2, kRoles = 3;
inline constexpr DWORD kStateActive = 1, kStateDisabled = 2, kStateNotPresent = 4,
                       kStateUnplugged = 8;

/// The property keys read from an endpoint's property store.
enum class TEndpointKey {
    FriendlyName,          // PKEY_Device_FriendlyName
    DeviceDesc,            // PKEY_Device_DeviceDesc
    InterfaceFriendlyName, // PKEY_DeviceInterface_FriendlyName
    FormFactor,            // PKEY_AudioEndpoint_FormFactor
    DeviceFormat,          // PKEY_AudioEngine_DeviceFormat
};

// The PROPVARIANT types the program reads; any other is kept as its number only.
inline constexpr WORD kTypeEmpty = 0, kTypeUInt32 = 19, kTypeWideText = 31, kTypeBlob = 65;

/// A PROPVARIANT's type and, for the types above, its value.
struct TPropertyValue {
    WORD Type = kTypeEmpty;
    std::string Text;               // VT_LPWSTR, as UTF-8
    DWORD Number = 0;               // VT_UI4
    std::vector<std::uint8_t> Blob; // VT_BLOB, exactly its cbSize bytes
};

/// IPropertyStore
class IEndpointProperties {
public:
    virtual ~IEndpointProperties() = default;
    /// GetValue
    virtual HRESULT GetValue(TEndpointKey Key, TPropertyValue& Value) = 0;
};

/// IMMDevice, and the IMMEndpoint it answers for.
class IEndpointDevice {
public:
    virtual ~IEndpointDevice() = default;
    /// GetId, as UTF-8.
    virtual HRESULT GetId(std::string& Id) = 0;
    /// GetState: one of the DEVICE_STATE_ flags.
    virtual HRESULT GetState(DWORD& State) = 0;
    /// QueryInterface for IMMEndpoint, then its GetDataFlow: the first failure's code.
    virtual HRESULT GetDataFlow(DWORD& Flow) = 0;
    /// OpenPropertyStore(STGM_READ)
    virtual HRESULT OpenPropertyStore(std::unique_ptr<IEndpointProperties>& Store) = 0;
};

/// IMMDeviceCollection
class IEndpointCollection {
public:
    virtual ~IEndpointCollection() = default;
    virtual HRESULT GetCount(UINT& Count) = 0;
    virtual HRESULT Item(UINT Index, std::unique_ptr<IEndpointDevice>& Device) = 0;
};

/// IMMDeviceEnumerator
class IEndpointEnumerator {
public:
    virtual ~IEndpointEnumerator() = default;
    /// CoCreateInstance of CLSID_MMDeviceEnumerator (COM initialised first where it is not).
    virtual HRESULT Create() = 0;
    /// EnumAudioEndpoints(eAll, DEVICE_STATEMASK_ALL)
    virtual HRESULT EnumAudioEndpoints(std::unique_ptr<IEndpointCollection>& Collection) = 0;
    /// GetDefaultAudioEndpoint
    virtual HRESULT GetDefaultAudioEndpoint(DWORD Flow, DWORD Role,
                                            std::unique_ptr<IEndpointDevice>& Device) = 0;
};
