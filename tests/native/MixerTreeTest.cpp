// The full mixer walk of the console tool against a scripted mixer: every kind of node and value,
// failures kept where they happen, and the text and JSON made of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <functional>
#include <string>
#include <vector>

#include "mixer/MixerTree.h"
#include "mixer/TreeReport.h"
#include "FakeMixer.h"

namespace {

TFakeControl Control(DWORD Type, const char* Name, std::vector<DWORD> Values, DWORD Flags = 0)
{
    TFakeControl control;
    control.Type = Type;
    control.Name = control.ShortName = Name;
    control.Values = std::move(Values);
    control.Flags = Flags;
    return control;
}

TFakeLine Source(DWORD Type, const char* Name, std::vector<TFakeControl> Controls)
{
    TFakeLine line;
    line.ComponentType = Type;
    line.Name = Name;
    line.Channels = 1;
    line.Controls = std::move(Controls);
    return line;
}

// Device 0: a stereo speaker line with a control of every kind and three sources, one of which
// cannot be read, and a capture line whose controls cannot be. Device 1 has no capabilities,
// device 2 cannot be opened.
FakeMixer ScriptedMixer()
{
    FakeMixer mixer;
    mixer.Devices.resize(3);
    TFakeDevice& device = mixer.Devices[0];
    device.Caps = MakeCaps(1, 1, 0x00050001, "", 0, 2);
    device.WideName = "\xD0\x9C\xD0\xB8\xD0\xBA\xD1\x88\xD0\xB5\xD1\x80 \xE2\x98\x86"; // "Микшер ☆"
    device.Destinations.resize(2);

    TFakeLine& speakers = device.Destinations[0];
    TFakeControl pan =
        Control(MIXERCONTROL_CONTROLTYPE_PAN, "Balance", {static_cast<DWORD>(-50), 50});
    pan.Minimum = static_cast<DWORD>(-100);
    pan.Maximum = 100;
    TFakeControl decibels =
        Control(MIXERCONTROL_CONTROLTYPE_DECIBELS, "Gain", {static_cast<DWORD>(-125), 0});
    decibels.Minimum = static_cast<DWORD>(-600);
    decibels.Maximum = 0;
    TFakeControl silent = Control(MIXERCONTROL_CONTROLTYPE_VOLUME, "Silent", {7, 7});
    silent.WritesDetails = false; // reports success and writes nothing
    speakers.Controls = {
        Control(MIXERCONTROL_CONTROLTYPE_VOLUME, "Volume", {65535, 32768}),
        Control(MIXERCONTROL_CONTROLTYPE_MUTE, "Mute", {1}, MIXERCONTROL_CONTROLF_UNIFORM),
        pan,
        decibels,
        Control(MIXERCONTROL_CONTROLTYPE_CUSTOM, "Secret", {}),
        silent,
    };
    TFakeControl mux = Control(MIXERCONTROL_CONTROLTYPE_MUX, "Record from", {0, 1},
                               MIXERCONTROL_CONTROLF_UNIFORM | MIXERCONTROL_CONTROLF_MULTIPLE);
    mux.ItemTexts = {"Microphone", "Line In"};
    // No items: nothing to read, and no buffer to read it into.
    const TFakeControl empty =
        Control(MIXERCONTROL_CONTROLTYPE_MUX, "Nothing", {},
                MIXERCONTROL_CONTROLF_UNIFORM | MIXERCONTROL_CONTROLF_MULTIPLE);
    TFakeLine broken = Source(MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE, "Mic", {});
    broken.DestinationResult = MMSYSERR_NODRIVER;
    speakers.Sources = {
        Source(MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, "Wave",
               {Control(MIXERCONTROL_CONTROLTYPE_VOLUME, "Wave Volume", {70000})}),
        broken,
        Source(MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE, "Selector", {mux, empty}),
    };

    TFakeLine& capture = device.Destinations[1];
    capture.ComponentType = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
    capture.Controls = {Control(MIXERCONTROL_CONTROLTYPE_VOLUME, "Capture", {1, 2})};
    capture.ControlsResult = MIXERR_INVALCONTROL;

    mixer.Devices[1].CapsResult = MMSYSERR_BADDEVICEID;
    mixer.Devices[2].Caps = MakeCaps(1, 1, 0, "Busy \"1\\2\"\r\n\x1b[2J", 0, 1);
    mixer.Devices[2].OpenResult = MMSYSERR_ALLOCATED;
    return mixer;
}

TMixerTree Walk(FakeMixer& Mixer)
{
    TMixerTree tree = ReadMixerDevices(Mixer, NoMediaNames());
    TReadBudget budget;
    for (TMixerDeviceNode& device : tree.Devices)
        WalkMixerDevice(Mixer, device, budget);
    return tree;
}

const TTreeContext kWindows7{"KorvaleReport", "0.8.1.24", 6, 1, 7601};

TEST(MixerTree, WalksEveryLineAndControlAndKeepsEachFailureAtItsNode)
{
    FakeMixer mixer = ScriptedMixer();
    const std::vector<TMixerDeviceNode> devices = Walk(mixer).Devices;
    EXPECT_TRUE(mixer.AllClosed());
    EXPECT_EQ(mixer.Errors, std::vector<std::string>());
    ASSERT_EQ(devices.size(), 3u);

    const TMixerDeviceNode& device = devices[0];
    EXPECT_EQ(device.Name, "\xD0\x9C\xD0\xB8\xD0\xBA\xD1\x88\xD0\xB5\xD1\x80 \xE2\x98\x86");
    ASSERT_EQ(device.DestinationLines.size(), 2u);
    const TMixerLineNode& speakers = device.DestinationLines[0];
    ASSERT_EQ(speakers.Controls.size(), 6u);
    const struct {
        DWORD Channels;
        std::vector<std::int64_t> Values;
    } controls[] = {
        {2, {65535, 32768}}, // unsigned, per channel
        {1, {1}},            // a uniform boolean on a stereo line: one value
        {2, {-50, 50}},      // signed
        {2, {-125, 0}},      // decibels, in tenths
        {2, {}},             // custom: listed, not read
        {2, {0, 0}},         // success without writing: the zero-filled buffer
    };
    for (std::size_t index = 0; index < std::size(controls); ++index) {
        EXPECT_EQ(speakers.Controls[index].Channels, controls[index].Channels) << index;
        EXPECT_EQ(speakers.Controls[index].Values, controls[index].Values) << index;
    }

    ASSERT_EQ(speakers.Sources.size(), 3u);
    EXPECT_EQ(speakers.Sources[0].Controls.at(0).Values, std::vector<std::int64_t>{70000});
    ASSERT_EQ(speakers.Sources[1].Failures.size(), 1u); // and the walk went on
    EXPECT_EQ(speakers.Sources[1].Failures[0].Code, MMSYSERR_NODRIVER);
    const TMixerControlNode& mux = speakers.Sources[2].Controls.at(0);
    EXPECT_EQ(mux.ItemTexts, (std::vector<std::string>{"Microphone", "Line In"}));
    EXPECT_EQ(mux.Values, (std::vector<std::int64_t>{0, 1})); // a value per item

    EXPECT_EQ(device.DestinationLines[1].Failures.at(0).Call, "mixerGetLineControls");
    EXPECT_EQ(devices[1].Failures.at(0).Call, "mixerGetDevCaps");
    EXPECT_EQ(devices[2].Failures.at(0).Call, "mixerOpen");
    EXPECT_EQ(CountFailures(devices[0]) + CountFailures(devices[1]) + CountFailures(devices[2]), 4);
}

TEST(MixerTree, TextShowsNamesValuesAndFailuresWhereTheyHappened)
{
    FakeMixer mixer = ScriptedMixer();
    std::string text;
    WriteTreeText(Walk(mixer), kWindows7, [&](const std::string& Line) { text += Line + "\n"; });
    for (const char* expected :
         {"own audio session",
          "Device 0: \"\xD0\x9C\xD0\xB8\xD0\xBA\xD1\x88\xD0\xB5\xD1\x80 \xE2\x98\x86\"",
          "      values: 65535 (100.0%), 32768 (50.0%)\n", "      value: on\n",
          "      values: -50 (25.0%), 50 (75.0%)\n",
          "      values: -125 (-12.5 dB, 79.2%), 0 (0.0 dB, 100.0%)\n",
          "      value: custom data, not read\n", "value: 70000 (106.8%, outside the range)\n",
          "    Source 1:\n", "      failed: mixerGetLineInfo returned MMSYSERR_NODRIVER (6)\n",
          "          \"Microphone\": off\n", "          \"Line In\": on\n",
          "failed: mixerGetLineControls returned MIXERR_INVALCONTROL (1025)",
          "Device 1:\n  failed: mixerGetDevCaps returned MMSYSERR_BADDEVICEID (2)\n",
          "failed: mixerOpen returned MMSYSERR_ALLOCATED (4)",
          // A name cannot forge a line or reach the terminal, and its quotes stay its own.
          "Device 2: \"Busy \\\"1\\\\2\\\"\\u000d\\u000a\\u001b[2J\"\n"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\nin\n" << text;
}

// Scripts parse it: ASCII whatever the names, numbers the same under any locale.
TEST(MixerTree, JsonIsAsciiAndItsNumbersIgnoreTheLocale)
{
    FakeMixer mixer = ScriptedMixer();
    const TMixerTree tree = Walk(mixer);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "a locale with a decimal comma";
    const std::string json = TreeJson(tree, kWindows7);
    std::setlocale(LC_ALL, "C");

    EXPECT_EQ(json.find_first_of(std::string("\x80\xFF", 2)), std::string::npos);
    for (const char* expected :
         {"\"schema\": 1", "\"mixerScope\": \"session\"",
          "\"name\": \"\\u041c\\u0438\\u043a\\u0448\\u0435\\u0440 \\u2606\"",
          "\"values\": [65535, 32768]", "\"percent\": [100.0, 50.0]", "\"percent\": [25.0, 75.0]",
          "\"decibels\": [-12.5, 0.0]", "\"values\": null", "\"values\": [[0, 1]]",
          "\"items\": [\"Microphone\", \"Line In\"]", "\"call\": \"mixerGetLineInfo\",\n",
          "\"name\": \"MMSYSERR_NODRIVER\"", "\"errors\": []", "\"outsideRange\": true",
          "\"source\": 1,\n              \"lineId\": null,", "\"caps\": null"})
        EXPECT_NE(json.find(expected), std::string::npos) << expected;
    EXPECT_EQ(json.find("50,0"), std::string::npos);
}

// What a driver claims is believed only so far: a count over its limit, or more reads than a walk
// makes, is kept as a failure at its node and reads nothing past it; records left unwritten by a
// call that reported success are a failure, not controls.
TEST(MixerTree, ClaimsOverTheLimitsAndUnwrittenRecordsAreFailuresAtTheirNodes)
{
    const auto oneLine = [](TFakeLine Line, DWORD Destinations = 1) {
        FakeMixer mixer;
        mixer.Devices.resize(1);
        mixer.Devices[0].Caps = MakeCaps(1, 1, 0, "Mixer", 0, Destinations);
        mixer.Devices[0].Destinations = {std::move(Line)};
        return mixer;
    };
    FakeMixer manyDevices = oneLine(TFakeLine());
    manyDevices.ClaimedDevices = 0xFFFFFFFF;
    FakeMixer manyDestinations = oneLine(TFakeLine(), 0xFFFFFFFF);
    TFakeLine unwritten;
    unwritten.Controls = {Control(MIXERCONTROL_CONTROLTYPE_VOLUME, "Written", {1, 2})};
    unwritten.ClaimedControls = 3;
    TFakeLine wide;
    wide.Channels = 256;
    TFakeControl list =
        Control(MIXERCONTROL_CONTROLTYPE_MUX, "List", {}, MIXERCONTROL_CONTROLF_MULTIPLE);
    list.ItemTexts.assign(256, "Item");
    wide.Controls = {list, list, list}; // 2 x 65536 reads each: the second goes past
    TFakeLine silentList;
    TFakeControl unnamed = Control(MIXERCONTROL_CONTROLTYPE_MUX, "List", {},
                                   MIXERCONTROL_CONTROLF_MULTIPLE | MIXERCONTROL_CONTROLF_UNIFORM);
    unnamed.ItemTexts = {"A", "B"};
    unnamed.WritesDetails = false; // success, and the texts left as they were handed over
    silentList.Controls = {unnamed};
    TFakeLine manyChannels;
    manyChannels.Channels = 257;
    manyChannels.Controls = {Control(MIXERCONTROL_CONTROLTYPE_VOLUME, "Volume", {})};
    using TNode = const std::vector<TMixerFailure>* (*)(const TMixerTree&);
    const TNode atTree = [](const TMixerTree& Tree) { return &Tree.Failures; };
    const TNode atDevice = [](const TMixerTree& Tree) { return &Tree.Devices[0].Failures; };
    const TNode atLine = [](const TMixerTree& Tree) {
        return &Tree.Devices[0].DestinationLines[0].Failures;
    };
    const TNode atControl0 = [](const TMixerTree& Tree) {
        return &Tree.Devices[0].DestinationLines[0].Controls[0].Failures;
    };
    const TNode atControl1 = [](const TMixerTree& Tree) {
        return &Tree.Devices[0].DestinationLines[0].Controls[1].Failures;
    };
    const struct {
        const char* Case;
        FakeMixer Mixer;
        TNode Node;
        const char* Call;
        const char* Count; // "": records left unwritten
        std::uint64_t Claimed, Limit;
        std::size_t Devices, Destinations, Controls, ValuesRead;
    } cases[] = {
        {"devices", manyDevices, atTree, "mixerGetNumDevs", "devices", 0xFFFFFFFF, 256, 256, 1, 0,
         0},
        {"destinations", manyDestinations, atDevice, "mixerGetDevCaps", "cDestinations", 0xFFFFFFFF,
         256, 1, 256, 0, 0},
        {"unwritten controls", oneLine(unwritten), atLine, "mixerGetLineControls", "", 0, 0, 1, 1,
         1, 1},
        {"unwritten item texts", oneLine(silentList), atControl0, "mixerGetControlDetails", "", 0,
         0, 1, 1, 1, 1},
        {"channels", oneLine(manyChannels), atControl0, "mixerGetLineInfo", "cChannels", 257, 256,
         1, 1, 1, 0},
        {"reads", oneLine(wide, 2), atControl1, kWalkLimit, "reads", 131072, kMostReads, 1, 1, 3,
         1},
    };
    for (auto tested : cases) {
        tested.Mixer.LogCalls = false;
        const TMixerTree tree = Walk(tested.Mixer);
        EXPECT_TRUE(tested.Mixer.AllClosed()) << tested.Case;
        ASSERT_EQ(tree.Devices.size(), tested.Devices) << tested.Case;
        const TMixerDeviceNode& device = tree.Devices[0];
        EXPECT_EQ(device.DestinationLines.size(), tested.Destinations) << tested.Case;
        if (tested.Controls) {
            const std::vector<TMixerControlNode>& controls = device.DestinationLines[0].Controls;
            EXPECT_EQ(controls.size(), tested.Controls) << tested.Case;
            EXPECT_EQ(std::count_if(controls.begin(), controls.end(),
                                    [](const auto& Control) { return !Control.Values.empty(); }),
                      static_cast<std::ptrdiff_t>(tested.ValuesRead))
                << tested.Case;
        }
        const std::vector<TMixerFailure>& failures = *tested.Node(tree);
        ASSERT_FALSE(failures.empty()) << tested.Case;
        EXPECT_EQ(failures.back().Call, tested.Call) << tested.Case;
        EXPECT_EQ(failures.back().Count, tested.Count) << tested.Case;
        EXPECT_EQ(failures.back().Claimed, tested.Claimed) << tested.Case;
        EXPECT_EQ(failures.back().Limit, tested.Limit) << tested.Case;
        EXPECT_EQ(failures.back().Code, MMSYSERR_NOERROR) << tested.Case; // no call failed
        // Past the one device and line the fake has, every read fails: one failure each.
        EXPECT_EQ(CountFailures(tree), std::max(tested.Devices, tested.Destinations))
            << tested.Case;
    }
}

// The name GUID is only a hint: a full name comes only from the registry, for a cut name.
TEST(MixerTree, AFullNameOnlyWhereACutNameHasOneInTheRegistry)
{
    struct TNames : IMediaNames {
        std::optional<std::string> NameOf(const GUID& Guid) override
        {
            if (Guid.Data1 == 0x1234)
                return std::string("Realtek High Definition Audio Mixer of the front panel");
            return std::nullopt;
        }
    } names;
    const std::string cut = "Realtek High Definition Audio M"; // 31 characters
    FakeMixer mixer;
    mixer.Devices.resize(4);
    for (TFakeDevice& device : mixer.Devices)
        device.WideName = cut;
    mixer.Devices[3].WideName = cut + "i"; // all 32 characters, no terminator
    mixer.Devices[0].NameGuid.Data1 = 0x1234;
    mixer.Devices[1].NameGuid.Data1 = 0xBAD; // not in the registry
    mixer.Devices[2].WideName = "Short";     // not cut: not looked up
    mixer.Devices[2].NameGuid.Data1 = 0x1234;
    const std::vector<TMixerDeviceNode> devices = ReadMixerDevices(mixer, names).Devices;
    EXPECT_TRUE(devices[0].NameCut);
    EXPECT_EQ(devices[0].FullName, "Realtek High Definition Audio Mixer of the front panel");
    EXPECT_TRUE(devices[1].NameCut);
    EXPECT_EQ(devices[1].FullName, std::nullopt);
    EXPECT_FALSE(devices[2].NameCut);
    EXPECT_EQ(devices[2].FullName, std::nullopt);
    EXPECT_TRUE(devices[3].NameCut);
    EXPECT_EQ(devices[3].Name, cut + "i");
}

// Each wave device's mixer device and endpoint identifier, whatever the driver answers: a size
// of 0, an odd one, a text without its terminator, a size too large to ask for, failed calls.
TEST(MixerTree, ReadsEachWaveDevicesMixerAndEndpointIdWithoutTrustingTheDriver)
{
    const auto wave = [](const char* Id, std::optional<DWORD_PTR> Claimed = std::nullopt,
                         bool Terminated = true) {
        TFakeWaveDevice device;
        device.Mixer = 1;
        device.EndpointId = Id;
        device.ClaimedSize = Claimed;
        device.Terminated = Terminated;
        return device;
    };
    const auto failing = [&](MMRESULT TFakeWaveDevice::*Result, MMRESULT Code) {
        TFakeWaveDevice device = wave("{x}");
        device.*Result = Code;
        return device;
    };
    const char* const kSize = "waveOutMessage(DRV_QUERYFUNCTIONINSTANCEIDSIZE)";
    const struct {
        const char* Case;
        bool Capture;
        TFakeWaveDevice Device;
        std::optional<UINT> Mixer;
        std::optional<std::string> Id;
        const char* FailedCall; // "": none
        MMRESULT Code;
    } cases[] = {
        {"render", false, wave("{0.0.0.00000000}.{A}"), 1, "{0.0.0.00000000}.{A}", "", 0},
        {"capture", true, wave("{0.0.1.00000000}.{B}"), 1, "{0.0.1.00000000}.{B}", "", 0},
        {"no mixer device", false, failing(&TFakeWaveDevice::MixerResult, MMSYSERR_NODRIVER),
         std::nullopt, std::nullopt, "", 0},
        {"mixerGetID fails", false, failing(&TFakeWaveDevice::MixerResult, MMSYSERR_INVALHANDLE),
         std::nullopt, std::nullopt, "mixerGetID", MMSYSERR_INVALHANDLE},
        {"size fails", false, failing(&TFakeWaveDevice::SizeResult, MMSYSERR_NOTSUPPORTED), 1,
         std::nullopt, kSize, MMSYSERR_NOTSUPPORTED},
        {"text fails", true, failing(&TFakeWaveDevice::IdResult, MMSYSERR_ERROR), 1, std::nullopt,
         "waveInMessage(DRV_QUERYFUNCTIONINSTANCEID)", MMSYSERR_ERROR},
        {"size 0", false, wave("{x}", 0), 1, std::nullopt, "", 0},
        {"odd size: whole characters only", false, wave("ABCD", 7, false), 1, "ABC", "", 0},
        {"no terminator", false, wave("ABCD", std::nullopt, false), 1, "ABCD", "", 0},
        {"at the cap", false, wave("AB", kLargestEndpointId), 1, "AB", "", 0},
        {"beyond the cap", false, wave("AB", kLargestEndpointId + 2), 1, std::nullopt, kSize, 0},
    };
    for (const auto& tested : cases) {
        FakeMixer mixer;
        (tested.Capture ? mixer.WaveIn : mixer.WaveOut).push_back(tested.Device);
        const std::vector<TWaveLink> links = ReadWaveLinks(mixer);
        EXPECT_EQ(mixer.Errors, std::vector<std::string>()) << tested.Case;
        ASSERT_EQ(links.size(), 1u) << tested.Case;
        EXPECT_EQ(links[0].Capture, tested.Capture) << tested.Case;
        EXPECT_EQ(links[0].MixerIndex, tested.Mixer) << tested.Case;
        EXPECT_EQ(links[0].EndpointId, tested.Id) << tested.Case;
        if (*tested.FailedCall) {
            ASSERT_EQ(links[0].Failures.size(), 1u) << tested.Case;
            EXPECT_EQ(links[0].Failures[0].Call, tested.FailedCall) << tested.Case;
            EXPECT_EQ(links[0].Failures[0].Code, tested.Code) << tested.Case;
        } else {
            EXPECT_TRUE(links[0].Failures.empty()) << tested.Case;
        }
    }
}

// The links under their mixer devices, with --device too: each shown, a failed one counted.
TEST(MixerTree, ShowsEachMixerDevicesEndpointsAndCountsTheirFailures)
{
    FakeMixer mixer;
    mixer.Devices.resize(2);
    mixer.Devices[0].Caps = MakeCaps(1, 1, 0, "Out", 0, 0);
    mixer.Devices[1].Caps = MakeCaps(1, 1, 0, "In", 0, 0);
    TFakeWaveDevice speakers, broken, microphone;
    speakers.EndpointId = "{0.0.0.00000000}.{A}";
    broken.SizeResult = MMSYSERR_NOTSUPPORTED;
    microphone.Mixer = 1;
    microphone.EndpointId = "{0.0.1.00000000}.{B}\x1b[2J"; // escaped in the text
    mixer.WaveOut = {speakers, broken};
    mixer.WaveIn = {microphone};
    TMixerTree tree = ReadMixerDevices(mixer, NoMediaNames());
    std::vector<TMixerDeviceNode>& devices = tree.Devices;
    std::vector<TWaveLink> links = ReadWaveLinks(mixer);
    links[0].EndpointName = "Speakers";

    std::vector<TMixerDeviceNode> chosen = {devices[1]};
    AttachWaveLinks(chosen, links);
    ASSERT_EQ(chosen[0].WaveLinks.size(), 1u);
    EXPECT_EQ(chosen[0].WaveLinks[0].EndpointId, "{0.0.1.00000000}.{B}\x1b[2J");

    AttachWaveLinks(devices, links);
    EXPECT_EQ(CountFailures(devices[0]), 1);
    EXPECT_EQ(CountFailures(devices[1]), 0);
    std::string text;
    WriteTreeText(tree, kWindows7, [&](const std::string& Line) { text += Line + "\n"; });
    for (const char* expected :
         {"  cDestinations = 0\n"
          "  endpoint (wave out 0): \"Speakers\" {0.0.0.00000000}.{A}\n"
          "  endpoint (wave out 1): failed: waveOutMessage(DRV_QUERYFUNCTIONINSTANCEIDSIZE) "
          "returned MMSYSERR_NOTSUPPORTED (8)\n"
          "Device 1",
          "  endpoint (wave in 0): {0.0.1.00000000}.{B}\\u001b[2J\n"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\nin\n" << text;
    const std::string json = TreeJson(tree, kWindows7);
    for (const char* expected :
         {"\"waveDevices\": [\n        {\n          \"wave\": \"out\",\n          \"waveIndex\": "
          "0,\n"
          "          \"id\": \"{0.0.0.00000000}.{A}\",\n          \"name\": \"Speakers\",\n"
          "          \"errors\": []\n",
          "\"id\": null,\n          \"name\": null,\n          \"errors\": [\n            {\n"
          "              \"call\": \"waveOutMessage(DRV_QUERYFUNCTIONINSTANCEIDSIZE)\",\n",
          "\"wave\": \"in\""})
        EXPECT_NE(json.find(expected), std::string::npos) << expected << "\nin\n" << json;
}

TEST(MixerTree, SelectsADeviceByIndexOrByAUniquePartOfItsName)
{
    std::vector<TMixerDeviceNode> devices(8);
    devices[0].Name = "Out: default";
    devices[1].Index = 1;
    devices[1].Name = "In: default";
    devices[2].Index = 2;
    devices[2].Name = "Out";
    devices[3].Index = 3;
    devices[3].Name = "OUT";
    const char* const others[] = {"Динамики и наушники", "speakers ä", "Ηχεία", "Głośniki 2×2"};
    for (std::size_t index = 4; index < devices.size(); ++index) {
        devices[index].Index = static_cast<UINT>(index);
        devices[index].Name = others[index - 4];
    }
    const struct {
        const char* Selector;
        std::optional<std::size_t> Chosen;
    } cases[] = {
        {"1", 1},
        {"8", std::nullopt},
        {"in", 1},
        {"Out", 2}, // a whole name wins, spelt as it is where two differ only in case
        {"OUT", 3},
        {"out", std::nullopt},
        {"out:", 0},
        {"default", std::nullopt},
        {"nosuch", std::nullopt},
        {"", std::nullopt},
        // Case beyond ASCII: Cyrillic, Latin-1, Greek with its accents, Latin Extended-A (whose
        // capitals fall on odd and even code points); '×' and '÷' are no pair.
        {"ДИНАМИКИ", 4},
        {"ДИНАМИКИ И НАУШНИКИ", 4},
        {"SPEAKERS Ä", 5},
        {"ΗΧΕΊΑ", 6},
        {"GŁOŚNIKI", 7},
        {"2÷2", std::nullopt},
    };
    for (const auto& tested : cases)
        EXPECT_EQ(SelectMixerDevice(devices, tested.Selector), tested.Chosen) << tested.Selector;
}

} // namespace
