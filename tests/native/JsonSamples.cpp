// Prints a JSON document of scripted answers, so that the schema is checked against what a real
// run rarely gives (native.json-schema):
//   JsonSamples endpoints  the endpoints, with what Wine never gives (sessions, channels, steps,
//                          hardware support, every state, a value not written, an unnamed code);
//   JsonSamples tree       the mixer tree of a driver that answers badly: counts over the
//                          limits, records left unwritten, failed queries, values out of range.
#include <cstdio>
#include <cstring>

#include "FakeEndpoints.h"
#include "FakeMixer.h"
#include "audio/EndpointList.h"
#include "mixer/TreeReport.h"
#include "platform/Json.h"

namespace {

const TTreeContext kWindows10{"KorvaleReport", "1.0", 10, 0, 19045};

std::string EndpointsSample()
{
    const auto fake = FourEndpoints();
    fake->Endpoints[0].Volume.Scalar = kUnwritten;
    fake->Endpoints[1].PropertyResults[TEndpointKey::DeviceDesc] = static_cast<HRESULT>(0x80001234);
    fake->Endpoints[0].Sessions[1].Results["GetMasterVolume"] = static_cast<HRESULT>(0x80004005);
    TJsonWriter json;
    json.Begin("", '{');
    WriteJsonHead(json, kWindows10);
    WriteEndpointsJson(json, ReadEndpoints(*fake), 10);
    json.End('}');
    return json.Text();
}

std::string TreeSample()
{
    FakeMixer mixer;
    mixer.LogCalls = false;
    mixer.ClaimedDevices = kMostCounted + 1; // those past the first have no capabilities
    mixer.Devices.resize(1);
    TFakeDevice& device = mixer.Devices[0];
    device.Caps = MakeCaps(1, 1, 0, "Hostile", 0, kMostCounted + 1);
    TFakeControl loud;
    loud.Values = {70000, 1}; // past the default maximum of 65535
    TFakeLine speakers;
    speakers.Controls = {loud};
    speakers.ClaimedControls = 2; // the second record left unwritten
    TFakeLine broken;
    broken.DestinationResult = MMSYSERR_NODRIVER;
    speakers.Sources = {broken};
    TFakeLine wide;
    wide.Channels = kMostCounted + 1;
    wide.Controls = {loud};
    device.Destinations = {speakers, wide};

    TMixerTree tree = ReadMixerDevices(mixer, NoMediaNames());
    TReadBudget budget;
    for (TMixerDeviceNode& node : tree.Devices)
        WalkMixerDevice(mixer, node, budget);
    return TreeJson(tree, kWindows10);
}

} // namespace

int main(int Count, char** Arguments)
{
    const bool tree = Count > 1 && std::strcmp(Arguments[1], "tree") == 0;
    return std::fputs((tree ? TreeSample() : EndpointsSample()).c_str(), stdout) < 0;
}
