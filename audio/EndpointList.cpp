#include "audio/EndpointList.h"

#include <algorithm>
#include <cmath>

#include "platform/Format.h"
#include "platform/Names.h"

namespace {

constexpr TEndpointKey kKeys[] = {TEndpointKey::FriendlyName, TEndpointKey::DeviceDesc,
                                  TEndpointKey::InterfaceFriendlyName, TEndpointKey::FormFactor,
                                  TEndpointKey::DeviceFormat};

// Keeps a failed call's code at its node; true when the call succeeded.
bool Succeeded(HRESULT Code, const char* Call, std::vector<TEndpointFailure>& Failures)
{
    if (Code >= 0)
        return true;
    Failures.push_back({Call, Code});
    return false;
}

bool Succeeded(HRESULT Code, const std::string& Call, std::vector<TEndpointFailure>& Failures)
{
    return Succeeded(Code, Call.c_str(), Failures);
}

// Succeeded, and a success that left a float output unwritten kept as kNotWritten.
bool Written(HRESULT Code, const char* Call, std::vector<TEndpointFailure>& Failures,
             std::initializer_list<float> Outputs)
{
    const bool unwritten = std::any_of(Outputs.begin(), Outputs.end(), IsUnwritten);
    return Succeeded(Code >= 0 && unwritten ? kNotWritten : Code, Call, Failures);
}

// The float a call wrote: Value is read once the call, an argument too, has been made.
std::optional<float> Level(HRESULT Code, const float& Value, const char* Call,
                           std::vector<TEndpointFailure>& Failures)
{
    return Written(Code, Call, Failures, {Value}) ? std::optional(Value) : std::nullopt;
}

void ReadProperties(IEndpointDevice& Device, TEndpointNode& Node)
{
    std::unique_ptr<IEndpointProperties> store;
    if (!Succeeded(Device.OpenPropertyStore(store), "IMMDevice::OpenPropertyStore", Node.Failures))
        return;
    Node.StoreOpened = true;
    for (const TEndpointKey key : kKeys) {
        TPropertyValue property;
        const bool read = Succeeded(
            store->GetValue(key, property),
            std::string("IPropertyStore::GetValue(") + EndpointKeyName(key) + ")", Node.Failures);
        Node.Properties.push_back({key, read ? std::optional(property) : std::nullopt});
    }
}

void ReadChannels(IEndpointVolume& Control, TEndpointVolume& Volume,
                  std::vector<TEndpointFailure>& Failures)
{
    UINT count = 0;
    if (!Succeeded(Control.GetChannelCount(count), "IAudioEndpointVolume::GetChannelCount",
                   Failures))
        return;
    Volume.ChannelCount = count;
    Volume.Channels.resize(std::min(count, kMostChannels));
    for (UINT channel = 0; channel < Volume.Channels.size(); ++channel) {
        TChannelVolume& read = Volume.Channels[channel];
        float value = kUnwritten;
        read.Decibels = Level(
            Control.GetChannelVolumeLevel(channel, value), value,
            Format("IAudioEndpointVolume::GetChannelVolumeLevel(%u)", channel).c_str(), Failures);
        read.Scalar =
            Level(Control.GetChannelVolumeLevelScalar(channel, value), value,
                  Format("IAudioEndpointVolume::GetChannelVolumeLevelScalar(%u)", channel).c_str(),
                  Failures);
    }
}

void ReadVolume(IEndpointDevice& Device, TEndpointNode& Node)
{
    std::vector<TEndpointFailure>& Failures = Node.Failures;
    std::unique_ptr<IEndpointVolume> control;
    if (!Succeeded(Device.ActivateVolume(control), "IMMDevice::Activate(IAudioEndpointVolume)",
                   Failures))
        return;
    TEndpointVolume& volume = Node.Volume.emplace();
    float value = kUnwritten;
    volume.Decibels = Level(control->GetMasterVolumeLevel(value), value,
                            "IAudioEndpointVolume::GetMasterVolumeLevel", Failures);
    volume.Scalar = Level(control->GetMasterVolumeLevelScalar(value), value,
                          "IAudioEndpointVolume::GetMasterVolumeLevelScalar", Failures);
    TEndpointVolume::TRange range{kUnwritten, kUnwritten, kUnwritten};
    // Made before its floats are looked at; a range is read only when all three were written.
    const HRESULT code = control->GetVolumeRange(range.Minimum, range.Maximum, range.Increment);
    if (Written(code, "IAudioEndpointVolume::GetVolumeRange", Failures,
                {range.Minimum, range.Maximum, range.Increment}))
        volume.Range = range;
    TEndpointVolume::TStep step{};
    if (Succeeded(control->GetVolumeStepInfo(step.Step, step.Steps),
                  "IAudioEndpointVolume::GetVolumeStepInfo", Failures))
        volume.Step = step;
    bool muted = false;
    if (Succeeded(control->GetMute(muted), "IAudioEndpointVolume::GetMute", Failures))
        volume.Muted = muted;
    ReadChannels(*control, volume, Failures);
    DWORD mask = 0;
    if (Succeeded(control->QueryHardwareSupport(mask), "IAudioEndpointVolume::QueryHardwareSupport",
                  Failures))
        volume.HardwareSupport = mask;
}

std::optional<float> ReadPeak(IEndpointDevice& Device, std::vector<TEndpointFailure>& Failures)
{
    std::unique_ptr<IEndpointMeter> meter;
    if (!Succeeded(Device.ActivateMeter(meter), "IMMDevice::Activate(IAudioMeterInformation)",
                   Failures))
        return std::nullopt;
    float peak = kUnwritten;
    return Level(meter->GetPeakValue(peak), peak, "IAudioMeterInformation::GetPeakValue", Failures);
}

TSessionNode ReadSession(IEndpointSessions& Sessions, int Index, IEndpointEnumerator& System)
{
    TSessionNode node;
    node.Index = Index;
    std::unique_ptr<IEndpointSession> session;
    if (!Succeeded(Sessions.GetSession(Index, session), "IAudioSessionEnumerator::GetSession",
                   node.Failures))
        return node;
    DWORD value = 0;
    if (Succeeded(session->GetState(value), "IAudioSessionControl::GetState", node.Failures))
        node.State = value;
    std::string text;
    if (Succeeded(session->GetDisplayName(text), "IAudioSessionControl::GetDisplayName",
                  node.Failures))
        node.DisplayName = text;
    DWORD processId = 0;
    HRESULT code = session->GetProcessId(processId);
    if (Succeeded(code, "IAudioSessionControl2::GetProcessId", node.Failures)) {
        node.ProcessId = processId;
        node.SeveralProcesses = code == kNoSingleProcess;
    }
    // The program file of one running process: a session of several has none of its own, and an
    // expired session's process has ended (its id may be another program's by now).
    std::string path;
    if (node.ProcessId && *node.ProcessId != 0 && !node.SeveralProcesses &&
        node.State != kSessionExpired &&
        Succeeded(System.GetProgramFile(*node.ProcessId, path),
                  "OpenProcess/QueryFullProcessImageNameW", node.Failures))
        node.ProgramFile = path;
    code = session->IsSystemSoundsSession();
    if (Succeeded(code, "IAudioSessionControl2::IsSystemSoundsSession", node.Failures))
        node.SystemSounds = code != kAnsweredNo;
    float volume = kUnwritten;
    node.Volume = Level(session->GetMasterVolume(volume), volume,
                        "ISimpleAudioVolume::GetMasterVolume", node.Failures);
    bool muted = false;
    if (Succeeded(session->GetMute(muted), "ISimpleAudioVolume::GetMute", node.Failures))
        node.Muted = muted;
    return node;
}

void ReadSessions(IEndpointDevice& Device, IEndpointEnumerator& System, TEndpointNode& Node)
{
    std::unique_ptr<IEndpointSessionManager> manager;
    std::unique_ptr<IEndpointSessions> sessions;
    int count = 0;
    // Windows Vista has sessions but no IAudioSessionManager2 to list them: nothing to show.
    const HRESULT activated = Device.ActivateSessions(manager);
    if (activated == kNoInterface ||
        !Succeeded(activated, "IMMDevice::Activate(IAudioSessionManager2)", Node.Failures) ||
        !Succeeded(manager->GetSessionEnumerator(sessions),
                   "IAudioSessionManager2::GetSessionEnumerator", Node.Failures) ||
        !Succeeded(sessions->GetCount(count), "IAudioSessionEnumerator::GetCount", Node.Failures))
        return;
    Node.Sessions.emplace();
    for (int index = 0; index < std::min(count, kMostSessions); ++index)
        Node.Sessions->push_back(ReadSession(*sessions, index, System));
}

TEndpointNode ReadEndpoint(IEndpointCollection& Collection, UINT Index, IEndpointEnumerator& System,
                           bool WithAudio)
{
    TEndpointNode node;
    node.Index = Index;
    std::unique_ptr<IEndpointDevice> device;
    if (!Succeeded(Collection.Item(Index, device), "IMMDeviceCollection::Item", node.Failures))
        return node;
    std::string id;
    if (Succeeded(device->GetId(id), "IMMDevice::GetId", node.Failures))
        node.Id = id;
    DWORD value = 0;
    if (Succeeded(device->GetState(value), "IMMDevice::GetState", node.Failures))
        node.State = value;
    if (Succeeded(device->GetDataFlow(value), "IMMEndpoint::GetDataFlow", node.Failures))
        node.Flow = value;
    ReadProperties(*device, node);
    // Only an active endpoint has a volume, a meter and sessions to ask for.
    if (!WithAudio || node.State != kStateActive)
        return node;
    ReadVolume(*device, node);
    node.Peak = ReadPeak(*device, node.Failures);
    ReadSessions(*device, System, node);
    return node;
}

void ReadDefault(IEndpointEnumerator& Enumerator, DWORD Flow, DWORD Role, TEndpointList& List)
{
    std::unique_ptr<IEndpointDevice> device;
    const HRESULT code = Enumerator.GetDefaultAudioEndpoint(Flow, Role, device);
    TEndpointDefault& found = List.Defaults[Flow][Role];
    // No default for the role is an answer, not a failure.
    found.Known = code == kNotFound;
    if (code == kNotFound ||
        !Succeeded(code,
                   std::string("IMMDeviceEnumerator::GetDefaultAudioEndpoint(") + FlowName(Flow) +
                       ", " + RoleName(Role) + ")",
                   List.Failures))
        return;
    std::string id;
    if (!Succeeded(device->GetId(id),
                   std::string("IMMDevice::GetId of the default ") + FlowName(Flow) + " " +
                       RoleName(Role) + " endpoint",
                   List.Failures))
        return;
    found = {true, id};
}

// Little-endian fields of a blob, read only where the caller has checked the size.
unsigned Word(const std::vector<std::uint8_t>& Blob, std::size_t At)
{
    return Blob[At] | Blob[At + 1] << 8;
}

DWORD Dword(const std::vector<std::uint8_t>& Blob, std::size_t At)
{
    return Word(Blob, At) | static_cast<DWORD>(Word(Blob, At + 2)) << 16;
}

} // namespace

