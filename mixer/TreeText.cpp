#include "mixer/TreeReport.h"

#include <cstdint>

#include "mixer/MixerNames.h"
#include "platform/Format.h"
#include "platform/TextEscape.h"

namespace {

std::string Hex32(DWORD Value)
{
    return Format("0x%08X", static_cast<unsigned>(Value));
}

// "1 channel", "2 channels".
std::string Counted(DWORD Count, const char* Noun)
{
    return std::to_string(Count) + " " + Noun + (Count == 1 ? "" : "s");
}

// A name in quotes, its quotes, backslashes and control characters escaped: it stays on its line
// and reads back to one name.
std::string Quoted(const std::string& Text)
{
    return EscapedText(Text, TTextEscape::Quoted);
}

std::string FailureText(const TMixerFailure& Failure)
{
    if (Failure.Call == kMemoryFailure)
        return "failed: not enough memory for what the driver claims";
    if (Failure.Call == kWalkLimit)
        return "failed: " + WalkLimitText(Failure.Limit);
    if (!Failure.Count.empty())
        return "failed: " +
               OverLimitText(Failure.Call, Failure.Count, Failure.Claimed, Failure.Limit);
    if (Failure.Unwritten())
        return "failed: " + UnwrittenText(Failure.Call);
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
        std::string heading = "Device " + std::to_string(Device.Index) + ":";
        if (Device.CapsRead)
            heading += " " + Quoted(Device.Name);
        if (Device.FullName)
            heading += ", full name " + Quoted(*Device.FullName);
        else if (Device.NameCut)
            heading += " (cut at 31 characters; Windows keeps no full name)";
        Line(0, heading);
        if (Device.CapsRead) {
            Line(1, "wMid = " + std::to_string(Device.Mid) + " (" + Device.Manufacturer + ")");
            Line(1, "wPid = " + std::to_string(Device.Pid) + " (" + Device.Product + ")");
            Line(1, "vDriverVersion = " + std::to_string(Device.DriverVersion) + " (" +
                        Device.DriverVersionText + ")");
            Line(1, "fdwSupport = " + std::to_string(Device.Support));
            Line(1, "cDestinations = " + std::to_string(Device.Destinations));
        }
        Failures(1, Device.Failures);
        for (const TWaveLink& link : Device.WaveLinks)
            WaveLink(link);
        for (const TMixerLineNode& line : Device.DestinationLines)
            MixerLine(1, line);
    }

    // One line: the endpoint's name where known and its identifier, or why there is none (a link
    // under a device has at most one failure: the identifier's query stops at the first).
    void WaveLink(const TWaveLink& Link)
    {
        std::string text = Link.Capture ? "endpoint (wave in " : "endpoint (wave out ";
        text += std::to_string(Link.WaveIndex) + "): ";
        if (!Link.Failures.empty())
            text += FailureText(Link.Failures.front());
        else if (!Link.EndpointId)
            text += "none";
        else
            text += (Link.EndpointName ? Quoted(*Link.EndpointName) + " " : "") +
                    EscapedText(*Link.EndpointId, TTextEscape::Bare);
        Line(1, text);
    }

    void MixerLine(int Depth, const TMixerLineNode& Node)
    {
        const std::string index = Node.IsSource ? "Source " + std::to_string(Node.Source)
                                                : "Destination " + std::to_string(Node.Destination);
        if (!Node.Read) {
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
        if (Control.Units() == MIXERCONTROL_CT_UNITS_CUSTOM) {
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
        if (Control.Units() == MIXERCONTROL_CT_UNITS_BOOLEAN)
            return Value ? "on" : "off";
        std::vector<std::string> readings;
        if (Control.Units() == MIXERCONTROL_CT_UNITS_DECIBELS)
            readings.push_back(TenthsText(Value) + " dB");
        if (Control.HasPercent())
            readings.push_back(TenthsText(Control.PercentTenths(Value)) + "%");
        if (!Control.InRange(Value))
            readings.push_back("outside the range");
        std::string text = std::to_string(Value);
        for (std::size_t index = 0; index < readings.size(); ++index)
            text += (index ? ", " : " (") + readings[index];
        return readings.empty() ? text : text + ")";
    }

    const TLineSink& m_append;
};

} // namespace

std::string ReadWhere(const TTreeContext& Context)
{
    return Context.ProgramName + " " + Context.ProgramVersion + " on Windows " +
           std::to_string(Context.WindowsMajor) + "." + std::to_string(Context.WindowsMinor) +
           " (build " + std::to_string(Context.WindowsBuild) + ")";
}

void WriteTreeText(const TMixerTree& Tree, const TTreeContext& Context, const TLineSink& AppendLine)
{
    TTextWriter text(AppendLine);
    text.Line(0,
              ReadWhere(Context) + ", " + std::to_string(Tree.Devices.size()) + " mixer devices");
    text.Failures(0, Tree.Failures);
    if (MixerIsSessionScoped(Context))
        text.Line(
            0, "Note: on Windows Vista and later, these volume and mute controls are those of " +
                   Context.ProgramName + "'s own audio session, not the system's master volume.");
    for (const TMixerDeviceNode& device : Tree.Devices)
        text.Device(device);
}
