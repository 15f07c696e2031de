#include "mixer/TreeReport.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "mixer/MixerNames.h"
#include "platform/Format.h"

namespace {

DWORD Units(const TMixerControlNode& Control)
{
    return Control.Type & MIXERCONTROL_CT_UNITS_MASK;
}

// Tenths as a decimal with one digit after a point, whatever the locale: -125 gives "-12.5".
std::string Tenths(std::int64_t Value)
{
    const char* sign = Value < 0 ? "-" : "";
    const std::uint64_t magnitude = Value < 0 ? 0 - static_cast<std::uint64_t>(Value) : Value;
    return sign + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
}

// Whether the control's values have a place in a range worth giving as a percentage: not for
// switches, custom data or an empty range.
bool HasPercent(const TMixerControlNode& Control)
{
    const DWORD units = Units(Control);
    return units != MIXERCONTROL_CT_UNITS_BOOLEAN && units != MIXERCONTROL_CT_UNITS_CUSTOM &&
           Control.Maximum > Control.Minimum;
}

// Value's place in the control's range, in tenths of a percent; the control HasPercent.
std::int64_t PercentTenths(const TMixerControlNode& Control, std::int64_t Value)
{
    const double share = static_cast<double>(Value - Control.Minimum) /
                         static_cast<double>(Control.Maximum - Control.Minimum);
    return static_cast<std::int64_t>(std::llround(share * 1000.0));
}

std::string Hex32(DWORD Value)
{
    return Format("0x%08X", static_cast<unsigned>(Value));
}

// "1 channel", "2 channels".
std::string Counted(DWORD Count, const char* Noun)
{
    return std::to_string(Count) + " " + Noun + (Count == 1 ? "" : "s");
}

std::string Quoted(const std::string& Text)
{
    return "\"" + Text + "\"";
}

// Whether the node's own record was read: its first failure, if any, is not of Call, the query
// that reads it.
bool WasRead(const std::vector<TMixerFailure>& Failures, const char* Call)
{
    return Failures.empty() || Failures.front().Call != Call;
}

std::string FailureText(const TMixerFailure& Failure)
{
    if (Failure.Call == kMemoryFailure)
        return "failed: not enough memory for what the driver claims";
    return "failed: " + Failure.Call + " returned " + MixerResultName(Failure.Code) + " (" +
           std::to_string(Failure.Code) + ")";
}

std::string FlagNames(DWORD Flags, std::initializer_list<std::pair<DWORD, const char*>> Names)
{
    std::string names;
    for (const auto& [flag, name] : Names)
        if (Flags & flag)
            names += (names.empty() ? "" : ", ") + std::string(name);
    return Hex32(Flags) + (names.empty() ? "" : " (" + names + ")");
}

// ---- Text ----

class TTextWriter {
public:
    explicit TTextWriter(const TLineSink& AppendLine) : m_append(AppendLine) {}

    void Line(int Depth, const std::string& Text) { m_append(std::string(2 * Depth, ' ') + Text); }

    void Failures(int Depth, const std::vector<TMixerFailure>& Failures)
    {
        for (const TMixerFailure& failure : Failures)
            Line(Depth, FailureText(failure));
    }

    void Device(const TMixerDeviceNode& Device)
    {
        std::string heading = "Device " + std::to_string(Device.Index) + ": " + Quoted(Device.Name);
        if (Device.FullName)
            heading += ", full name " + Quoted(*Device.FullName);
        else if (Device.NameCut)
            heading += " (cut at 31 characters; Windows keeps no full name)";
        Line(0, heading);
        if (WasRead(Device.Failures, kCapsCall)) {
            Line(1, "wMid = " + std::to_string(Device.Mid) + " (" + Device.Manufacturer + ")");
            Line(1, "wPid = " + std::to_string(Device.Pid) + " (" + Device.Product + ")");
            Line(1, "vDriverVersion = " + std::to_string(Device.DriverVersion) + " (" +
                        Device.DriverVersionText + ")");
            Line(1, "fdwSupport = " + std::to_string(Device.Support));
            Line(1, "cDestinations = " + std::to_string(Device.Destinations));
        }
        Failures(1, Device.Failures);
        for (const TMixerLineNode& line : Device.DestinationLines)
            MixerLine(1, line);
    }

