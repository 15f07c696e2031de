// Scripted Core Audio endpoints for the endpoint list's tests: each call answers with the code
// the test chose, and a failing call writes garbage into what it hands back, as nothing promises
// otherwise.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/Endpoints.h"

struct TFakeEndpoint {
    std::string Id;
    DWORD State = kStateActive;
    DWORD Flow = kFlowRender;
    std::map<TEndpointKey, TPropertyValue> Properties; // those missing read as VT_EMPTY
    HRESULT ItemResult = 0, IdResult = 0, StateResult = 0, FlowResult = 0, StoreResult = 0;
    std::map<TEndpointKey, HRESULT> PropertyResults;
};

class FakeEndpoints : public IEndpointEnumerator {
public:
    HRESULT CreateResult = 0, EnumResult = 0, CountResult = 0;
    std::vector<TFakeEndpoint> Endpoints;
    /// Each flow's default per role: an index into Endpoints, or the code the call returns.
    std::map<std::pair<DWORD, DWORD>, std::size_t> Defaults;
    std::map<std::pair<DWORD, DWORD>, HRESULT> DefaultResults; // unset and no default: E_NOTFOUND

    HRESULT Create() override;
    HRESULT EnumAudioEndpoints(std::unique_ptr<IEndpointCollection>& Collection) override;
    HRESULT GetDefaultAudioEndpoint(DWORD Flow, DWORD Role,
                                    std::unique_ptr<IEndpointDevice>& Device) override;
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
/// The console and multimedia defaults are 0 and 1; communications' are 2 and 3.
std::unique_ptr<FakeEndpoints> FourEndpoints();
