#include "audio/EndpointList.h"

#include "platform/Format.h"
#include "platform/TextEscape.h"

namespace {

// Text, and a comma after what it holds already: the place for its next part.
std::string& Next(std::string& Text)
{
    return Text.empty() ? Text : Text += ", ";
}

std::string& AddDecimal(std::string& Text, double Value)
{
    return Text += DecimalText(Value);
}

// A level in decibels and a scalar (0 to 1, or what a driver gave) as a percentage, as read.
void AddLevels(std::string& Text, const std::optional<float>& Decibels,
               const std::optional<float>& Scalar)
{
    if (Decibels)
        AddDecimal(Next(Text), *Decibels) += " dB";
    if (Scalar)
        AddDecimal(Next(Text), *Scalar * 100.0) += "%";
}

void AddMuted(std::string& Text, const std::optional<bool>& Muted)
{
    if (Muted)
        Next(Text) += *Muted ? "muted" : "not muted";
}

std::string HardwareSupportText(DWORD Mask)
{
    std::string text;
    if (Mask & kHardwareVolume)
        Next(text) += "volume";
    if (Mask & kHardwareMute)
        Next(text) += "mute";
    if (Mask & kHardwareMeter)
        Next(text) += "meter";
    if (const DWORD other = Mask & ~(kHardwareVolume | kHardwareMute | kHardwareMeter))
        Next(text) += Format("0x%08X", static_cast<unsigned>(other));
    return text.empty() ? "none" : text;
}

// Names and descriptions in quotes, ids and paths without: control characters escaped in both.
std::string Quoted(const std::string& Text)
{
    return EscapedText(Text, TTextEscape::Quoted);
}

std::string Bare(const std::string& Text)
{
    return EscapedText(Text, TTextEscape::Bare);
}

class TEndpointWriter {
public:
    TEndpointWriter(const TEndpointList& List,
                    const std::function<void(const std::string& Line)>& AppendLine)
        : m_list(List), m_append(AppendLine)
    {
    }

    void Line(int Depth, const std::string& Text) { m_append(std::string(2 * Depth, ' ') + Text); }

    void Failures(int Depth, const std::vector<TEndpointFailure>& Failures)
    {
        for (const TEndpointFailure& failure : Failures)
            Line(Depth, "failed: " + failure.Call + " returned " + HResultText(failure.Code));
    }

    void Endpoint(const TEndpointNode& Node)
    {
        const std::optional<std::string> name = Node.FriendlyName();
        Line(0, "Endpoint " + std::to_string(Node.Index) + ":" + (name ? " " + Quoted(*name) : ""));
        if (Node.Id)
            Line(1, "id: " + Bare(*Node.Id));
        if (Node.Flow)
            Line(1,
                 std::string("flow: ") + (*Node.Flow < kFlows ? FlowName(*Node.Flow) : "unknown"));
        if (Node.State)
            Line(1, "state: " + StateName(*Node.State));
        Property(Node, TEndpointKey::DeviceDesc, "description");
        Property(Node, TEndpointKey::InterfaceFriendlyName, "adapter");
        Property(Node, TEndpointKey::FormFactor, "form factor");
        if (Node.Id)
            Line(1, "default for: " + Roles(Node));
        for (const UINT mixer : Node.MixerDevices)
            Line(1, "legacy mixer device: " + std::to_string(mixer));
        Property(Node, TEndpointKey::DeviceFormat, "format");
        if (Node.Volume)
            Volume(*Node.Volume);
        if (Node.Peak) {
            std::string peak = "peak: ";
            AddDecimal(peak, *Node.Peak * 100.0) += "%";
            Line(1, peak);
        }
        Failures(1, Node.Failures);
        if (!Node.Sessions)
            return;
        Line(1, Format("sessions: %u", static_cast<unsigned>(Node.Sessions->size())));
        for (const TSessionNode& session : *Node.Sessions)
            Session(session);
    }

private:
    void Volume(const TEndpointVolume& Volume)
    {
        std::string text;
        AddLevels(text, Volume.Decibels, Volume.Scalar);
        if (const auto& range = Volume.Range) {
            AddDecimal(Next(text) += "range ", range->Minimum) += " to ";
            AddDecimal(text, range->Maximum) += " dB by ";
            AddDecimal(text, range->Increment) += " dB";
        }
        if (Volume.Step)
            Next(text) += Format("step %u of %u", static_cast<unsigned>(Volume.Step->Step),
                                 static_cast<unsigned>(Volume.Step->Steps));
        AddMuted(text, Volume.Muted);
        if (Volume.ChannelCount)
            Next(text) += Format("%u channels", static_cast<unsigned>(*Volume.ChannelCount));
        if (!text.empty())
            Line(1, "volume: " + text);
        for (std::size_t channel = 0; channel < Volume.Channels.size(); ++channel) {
            std::string levels;
            AddLevels(levels, Volume.Channels[channel].Decibels, Volume.Channels[channel].Scalar);
            if (!levels.empty())
                Line(1, Format("channel %u: ", static_cast<unsigned>(channel)) + levels);
        }
        if (Volume.HardwareSupport)
            Line(1, "hardware support: " + HardwareSupportText(*Volume.HardwareSupport));
    }