    void MixerLine(int Depth, const TMixerLineNode& Node)
    {
        const std::string index = Node.IsSource ? "Source " + std::to_string(Node.Source)
                                                : "Destination " + std::to_string(Node.Destination);
        if (!WasRead(Node.Failures, kLineInfoCall)) {
            Line(Depth, index + ":");
            Failures(Depth + 1, Node.Failures);
            return;
        }
        Line(Depth, index + ": " + Quoted(Node.Name) + " (" + Quoted(Node.ShortName) + "), " +
                        ComponentTypeName(Node.ComponentType));
        Line(Depth + 1, "line id " + Hex32(Node.LineId) + ", flags " +
                            FlagNames(Node.Flags, {{MIXERLINE_LINEF_ACTIVE, "active"},
                                                   {MIXERLINE_LINEF_DISCONNECTED, "disconnected"},
                                                   {MIXERLINE_LINEF_SOURCE, "source"}}) +
                            ", " + Counted(Node.Channels, "channel") + ", " +
                            Counted(Node.Connections, "connection") + ", " +
                            Counted(Node.ControlCount, "control"));
        Line(Depth + 1, "target " + TargetTypeName(Node.Target.Type) + ", device " +
                            std::to_string(Node.Target.DeviceId) + ", wMid " +
                            std::to_string(Node.Target.Mid) + ", wPid " +
                            std::to_string(Node.Target.Pid) + ", version " +
                            std::to_string(Node.Target.DriverVersion) + ", " +
                            Quoted(Node.Target.Name));
        Failures(Depth + 1, Node.Failures);
        for (std::size_t index = 0; index < Node.Controls.size(); ++index)
            Control(Depth + 1, index, Node.Controls[index]);
        for (const TMixerLineNode& source : Node.Sources)
            MixerLine(Depth + 1, source);
    }

    void Control(int Depth, std::size_t Index, const TMixerControlNode& Control)
    {
        Line(Depth, "Control " + std::to_string(Index) + ": " + Quoted(Control.Name) + " (" +
                        Quoted(Control.ShortName) + "), " + ControlTypeName(Control.Type));
        Line(Depth + 1,
             "id " + std::to_string(Control.Id) + ", class " + ControlClassName(Control.Type) +
                 ", units " + ControlUnitsName(Control.Type) + ", flags " +
                 FlagNames(Control.Flags, {{MIXERCONTROL_CONTROLF_UNIFORM, "uniform"},
                                           {MIXERCONTROL_CONTROLF_MULTIPLE, "multiple"},
                                           {MIXERCONTROL_CONTROLF_DISABLED, "disabled"}}) +
                 ", range " + std::to_string(Control.Minimum) + ".." +
                 std::to_string(Control.Maximum) + ", " + Counted(Control.Steps, "step"));
        Failures(Depth + 1, Control.Failures);
        if (Units(Control) == MIXERCONTROL_CT_UNITS_CUSTOM) {
            Line(Depth + 1, "value: custom data, not read");
            return;
        }
        if (Control.Values.empty())
            return;
        if (!(Control.Flags & MIXERCONTROL_CONTROLF_MULTIPLE)) {
            Line(Depth + 1, (Control.Channels == 1 ? "value: " : "values: ") + Values(Control, 0));
            return;
        }
        Line(Depth + 1, "items:");
        for (DWORD item = 0; item < Control.Items(); ++item) {
            const std::string text =
                item < Control.ItemTexts.size() ? Control.ItemTexts[item] : std::string();
            Line(Depth + 2, Quoted(text) + ": " + Values(Control, item));
        }
    }

private:
    // The values of Item, one per channel.
    static std::string Values(const TMixerControlNode& Control, DWORD Item)
    {
        std::string text;
        for (DWORD channel = 0; channel < Control.Channels; ++channel)
            text += (channel ? ", " : "") + ValueText(Control, Control.Value(channel, Item));
        return text;
    }

