#include "FakeEndpoints.h"

namespace {

constexpr HRESULT kNotFound = static_cast<HRESULT>(0x80070490);

// What a failed call leaves behind: never to be shown as read.
constexpr DWORD kGarbage = 0xDDDDDDDD;
constexpr float kGarbageFloat = 12345;

constexpr HRESULT kAccessDenied = static_cast<HRESULT>(0x80070005);

HRESULT Scripted(const TFakeResults& Results, const std::string& Call)
{
    const auto found = Results.find(Call);
    return found == Results.end() ? 0 : found->second;
}

// Answers a call as scripted: Value written on success, garbage on failure.
template <typename Value>
HRESULT Answer(const TFakeResults& Results, const std::string& Call, Value& Out, Value Written,
               Value Garbage)
{
    const HRESULT code = Scripted(Results, Call);
    Out = code < 0 ? Garbage : Written;
    return code;
}

HRESULT AnswerFloat(const TFakeResults& Results, const std::string& Call, float& Out, float Written)
{
    return Answer(Results, Call, Out, Written, kGarbageFloat);
}

// A scripted interface's object: Out gets one when the call succeeds.
template <typename Fake, typename Seam, typename Source>
HRESULT Hand(const TFakeResults& Results, const std::string& Call, std::unique_ptr<Seam>& Out,
             const Source& From)
{
    const HRESULT code = Scripted(Results, Call);
    if (code >= 0)
        Out = std::make_unique<Fake>(From);
    return code;
}

class FakeVolume : public IEndpointVolume {
public:
    explicit FakeVolume(const TFakeEndpoint& Endpoint)
        : m_results(Endpoint.Results), m_volume(Endpoint.Volume)
    {
    }

    HRESULT GetMasterVolumeLevel(float& Decibels) override
    {
        return AnswerFloat(m_results, "GetMasterVolumeLevel", Decibels, m_volume.Decibels);
    }
    HRESULT GetMasterVolumeLevelScalar(float& Scalar) override
    {
        return AnswerFloat(m_results, "GetMasterVolumeLevelScalar", Scalar, m_volume.Scalar);
    }
    HRESULT GetVolumeRange(float& Minimum, float& Maximum, float& Increment) override
    {
        AnswerFloat(m_results, "GetVolumeRange", Minimum, m_volume.Minimum);
        AnswerFloat(m_results, "GetVolumeRange", Maximum, m_volume.Maximum);
        return AnswerFloat(m_results, "GetVolumeRange", Increment, m_volume.Increment);
    }
    HRESULT GetVolumeStepInfo(UINT& Step, UINT& Steps) override
    {
        Answer(m_results, "GetVolumeStepInfo", Step, m_volume.Step, kGarbage);
        return Answer(m_results, "GetVolumeStepInfo", Steps, m_volume.Steps, kGarbage);
    }
    HRESULT GetMute(bool& Muted) override
    {
        return Answer(m_results, "GetMute", Muted, m_volume.Muted, true);
    }
    HRESULT GetChannelCount(UINT& Count) override
    {
        return Answer(m_results, "GetChannelCount", Count,
                      static_cast<UINT>(m_volume.Channels.size()), kGarbage);
    }
    HRESULT GetChannelVolumeLevel(UINT Channel, float& Decibels) override
    {
        return AnswerFloat(m_results, "GetChannelVolumeLevel(" + std::to_string(Channel) + ")",
                           Decibels, m_volume.Channels.at(Channel).first);
    }
    HRESULT GetChannelVolumeLevelScalar(UINT Channel, float& Scalar) override
    {
        return AnswerFloat(m_results,
                           "GetChannelVolumeLevelScalar(" + std::to_string(Channel) + ")", Scalar,
                           m_volume.Channels.at(Channel).second);
    }
    HRESULT QueryHardwareSupport(DWORD& Mask) override
    {
        return Answer(m_results, "QueryHardwareSupport", Mask, m_volume.HardwareSupport, kGarbage);
    }

private:
    const TFakeResults& m_results;
    const TFakeVolume& m_volume;
};

class FakeMeter : public IEndpointMeter {
public:
    explicit FakeMeter(const TFakeEndpoint& Endpoint) : m_endpoint(Endpoint) {}