const TPropertyValue* TEndpointNode::Property(TEndpointKey Key) const
{
    for (const TEndpointProperty& property : Properties)
        if (property.Key == Key && property.Value)
            return &*property.Value;
    return nullptr;
}

std::optional<std::string> TEndpointNode::FriendlyName() const
{
    const TPropertyValue* name = Property(TEndpointKey::FriendlyName);
    if (name && name->Type == kTypeWideText)
        return name->Text;
    return std::nullopt;
}

TEndpointList ReadEndpoints(IEndpointEnumerator& Enumerator, bool WithAudio)
{
    TEndpointList list;
    list.CreateResult = Enumerator.Create();
    if (!list.Available())
        return list;
    std::unique_ptr<IEndpointCollection> collection;
    UINT count = 0;
    if (Succeeded(Enumerator.EnumAudioEndpoints(collection),
                  "IMMDeviceEnumerator::EnumAudioEndpoints", list.Failures) &&
        Succeeded(collection->GetCount(count), "IMMDeviceCollection::GetCount", list.Failures)) {
        for (UINT index = 0; index < std::min(count, kMostEndpoints); ++index)
            list.Endpoints.push_back(ReadEndpoint(*collection, index, Enumerator, WithAudio));
    }
    for (DWORD flow = 0; flow < kFlows; ++flow)
        for (DWORD role = 0; role < kRoles; ++role)
            ReadDefault(Enumerator, flow, role, list);
    return list;
}

