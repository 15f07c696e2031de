// The Core Audio (Vista and later) endpoint calls the program uses, behind interfaces.
//
// CoreAudio.cpp passes each call to the system's MMDevice API unchanged; tests script endpoints
// of their own. Every call answers with the system's own HRESULT; what it hands back arrives in
// simple types (UTF-8 text, numbers, the bytes of a blob), so the portable side needs no COM.
// A value is written only when the call succeeded; a float output the call did not write comes
// back as kUnwritten.
#pragma once

#include <bit>
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

// AUDCLNT_S_NO_SINGLE_PROCESS: IAudioSessionControl2::GetProcessId's success for a session of
// several processes, which hands back the first of them. S_FALSE: a question answered "no".
inline constexpr HRESULT kNoSingleProcess = 0x0889000D, kAnsweredNo = 1;

// The ENDPOINT_HARDWARE_SUPPORT_ flags; the AudioSessionState values.
inline constexpr DWORD kHardwareVolume = 1, kHardwareMute = 2, kHardwareMeter = 4;
inline constexpr DWORD kSessionInactive = 0, kSessionActive = 1, kSessionExpired = 2;

/// What a float output holds after a call that did not write it: the Windows side sets it before
/// each call, since a stub may answer S_OK and write nothing (Wine's GetMasterVolumeLevelScalar
/// is a stub; Wine 8 writes 1.0 there whatever the level). A quiet NaN of the program's own
/// payload, so that a NaN a driver writes stays apart from it.
inline constexpr float kUnwritten = std::bit_cast<float>(std::uint32_t{0x7FC4B0D1});
inline bool IsUnwritten(float Value)
{
    return std::bit_cast<std::uint32_t>(Value) == std::bit_cast<std::uint32_t>(kUnwritten);
}

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

/// IAudioEndpointVolume
class IEndpointVolume {
public:
    virtual ~IEndpointVolume() = default;
    virtual HRESULT GetMasterVolumeLevel(float& Decibels) = 0;
    virtual HRESULT GetMasterVolumeLevelScalar(float& Scalar) = 0;
    virtual HRESULT GetVolumeRange(float& Minimum, float& Maximum, float& Increment) = 0;
    virtual HRESULT GetVolumeStepInfo(UINT& Step, UINT& Steps) = 0;
    virtual HRESULT GetMute(bool& Muted) = 0;
    virtual HRESULT GetChannelCount(UINT& Count) = 0;
    virtual HRESULT GetChannelVolumeLevel(UINT Channel, float& Decibels) = 0;
    virtual HRESULT GetChannelVolumeLevelScalar(UINT Channel, float& Scalar) = 0;
    /// The ENDPOINT_HARDWARE_SUPPORT_ flags.
    virtual HRESULT QueryHardwareSupport(DWORD& Mask) = 0;
};

/// IAudioMeterInformation
class IEndpointMeter {
public:
    virtual ~IEndpointMeter() = default;
    virtual HRESULT GetPeakValue(float& Peak) = 0;
};

/// IAudioSessionControl, and the IAudioSessionControl2 and ISimpleAudioVolume it answers for:
/// the calls on those are QueryInterface, then the call, with the first failure's code.
class IEndpointSession {
public:
    virtual ~IEndpointSession() = default;
    /// GetState: an AudioSessionState.
    virtual HRESULT GetState(DWORD& State) = 0;
    /// GetDisplayName, as UTF-8.
    virtual HRESULT GetDisplayName(std::string& Name) = 0;
    /// IAudioSessionControl2::GetProcessId: kNoSingleProcess for a session of several processes.
    virtual HRESULT GetProcessId(DWORD& ProcessId) = 0;
    /// IAudioSessionControl2::IsSystemSoundsSession: S_OK yes, kAnsweredNo no.
    virtual HRESULT IsSystemSoundsSession() = 0;
    /// ISimpleAudioVolume::GetMasterVolume
    virtual HRESULT GetMasterVolume(float& Scalar) = 0;
    /// ISimpleAudioVolume::GetMute
    virtual HRESULT GetMute(bool& Muted) = 0;
};

/// IAudioSessionEnumerator
class IEndpointSessions {
public:
    virtual ~IEndpointSessions() = default;
    virtual HRESULT GetCount(int& Count) = 0;
    virtual HRESULT GetSession(int Index, std::unique_ptr<IEndpointSession>& Session) = 0;
};

/// IAudioSessionManager2 (Windows 7 and later)
class IEndpointSessionManager {
public:
    virtual ~IEndpointSessionManager() = default;
    virtual HRESULT GetSessionEnumerator(std::unique_ptr<IEndpointSessions>& Sessions) = 0;
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
    /// Activate for IAudioEndpointVolume, IAudioMeterInformation or IAudioSessionManager2.
    virtual HRESULT ActivateVolume(std::unique_ptr<IEndpointVolume>& Volume) = 0;
    virtual HRESULT ActivateMeter(std::unique_ptr<IEndpointMeter>& Meter) = 0;
    virtual HRESULT ActivateSessions(std::unique_ptr<IEndpointSessionManager>& Sessions) = 0;
};

/// IMMDeviceCollection
class IEndpointCollection {
public:
    virtual ~IEndpointCollection() = default;
    virtual HRESULT GetCount(UINT& Count) = 0;
    virtual HRESULT Item(UINT Index, std::unique_ptr<IEndpointDevice>& Device) = 0;
};

/// IMMDeviceEnumerator, and the process look-up the audio sessions need.
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
    /// The full path of a process's program file, as UTF-8: OpenProcess for
    /// PROCESS_QUERY_LIMITED_INFORMATION, then QueryFullProcessImageNameW (Vista and later, found
    /// at run time); the first failure's code.
    virtual HRESULT GetProgramFile(DWORD ProcessId, std::string& Path) = 0;
};
