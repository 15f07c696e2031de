// The console tool's tree over a mixer made of the fuzzer's bytes: every device, its wave
// devices, lines and controls, then the text and the JSON. Each failure the mixer answered with
// must show at its node, in the JSON too; every mixer opened is closed once and not used after.
#include "FuzzInput.h"
#include "FuzzedMixer.h"
#include "JsonCheck.h"
#include "mixer/MixerTree.h"
#include "mixer/TreeReport.h"

namespace {

// The failures of calls that answered with a result code other than success: those the mixer
// answered with. (Counts over their limits, records left unwritten and memory that could not be
// had, an endpoint identifier's size over its limit among them, are the walk's own.)
// A failure the mixer answered with: not a count over a limit, records left unwritten or memory,
// which are the walk's own.
bool Answered(const TMixerFailure& Failure)
{
    return Failure.Code != MMSYSERR_NOERROR && Failure.Call != kMemoryFailure;
}

// A control's values, and their readings in decibels and percent, one per channel, and for a
// multiple-item control one array per channel with one per item, as many as its item texts.
void CheckValuesShape(const nlohmann::json& Control)
{
    for (const char* field : {"values", "decibels", "percent"}) {
        if (!Control.contains(field) || Control.at(field).is_null())
            continue;
        const nlohmann::json& values = Control.at(field);
        FuzzCheck(values.is_array() && values.size() == Control.at("channels").get<std::size_t>(),
                  "values not one per channel");
        if (!Control.at("multiple").get<bool>())
            continue;
        const std::size_t texts = Control.at("items").size();
        for (const nlohmann::json& channel : values)
            FuzzCheck(channel.is_array() && channel.size() == values.front().size() &&
                          (texts == 0 || channel.size() == texts),
                      "a multiple-item control's values not one per item");
    }
}

std::size_t JsonErrors(const nlohmann::json& Node)
{
    if (Node.contains("multiple"))
        CheckValuesShape(Node);
    std::size_t count = Node.at("errors").size();
    for (const char* children : {"devices", "waveDevices", "destinations", "controls", "sources"})
        if (Node.contains(children))
            for (const nlohmann::json& child : Node.at(children))
                count += JsonErrors(child);
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    TFuzzInput input(Data, Size);
    FuzzedMixer mixer(input);
    TTreeContext context{"KorvaleReport", "1.0", input.Byte() % 11u, 1, 2600};

    TMixerTree tree = ReadMixerDevices(mixer, mixer);
    AttachWaveLinks(tree.Devices,
                    ReadWaveLinks(mixer, MixerIsSessionScoped(context), &tree.Failures));
    TReadBudget budget;
    int answered =
        static_cast<int>(std::count_if(tree.Failures.begin(), tree.Failures.end(), Answered));
    for (TMixerDeviceNode& device : tree.Devices) {
        WalkMixerDevice(mixer, device, budget);
        answered += CountFailures(device, Answered);
    }
    FuzzCheck(mixer.OpenHandles() == 0, "a mixer left open");
    if (answered != mixer.ShownFailures()) {
        std::fprintf(stderr, "%d failures at the nodes, %d answered\n", answered,
                     mixer.ShownFailures());
        FuzzFault("a failure the mixer answered with is not where the tree shows it");
    }

    std::size_t lines = 0;
    WriteTreeText(tree, context, [&lines](const std::string& Line) {
        CheckLine(Line);
        ++lines;
    });
    FuzzCheck(lines >= 1 + tree.Devices.size(), "a device missing from the text");

    const nlohmann::json json = ParsedJson(TreeJson(tree, context));
    FuzzCheck(json.at("devices").size() == tree.Devices.size(), "a device missing from the JSON");
    FuzzCheck(JsonErrors(json) == static_cast<std::size_t>(CountFailures(tree)),
              "a failure missing from the JSON");
    return 0;
}