    void Session(const TSessionNode& Node)
    {
        std::string text = Format("Session %d:", Node.Index), parts;
        if (Node.DisplayName && !Node.DisplayName->empty())
            Next(parts) += Quoted(*Node.DisplayName);
        if (const auto& id = Node.ProcessId) {
            if (Node.SeveralProcesses)
                Next(parts) +=
                    Format("several processes, the first pid %u", static_cast<unsigned>(*id));
            else if (*id == 0)
                Next(parts) += "no process";
            else
                Next(parts) += Format("pid %u", static_cast<unsigned>(*id));
            if (Node.ProgramFile)
                parts += " (" + Bare(*Node.ProgramFile) + ")";
        }
        if (Node.State)
            Next(parts) += SessionStateName(*Node.State);
        if (Node.SystemSounds && *Node.SystemSounds)
            Next(parts) += "system sounds";
        if (Node.Volume)
            AddDecimal(Next(parts) += "volume ", *Node.Volume * 100.0) += "%";
        AddMuted(parts, Node.Muted);
        Line(2, parts.empty() ? text : text + " " + parts);
        Failures(3, Node.Failures);
    }

    void Property(const TEndpointNode& Node, TEndpointKey Key, const char* Label)
    {
        const TPropertyValue* value = Node.Property(Key);
        if (!value)
            return; // not read: its failure says so
        const std::string label = std::string(Label) + ": ";
        if (value->Type == kTypeEmpty)
            Line(1, label + "not set");
        else if (value->Type == kTypeWideText && Key != TEndpointKey::FormFactor &&
                 Key != TEndpointKey::DeviceFormat)
            Line(1, label + Quoted(value->Text));
        else if (value->Type == kTypeUInt32 && Key == TEndpointKey::FormFactor)
            Line(1, label + FormFactorName(value->Number));
        else if (value->Type == kTypeBlob && Key == TEndpointKey::DeviceFormat)
            Line(1, label + WaveFormatText(value->Blob));
        else
            Line(1, label + "a value of type " + std::to_string(value->Type) + ", not read");
    }

    // The roles the endpoint is the default for; those whose default could not be read too.
    std::string Roles(const TEndpointNode& Node) const
    {
        std::string known, unknown;
        for (DWORD role = 0; role < kRoles; ++role) {
            bool asked = true;
            for (DWORD flow = 0; flow < kFlows; ++flow)
                if (!Node.Flow || *Node.Flow == flow)
                    asked = asked && m_list.Defaults[flow][role].Known;
            if (IsDefaultFor(m_list, Node, role))
                known += (known.empty() ? "" : ", ") + std::string(RoleName(role));
            else if (!asked)
                unknown += (unknown.empty() ? "" : ", ") + std::string(RoleName(role));
        }
        return (known.empty() ? "no role" : known) +
               (unknown.empty() ? "" : " (not known for " + unknown + ")");
    }

    const TEndpointList& m_list;
    const std::function<void(const std::string& Line)>& m_append;
};

} // namespace

void WriteEndpointsText(const TEndpointList& List, const std::string& Where, DWORD WindowsMajor,
                        const std::function<void(const std::string& Line)>& AppendLine)
{
    TEndpointWriter text(List, AppendLine);
    if (!List.Available()) {
        text.Line(0, UnavailableText(List, WindowsMajor));
        return;
    }
    text.Line(0, Where + ", " + std::to_string(List.Endpoints.size()) + " audio endpoints");
    text.Failures(0, List.Failures);
    for (const TEndpointNode& endpoint : List.Endpoints)
        text.Endpoint(endpoint);
}
