#include "audio/EndpointList.h"

#include "platform/Format.h"

namespace {

std::string Quoted(const std::string& Text)
{
    return "\"" + Text + "\"";
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
            Line(1, "id: " + *Node.Id);
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
        Failures(1, Node.Failures);
    }

private:
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