    HRESULT GetPeakValue(float& Peak) override
    {
        return AnswerFloat(m_endpoint.Results, "GetPeakValue", Peak, m_endpoint.Peak);
    }

private:
    const TFakeEndpoint& m_endpoint;
};

class FakeSession : public IEndpointSession {
public:
    explicit FakeSession(const TFakeSession& Session) : m_session(Session) {}

    HRESULT GetState(DWORD& State) override
    {
        return Answer(m_session.Results, "GetState", State, m_session.State, kGarbage);
    }
    HRESULT GetDisplayName(std::string& Name) override
    {
        return Answer(m_session.Results, "GetDisplayName", Name, m_session.DisplayName,
                      std::string("garbage"));
    }
    HRESULT GetProcessId(DWORD& ProcessId) override
    {
        return Answer(m_session.Results, "GetProcessId", ProcessId, m_session.ProcessId, kGarbage);
    }
    HRESULT IsSystemSoundsSession() override
    {
        const HRESULT code = Scripted(m_session.Results, "IsSystemSoundsSession");
        return code < 0 ? code : m_session.SystemSounds ? 0 : kAnsweredNo;
    }
    HRESULT GetMasterVolume(float& Scalar) override
    {
        return AnswerFloat(m_session.Results, "GetMasterVolume", Scalar, m_session.Volume);
    }
    HRESULT GetMute(bool& Muted) override
    {
        return Answer(m_session.Results, "GetMute", Muted, m_session.Muted, true);
    }

private:
    const TFakeSession& m_session;
};

class FakeSessions : public IEndpointSessions {
public:
    explicit FakeSessions(const TFakeEndpoint& Endpoint) : m_endpoint(Endpoint) {}

    HRESULT GetCount(int& Count) override
    {
        return Answer(m_endpoint.Results, "GetCount", Count,
                      static_cast<int>(m_endpoint.Sessions.size()), -1);
    }
    HRESULT GetSession(int Index, std::unique_ptr<IEndpointSession>& Session) override
    {
        return Hand<FakeSession>(m_endpoint.Results, "GetSession(" + std::to_string(Index) + ")",
                                 Session, m_endpoint.Sessions.at(static_cast<std::size_t>(Index)));
    }

private:
    const TFakeEndpoint& m_endpoint;
};

class FakeSessionManager : public IEndpointSessionManager {
public:
    explicit FakeSessionManager(const TFakeEndpoint& Endpoint) : m_endpoint(Endpoint) {}

    HRESULT GetSessionEnumerator(std::unique_ptr<IEndpointSessions>& Sessions) override
    {
        return Hand<FakeSessions>(m_endpoint.Results, "GetSessionEnumerator", Sessions, m_endpoint);
    }

private:
    const TFakeEndpoint& m_endpoint;
};

class FakeProperties : public IEndpointProperties {
public:
    explicit FakeProperties(const TFakeEndpoint& Endpoint) : m_endpoint(Endpoint) {}

    HRESULT GetValue(TEndpointKey Key, TPropertyValue& Value) override
    {
        const auto result = m_endpoint.PropertyResults.find(Key);
        if (result != m_endpoint.PropertyResults.end() && result->second < 0) {
            Value = TextValue("garbage");
            return result->second;
        }
        const auto found = m_endpoint.Properties.find(Key);
        Value = found == m_endpoint.Properties.end() ? TPropertyValue() : found->second;
        return 0;
    }

private:
    const TFakeEndpoint& m_endpoint;
};

class FakeDevice : public IEndpointDevice {
public:
    explicit FakeDevice(const TFakeEndpoint& Endpoint) : m_endpoint(Endpoint) {}

