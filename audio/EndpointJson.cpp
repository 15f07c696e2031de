#include "audio/EndpointList.h"

#include <cmath>

#include "platform/Json.h"

namespace {

// A result's "code" and, where it has one, "name" (null otherwise). A call that succeeded without
// writing its value has the code it returned, S_OK.
void CodeJson(TJsonWriter& Json, HRESULT Code)
{
    Json.Number("code", Code == kNotWritten ? 0 : static_cast<std::uint32_t>(Code));
    if (const char* name = Code == kNotWritten ? "S_OK" : HResultName(Code))
        Json.String("name", name);
    else
        Json.Null("name");
}

void ErrorsJson(TJsonWriter& Json, const std::vector<TEndpointFailure>& Failures)
{
    Json.Begin("errors", '[');
    for (const TEndpointFailure& failure : Failures) {
        Json.Begin("", '{');
        Json.String("call", failure.Call);
        CodeJson(Json, failure.Code);
        Json.String("text", HResultText(failure.Code));
        Json.End('}');
    }
    Json.End(']');
}

// A text property; null when it was not read or is not text.
void TextProperty(TJsonWriter& Json, std::string_view Key, const TEndpointNode& Node,
                  TEndpointKey Property)
{
    const TPropertyValue* value = Node.Property(Property);
    Json.StringOrNull(Key, value && value->Type == kTypeWideText ? std::optional(value->Text)
                                                                 : std::nullopt);
}

// The state as a JSON name: "active", "disabled", "notPresent", "unplugged" or the flags in hex.
std::string StateJsonName(DWORD State)
{
    std::string name = StateName(State);
    if (State == kStateNotPresent)
        name = "notPresent";
    return name;
}

void FormatJson(TJsonWriter& Json, const TEndpointNode& Node)
{
    const TPropertyValue* blob = Node.Property(TEndpointKey::DeviceFormat);
    if (!blob || blob->Type != kTypeBlob) {
        Json.Null("format");
        return;
    }
    Json.Begin("format", '{');
    Json.String("text", WaveFormatText(blob->Blob));
    if (const std::optional<TWaveFormat> format = ReadWaveFormat(blob->Blob)) {
        Json.Number("formatTag", format->Tag);
        Json.Number("channels", format->Channels);
        Json.Number("samplesPerSec", format->SamplesPerSec);
        Json.Number("bitsPerSample", format->BitsPerSample);
        if (format->ValidBits) {
            Json.Number("validBitsPerSample", *format->ValidBits);
            Json.Number("channelMask", *format->ChannelMask);
            Json.String("subFormat", format->SubFormat);
        }
    }
    Json.End('}');
}

// A number with one decimal as read, the scalar of 0 to 1 as a percentage; null when it was not
// read or is no finite number (JSON has none for NaN or infinity).
void DecimalJson(TJsonWriter& Json, std::string_view Key, const std::optional<float>& Value,
                 double Scale = 1)
{
    if (Value && std::isfinite(*Value))
        Json.Raw(Key, DecimalText(*Value * Scale));
    else
        Json.Null(Key);
}

void OptionalBool(TJsonWriter& Json, std::string_view Key, const std::optional<bool>& Value)
{
    if (Value)
        Json.Bool(Key, *Value);
    else
        Json.Null(Key);
}

void LevelsJson(TJsonWriter& Json, const std::optional<float>& Decibels,
                const std::optional<float>& Scalar)
{
    DecimalJson(Json, "decibels", Decibels);
    DecimalJson(Json, "percent", Scalar, 100);
}

void VolumeJson(TJsonWriter& Json, const std::optional<TEndpointVolume>& Volume)
{
    if (!Volume) {
        Json.Null("volume");
        return;
    }
    Json.Begin("volume", '{');
    LevelsJson(Json, Volume->Decibels, Volume->Scalar);
    if (const auto& range = Volume->Range) {
        Json.Begin("range", '{');
        DecimalJson(Json, "minimum", range->Minimum);
        DecimalJson(Json, "maximum", range->Maximum);
        DecimalJson(Json, "increment", range->Increment);
        Json.End('}');
    } else {
        Json.Null("range");
    }
    if (const auto& step = Volume->Step) {
        Json.Begin("step", '{');
        Json.Number("step", step->Step);
        Json.Number("steps", step->Steps);
        Json.End('}');
    } else {
        Json.Null("step");
    }
    OptionalBool(Json, "muted", Volume->Muted);
    if (Volume->ChannelCount)
        Json.Number("channelCount", *Volume->ChannelCount);
    else
        Json.Null("channelCount");
    Json.Begin("channels", '[');
    for (const TChannelVolume& channel : Volume->Channels) {
        Json.Begin("", '{');
        LevelsJson(Json, channel.Decibels, channel.Scalar);
        Json.End('}');
    }
    Json.End(']');
    if (const auto& mask = Volume->HardwareSupport) {
        Json.Begin("hardwareSupport", '{');
        Json.Number("mask", *mask);
        Json.Bool("volume", *mask & kHardwareVolume);
        Json.Bool("mute", *mask & kHardwareMute);
        Json.Bool("meter", *mask & kHardwareMeter);
        Json.End('}');
    } else {
        Json.Null("hardwareSupport");
    }
    Json.End('}');
}

void SessionJson(TJsonWriter& Json, const TSessionNode& Session)
{
    Json.Begin("", '{');
    Json.Number("index", Session.Index);
    Json.StringOrNull("state", Session.State ? std::optional(SessionStateName(*Session.State))
                                             : std::nullopt);
    if (Session.ProcessId)
        Json.Number("processId", *Session.ProcessId);
    else
        Json.Null("processId");
    Json.Bool("severalProcesses", Session.SeveralProcesses);
    Json.StringOrNull("programFile", Session.ProgramFile);
    Json.StringOrNull("displayName", Session.DisplayName);
    OptionalBool(Json, "systemSounds", Session.SystemSounds);
    DecimalJson(Json, "percent", Session.Volume, 100);
    OptionalBool(Json, "muted", Session.Muted);
    ErrorsJson(Json, Session.Failures);
    Json.End('}');
}

void AudioJson(TJsonWriter& Json, const TEndpointNode& Node)
{
    VolumeJson(Json, Node.Volume);
    DecimalJson(Json, "peakPercent", Node.Peak, 100);
    if (!Node.Sessions) {
        Json.Null("sessions");
        return;
    }
    Json.Begin("sessions", '[');
    for (const TSessionNode& session : *Node.Sessions)
        SessionJson(Json, session);
    Json.End(']');
}

void EndpointJson(TJsonWriter& Json, const TEndpointList& List, const TEndpointNode& Node)
{
    Json.Begin("", '{');
    Json.Number("index", Node.Index);
    Json.StringOrNull("id", Node.Id);
    TextProperty(Json, "name", Node, TEndpointKey::FriendlyName);
    TextProperty(Json, "description", Node, TEndpointKey::DeviceDesc);
    TextProperty(Json, "adapter", Node, TEndpointKey::InterfaceFriendlyName);
    Json.StringOrNull("flow", Node.Flow && *Node.Flow < kFlows
                                  ? std::optional<std::string>(FlowName(*Node.Flow))
                                  : std::nullopt);
    Json.StringOrNull("state",
                      Node.State ? std::optional(StateJsonName(*Node.State)) : std::nullopt);
    const TPropertyValue* formFactor = Node.Property(TEndpointKey::FormFactor);
    Json.StringOrNull("formFactor", formFactor && formFactor->Type == kTypeUInt32
                                        ? std::optional(FormFactorName(formFactor->Number))
                                        : std::nullopt);
    std::vector<std::string> roles;
    for (DWORD role = 0; role < kRoles; ++role)
        if (IsDefaultFor(List, Node, role))
            roles.push_back(JsonString(RoleName(role)));
    Json.Raw("defaultFor", JsonInlineArray(roles));
    std::vector<std::string> mixers;
    for (const UINT mixer : Node.MixerDevices)
        mixers.push_back(std::to_string(mixer));
    Json.Raw("mixerDevices", JsonInlineArray(mixers));
    FormatJson(Json, Node);
    AudioJson(Json, Node);
    ErrorsJson(Json, Node.Failures);
    Json.End('}');
}

} // namespace

void WriteEndpointsJson(TJsonWriter& Json, const TEndpointList& List, DWORD WindowsMajor)
{
    if (!List.Available()) {
        Json.Null("endpoints");
        Json.Begin("unavailable", '{');
        Json.String("call", kCreateCall);
        CodeJson(Json, List.CreateResult);
        Json.String("reason", UnavailableText(List, WindowsMajor));
        Json.End('}');
        Json.Null("defaults");
        ErrorsJson(Json, {});
        return;
    }
    Json.Begin("endpoints", '[');
    for (const TEndpointNode& endpoint : List.Endpoints)
        EndpointJson(Json, List, endpoint);
    Json.End(']');
    Json.Begin("defaults", '{');
    for (DWORD flow = 0; flow < kFlows; ++flow) {
        Json.Begin(FlowName(flow), '{');
        for (DWORD role = 0; role < kRoles; ++role)
            Json.StringOrNull(RoleName(role), List.Defaults[flow][role].Id);
        Json.End('}');
    }
    Json.End('}');
    ErrorsJson(Json, List.Failures);
}