int CountFailures(const TEndpointList& List)
{
    std::size_t count = List.Failures.size();
    for (const TEndpointNode& endpoint : List.Endpoints) {
        count += endpoint.Failures.size();
        if (endpoint.Sessions)
            for (const TSessionNode& session : *endpoint.Sessions)
                count += session.Failures.size();
    }
    return static_cast<int>(count);
}

std::optional<std::size_t> SelectEndpoint(const TEndpointList& List, const std::string& Selector)
{
    std::optional<std::string> wantedId = Selector;
    if (Selector == "default-render" || Selector == "default-capture")
        wantedId =
            List.Defaults[Selector == "default-render" ? kFlowRender : kFlowCapture][kRoleConsole]
                .Id;
    std::vector<std::vector<std::string>> names;
    for (std::size_t position = 0; position < List.Endpoints.size(); ++position) {
        const TEndpointNode& endpoint = List.Endpoints[position];
        if (wantedId && endpoint.Id == wantedId)
            return position;
        names.push_back({endpoint.FriendlyName().value_or(std::string())});
    }
    return MatchName(names, Selector);
}

const char* FlowName(DWORD Flow)
{
    return Flow == kFlowRender ? "render" : "capture";
}

const char* RoleName(DWORD Role)
{
    static const char* const names[kRoles] = {"console", "multimedia", "communications"};
    return Role < kRoles ? names[Role] : "?";
}

