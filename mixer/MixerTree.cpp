#include "mixer/MixerTree.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "mixer/MMReg.h"
#include "mixer/MixerQueries.h"
#include "mixer/OpenMixer.h"
#include "platform/Names.h"
#include "platform/RecordText.h"

namespace {

// Keeps a failed call's code at its node; true when the call succeeded.
bool Succeeded(MMRESULT Code, const char* Call, std::vector<TMixerFailure>& Failures)
{
    if (Code == MMSYSERR_NOERROR)
        return true;
    Failures.push_back({Call, Code});
    return false;
}

// Keeps a query's failure at its node, the memory the driver's count asked for included; true
// when the query succeeded.
bool Succeeded(const TQueryResult& Result, const char* Call, std::vector<TMixerFailure>& Failures)
{
    switch (Result.Outcome) {
    case TQueryResult::kNoMemory:
        Failures.push_back({kMemoryFailure, MMSYSERR_NOMEM});
        return false;
    case TQueryResult::kUnwritten:
        Failures.push_back({Call, MMSYSERR_NOERROR});
        return false;
    case TQueryResult::kAnswered:
        break;
    }
    return Succeeded(Result.Code, Call, Failures);
}

// Claimed, capped at kMostCounted; a larger claim (Count, from Call) is kept at the node.
DWORD Capped(DWORD Claimed, const char* Call, const char* Count,
             std::vector<TMixerFailure>& Failures)
{
    if (Claimed <= kMostCounted)
        return Claimed;
    Failures.push_back({Call, Count, Claimed, kMostCounted});
    return kMostCounted;
}

// Takes Reads from the walk's budget; when it is spent, says so at the node.
bool Budgeted(TReadBudget& Budget, std::uint64_t Reads, std::vector<TMixerFailure>& Failures)
{
    const bool wasSpent = Budget.Spent();
    if (Budget.Take(Reads))
        return true;
    if (!wasSpent)
        Failures.push_back({kWalkLimit, "reads", static_cast<DWORD>(Reads), kMostReads});
    return false;
}

// The walk's state while it reads one open device.
struct TWalk {
    IMixer& Mixer;
    const TOpenMixer& Open;
    TReadBudget& Budget;
};

bool IsZero(const GUID& Guid)
{
    const GUID zero{};
    return std::equal(reinterpret_cast<const char*>(&Guid),
                      reinterpret_cast<const char*>(&Guid + 1),
                      reinterpret_cast<const char*>(&zero));
}

TMixerDeviceNode ReadDevice(IMixer& Mixer, IMediaNames& Names, UINT Index)
{
    TMixerDeviceNode device;
    device.Index = Index;
    MIXERCAPS2W caps{};
    const MMRESULT result = Mixer.GetDevCaps(Index, &caps, sizeof caps);
    if (!Succeeded(result == MMSYSERR_NOERROR && IsAsHandedOver(caps)
                       ? TQueryResult(TQueryResult::kUnwritten)
                       : TQueryResult(result),
                   kCapsCall, device.Failures))
        return device;
    device.CapsRead = true;
    device.Mid = caps.wMid;
    device.Pid = caps.wPid;
    device.DriverVersion = caps.vDriverVersion;
    device.Support = caps.fdwSupport;
    device.Destinations = caps.cDestinations;
    device.Name = FixedTextUtf8(caps.szPname);
    // Cut: it fills every character before the last, with the terminator there or (from a driver
    // that leaves it out) nowhere.
    device.NameCut = std::find(caps.szPname, caps.szPname + MAXPNAMELEN, WCHAR()) >=
                     caps.szPname + MAXPNAMELEN - 1;
    // The name GUID is only a hint (some drivers fill it with anything): a full name is shown
    // only when the registry has one for it.
    if (device.NameCut && !IsZero(caps.NameGuid))
        device.FullName = Names.NameOf(caps.NameGuid);

    const char* manufacturer = FindManufacturerName(caps.wMid);
    const char* product = FindProductName(caps.wMid, caps.wPid);
    device.Manufacturer = manufacturer ? manufacturer : kUnmappedManufacturer;
    device.Product = product ? product : kUnmappedProduct;
    device.DriverVersionText = DriverVersionText(caps.vDriverVersion);
    return device;
}

void ReadLineFields(const MIXERLINEW& Line, TMixerLineNode& Node)
{
    Node.LineId = Line.dwLineID;
    Node.Flags = Line.fdwLine;
    Node.ComponentType = Line.dwComponentType;
    Node.Channels = Line.cChannels;
    Node.Connections = Line.cConnections;
    Node.ControlCount = Line.cControls;
    Node.ShortName = FixedTextUtf8(Line.szShortName);
    Node.Name = FixedTextUtf8(Line.szName);
    Node.Target.Type = Line.Target.dwType;
    Node.Target.DeviceId = Line.Target.dwDeviceID;
    Node.Target.Mid = Line.Target.wMid;
    Node.Target.Pid = Line.Target.wPid;
    Node.Target.DriverVersion = Line.Target.vDriverVersion;
    Node.Target.Name = FixedTextUtf8(Line.Target.szPname);
}

TMixerControlNode ControlNode(const MIXERCONTROLW& Control)
{
    TMixerControlNode node;
    node.Id = Control.dwControlID;
    node.Type = Control.dwControlType;
    node.Flags = Control.fdwControl;
    node.MultipleItems = Control.cMultipleItems;
    node.ShortName = FixedTextUtf8(Control.szShortName);
    node.Name = FixedTextUtf8(Control.szName);
    const DWORD units = Control.dwControlType & MIXERCONTROL_CT_UNITS_MASK;
    const bool isSigned =
        units == MIXERCONTROL_CT_UNITS_SIGNED || units == MIXERCONTROL_CT_UNITS_DECIBELS;
    // Each branch widened on its own: mixed in one expression, the signed bound would turn
    // unsigned.
    node.Minimum =
        isSigned ? std::int64_t{Control.Bounds.lMinimum} : std::int64_t{Control.Bounds.dwMinimum};
    node.Maximum =
        isSigned ? std::int64_t{Control.Bounds.lMaximum} : std::int64_t{Control.Bounds.dwMaximum};
    node.Steps = Control.Metrics.cSteps;
    return node;
}

// A multiple-item control's item count, as its details queries carry it; nothing for others.
std::optional<DWORD> MultipleItems(const TMixerControlNode& Control)
{
    if (Control.Flags & MIXERCONTROL_CONTROLF_MULTIPLE)
        return Control.MultipleItems;
    return std::nullopt;
}

// The item texts of a multiple-item control (those of the first channel: one per item).
void ReadItemTexts(const TWalk& Walk, TMixerControlNode& Control)
{
    std::vector<MIXERCONTROLDETAILS_LISTTEXTW> texts;
    if (!Succeeded(QueryControlDetails(Walk.Mixer, Walk.Open.Object(), Control.Id, Control.Channels,
                                       MultipleItems(Control), MIXER_GETCONTROLDETAILSF_LISTTEXT,
                                       texts),
                   kControlDetailsCall, Control.Failures))
        return;
    // A driver gives every item a name: texts left as they were handed over were never written.
    if (std::all_of(texts.begin(), texts.end(),
                    [](const auto& Text) { return IsAsHandedOver(Text); })) {
        Succeeded(TQueryResult(TQueryResult::kUnwritten), kControlDetailsCall, Control.Failures);
        return;
    }
    for (DWORD item = 0; item < Control.Items(); ++item)
        Control.ItemTexts.push_back(FixedTextUtf8(texts[item].szName));
}

// The current values, read with the detail record the units ask for. All three are one 32-bit
// number: BOOLEAN and SIGNED (and decibels, in tenths) signed, UNSIGNED (and percent) not.
void ReadValues(const TWalk& Walk, TMixerControlNode& Control)
{
    std::vector<DWORD> records;
    if (!Succeeded(QueryControlDetails(Walk.Mixer, Walk.Open.Object(), Control.Id, Control.Channels,
                                       MultipleItems(Control), MIXER_GETCONTROLDETAILSF_VALUE,
                                       records),
                   kControlDetailsCall, Control.Failures))
        return;
    const DWORD units = Control.Units();
    const bool isUnsigned =
        units == MIXERCONTROL_CT_UNITS_UNSIGNED || units == MIXERCONTROL_CT_UNITS_PERCENT;
    for (const DWORD record : records)
        Control.Values.push_back(isUnsigned ? std::int64_t{record}
                                            : std::int64_t{static_cast<LONG>(record)});
}

// The item texts and values of a control, where there are any and the counts and the walk's
// budget allow. A multiple-item control of no items has nothing to read, and asking would hand
// the driver no buffer at all, which one that trusts its caller writes through. Custom data has a
// layout only its driver knows: listed, not read.
void ReadControlDetails(const TWalk& Walk, TMixerControlNode& Control)
{
    const bool multiple = Control.Flags & MIXERCONTROL_CONTROLF_MULTIPLE;
    const bool custom = Control.Units() == MIXERCONTROL_CT_UNITS_CUSTOM;
    if (Control.Items() == 0 || (custom && !multiple) || Walk.Budget.Spent())
        return;
    if (Control.Channels !=
            Capped(Control.Channels, kLineInfoCall, "cChannels", Control.Failures) ||
        Control.Items() !=
            Capped(Control.Items(), kLineControlsCall, "cMultipleItems", Control.Failures))
        return;
    const std::uint64_t records = DetailsRecordCount(Control.Channels, MultipleItems(Control));
    if (!Budgeted(Walk.Budget, (multiple ? 2 : 1) * records, Control.Failures))
        return;
    if (multiple)
        ReadItemTexts(Walk, Control);
    if (!custom)
        ReadValues(Walk, Control);
}

void ReadControls(const TWalk& Walk, TMixerLineNode& Line)
{
    if (Line.ControlCount != Capped(Line.ControlCount, kLineInfoCall, "cControls", Line.Failures) ||
        !Budgeted(Walk.Budget, Line.ControlCount, Line.Failures))
        return;
    std::vector<MIXERCONTROLW> controls;
    // Those written are kept even when the driver left others unwritten.
    Succeeded(
        QueryLineControls(Walk.Mixer, Walk.Open.Object(), Line.LineId, Line.ControlCount, controls),
        kLineControlsCall, Line.Failures);
    for (const MIXERCONTROLW& record : controls) {
        TMixerControlNode control = ControlNode(record);
        // One value for a uniform control; one per channel otherwise, and room for one where a
        // line reports no channels.
        control.Channels =
            control.Flags & MIXERCONTROL_CONTROLF_UNIFORM ? 1 : std::max<DWORD>(Line.Channels, 1);
        ReadControlDetails(Walk, control);
        Line.Controls.push_back(std::move(control));
    }
}

TMixerLineNode ReadLine(const TWalk& Walk, DWORD Destination, std::optional<DWORD> Source)
{
    TMixerLineNode node;
    node.IsSource = Source.has_value();
    node.Destination = Destination;
    node.Source = Source.value_or(0);
    if (!Budgeted(Walk.Budget, 1, node.Failures))
        return node;
    MIXERLINEW line = LineRequest<MIXERLINEW>();
    line.dwDestination = Destination;
    line.dwSource = node.Source;
    const DWORD flags = Source ? MIXER_GETLINEINFOF_SOURCE : MIXER_GETLINEINFOF_DESTINATION;
    const MIXERLINEW request = line;
    const MMRESULT result = Walk.Mixer.GetLineInfo(Walk.Open.Object(), &line, flags);
    if (!Succeeded(result == MMSYSERR_NOERROR && IsAsHandedOver(line, request)
                       ? TQueryResult(TQueryResult::kUnwritten)
                       : TQueryResult(result),
                   kLineInfoCall, node.Failures))
        return node;
    node.Read = true;
    ReadLineFields(line, node);
    ReadControls(Walk, node);
    if (!Source) {
        const DWORD sources =
            Capped(node.Connections, kLineInfoCall, "cConnections", node.Failures);
        for (DWORD source = 0; source < sources && !Walk.Budget.Spent(); ++source)
            node.Sources.push_back(ReadLine(Walk, Destination, source));
    }
    return node;
}

// The calls for one direction of wave devices.
struct TWaveKind {
    DWORD MixerFlag;
    const char* SizeCall;
    const char* IdCall;
};
constexpr TWaveKind kWaveOut{MIXER_OBJECTF_WAVEOUT,
                             "waveOutMessage(DRV_QUERYFUNCTIONINSTANCEIDSIZE)",
                             "waveOutMessage(DRV_QUERYFUNCTIONINSTANCEID)"};
constexpr TWaveKind kWaveIn{MIXER_OBJECTF_WAVEIN, "waveInMessage(DRV_QUERYFUNCTIONINSTANCEIDSIZE)",
                            "waveInMessage(DRV_QUERYFUNCTIONINSTANCEID)"};

MMRESULT WaveMessage(IMixer& Mixer, const TWaveLink& Link, UINT Message, DWORD_PTR First,
                     DWORD_PTR Second)
{
    const UINT_PTR device = Link.WaveIndex;
    return Link.Capture
               ? Mixer.WaveInMessage(reinterpret_cast<HWAVEIN>(device), Message, First, Second)
               : Mixer.WaveOutMessage(reinterpret_cast<HWAVEOUT>(device), Message, First, Second);
}

// The endpoint identifier, asked for its size and then for the text in a buffer of that many
// bytes. A size of 0 (or an empty text) means there is none. Only whole characters are read (an
// odd size's last byte is half of one), up to the first NUL, or all of them when the driver wrote
// none.
void ReadEndpointId(IMixer& Mixer, TWaveLink& Link)
{
    const TWaveKind& kind = Link.Capture ? kWaveIn : kWaveOut;
    // Room for a pointer-sized answer: the documentation says a ULONG, Wine writes a DWORD_PTR.
    DWORD_PTR bytes = 0;
    if (!Succeeded(WaveMessage(Mixer, Link, kQueryFunctionInstanceIdSize,
                               reinterpret_cast<DWORD_PTR>(&bytes), 0),
                   kind.SizeCall, Link.Failures) ||
        bytes == 0)
        return;
    if (bytes > kLargestEndpointId) {
        const DWORD claimed = static_cast<DWORD>(std::min<DWORD_PTR>(bytes, 0xFFFFFFFF));
        Link.Failures.push_back({kind.SizeCall, "bytes", claimed, kLargestEndpointId});
        return;
    }
    std::vector<WCHAR> text;
    if (!TryZeroFill(text, (bytes + 1) / 2)) {
        Link.Failures.push_back({kMemoryFailure, MMSYSERR_NOMEM});
        return;
    }
    if (!Succeeded(WaveMessage(Mixer, Link, kQueryFunctionInstanceId,
                               reinterpret_cast<DWORD_PTR>(text.data()), bytes),
                   kind.IdCall, Link.Failures))
        return;
    const WCHAR* begin = text.data();
    const WCHAR* whole = begin + bytes / 2;
    std::string id = Utf16ToUtf8(begin, std::find(begin, whole, WCHAR()));
    if (!id.empty())
        Link.EndpointId = std::move(id);
}

// The wave devices of one direction. mixerGetID's MMSYSERR_NODRIVER is its answer for a wave
// device without a mixer device, not a failure. Any other failure is kept at the link, which then
// belongs to no mixer device: the tree, which shows links under their mixer devices, neither
// shows nor counts it, and its endpoint is not asked for.
void ReadWaveLinksOf(IMixer& Mixer, bool Capture, bool WithEndpointIds,
                     std::vector<TWaveLink>& Links, std::vector<TMixerFailure>& Claims)
{
    const UINT count =
        Capture ? Capped(Mixer.WaveInGetNumDevs(), "waveInGetNumDevs", "devices", Claims)
                : Capped(Mixer.WaveOutGetNumDevs(), "waveOutGetNumDevs", "devices", Claims);
    for (UINT index = 0; index < count; ++index) {
        TWaveLink& link = Links.emplace_back();
        link.Capture = Capture;
        link.WaveIndex = index;
        // What winmm writes for "no mixer device": a success that writes nothing reads as that.
        constexpr UINT kNoMixer = static_cast<UINT>(-1);
        UINT mixer = kNoMixer;
        const MMRESULT code = Mixer.GetID(reinterpret_cast<HMIXEROBJ>(UINT_PTR{index}), &mixer,
                                          (Capture ? kWaveIn : kWaveOut).MixerFlag);
        if (code != MMSYSERR_NODRIVER && Succeeded(code, kGetIdCall, link.Failures) &&
            mixer != kNoMixer) {
            link.MixerIndex = mixer;
            if (WithEndpointIds)
                ReadEndpointId(Mixer, link);
        }
    }
}

int CountOf(const std::vector<TMixerFailure>& Failures, TFailureFilter Counted)
{
    return static_cast<int>(Counted ? std::count_if(Failures.begin(), Failures.end(), Counted)
                                    : Failures.size());
}

int CountLineFailures(const TMixerLineNode& Line, TFailureFilter Counted)
{
    int count = CountOf(Line.Failures, Counted);
    for (const TMixerControlNode& control : Line.Controls)
        count += CountOf(control.Failures, Counted);
    for (const TMixerLineNode& source : Line.Sources)
        count += CountLineFailures(source, Counted);
    return count;
}

} // namespace

