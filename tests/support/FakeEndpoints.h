// Scripted Core Audio endpoints for the endpoint list's tests: each call answers with the code
// the test chose, and a failing call writes garbage into what it hands back, as nothing promises
// otherwise. A float scripted as kUnwritten is a call that answers S_OK and writes nothing.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/Endpoints.h"

/// The calls by name ("GetMute", "GetChannelVolumeLevel(1)", "GetSession(0)") and the code each
/// answers with; those missing answer S_OK. A success code scripted is answered with the value.
using TFakeResults = std::map<std::string, HRESULT>;

struct TFakeSession {
    DWORD State = kSessionActive;
    std::string DisplayName;
    DWORD ProcessId = 0;
    bool SystemSounds = false;
    float Volume = 1;
    bool Muted = false;
    TFakeResults Results;
};

struct TFakeVolume {
    float Decibels = -6, Scalar = 0.5f, Minimum = -96, Maximum = 0, Increment = 0.5f;
    UINT Step = 20, Steps = 193;
    bool Muted = false;
    std::vector<std::pair<float, float>> Channels = {{-6, 0.5f}, {-12, 0.25f}}; // dB, scalar
    DWORD HardwareSupport = kHardwareVolume | kHardwareMute | kHardwareMeter;
};

struct TFakeEndpoint {
    std::string Id;
    DWORD State = kStateActive;
    DWORD Flow = kFlowRender;
    std::map<TEndpointKey, TPropertyValue> Properties; // those missing read as VT_EMPTY
    HRESULT ItemResult = 0, IdResult = 0, StateResult = 0, FlowResult = 0, StoreResult = 0;
    std::map<TEndpointKey, HRESULT> PropertyResults;
    TFakeVolume Volume;
    float Peak = 0.25f;
    std::vector<TFakeSession> Sessions;
    /// The volume's, the meter's and the session enumerator's calls, and "ActivateVolume",
    /// "ActivateMeter" and "ActivateSessions".
    TFakeResults Results;
};

class FakeEndpoints : public IEndpointEnumerator {
public:
    HRESULT CreateResult = 0, EnumResult = 0, CountResult = 0;
    std::vector<TFakeEndpoint> Endpoints;
    /// Each flow's default per role: an index into Endpoints, or the code the call returns.
    std::map<std::pair<DWORD, DWORD>, std::size_t> Defaults;
    std::map<std::pair<DWORD, DWORD>, HRESULT> DefaultResults; // unset and no default: E_NOTFOUND
    /// The program file of each process; any other process cannot be opened (E_ACCESSDENIED).
    std::map<DWORD, std::string> ProgramFiles;

    HRESULT Create() override;
    HRESULT EnumAudioEndpoints(std::unique_ptr<IEndpointCollection>& Collection) override;
    HRESULT GetDefaultAudioEndpoint(DWORD Flow, DWORD Role,
                                    std::unique_ptr<IEndpointDevice>& Device) override;
    HRESULT GetProgramFile(DWORD ProcessId, std::string& Path) override;
};

/// Text and number property values.
TPropertyValue TextValue(const std::string& Text);
TPropertyValue NumberValue(DWORD Number);
TPropertyValue BlobValue(std::vector<std::uint8_t> Bytes);

/// Four endpoints, one in each state, each with its names, form factor and a format of its own:
///   0 "Speakers (Fake Audio)", render, active, PCM 2 x 44100 Hz x 16 bits;
///   1 "Microphone (Fake Audio)", capture, disabled, extensible float 1 x 48000 Hz x 32 bits;
///   2 "Headphones (USB Audio)", render, not present, a format blob of 10 bytes;
///   3 "Line In (USB Audio)", capture, unplugged, a cbSize that runs past its blob.
/// The console and multimedia defaults are 0 and 1; communications' are 2 and 3. Endpoint 0 has
/// the volume of TFakeVolume, a peak of 25% and three sessions:
///   0 pid 1234 (C:\Player\player.exe), active, volume 80%;
///   1 "System Sounds", no process, inactive, system sounds, volume 100%;
///   2 several processes from pid 4321, expired, volume 50%, muted.
std::unique_ptr<FakeEndpoints> FourEndpoints();