const char* HResultName(HRESULT Code)
{
    static const TNamed names[] = {
        {0x80004001, "E_NOTIMPL"},
        {0x80004002, "E_NOINTERFACE"},
        {0x80004003, "E_POINTER"},
        {0x80004005, "E_FAIL"},
        {0x8000FFFF, "E_UNEXPECTED"},
        {0x80070005, "E_ACCESSDENIED"},
        {0x8007000E, "E_OUTOFMEMORY"},
        {0x80070057, "E_INVALIDARG"},
        {0x80070490, "E_NOTFOUND"},
        {0x80010106, "RPC_E_CHANGED_MODE"},
        {0x80040110, "CLASS_E_NOAGGREGATION"},
        {0x80040154, "REGDB_E_CLASSNOTREG"},
        {0x800401F0, "CO_E_NOTINITIALIZED"},
        {0x80030001, "STG_E_INVALIDFUNCTION"},
        {0x88890004, "AUDCLNT_E_DEVICE_INVALIDATED"},
        {0x88890010, "AUDCLNT_E_SERVICE_NOT_RUNNING"},
    };
    return FindName(names, static_cast<std::uint32_t>(Code));
}

std::string HResultText(HRESULT Code)
{
    if (Code == kNotWritten)
        return "S_OK without writing a value";
    const std::string hex = Format("0x%08X", static_cast<unsigned>(Code));
    const char* name = HResultName(Code);
    return name ? std::string(name) + " (" + hex + ")" : hex;
}

std::string StateName(DWORD State)
{
    switch (State) {
    case kStateActive:
        return "active";
    case kStateDisabled:
        return "disabled";
    case kStateNotPresent:
        return "not present";
    case kStateUnplugged:
        return "unplugged";
    }
    return Format("0x%08X", static_cast<unsigned>(State));
}

std::string FormFactorName(DWORD FormFactor)
{
    static const char* const names[] = {"RemoteNetworkDevice",
                                        "Speakers",
                                        "LineLevel",
                                        "Headphones",
                                        "Microphone",
                                        "Headset",
                                        "Handset",
                                        "UnknownDigitalPassthrough",
                                        "SPDIF",
                                        "DigitalAudioDisplayDevice",
                                        "UnknownFormFactor"};
    if (FormFactor < std::size(names))
        return names[FormFactor];
    return std::to_string(FormFactor);
}

std::string DecimalText(double Value)
{
    if (std::isnan(Value))
        return "NaN";
    if (std::isinf(Value))
        return Value < 0 ? "-infinity" : "infinity";
    if (std::fabs(Value) >= 1e15)
        return Format("%.0f", Value);
    return TenthsText(static_cast<std::int64_t>(std::floor(Value * 10 + 0.5)));
}

std::string SessionStateName(DWORD State)
{
    switch (State) {
    case kSessionInactive:
        return "inactive";
    case kSessionActive:
        return "active";
    case kSessionExpired:
        return "expired";
    }
    return Format("state %u", static_cast<unsigned>(State));
}