    HRESULT GetId(std::string& Id) override
    {
        Id = m_endpoint.IdResult < 0 ? "garbage" : m_endpoint.Id;
        return m_endpoint.IdResult;
    }
    HRESULT GetState(DWORD& State) override
    {
        State = m_endpoint.StateResult < 0 ? kGarbage : m_endpoint.State;
        return m_endpoint.StateResult;
    }
    HRESULT GetDataFlow(DWORD& Flow) override
    {
        Flow = m_endpoint.FlowResult < 0 ? kGarbage : m_endpoint.Flow;
        return m_endpoint.FlowResult;
    }
    HRESULT OpenPropertyStore(std::unique_ptr<IEndpointProperties>& Store) override
    {
        if (m_endpoint.StoreResult >= 0)
            Store = std::make_unique<FakeProperties>(m_endpoint);
        return m_endpoint.StoreResult;
    }
    HRESULT ActivateVolume(std::unique_ptr<IEndpointVolume>& Volume) override
    {
        return Hand<FakeVolume>(m_endpoint.Results, "ActivateVolume", Volume, m_endpoint);
    }
    HRESULT ActivateMeter(std::unique_ptr<IEndpointMeter>& Meter) override
    {
        return Hand<FakeMeter>(m_endpoint.Results, "ActivateMeter", Meter, m_endpoint);
    }
    HRESULT ActivateSessions(std::unique_ptr<IEndpointSessionManager>& Sessions) override
    {
        return Hand<FakeSessionManager>(m_endpoint.Results, "ActivateSessions", Sessions,
                                        m_endpoint);
    }

private:
    const TFakeEndpoint& m_endpoint;
};

class FakeCollection : public IEndpointCollection {
public:
    explicit FakeCollection(const FakeEndpoints& Enumerator) : m_enumerator(Enumerator) {}

    HRESULT GetCount(UINT& Count) override
    {
        Count = m_enumerator.CountResult < 0 ? kGarbage
                                             : static_cast<UINT>(m_enumerator.Endpoints.size());
        return m_enumerator.CountResult;
    }
    HRESULT Item(UINT Index, std::unique_ptr<IEndpointDevice>& Device) override
    {
        const TFakeEndpoint& endpoint = m_enumerator.Endpoints.at(Index);
        if (endpoint.ItemResult >= 0)
            Device = std::make_unique<FakeDevice>(endpoint);
        return endpoint.ItemResult;
    }

private:
    const FakeEndpoints& m_enumerator;
};

} // namespace

HRESULT FakeEndpoints::Create()
{
    return CreateResult;
}

HRESULT FakeEndpoints::EnumAudioEndpoints(std::unique_ptr<IEndpointCollection>& Collection)
{
    if (EnumResult >= 0)
        Collection = std::make_unique<FakeCollection>(*this);
    return EnumResult;
}

HRESULT FakeEndpoints::GetDefaultAudioEndpoint(DWORD Flow, DWORD Role,
                                               std::unique_ptr<IEndpointDevice>& Device)
{
    const auto result = DefaultResults.find({Flow, Role});
    if (result != DefaultResults.end())
        return result->second;
    const auto found = Defaults.find({Flow, Role});
    if (found == Defaults.end())
        return kNotFound;
    Device = std::make_unique<FakeDevice>(Endpoints.at(found->second));
    return 0;
}

HRESULT FakeEndpoints::GetProgramFile(DWORD ProcessId, std::string& Path)
{
    const auto found = ProgramFiles.find(ProcessId);
    if (found == ProgramFiles.end())
        return kAccessDenied;
    Path = found->second;
    return 0;
}

TPropertyValue TextValue(const std::string& Text)
{
    TPropertyValue value;
    value.Type = kTypeWideText;
    value.Text = Text;
    return value;
}

TPropertyValue NumberValue(DWORD Number)
{
    TPropertyValue value;
    value.Type = kTypeUInt32;
    value.Number = Number;
    return value;
}

TPropertyValue BlobValue(std::vector<std::uint8_t> Bytes)
{
    TPropertyValue value;
    value.Type = kTypeBlob;
    value.Blob = std::move(Bytes);
    return value;
}