    static std::string ValueText(const TMixerControlNode& Control, std::int64_t Value)
    {
        const DWORD units = Units(Control);
        if (units == MIXERCONTROL_CT_UNITS_BOOLEAN)
            return Value ? "on" : "off";
        std::string text = std::to_string(Value);
        if (units == MIXERCONTROL_CT_UNITS_DECIBELS)
            text += " (" + Tenths(Value) + " dB)";
        else if (HasPercent(Control))
            text += " (" + Tenths(PercentTenths(Control, Value)) + "%)";
        return text;
    }

    const TLineSink& m_append;
};

// ---- JSON ----

// Text as a JSON string: ASCII only, so it survives any console code page; other characters as
// \uXXXX (pairs of them outside the basic plane), and bytes that are not UTF-8 as U+FFFD.
std::string JsonString(const std::string& Text)
{
    std::string json = "\"";
    const auto escape = [&json](char32_t Unit) {
        json += Format("\\u%04x", static_cast<unsigned>(Unit));
    };
    for (std::size_t index = 0; index < Text.size();) {
        const unsigned char lead = static_cast<unsigned char>(Text[index]);
        const int length = lead < 0x80         ? 1
                           : lead >> 5 == 0x6  ? 2
                           : lead >> 4 == 0xE  ? 3
                           : lead >> 3 == 0x1E ? 4
                                               : 0;
        char32_t code = length == 1   ? lead
                        : length == 2 ? lead & 0x1F
                        : length == 3 ? lead & 0x0F
                                      : lead & 0x07;
        bool valid = length > 0 && index + length <= Text.size();
        for (int next = 1; valid && next < length; ++next) {
            const unsigned char byte = static_cast<unsigned char>(Text[index + next]);
            valid = byte >> 6 == 0x2;
            code = code << 6 | (byte & 0x3F);
        }
        index += valid ? length : 1;
        if (!valid || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            code = 0xFFFD;
        if (code == '"' || code == '\\') {
            json += '\\';
            json += static_cast<char>(code);
        } else if (code >= 0x20 && code < 0x7F) {
            json += static_cast<char>(code);
        } else if (code < 0x10000) {
            escape(code);
        } else {
            escape(0xD800 + ((code - 0x10000) >> 10));
            escape(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return json + "\"";
}

// A JSON document written as it is walked, indented two blanks a level.
class TJsonWriter {
public:
    void Begin(const std::string& Key, char Bracket)
    {
        Raw(Key, std::string(1, Bracket));
        m_depth += 1;
        m_first = true;
    }
    void End(char Bracket)
    {
        m_depth -= 1;
        if (!m_first) // an empty one stays on its line: [] or {}
            m_json += "\n" + std::string(2 * m_depth, ' ');
        m_json += Bracket;
        m_first = false;
    }
    void Raw(const std::string& Key, const std::string& Json)
    {
        Separate();
        m_json += (Key.empty() ? "" : JsonString(Key) + ": ") + Json;
    }
    void Number(const std::string& Key, std::int64_t Value) { Raw(Key, std::to_string(Value)); }
    void String(const std::string& Key, const std::string& Value) { Raw(Key, JsonString(Value)); }
    void Bool(const std::string& Key, bool Value) { Raw(Key, Value ? "true" : "false"); }

    std::string Text() const { return m_json + "\n"; }

private:
    void Separate()
    {
        if (!m_json.empty())
            m_json += m_first ? "\n" : ",\n";
        m_json += std::string(2 * m_depth, ' ');
        m_first = false;
    }
    std::string m_json;
    int m_depth = 0;
    bool m_first = true;
};

void FailuresJson(TJsonWriter& Json, const std::vector<TMixerFailure>& Failures)
{
    Json.Begin("errors", '[');
    for (const TMixerFailure& failure : Failures) {
        Json.Begin("", '{');
        Json.String("call", failure.Call);
        Json.Number("code", failure.Code);
        Json.String("name", MixerResultName(failure.Code));
        Json.End('}');
    }
    Json.End(']');
}

// Scalars as a JSON array on one line: [1, 2].
std::string InlineArray(const std::vector<std::string>& Items)
{
    std::string array = "[";
    for (std::size_t index = 0; index < Items.size(); ++index)
        array += (index ? ", " : "") + Items[index];
    return array + "]";
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
        channels.push_back(Control.Flags & MIXERCONTROL_CONTROLF_MULTIPLE ? InlineArray(items)
                                                                          : items.front());
    }
    return InlineArray(channels);
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
    Json.Raw("items", InlineArray(items));
    const bool read = !Control.Values.empty();
    Json.Raw("values",
             read ? ValuesJson(Control, [](std::int64_t Value) { return std::to_string(Value); })
                  : "null");
    if (read && Units(Control) == MIXERCONTROL_CT_UNITS_DECIBELS)
        Json.Raw("decibels", ValuesJson(Control, Tenths));
    if (read && HasPercent(Control))
        Json.Raw("percent", ValuesJson(Control, [&Control](std::int64_t Value) {
                     return Tenths(PercentTenths(Control, Value));
                 }));
    FailuresJson(Json, Control.Failures);
    Json.End('}');
}

void LineJson(TJsonWriter& Json, const TMixerLineNode& Line)
{
    Json.Begin("", '{');
    Json.Number("destination", Line.Destination);
    if (Line.IsSource)
        Json.Number("source", Line.Source);
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

void DeviceJson(TJsonWriter& Json, const TMixerDeviceNode& Device)
{
    Json.Begin("", '{');
    Json.Number("index", Device.Index);
    Json.String("name", Device.Name);
    Json.Bool("nameCut", Device.NameCut);
    if (Device.FullName)
        Json.String("fullName", *Device.FullName);
    else
        Json.Raw("fullName", "null");
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
    FailuresJson(Json, Device.Failures);
    Json.Begin("destinations", '[');
    for (const TMixerLineNode& line : Device.DestinationLines)
        LineJson(Json, line);
    Json.End(']');
    Json.End('}');
}

} // namespace

bool MixerIsSessionScoped(const TTreeContext& Context)
{
    return Context.WindowsMajor >= 6;
}

void WriteTreeText(const std::vector<TMixerDeviceNode>& Devices, const TTreeContext& Context,
                   const TLineSink& AppendLine)
{
    TTextWriter text(AppendLine);
    text.Line(0, "KorvaleReport " + Context.ProgramVersion + " on Windows " +
                     std::to_string(Context.WindowsMajor) + "." +
                     std::to_string(Context.WindowsMinor) + " (build " +
                     std::to_string(Context.WindowsBuild) + "), " + std::to_string(Devices.size()) +
                     " mixer devices");
    if (MixerIsSessionScoped(Context))
        text.Line(0,
                  "Note: on Windows Vista and later, these volume and mute controls are those of "
                  "KorvaleReport's own audio session, not the system's master volume.");
    for (const TMixerDeviceNode& device : Devices)
        text.Device(device);
}

std::string TreeJson(const std::vector<TMixerDeviceNode>& Devices, const TTreeContext& Context)
{
    TJsonWriter json;
    json.Begin("", '{');
    json.Number("schema", kTreeJsonSchema);
    json.Begin("program", '{');
    json.String("name", "KorvaleReport");
    json.String("version", Context.ProgramVersion);
    json.End('}');
    json.Begin("windows", '{');
    json.Number("major", Context.WindowsMajor);
    json.Number("minor", Context.WindowsMinor);
    json.Number("build", Context.WindowsBuild);
    // "session": the controls are those of this program's own audio session (Vista and later).
    json.String("mixerScope", MixerIsSessionScoped(Context) ? "session" : "system");
    json.End('}');
    json.Begin("devices", '[');
    for (const TMixerDeviceNode& device : Devices)
        DeviceJson(json, device);
    json.End(']');
    json.End('}');
    return json.Text();
}
