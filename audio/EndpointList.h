// Every Core Audio endpoint in every state, with its identifier, state, data flow, properties
// and the roles it is the default for, and for an active endpoint its volume, peak and audio
// sessions: what the console tool's --endpoints shows. A failed call is kept at the node where it
// happened and the walk goes on with the next node. Each value is there only when a call wrote it.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "audio/Endpoints.h"

class TJsonWriter;

/// A call that failed, by name, with its HRESULT, or kNotWritten.
struct TEndpointFailure {
    std::string Call;
    HRESULT Code = 0;
};

/// The code kept for a call that answered with success but left a float output unwritten: an
/// HRESULT with the customer bit set, which no system call returns.
inline constexpr HRESULT kNotWritten = static_cast<HRESULT>(0xA0000001);

/// A channel's level, from IAudioEndpointVolume::GetChannelVolumeLevel and ...Scalar.
struct TChannelVolume {
    std::optional<float> Decibels, Scalar;
};

/// IAudioEndpointVolume's answers; a failed call's failure is kept at the endpoint.
struct TEndpointVolume {
    std::optional<float> Decibels, Scalar; // GetMasterVolumeLevel, GetMasterVolumeLevelScalar
    struct TRange {
        float Minimum, Maximum, Increment; // decibels
    };
    std::optional<TRange> Range;
    struct TStep {
        UINT Step, Steps;
    };
    std::optional<TStep> Step;
    std::optional<bool> Muted;
    std::optional<UINT> ChannelCount;
    /// The first kMostChannels channels of ChannelCount, in order.
    std::vector<TChannelVolume> Channels;
    std::optional<DWORD> HardwareSupport; // the ENDPOINT_HARDWARE_SUPPORT_ flags
};

/// The channels read of one endpoint: more would be a count no device has.
inline constexpr UINT kMostChannels = 256;
/// The most sessions of an endpoint read: a count beyond is a driver's garbage.
inline constexpr int kMostSessions = 1024;
/// The most endpoints read: Windows keeps every endpoint it has seen, but not this many; a count
/// beyond is garbage, which must not cost a node (and a call) for each of up to 4 billion.
inline constexpr UINT kMostEndpoints = 4096;
/// E_NOINTERFACE
inline constexpr HRESULT kNoInterface = static_cast<HRESULT>(0x80004002);

/// An audio session of an endpoint, from IAudioSessionEnumerator::GetSession.
struct TSessionNode {
    int Index = 0;
    std::optional<DWORD> State; // an AudioSessionState
    /// 0 for a session of no process; with SeveralProcesses, the first of the session's processes.
    std::optional<DWORD> ProcessId;
    bool SeveralProcesses = false;
    std::optional<std::string> ProgramFile; // asked only of a session of one process
    std::optional<std::string> DisplayName;
    std::optional<bool> SystemSounds;
    std::optional<float> Volume; // ISimpleAudioVolume::GetMasterVolume, 0 to 1
    std::optional<bool> Muted;
    std::vector<TEndpointFailure> Failures;
};

/// A property as read; nothing when the read failed.
struct TEndpointProperty {
    TEndpointKey Key;
    std::optional<TPropertyValue> Value;
};

struct TEndpointNode {
    UINT Index = 0;
    std::optional<std::string> Id;
    std::optional<DWORD> State, Flow;
    bool StoreOpened = false;
    std::vector<TEndpointProperty> Properties; // in the order of TEndpointKey
    // Asked only of an active endpoint.
    std::optional<TEndpointVolume> Volume; // nothing when it could not be activated
    std::optional<float> Peak;             // IAudioMeterInformation::GetPeakValue, 0 to 1
    /// Nothing when the session enumerator or its count could not be had.
    std::optional<std::vector<TSessionNode>> Sessions;
    std::vector<TEndpointFailure> Failures; // the endpoint's, its volume's and its meter's
    /// The legacy mixer devices this endpoint appears as (filled by the caller, which has the
    /// mixer); the wave devices' endpoint IDs tell.
    std::vector<UINT> MixerDevices;

    /// The property's value when it was read; nothing otherwise.
    const TPropertyValue* Property(TEndpointKey Key) const;
    /// The friendly name when it was read as text.
    std::optional<std::string> FriendlyName() const;
};

/// A flow's default endpoint for a role.
struct TEndpointDefault {
    bool Known = false;            // asked with success, or the answer was "none"
    std::optional<std::string> Id; // the endpoint's identifier; nothing when there is none
};

struct TEndpointList {
    /// The enumerator's creation: when it failed, nothing else was asked.
    HRESULT CreateResult = 0;
    std::vector<TEndpointNode> Endpoints;
    /// Each flow's default endpoint per role.
    std::array<std::array<TEndpointDefault, kRoles>, kFlows> Defaults;
    std::vector<TEndpointFailure> Failures; // the enumeration's and the defaults'

