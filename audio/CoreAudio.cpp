#include "audio/CoreAudio.h"

#include <algorithm>

#include <audiopolicy.h>
#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include "platform/SystemLibrary.h"
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
constexpr IID kEndpointVolumeInterface = {
    0x5CDF2C82, 0x841E, 0x4546, {0x97, 0x22, 0x0C, 0xF7, 0x40, 0x78, 0x22, 0x9A}};
constexpr IID kMeterInterface = {
    0xC02216F6, 0x8C67, 0x4B5B, {0x9D, 0x00, 0xD0, 0x08, 0xE7, 0x3E, 0x00, 0x64}};
constexpr IID kSessionManagerInterface = {
    0x77AA99A0, 0x1BD6, 0x484F, {0x8B, 0xC7, 0x2C, 0x65, 0x4C, 0x9A, 0x9B, 0x6F}};
constexpr IID kSessionControl2Interface = {
    0xBFB7FF88, 0x7239, 0x4FC9, {0x8F, 0xA2, 0x07, 0xC9, 0x50, 0xBE, 0x9C, 0x6D}};
constexpr IID kSimpleVolumeInterface = {
    0x87CE5498, 0x68D6, 0x44E5, {0x92, 0x15, 0x6D, 0xA4, 0x7E, 0xF8, 0x83, 0xD8}};

// The mingw-w64 headers only name IAudioMeterInformation; GetPeakValue, its first method, is all
// the program calls.
struct PeakMeter : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetPeakValue(float* Peak) = 0;
};

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

// A call that reports success but hands back no interface has failed: E_POINTER, never a null
// pointer called through. Interface is taken by reference, so it is read after the call that Code
// comes from has written it, whatever the order in which the arguments are evaluated.
template <typename Interface>
HRESULT Given(HRESULT Code, const UniqueInterface<Interface>& Got)
{
    return SUCCEEDED(Code) && !Got.get() ? E_POINTER : Code;
}

