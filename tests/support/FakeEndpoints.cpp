#include "FakeEndpoints.h"

namespace {

constexpr HRESULT kNotFound = static_cast<HRESULT>(0x80070490);

// What a failed call leaves behind: never to be shown as read.
constexpr DWORD kGarbage = 0xDDDDDDDD;

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
    fake->Defaults[{kFlowRender, kRoleCommunications}] = 2;
    fake->Defaults[{kFlowCapture, kRoleCommunications}] = 3;
    return fake;
}