    bool Available() const { return CreateResult >= 0; }
};

/// HRESULT_FROM_WIN32(ERROR_NOT_FOUND): GetDefaultAudioEndpoint's answer when a role has no
/// default endpoint.
inline constexpr HRESULT kNotFound = static_cast<HRESULT>(0x80070490);

/// Creates the enumerator and reads every endpoint and every default.
/// Without WithAudio, an active endpoint's volume, meter and sessions are not asked for: what
/// naming the endpoints needs.
TEndpointList ReadEndpoints(IEndpointEnumerator& Enumerator, bool WithAudio = true);

/// How many calls failed.
int CountFailures(const TEndpointList& List);

/// The endpoint an --endpoint argument names: "default-render" or "default-capture" (the console
/// role's default), a whole identifier, a whole friendly name, or a unique part of one
/// (case-insensitive). Nothing when none or several match.
std::optional<std::size_t> SelectEndpoint(const TEndpointList& List, const std::string& Selector);

/// "render" or "capture"; "console", "multimedia" or "communications".
const char* FlowName(DWORD Flow);
const char* RoleName(DWORD Role);

/// The code's name where known ("E_NOTIMPL"), else nothing; and "NAME (0x...)" / "0x...", or for
/// kNotWritten "S_OK without writing a value".
const char* HResultName(HRESULT Code);
std::string HResultText(HRESULT Code);

/// The property's name as the headers give it ("PKEY_Device_FriendlyName").
const char* EndpointKeyName(TEndpointKey Key);

// The format tags named in a device format.
inline constexpr unsigned kTagPcm = 1, kTagFloat = 3, kTagExtensible = 0xFFFE;

/// A PKEY_AudioEngine_DeviceFormat blob's fields: a WAVEFORMATEX, and for a WAVEFORMATEXTENSIBLE
/// its valid bits, channel mask and sub-format too.
struct TWaveFormat {
    unsigned Tag = 0, Channels = 0, BitsPerSample = 0;
    DWORD SamplesPerSec = 0;
    std::optional<unsigned> ValidBits; // with ChannelMask and SubFormat: extensible only
    std::optional<DWORD> ChannelMask;
    std::string SubFormat; // "PCM", "IEEE float" or the GUID
    std::string Problem;   // why the rest of the blob was not read
};

/// The blob's fields, read no further than its size; nothing when it is too short for a
/// WAVEFORMATEX. A blob too short for what it claims has its Problem said.
std::optional<TWaveFormat> ReadWaveFormat(const std::vector<std::uint8_t>& Blob);

/// "PCM", "IEEE float", "extensible"; nothing for other tags.
const char* FormatTagName(unsigned Tag);

/// The blob as one line of text: its format tag, channels, rate and bits, and for a
/// WAVEFORMATEXTENSIBLE its valid bits, channel mask and sub-format.
std::string WaveFormatText(const std::vector<std::uint8_t>& Blob);

/// "active", "disabled", "not present", "unplugged", or the flags in hex.
std::string StateName(DWORD State);

/// The EndpointFormFactor's name ("Speakers"), or its number.
std::string FormFactorName(DWORD FormFactor);

/// A session's AudioSessionState: "inactive", "active", "expired", or "state N".
std::string SessionStateName(DWORD State);

/// Value with one decimal, whatever the locale; what no level reaches (NaN, infinities, beyond
/// 1e15) by its kind or whole, so that driver garbage is shown and never converted unsafely.
std::string DecimalText(double Value);

/// Whether the endpoint is the default endpoint of its flow for the role.
bool IsDefaultFor(const TEndpointList& List, const TEndpointNode& Node, DWORD Role);

/// The call whose failure leaves no list.
inline constexpr char kCreateCall[] = "CoCreateInstance(CLSID_MMDeviceEnumerator)";

/// Why there is no list, as one sentence: Core Audio needs Windows Vista or later (WindowsMajor
/// below 6), or the enumerator could not be created; with the code of the call.
std::string UnavailableText(const TEndpointList& List, DWORD WindowsMajor);

/// The list's members of a JSON document ("endpoints", "unavailable" when there is no list,
/// "defaults", "errors"), into the object Json has open.
void WriteEndpointsJson(TJsonWriter& Json, const TEndpointList& List, DWORD WindowsMajor);

/// The list as indented text lines (UTF-8), through AppendLine, after a heading that starts with
/// Where ("KorvaleReport 1.0 on Windows 10.0 (build 19045)"). Without Core Audio, one line that
/// says why (Windows older than Vista: WindowsMajor below 6).
void WriteEndpointsText(const TEndpointList& List, const std::string& Where, DWORD WindowsMajor,
                        const std::function<void(const std::string& Line)>& AppendLine);
