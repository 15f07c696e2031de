#include "app/ReportTool.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "audio/EndpointList.h"
#include "mixer/Reports.h"
#include "platform/Json.h"
#include "platform/TextEscape.h"

namespace {

// The first lines are those the tool has always printed; the tree's follow them.
const char kUsage[] =
    "Usage: KorvaleReport [--caps] [--volume] [--help]\n"
    "Prints Korvale's mixer reports to standard output.\n"
    "  --caps     the device capabilities report\n"
    "  --volume   the master volume query\n"
    "  --help     this text\n"
    "With no argument, both reports are printed, capabilities first.\n"
    "\n"
    "       KorvaleReport --tree [--json] [--device INDEX|NAME]\n"
    "  --tree     every device's capabilities, destination and source lines and\n"
    "             controls, with each control's values per channel\n"
    "  --json     the same as one JSON document (alone it means --tree --json)\n"
    "  --device   only the device of that index, or whose name is NAME or holds\n"
    "             it (ignoring case)\n"
    "Exit codes: 0 done; 1 failed (the output could not be written, or winmm\n"
    "could not be loaded); 2 usage error; 3 no such device; 4 the tree was\n"
    "written, but some mixer calls failed (each error is shown where it\n"
    "happened).\n"
    "\n"
    "       KorvaleReport --endpoints [--json] [--endpoint NAME|ID|\n"
    "                                  default-render|default-capture]\n"
    "  --endpoints  every Core Audio endpoint (Windows Vista and later): its id,\n"
    "             names, flow, state, form factor, default roles and format, and\n"
    "             an active one's volume, peak and audio sessions\n"
    "  --endpoint   only the endpoint of that id or name (or holding NAME,\n"
    "             ignoring case), or a flow's default (implies --endpoints)\n"
    "  --json     with --endpoints: the endpoints as one JSON document\n"
    "Exit codes as above: 3 no such endpoint; 4 some Core Audio calls failed.\n";

struct TReportRequest {
    bool Caps = false;
    bool Volume = false;
    bool Help = false;
    bool Tree = false;
    bool Json = false;
    std::optional<std::string> Device;
    bool Endpoints = false;
    std::optional<std::string> Endpoint;
    std::string Problem; // why the arguments cannot be followed
};

// A --device or --endpoint choice; given twice, which one was meant is not known.
void Choose(std::optional<std::string>& Choice, const char* Option, const std::string& Value,
            std::string& Problem)
{
    if (Choice && Problem.empty())
        Problem = std::string(Option) + " given twice";
    Choice = Value;
}

TReportRequest ParseArguments(const std::vector<std::string>& Arguments)
{
    TReportRequest request;
    for (auto argument = Arguments.begin(); argument != Arguments.end(); ++argument) {
        if (*argument == "--caps")
            request.Caps = true;
        else if (*argument == "--volume")
            request.Volume = true;
        else if (*argument == "--help")
            request.Help = true;
        else if (*argument == "--tree")
            request.Tree = true;
        else if (*argument == "--json")
            request.Json = true;
        else if (*argument == "--device" && argument + 1 != Arguments.end())
            Choose(request.Device, "--device", *++argument, request.Problem);
        else if (*argument == "--endpoints")
            request.Endpoints = true;
        else if (*argument == "--endpoint" && argument + 1 != Arguments.end())
            Choose(request.Endpoint, "--endpoint", *++argument, request.Problem);
        else if (request.Problem.empty())
            request.Problem = *argument == "--device" ? "--device needs a device index or name"
                              : *argument == "--endpoint"
                                  ? "--endpoint needs an endpoint's name or id"
                                  : "unknown argument \"" + *argument + "\"";
    }
    if (request.Endpoint)
        request.Endpoints = true;
    // --json alone means the tree's JSON; with --endpoints, the endpoints'.
    if (request.Device || (request.Json && !request.Endpoints))
        request.Tree = true;
    if (request.Endpoints && (request.Tree || request.Caps || request.Volume) &&
        request.Problem.empty())
        request.Problem =
            "--endpoints cannot be combined with --tree, --device, --caps or --volume";
    if (request.Tree && (request.Caps || request.Volume) && request.Problem.empty())
        request.Problem = "--tree and --json cannot be combined with --caps or --volume";
    if (Arguments.empty())
        request.Caps = request.Volume = true;
    return request;
}

// True when the whole text was handed to the stream.
bool Write(std::FILE* Stream, const std::string& Text)
{
    return std::fwrite(Text.data(), 1, Text.size(), Stream) == Text.size();
}

// True when everything written so far reached its destination.
bool Flushed(std::FILE* Stream)
{
    return std::fflush(Stream) == 0 && !std::ferror(Stream);
}

int Finish(std::FILE* Out, std::FILE* Err, const char* What, int Code)
{
    if (Flushed(Out))
        return Code;
    Write(Err, std::string("KorvaleReport: the ") + What + " could not be written\n");
    return rxFailed;
}

// UTF-8 text, the console's own way where the stream is one: names in any script show as they are.
bool WriteText(const TReportToolSystem& System, std::FILE* Stream, const std::string& Text)
{
    return System.WriteUtf8 ? System.WriteUtf8(Stream, Text) : Write(Stream, Text);
}

// Writes a report's UTF-8 text; Code when all of it reached Out.
int WriteReport(const TReportToolSystem& System, std::FILE* Out, std::FILE* Err,
                const std::string& Text, int Code)
{
    if (!WriteText(System, Out, Text)) {
        Write(Err, "KorvaleReport: the report could not be written\n");
        return rxFailed;
    }
    return Finish(Out, Err, "report", Code);
}

// Leaves only the item at Position, moving rather than copying it.
template <typename Item>
void KeepOnly(std::vector<Item>& Items, std::size_t Position)
{
    Items.erase(Items.begin() + static_cast<std::ptrdiff_t>(Position) + 1, Items.end());
    Items.erase(Items.begin(), Items.begin() + static_cast<std::ptrdiff_t>(Position));
}

// What --device or --endpoint says when its argument names no single item: the items, and exit 3.
int NoSingleChoice(const TReportToolSystem& System, std::FILE* Err, const char* What,
                   const char* Items, const std::string& Selector, const std::string& List)
{
    WriteText(System, Err,
              std::string("KorvaleReport: no single ") + What + " is " +
                  EscapedText(Selector, TTextEscape::Quoted) + " or has it in its name; the " +
                  Items + " are:\n" + List);
    return rxNoSuchDevice;
}

std::string DeviceList(const std::vector<TMixerDeviceNode>& Devices)
{
    std::string list;
    for (const TMixerDeviceNode& device : Devices)
        list += "  " + std::to_string(device.Index) + ": " +
                EscapedText(device.Name, TTextEscape::Bare) + "\n";
    return list.empty() ? "  (none)\n" : list;
}

// Names each wave link's endpoint from List, matched by identifier: where the wave devices and
// Core Audio's endpoints meet.
void NameWaveLinks(std::vector<TWaveLink>& Links, const TEndpointList& List)
{
    for (TWaveLink& link : Links)
        for (const TEndpointNode& endpoint : List.Endpoints)
            if (link.EndpointId && endpoint.Id == link.EndpointId)
                link.EndpointName = endpoint.FriendlyName();
}

// Each endpoint's legacy mixer devices: those of the wave devices that carry its identifier. A
// wave device that could not say is shown, with its failure, in the tree.
void MarkMixerDevices(TEndpointList& List, const std::vector<TWaveLink>& Links)
{
    for (TEndpointNode& endpoint : List.Endpoints)
        for (const TWaveLink& link : Links)
            if (link.MixerIndex && link.EndpointId && endpoint.Id == link.EndpointId &&
                std::find(endpoint.MixerDevices.begin(), endpoint.MixerDevices.end(),
                          *link.MixerIndex) == endpoint.MixerDevices.end())
                endpoint.MixerDevices.push_back(*link.MixerIndex);
}

// Every wave device's mixer device and endpoint, the endpoints named from Core Audio's list.
// Core Audio is asked only when some wave device gave an endpoint identifier; without it (Windows
// XP, or no enumerator) the names stay unknown. Its own failures are --endpoints' to show.
std::vector<TWaveLink> ReadNamedWaveLinks(IMixer& Mixer, const TReportToolSystem& System,
                                          std::vector<TMixerFailure>& Claims)
{
    std::vector<TWaveLink> links =
        ReadWaveLinks(Mixer, MixerIsSessionScoped(System.Context), &Claims);
    if (System.OpenEndpoints && std::any_of(links.begin(), links.end(), [](const TWaveLink& Link) {
            return Link.EndpointId.has_value();
        }))
        NameWaveLinks(links, ReadEndpoints(*System.OpenEndpoints(), false));
    return links;
}

int RunTree(const TReportRequest& Request, const TReportToolSystem& System, std::FILE* Out,
            std::FILE* Err)
{
    const std::unique_ptr<IMixer> mixer = System.OpenMixer();
    TMixerTree tree =
        ReadMixerDevices(*mixer, System.MediaNames ? *System.MediaNames : NoMediaNames());
    if (Request.Device) {
        const auto chosen = SelectMixerDevice(tree.Devices, *Request.Device);
        if (!chosen) {
            return NoSingleChoice(System, Err, "mixer device", "devices", *Request.Device,
                                  DeviceList(tree.Devices));
        }
        KeepOnly(tree.Devices, *chosen);
    }
    AttachWaveLinks(tree.Devices, ReadNamedWaveLinks(*mixer, System, tree.Failures));
    TReadBudget budget;
    for (TMixerDeviceNode& device : tree.Devices)
        WalkMixerDevice(*mixer, device, budget);

    std::string text;
    if (Request.Json)
        text = TreeJson(tree, System.Context);
    else
        WriteTreeText(tree, System.Context,
                      [&text](const std::string& Line) { text += Line + "\n"; });
    return WriteReport(System, Out, Err, text, CountFailures(tree) ? rxSomeCallsFailed : rxDone);
}

std::string EndpointList(const TEndpointList& List)
{
    std::string list;
    for (const TEndpointNode& endpoint : List.Endpoints)
        list += "  " +
                EscapedText(endpoint.FriendlyName().value_or("(no name)"), TTextEscape::Bare) +
                ": " + EscapedText(endpoint.Id.value_or("(no id)"), TTextEscape::Bare) + "\n";
    return list.empty() ? "  (none)\n" : list;
}

int RunEndpoints(const TReportRequest& Request, const TReportToolSystem& System, std::FILE* Out,
                 std::FILE* Err)
{
    const std::unique_ptr<IEndpointEnumerator> enumerator = System.OpenEndpoints();
    TEndpointList list = ReadEndpoints(*enumerator);
    if (list.Available())
        MarkMixerDevices(list, ReadWaveLinks(*System.OpenMixer()));
    if (Request.Endpoint && list.Available()) {
        const auto chosen = SelectEndpoint(list, *Request.Endpoint);
        if (!chosen) {
            return NoSingleChoice(System, Err, "endpoint", "endpoints", *Request.Endpoint,
                                  EndpointList(list));
        }
        KeepOnly(list.Endpoints, *chosen);
    }
    std::string text;
    if (Request.Json) {
        TJsonWriter json;
        json.Begin("", '{');
        WriteJsonHead(json, System.Context);
        WriteEndpointsJson(json, list, System.Context.WindowsMajor);
        json.End('}');
        text = json.Text();
    } else {
        WriteEndpointsText(list, ReadWhere(System.Context), System.Context.WindowsMajor,
                           [&text](const std::string& Line) { text += Line + "\n"; });
    }
    return WriteReport(System, Out, Err, text, CountFailures(list) ? rxSomeCallsFailed : rxDone);
}

} // namespace

int RunReportTool(const std::vector<std::string>& Arguments, const TReportToolSystem& System,
                  std::FILE* Out, std::FILE* Err)
{
    const TReportRequest request = ParseArguments(Arguments);
    if (!request.Problem.empty()) {
        Write(Err, "KorvaleReport: " + request.Problem + "\n" + kUsage);
        return rxUsage;
    }
    if (request.Help) {
        Write(Out, kUsage);
        return Finish(Out, Err, "help", rxDone);
    }
    try {
        if (request.Tree)
            return RunTree(request, System, Out, Err);
        if (request.Endpoints)
            return RunEndpoints(request, System, Out, Err);
        const std::unique_ptr<IMixer> mixer = System.OpenMixer();
        const TLineSink print = [&](const std::string& Line) { Write(Out, Line + "\n"); };
        if (request.Caps)
            RunDevCapsReport(*mixer, print);
        if (request.Volume)
            RunVolumeReport(*mixer, print);
    } catch (const std::exception& error) {
        Flushed(Out);
        Write(Err, std::string("KorvaleReport: ") + error.what() + "\n");
        return rxFailed;
    }
    return Finish(Out, Err, "report", rxDone);
}
