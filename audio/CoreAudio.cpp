#include "audio/CoreAudio.h"

#include <mmdeviceapi.h>

#include "platform/WinHandles.h"
#include "platform/WinText.h"

namespace {

// Defined here rather than taken from libuuid, which would bring in every GUID of Windows.
constexpr CLSID kDeviceEnumeratorClass = {
    0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
constexpr IID kDeviceEnumeratorInterface = {
    0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
constexpr IID kEndpointInterface = {
    0x1BE09788, 0x6894, 0x4089, {0x85, 0x86, 0x9A, 0x2A, 0x6C, 0x26, 0x5A, 0xC5}};

constexpr GUID kDevicePropertySet = {
    0xA45C254E, 0xDF1C, 0x4EFD, {0x80, 0x20, 0x67, 0xD1, 0x46, 0xA8, 0x50, 0xE0}};
constexpr GUID kInterfacePropertySet = {
    0x026E516E, 0xB814, 0x414B, {0x83, 0xCD, 0x85, 0x6D, 0x6F, 0xEF, 0x48, 0x22}};
constexpr GUID kEndpointPropertySet = {
    0x1DA5D803, 0xD492, 0x4EDD, {0x8C, 0x23, 0xE0, 0xC0, 0xFF, 0xEE, 0x7F, 0x0E}};
constexpr GUID kEnginePropertySet = {
    0xF19F064D, 0x082C, 0x4E27, {0xBC, 0x73, 0x68, 0x82, 0xA1, 0xBB, 0x8E, 0x4C}};

PROPERTYKEY KeyOf(TEndpointKey Key)
{
    switch (Key) {
    case TEndpointKey::FriendlyName:
        return {kDevicePropertySet, 14};
    case TEndpointKey::DeviceDesc:
        return {kDevicePropertySet, 2};
    case TEndpointKey::InterfaceFriendlyName:
        return {kInterfacePropertySet, 2};
    case TEndpointKey::FormFactor:
        return {kEndpointPropertySet, 0};
    case TEndpointKey::DeviceFormat:
        break;
    }
    return {kEnginePropertySet, 0};
}

// Makes a call that hands back an interface and, when it succeeded, gives the interface to a new
// Wrapper in Out.
template <typename Wrapper, typename Interface, typename Seam, typename Call>
HRESULT HandBack(std::unique_ptr<Seam>& Out, Call MakeCall)
{
    UniqueInterface<Interface> got;
    const HRESULT code = MakeCall(got.put());
    if (SUCCEEDED(code))
        Out = std::make_unique<Wrapper>(got.release());
    return code;
}

/// A PROPVARIANT that is cleared when it goes away.
class ScopedPropVariant {
public:
    ScopedPropVariant() { PropVariantInit(&m_value); }
    ~ScopedPropVariant() { PropVariantClear(&m_value); }
    ScopedPropVariant(const ScopedPropVariant&) = delete;
    ScopedPropVariant& operator=(const ScopedPropVariant&) = delete;

    PROPVARIANT* get() { return &m_value; }

private:
    PROPVARIANT m_value;
};

class CoreProperties : public IEndpointProperties {
public:
    explicit CoreProperties(IPropertyStore* Store) : m_store(Store) {}

    HRESULT GetValue(TEndpointKey Key, TPropertyValue& Value) override
    {
        ScopedPropVariant value;
        const PROPERTYKEY key = KeyOf(Key);
        const HRESULT code = m_store->GetValue(key, value.get());
        if (FAILED(code))
            return code;
        const PROPVARIANT& read = *value.get();
        Value = TPropertyValue();
        Value.Type = read.vt;
        if (read.vt == VT_LPWSTR && read.pwszVal)
            Value.Text = WideToUtf8(read.pwszVal);
        else if (read.vt == VT_UI4)
            Value.Number = read.ulVal;
        else if (read.vt == VT_BLOB && read.blob.pBlobData)
            Value.Blob.assign(read.blob.pBlobData, read.blob.pBlobData + read.blob.cbSize);
        return code;
    }

private:
    UniqueInterface<IPropertyStore> m_store;
};

class CoreDevice : public IEndpointDevice {
public:
    explicit CoreDevice(IMMDevice* Device) : m_device(Device) {}

    HRESULT GetId(std::string& Id) override
    {
        UniqueComMemory<LPWSTR> id;
        const HRESULT code = m_device->GetId(id.put());
        if (SUCCEEDED(code) && id)
            Id = WideToUtf8(id.get());
        return code;
    }
    HRESULT GetState(DWORD& State) override { return m_device->GetState(&State); }
    HRESULT GetDataFlow(DWORD& Flow) override
    {
        UniqueInterface<IMMEndpoint> endpoint;
        HRESULT code =
            m_device->QueryInterface(kEndpointInterface, reinterpret_cast<void**>(endpoint.put()));
        if (FAILED(code))
            return code;
        EDataFlow flow = eRender;
        code = endpoint->GetDataFlow(&flow);
        if (SUCCEEDED(code))
            Flow = static_cast<DWORD>(flow);
        return code;
    }
    HRESULT OpenPropertyStore(std::unique_ptr<IEndpointProperties>& Store) override
    {
        return HandBack<CoreProperties, IPropertyStore>(Store, [&](IPropertyStore** Got) {
            return m_device->OpenPropertyStore(STGM_READ, Got);
        });
    }

private:
    UniqueInterface<IMMDevice> m_device;
};

class CoreCollection : public IEndpointCollection {
public:
    explicit CoreCollection(IMMDeviceCollection* Collection) : m_collection(Collection) {}

    HRESULT GetCount(UINT& Count) override { return m_collection->GetCount(&Count); }
    HRESULT Item(UINT Index, std::unique_ptr<IEndpointDevice>& Device) override
    {
        return HandBack<CoreDevice, IMMDevice>(
            Device, [&](IMMDevice** Got) { return m_collection->Item(Index, Got); });
    }

private:
    UniqueInterface<IMMDeviceCollection> m_collection;
};

/// COM for this thread, from a successful CoInitializeEx to its CoUninitialize.
class ComApartment {
public:
    ComApartment() = default;
    ~ComApartment()
    {
        if (m_initialised)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    HRESULT Enter()
    {
        const HRESULT code = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        m_initialised = SUCCEEDED(code);
        // Already initialised otherwise by someone else: COM is there all the same.
        return code == RPC_E_CHANGED_MODE ? S_OK : code;
    }

private:
    bool m_initialised = false;
};

class CoreEnumerator : public IEndpointEnumerator {
public:
    HRESULT Create() override
    {
        const HRESULT code = m_apartment.Enter();
        if (FAILED(code))
            return code;
        return CoCreateInstance(kDeviceEnumeratorClass, nullptr, CLSCTX_INPROC_SERVER,
                                kDeviceEnumeratorInterface,
                                reinterpret_cast<void**>(m_enumerator.put()));
    }
    HRESULT EnumAudioEndpoints(std::unique_ptr<IEndpointCollection>& Collection) override
    {
        return HandBack<CoreCollection, IMMDeviceCollection>(
            Collection, [&](IMMDeviceCollection** Got) {
                return m_enumerator->EnumAudioEndpoints(eAll, DEVICE_STATEMASK_ALL, Got);
            });
    }
    HRESULT GetDefaultAudioEndpoint(DWORD Flow, DWORD Role,
                                    std::unique_ptr<IEndpointDevice>& Device) override
    {
        return HandBack<CoreDevice, IMMDevice>(Device, [&](IMMDevice** Got) {
            return m_enumerator->GetDefaultAudioEndpoint(static_cast<EDataFlow>(Flow),
                                                         static_cast<ERole>(Role), Got);
        });
    }

private:
    // Declared first: COM is left only after the enumerator is released.
    ComApartment m_apartment;
    UniqueInterface<IMMDeviceEnumerator> m_enumerator;
};

} // namespace

std::unique_ptr<IEndpointEnumerator> OpenCoreAudio()
{
    return std::make_unique<CoreEnumerator>();
}