bool TMixerControlNode::HasPercent() const
{
    return Units() != MIXERCONTROL_CT_UNITS_BOOLEAN && Units() != MIXERCONTROL_CT_UNITS_CUSTOM &&
           Maximum > Minimum;
}

bool TMixerControlNode::InRange(std::int64_t Value) const
{
    return Units() == MIXERCONTROL_CT_UNITS_BOOLEAN || Units() == MIXERCONTROL_CT_UNITS_CUSTOM ||
           (Value >= Minimum && Value <= Maximum);
}

bool TMixerControlNode::AnyOutOfRange() const
{
    return std::any_of(Values.begin(), Values.end(),
                       [this](std::int64_t Value) { return !InRange(Value); });
}

std::int64_t TMixerControlNode::PercentTenths(std::int64_t Value) const
{
    const double share =
        static_cast<double>(Value - Minimum) / static_cast<double>(Maximum - Minimum);
    return static_cast<std::int64_t>(std::llround(share * 1000.0));
}

TMixerTree ReadMixerDevices(IMixer& Mixer, IMediaNames& Names)
{
    TMixerTree tree;
    const UINT count = Capped(Mixer.GetNumDevs(), "mixerGetNumDevs", "devices", tree.Failures);
    for (UINT index = 0; index < count; ++index)
        tree.Devices.push_back(ReadDevice(Mixer, Names, index));
    return tree;
}

