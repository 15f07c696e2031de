// Every Core Audio endpoint in every state, with its identifier, state, data flow, properties
// and the roles it is the default for: what the console tool's --endpoints shows. A failed call
// is kept at the node where it happened and the walk goes on with the next node.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "audio/Endpoints.h"

/// A call that failed, by name, with its HRESULT.
struct TEndpointFailure {
    std::string Call;
    HRESULT Code = 0;
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
    std::vector<TEndpointFailure> Failures;

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
TEndpointList ReadEndpoints(IEndpointEnumerator& Enumerator);

/// How many calls failed.
int CountFailures(const TEndpointList& List);

/// The endpoint an --endpoint argument names: "default-render" or "default-capture" (the console
/// role's default), a whole identifier, a whole friendly name, or a unique part of one
/// (case-insensitive). Nothing when none or several match.
std::optional<std::size_t> SelectEndpoint(const TEndpointList& List, const std::string& Selector);

/// "render" or "capture"; "console", "multimedia" or "communications".
const char* FlowName(DWORD Flow);
const char* RoleName(DWORD Role);

/// The code's name where known ("E_NOTIMPL"), else nothing; and "NAME (0x...)" / "0x...".
const char* HResultName(HRESULT Code);
std::string HResultText(HRESULT Code);

/// The property's name as the headers give it ("PKEY_Device_FriendlyName").
const char* EndpointKeyName(TEndpointKey Key);

/// A PKEY_AudioEngine_DeviceFormat blob as text: its format tag, channels, rate and bits, and for
/// a WAVEFORMATEXTENSIBLE its valid bits, channel mask and sub-format. Read no further than the
/// blob's size; a blob too short for what it claims says so.
std::string WaveFormatText(const std::vector<std::uint8_t>& Blob);

/// The list as indented text lines (UTF-8), through AppendLine, after a heading that starts with
/// Where ("KorvaleReport 1.0 on Windows 10.0 (build 19045)"). Without Core Audio, one line that
/// says why (Windows older than Vista: WindowsMajor below 6).
void WriteEndpointsText(const TEndpointList& List, const std::string& Where, DWORD WindowsMajor,
                        const std::function<void(const std::string& Line)>& AppendLine);