bool IsDefaultFor(const TEndpointList& List, const TEndpointNode& Node, DWORD Role)
{
    for (DWORD flow = 0; flow < kFlows; ++flow)
        if (Node.Id && List.Defaults[flow][Role].Id == Node.Id)
            return true;
    return false;
}

std::string UnavailableText(const TEndpointList& List, DWORD WindowsMajor)
{
    const std::string call =
        std::string(kCreateCall) + " returned " + HResultText(List.CreateResult);
    return WindowsMajor < 6 ? "Core Audio endpoints need Windows Vista or later (" + call + ")"
                            : "Core Audio endpoints cannot be read: " + call;
}

const char* EndpointKeyName(TEndpointKey Key)
{
    switch (Key) {
    case TEndpointKey::FriendlyName:
        return "PKEY_Device_FriendlyName";
    case TEndpointKey::DeviceDesc:
        return "PKEY_Device_DeviceDesc";
    case TEndpointKey::InterfaceFriendlyName:
        return "PKEY_DeviceInterface_FriendlyName";
    case TEndpointKey::FormFactor:
        return "PKEY_AudioEndpoint_FormFactor";
    case TEndpointKey::DeviceFormat:
        return "PKEY_AudioEngine_DeviceFormat";
    }
    return "?";
}

std::optional<TWaveFormat> ReadWaveFormat(const std::vector<std::uint8_t>& Blob)
{
    constexpr std::size_t kBaseSize = 18, kExtensibleExtra = 22;
    if (Blob.size() < kBaseSize)
        return std::nullopt;
    TWaveFormat format;
    format.Tag = Word(Blob, 0);
    format.Channels = Word(Blob, 2);
    format.SamplesPerSec = Dword(Blob, 4);
    format.BitsPerSample = Word(Blob, 14);
    const unsigned extra = Word(Blob, 16);
    if (kBaseSize + extra > Blob.size()) {
        format.Problem = Format("cbSize %u claims more than the blob's %u bytes hold", extra,
                                static_cast<unsigned>(Blob.size()));
        return format;
    }
    if (format.Tag != kTagExtensible)
        return format;
    if (extra < kExtensibleExtra) {
        format.Problem = Format("cbSize %u is too short for a WAVEFORMATEXTENSIBLE", extra);
        return format;
    }
    format.ValidBits = Word(Blob, 18);
    format.ChannelMask = Dword(Blob, 20);
    // KSDATAFORMAT_SUBTYPE_PCM and _IEEE_FLOAT share all but their first field.
    static const std::uint8_t tail[] = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00,
                                        0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    const DWORD first = Dword(Blob, 24);
    if (std::equal(std::begin(tail), std::end(tail), Blob.begin() + 28) &&
        (first == kTagPcm || first == kTagFloat))
        format.SubFormat = first == kTagPcm ? "PCM" : "IEEE float";
    else
        format.SubFormat =
            Format("{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                   static_cast<unsigned>(first), Word(Blob, 28), Word(Blob, 30), Blob[32], Blob[33],
                   Blob[34], Blob[35], Blob[36], Blob[37], Blob[38], Blob[39]);
    return format;
}

const char* FormatTagName(unsigned Tag)
{
    return Tag == kTagPcm          ? "PCM"
           : Tag == kTagFloat      ? "IEEE float"
           : Tag == kTagExtensible ? "extensible"
                                   : nullptr;
}

std::string WaveFormatText(const std::vector<std::uint8_t>& Blob)
{
    const std::optional<TWaveFormat> format = ReadWaveFormat(Blob);
    if (!format)
        return Format("a blob of %u bytes, too short for a WAVEFORMATEX",
                      static_cast<unsigned>(Blob.size()));
    std::string text = Format("format tag 0x%04X", format->Tag);
    if (const char* name = FormatTagName(format->Tag))
        text += std::string(" (") + name + ")";
    text += Format(", %u channels, %u Hz, %u bits", format->Channels,
                   static_cast<unsigned>(format->SamplesPerSec), format->BitsPerSample);
    if (!format->Problem.empty())
        return text + "; " + format->Problem;
    if (format->ValidBits)
        text += Format(", %u valid bits, channel mask 0x%08X, sub-format ", *format->ValidBits,
                       static_cast<unsigned>(*format->ChannelMask)) +
                format->SubFormat;
    return text;
}