// Makes a call that hands back an interface and, when it succeeded, gives the interface to a new
// Wrapper in Out.
template <typename Wrapper, typename Interface, typename Seam, typename Call>
HRESULT HandBack(std::unique_ptr<Seam>& Out, Call MakeCall)
{
    UniqueInterface<Interface> got;
    const HRESULT code = Given(MakeCall(got.put()), got);
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

// The thread's last error as an HRESULT; E_FAIL where a failing call left none.
HRESULT LastErrorCode()
{
    const DWORD error = GetLastError();
    return error ? HRESULT_FROM_WIN32(error) : E_FAIL;
}

// Calls Method on the Wanted interface that Object answers for: the first failure's code.
template <typename Wanted, typename Object, typename Call>
HRESULT CallOn(Object& Held, const IID& Id, Call Method)
{
    UniqueInterface<Wanted> wanted;
    const HRESULT code =
        Given(Held->QueryInterface(Id, reinterpret_cast<void**>(wanted.put())), wanted);
    return FAILED(code) ? code : Method(*wanted.get());
}

// A BOOL output as a bool, written only when the call succeeded. Value is taken by reference, so
// it is read after the call that Code comes from has written it, whatever the order in which the
// arguments are evaluated.
HRESULT ToBool(HRESULT Code, const BOOL& Value, bool& Out)
{
    if (SUCCEEDED(Code))
        Out = Value != FALSE;
    return Code;
}

// Each float output is set to kUnwritten before the call, so that a call that writes nothing
// leaves that there.
class CoreVolume : public IEndpointVolume {
public:
    explicit CoreVolume(IAudioEndpointVolume* Volume) : m_volume(Volume) {}

    HRESULT GetMasterVolumeLevel(float& Decibels) override
    {
        Decibels = kUnwritten;
        return m_volume->GetMasterVolumeLevel(&Decibels);
    }
    HRESULT GetMasterVolumeLevelScalar(float& Scalar) override
    {
        Scalar = kUnwritten;
        return m_volume->GetMasterVolumeLevelScalar(&Scalar);
    }
    HRESULT GetVolumeRange(float& Minimum, float& Maximum, float& Increment) override
    {
        Minimum = Maximum = Increment = kUnwritten;
        return m_volume->GetVolumeRange(&Minimum, &Maximum, &Increment);
    }
    HRESULT GetVolumeStepInfo(UINT& Step, UINT& Steps) override
    {
        return m_volume->GetVolumeStepInfo(&Step, &Steps);
    }
    HRESULT GetMute(bool& Muted) override
    {
        BOOL muted = FALSE;
        return ToBool(m_volume->GetMute(&muted), muted, Muted);
    }
    HRESULT GetChannelCount(UINT& Count) override { return m_volume->GetChannelCount(&Count); }
    HRESULT GetChannelVolumeLevel(UINT Channel, float& Decibels) override
    {
        Decibels = kUnwritten;
        return m_volume->GetChannelVolumeLevel(Channel, &Decibels);
    }
    HRESULT GetChannelVolumeLevelScalar(UINT Channel, float& Scalar) override
    {
        Scalar = kUnwritten;
        return m_volume->GetChannelVolumeLevelScalar(Channel, &Scalar);
    }
    HRESULT QueryHardwareSupport(DWORD& Mask) override
    {
        return m_volume->QueryHardwareSupport(&Mask);
    }

private:
    UniqueInterface<IAudioEndpointVolume> m_volume;
};

class CoreMeter : public IEndpointMeter {
public:
    explicit CoreMeter(PeakMeter* Meter) : m_meter(Meter) {}

    HRESULT GetPeakValue(float& Peak) override
    {
        Peak = kUnwritten;
        return m_meter->GetPeakValue(&Peak);
    }

private:
    UniqueInterface<PeakMeter> m_meter;
};

class CoreSession : public IEndpointSession {
public:
    explicit CoreSession(IAudioSessionControl* Session) : m_session(Session) {}

    HRESULT GetState(DWORD& State) override
    {
        AudioSessionState state = AudioSessionStateInactive;
        const HRESULT code = m_session->GetState(&state);
        if (SUCCEEDED(code))
            State = static_cast<DWORD>(state);
        return code;
    }
    HRESULT GetDisplayName(std::string& Name) override
    {
        UniqueComMemory<LPWSTR> name;
        const HRESULT code = m_session->GetDisplayName(name.put());
        if (SUCCEEDED(code))
            Name = name ? WideToUtf8(name.get()) : std::string();
        return code;
    }
    HRESULT GetProcessId(DWORD& ProcessId) override
    {
        return CallOn<IAudioSessionControl2>(
            m_session, kSessionControl2Interface,
            [&](IAudioSessionControl2& Session) { return Session.GetProcessId(&ProcessId); });
    }
    HRESULT IsSystemSoundsSession() override
    {
        return CallOn<IAudioSessionControl2>(
            m_session, kSessionControl2Interface,
            [](IAudioSessionControl2& Session) { return Session.IsSystemSoundsSession(); });
    }
    HRESULT GetMasterVolume(float& Scalar) override
    {
        Scalar = kUnwritten;
        return CallOn<ISimpleAudioVolume>(
            m_session, kSimpleVolumeInterface,
            [&](ISimpleAudioVolume& Volume) { return Volume.GetMasterVolume(&Scalar); });
    }
    HRESULT GetMute(bool& Muted) override
    {
        BOOL muted = FALSE;
        return ToBool(CallOn<ISimpleAudioVolume>(
                          m_session, kSimpleVolumeInterface,
                          [&](ISimpleAudioVolume& Volume) { return Volume.GetMute(&muted); }),
                      muted, Muted);
    }

private:
    UniqueInterface<IAudioSessionControl> m_session;
};

class CoreSessions : public IEndpointSessions {
public:
    explicit CoreSessions(IAudioSessionEnumerator* Sessions) : m_sessions(Sessions) {}

    HRESULT GetCount(int& Count) override { return m_sessions->GetCount(&Count); }
    HRESULT GetSession(int Index, std::unique_ptr<IEndpointSession>& Session) override
    {
        return HandBack<CoreSession, IAudioSessionControl>(
            Session,
            [&](IAudioSessionControl** Got) { return m_sessions->GetSession(Index, Got); });
    }

private:
    UniqueInterface<IAudioSessionEnumerator> m_sessions;
};

class CoreSessionManager : public IEndpointSessionManager {
public:
    explicit CoreSessionManager(IAudioSessionManager2* Manager) : m_manager(Manager) {}

    HRESULT GetSessionEnumerator(std::unique_ptr<IEndpointSessions>& Sessions) override
    {
        return HandBack<CoreSessions, IAudioSessionEnumerator>(
            Sessions,
            [&](IAudioSessionEnumerator** Got) { return m_manager->GetSessionEnumerator(Got); });
    }

private:
    UniqueInterface<IAudioSessionManager2> m_manager;
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
        HRESULT code = Given(
            m_device->QueryInterface(kEndpointInterface, reinterpret_cast<void**>(endpoint.put())),
            endpoint);
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
    HRESULT ActivateVolume(std::unique_ptr<IEndpointVolume>& Volume) override
    {
        return Activate<CoreVolume, IAudioEndpointVolume>(kEndpointVolumeInterface, Volume);
    }
    HRESULT ActivateMeter(std::unique_ptr<IEndpointMeter>& Meter) override
    {
        return Activate<CoreMeter, PeakMeter>(kMeterInterface, Meter);
    }
    HRESULT ActivateSessions(std::unique_ptr<IEndpointSessionManager>& Sessions) override
    {
        return Activate<CoreSessionManager, IAudioSessionManager2>(kSessionManagerInterface,
                                                                   Sessions);
    }

private:
    template <typename Wrapper, typename Interface, typename Seam>
    HRESULT Activate(const IID& Id, std::unique_ptr<Seam>& Out)
    {
        return HandBack<Wrapper, Interface>(Out, [&](Interface** Got) {
            return m_device->Activate(Id, CLSCTX_ALL, nullptr, reinterpret_cast<void**>(Got));
        });
    }

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
        return Given(CoCreateInstance(kDeviceEnumeratorClass, nullptr, CLSCTX_INPROC_SERVER,
                                      kDeviceEnumeratorInterface,
                                      reinterpret_cast<void**>(m_enumerator.put())),
                     m_enumerator);
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

    HRESULT GetProgramFile(DWORD ProcessId, std::string& Path) override
    {
        // Vista and later: looked up, so that the program still loads on Windows XP.
        using QueryImageName = BOOL WINAPI(HANDLE, DWORD, LPWSTR, PDWORD);
        const auto query = GetProc<QueryImageName>(GetModuleHandleW(L"kernel32.dll"),
                                                   "QueryFullProcessImageNameW");
        if (!query)
            return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
        const UniqueKernelHandle process(
            OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, ProcessId));
        if (!process)
            return LastErrorCode();
        const auto path = std::make_unique<wchar_t[]>(kLongestPath);
        DWORD length = kLongestPath;
        if (!query(process.get(), 0, path.get(), &length))
            return LastErrorCode();
        Path = WideToUtf8(std::wstring(path.get(), std::min<DWORD>(length, kLongestPath)));
        return S_OK;
    }

private:
    // The longest path Windows has, in characters with the terminating null.
    static constexpr DWORD kLongestPath = 32768;

    // Declared first: COM is left only after the enumerator is released.
    ComApartment m_apartment;
    UniqueInterface<IMMDeviceEnumerator> m_enumerator;
};

} // namespace

std::unique_ptr<IEndpointEnumerator> OpenCoreAudio()
{
    return std::make_unique<CoreEnumerator>();
}

std::unique_ptr<IEndpointVolume> WrapEndpointVolume(IAudioEndpointVolume* Volume)
{
    return std::make_unique<CoreVolume>(Volume);
}