void WalkMixerDevice(IMixer& Mixer, TMixerDeviceNode& Device, TReadBudget& Budget)
{
    if (!Device.Failures.empty())
        return; // no capabilities: nothing to walk
    const DWORD destinations =
        Capped(Device.Destinations, kCapsCall, "cDestinations", Device.Failures);
    HMIXER handle = nullptr;
    if (!Succeeded(Mixer.Open(&handle, Device.Index, 0, 0, CALLBACK_NULL), kOpenCall,
                   Device.Failures))
        return;
    TOpenMixer open(Mixer, handle);
    const TWalk walk{Mixer, open, Budget};
    for (DWORD destination = 0; destination < destinations && !Budget.Spent(); ++destination)
        Device.DestinationLines.push_back(ReadLine(walk, destination, std::nullopt));
    open.Close();
}

std::vector<TWaveLink> ReadWaveLinks(IMixer& Mixer, bool WithEndpointIds,
                                     std::vector<TMixerFailure>* Claims)
{
    std::vector<TMixerFailure> claims;
    std::vector<TWaveLink> links;
    ReadWaveLinksOf(Mixer, false, WithEndpointIds, links, claims);
    ReadWaveLinksOf(Mixer, true, WithEndpointIds, links, claims);
    if (Claims)
        Claims->insert(Claims->end(), claims.begin(), claims.end());
    return links;
}