namespace {

// A WAVEFORMATEX's bytes, with cbSize Extra (and no bytes after it).
std::vector<std::uint8_t> WaveFormat(unsigned Tag, unsigned Channels, DWORD Rate, unsigned Bits,
                                     unsigned Extra)
{
    const unsigned align = Channels * Bits / 8;
    const DWORD perSecond = Rate * align;
    return {static_cast<std::uint8_t>(Tag),
            static_cast<std::uint8_t>(Tag >> 8),
            static_cast<std::uint8_t>(Channels),
            0,
            static_cast<std::uint8_t>(Rate),
            static_cast<std::uint8_t>(Rate >> 8),
            static_cast<std::uint8_t>(Rate >> 16),
            0,
            static_cast<std::uint8_t>(perSecond),
            static_cast<std::uint8_t>(perSecond >> 8),
            static_cast<std::uint8_t>(perSecond >> 16),
            0,
            static_cast<std::uint8_t>(align),
            0,
            static_cast<std::uint8_t>(Bits),
            0,
            static_cast<std::uint8_t>(Extra),
            0};
}

TFakeEndpoint Endpoint(const char* Id, DWORD Flow, DWORD State, const char* Name,
                       const char* Adapter, DWORD FormFactor, std::vector<std::uint8_t> Format)
{
    TFakeEndpoint endpoint;
    endpoint.Id = Id;
    endpoint.Flow = Flow;
    endpoint.State = State;
    endpoint.Properties = {
        {TEndpointKey::FriendlyName, TextValue(std::string(Name) + " (" + Adapter + ")")},
        {TEndpointKey::DeviceDesc, TextValue(Name)},
        {TEndpointKey::InterfaceFriendlyName, TextValue(Adapter)},
        {TEndpointKey::FormFactor, NumberValue(FormFactor)},
        {TEndpointKey::DeviceFormat, BlobValue(std::move(Format))},
    };
    return endpoint;
}

} // namespace

std::unique_ptr<FakeEndpoints> FourEndpoints()
{
    auto fake = std::make_unique<FakeEndpoints>();
    std::vector<std::uint8_t> extensible = WaveFormat(0xFFFE, 1, 48000, 32, 22);
    const std::uint8_t tail[] = {32, 0,    4, 0,    0, 0, 3,    0, 0,    0,    0,
                                 0,  0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
    extensible.insert(extensible.end(), std::begin(tail), std::end(tail));
    std::vector<std::uint8_t> runsPast = WaveFormat(1, 2, 44100, 16, 4);
    runsPast.push_back(0);
    fake->Endpoints = {
        Endpoint("{r0}", kFlowRender, kStateActive, "Speakers", "Fake Audio", 1,
                 WaveFormat(1, 2, 44100, 16, 0)),
        Endpoint("{c1}", kFlowCapture, kStateDisabled, "Microphone", "Fake Audio", 4,
                 std::move(extensible)),
        Endpoint("{r2}", kFlowRender, kStateNotPresent, "Headphones", "USB Audio", 3,
                 std::vector<std::uint8_t>(10, 1)),
        Endpoint("{c3}", kFlowCapture, kStateUnplugged, "Line In", "USB Audio", 2,
                 std::move(runsPast)),
    };
    for (const DWORD role : {kRoleConsole, kRoleMultimedia}) {
        fake->Defaults[{kFlowRender, role}] = 0;
        fake->Defaults[{kFlowCapture, role}] = 1;
    }
    TFakeSession player, sounds, shared;
    player.ProcessId = 1234;
    player.Volume = 0.8f;
    sounds.DisplayName = "System Sounds";
    sounds.State = kSessionInactive;
    sounds.SystemSounds = true;
    shared.ProcessId = 4321;
    shared.Results["GetProcessId"] = kNoSingleProcess;
    shared.State = kSessionExpired;
    shared.Volume = 0.5f;
    shared.Muted = true;
    fake->Endpoints[0].Sessions = {player, sounds, shared};
    fake->ProgramFiles[1234] = "C:\\Player\\player.exe";
    // Its first process has a program file, which a session of several does not show.
    fake->ProgramFiles[4321] = "C:\\Shared\\host.exe";
    fake->Defaults[{kFlowRender, kRoleCommunications}] = 2;
    fake->Defaults[{kFlowCapture, kRoleCommunications}] = 3;
    return fake;
}
