#include "mixer/TreeReport.h"

#include <cstdint>
#include <functional>

#include "mixer/MixerNames.h"
#include "platform/Format.h"
#include "platform/Json.h"

namespace {

void FailuresJson(TJsonWriter& Json, const std::vector<TMixerFailure>& Failures)
{
    Json.Begin("errors", '[');
    for (const TMixerFailure& failure : Failures) {
        Json.Begin("", '{');
        Json.String("call", failure.Call);
        Json.Number("code", failure.Code);
        Json.String("name", MixerResultName(failure.Code));
        if (!failure.Count.empty()) {
            Json.String("count", failure.Count);
            Json.Number("claimed", failure.Claimed);
            Json.Number("limit", failure.Limit);
        } else if (failure.Unwritten()) {
            Json.Bool("unwritten", true);
        }
        Json.End('}');
    }
    Json.End(']');
}

// The values of a control by channel, each converted: per channel the value, or for a
// multiple-item control an array of its items' values.
std::string ValuesJson(const TMixerControlNode& Control,
                       const std::function<std::string(std::int64_t)>& Convert)
{
    std::vector<std::string> channels;
    for (DWORD channel = 0; channel < Control.Channels; ++channel) {
        std::vector<std::string> items;
        for (DWORD item = 0; item < Control.Items(); ++item)
            items.push_back(Convert(Control.Value(channel, item)));
        channels.push_back(Control.Flags & MIXERCONTROL_CONTROLF_MULTIPLE ? JsonInlineArray(items)
                                                                          : items.front());
    }
    return JsonInlineArray(channels);
}

void ControlJson(TJsonWriter& Json, const TMixerControlNode& Control)
{
    Json.Begin("", '{');
    Json.Number("id", Control.Id);
    Json.Number("type", Control.Type);
    Json.String("typeName", ControlTypeName(Control.Type));
    Json.String("class", ControlClassName(Control.Type));
    Json.String("units", ControlUnitsName(Control.Type));
    Json.Number("flags", Control.Flags);
    Json.Bool("uniform", Control.Flags & MIXERCONTROL_CONTROLF_UNIFORM);
    Json.Bool("multiple", Control.Flags & MIXERCONTROL_CONTROLF_MULTIPLE);
    Json.Bool("disabled", Control.Flags & MIXERCONTROL_CONTROLF_DISABLED);
    Json.String("shortName", Control.ShortName);
    Json.String("name", Control.Name);
    Json.Number("minimum", Control.Minimum);
    Json.Number("maximum", Control.Maximum);
    Json.Number("steps", Control.Steps);
    Json.Number("channels", Control.Channels);
    std::vector<std::string> items;
    for (const std::string& text : Control.ItemTexts)
        items.push_back(JsonString(text));
    Json.Raw("items", JsonInlineArray(items));
    const bool read = !Control.Values.empty();
    Json.Raw("values",
             read ? ValuesJson(Control, [](std::int64_t Value) { return std::to_string(Value); })
                  : "null");
    if (read && Control.Units() == MIXERCONTROL_CT_UNITS_DECIBELS)
        Json.Raw("decibels", ValuesJson(Control, TenthsText));
    if (read && Control.HasPercent())
        Json.Raw("percent", ValuesJson(Control, [&Control](std::int64_t Value) {
                     return TenthsText(Control.PercentTenths(Value));
                 }));
    if (read)
        Json.Bool("outsideRange", Control.AnyOutOfRange());
    FailuresJson(Json, Control.Failures);
    Json.End('}');
}

// The fields of a line's own record, as its query wrote them.
void LineRecordJson(TJsonWriter& Json, const TMixerLineNode& Line)
{
    Json.Number("lineId", Line.LineId);
    Json.Number("componentType", Line.ComponentType);
    Json.String("componentTypeName", ComponentTypeName(Line.ComponentType));
    Json.Number("flags", Line.Flags);
    Json.Bool("active", Line.Flags & MIXERLINE_LINEF_ACTIVE);
    Json.Bool("disconnected", Line.Flags & MIXERLINE_LINEF_DISCONNECTED);
    Json.Number("channels", Line.Channels);
    Json.Number("connections", Line.Connections);
    Json.Number("controlCount", Line.ControlCount);
    Json.String("shortName", Line.ShortName);
    Json.String("name", Line.Name);
    Json.Begin("target", '{');
    Json.Number("type", Line.Target.Type);
    Json.String("typeName", TargetTypeName(Line.Target.Type));
    Json.Number("deviceId", Line.Target.DeviceId);
    Json.Number("mid", Line.Target.Mid);
    Json.Number("pid", Line.Target.Pid);
    Json.Number("driverVersion", Line.Target.DriverVersion);
    Json.String("name", Line.Target.Name);
    Json.End('}');
}

void LineJson(TJsonWriter& Json, const TMixerLineNode& Line)
{
    Json.Begin("", '{');
    Json.Number("destination", Line.Destination);
    if (Line.IsSource)
        Json.Number("source", Line.Source);
    if (Line.Read)
        LineRecordJson(Json, Line);
    else
        for (const char* key :
             {"lineId", "componentType", "componentTypeName", "flags", "active", "disconnected",
              "channels", "connections", "controlCount", "shortName", "name", "target"})
            Json.Null(key);
    FailuresJson(Json, Line.Failures);
    Json.Begin("controls", '[');
    for (const TMixerControlNode& control : Line.Controls)
        ControlJson(Json, control);
    Json.End(']');
    if (!Line.IsSource) {
        Json.Begin("sources", '[');
        for (const TMixerLineNode& source : Line.Sources)
            LineJson(Json, source);
        Json.End(']');
    }
    Json.End('}');
}

void WaveLinkJson(TJsonWriter& Json, const TWaveLink& Link)
{
    Json.Begin("", '{');
    Json.String("wave", Link.Capture ? "in" : "out");
    Json.Number("waveIndex", Link.WaveIndex);
    Json.StringOrNull("id", Link.EndpointId);
    Json.StringOrNull("name", Link.EndpointName);
    FailuresJson(Json, Link.Failures);
    Json.End('}');
}

// The capability record, with names from the built-in registry.
void CapsJson(TJsonWriter& Json, const TMixerDeviceNode& Device)
{
    Json.Begin("caps", '{');
    Json.Number("mid", Device.Mid);
    Json.String("manufacturer", Device.Manufacturer);
    Json.Number("pid", Device.Pid);
    Json.String("product", Device.Product);
    Json.Number("driverVersion", Device.DriverVersion);
    Json.String("driverVersionText", Device.DriverVersionText);
    Json.Number("support", Device.Support);
    Json.Number("destinations", Device.Destinations);
    Json.End('}');
}

void DeviceJson(TJsonWriter& Json, const TMixerDeviceNode& Device)
{
    Json.Begin("", '{');
    Json.Number("index", Device.Index);
    if (!Device.CapsRead) {
        for (const char* key : {"name", "nameCut", "fullName", "caps"})
            Json.Null(key);
    } else {
        Json.String("name", Device.Name);
        Json.Bool("nameCut", Device.NameCut);
        Json.StringOrNull("fullName", Device.FullName);
        CapsJson(Json, Device);
    }
    FailuresJson(Json, Device.Failures);
    Json.Begin("waveDevices", '[');
    for (const TWaveLink& link : Device.WaveLinks)
        WaveLinkJson(Json, link);
    Json.End(']');
    Json.Begin("destinations", '[');
    for (const TMixerLineNode& line : Device.DestinationLines)
        LineJson(Json, line);
    Json.End(']');
    Json.End('}');
}

} // namespace

void WriteJsonHead(TJsonWriter& Json, const TTreeContext& Context)
{
    Json.Number("schema", kTreeJsonSchema);
    Json.Begin("program", '{');
    Json.String("name", Context.ProgramName);
    Json.String("version", Context.ProgramVersion);
    Json.End('}');
    Json.Begin("windows", '{');
    Json.Number("major", Context.WindowsMajor);
    Json.Number("minor", Context.WindowsMinor);
    Json.Number("build", Context.WindowsBuild);
    // "session": the controls are those of this program's own audio session (Vista and later).
    Json.String("mixerScope", MixerIsSessionScoped(Context) ? "session" : "system");
    Json.End('}');
}

std::string TreeJson(const TMixerTree& Tree, const TTreeContext& Context)
{
    TJsonWriter json;
    json.Begin("", '{');
    WriteJsonHead(json, Context);
    FailuresJson(json, Tree.Failures);
    json.Begin("devices", '[');
    for (const TMixerDeviceNode& device : Tree.Devices)
        DeviceJson(json, device);
    json.End(']');
    json.End('}');
    return json.Text();
}