void AttachWaveLinks(std::vector<TMixerDeviceNode>& Devices, std::vector<TWaveLink> Links)
{
    for (TMixerDeviceNode& device : Devices)
        for (TWaveLink& link : Links)
            if (link.MixerIndex == device.Index)
                device.WaveLinks.push_back(std::move(link));
}

int CountFailures(const TMixerTree& Tree)
{
    int count = static_cast<int>(Tree.Failures.size());
    for (const TMixerDeviceNode& device : Tree.Devices)
        count += CountFailures(device);
    return count;
}

int CountFailures(const TMixerDeviceNode& Device, TFailureFilter Counted)
{
    int count = CountOf(Device.Failures, Counted);
    for (const TWaveLink& link : Device.WaveLinks)
        count += CountOf(link.Failures, Counted);
    for (const TMixerLineNode& line : Device.DestinationLines)
        count += CountLineFailures(line, Counted);
    return count;
}

std::optional<std::size_t> SelectMixerDevice(const std::vector<TMixerDeviceNode>& Devices,
                                             const std::string& Selector)
{
    if (!Selector.empty() && std::all_of(Selector.begin(), Selector.end(), [](char Character) {
            return std::isdigit(static_cast<unsigned char>(Character));
        })) {
        for (std::size_t position = 0; position < Devices.size(); ++position)
            if (std::to_string(Devices[position].Index) == Selector)
                return position;
        return std::nullopt;
    }
    // A whole name wins over parts of others; otherwise the part must be in exactly one.
    std::vector<std::vector<std::string>> names;
    for (const TMixerDeviceNode& device : Devices)
        names.push_back({device.Name, device.FullName.value_or(std::string())});
    return MatchName(names, Selector);
}
