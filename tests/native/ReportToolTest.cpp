// KorvaleReport's command line: what it prints where, and its exit codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "app/ReportTool.h"
#include "FakeEndpoints.h"
#include "FakeMixer.h"

namespace {

struct ToolRun {
    int ExitCode;
    std::string Out, Err;
    int MixersOpened;
};

// A stream that collects what is written to it, in memory.
class CapturedStream {
public:
    CapturedStream() : m_stream(open_memstream(&m_buffer, &m_size)) {}
    ~CapturedStream()
    {
        std::fclose(m_stream);
        std::free(m_buffer);
    }
    CapturedStream(const CapturedStream&) = delete;
    CapturedStream& operator=(const CapturedStream&) = delete;

    std::FILE* Stream() const { return m_stream; }
    std::string str()
    {
        std::fflush(m_stream);
        return std::string(m_buffer, m_size);
    }

private:
    char* m_buffer = nullptr;
    size_t m_size = 0;
    std::FILE* m_stream;
};

// Name, where given, is the name of the mixer device and of the first endpoint.
ToolRun RunTool(const std::vector<std::string>& Arguments, bool MixerFails = false,
                MMRESULT DetailsResult = MMSYSERR_NOERROR, DWORD WindowsMajor = 10,
                const char* Name = nullptr)
{
    CapturedStream out, err;
    int opened = 0;
    TReportToolSystem system;
    system.Context.WindowsMajor = WindowsMajor;
    system.OpenMixer = [&]() -> std::unique_ptr<IMixer> {
        ++opened;
        if (MixerFails)
            throw std::runtime_error("The multimedia library winmm.dll could not be loaded.");
        auto mixer = std::make_unique<FakeMixer>();
        mixer->Devices.resize(1);
        mixer->Devices[0].Caps = MakeCaps(2, 2, 0x00010001, Name ? Name : "In", 0, 1);
        mixer->Devices[0].Destinations.resize(1);
        mixer->Devices[0].Destinations[0].Controls = {
            {MIXERCONTROL_CONTROLTYPE_VOLUME, "Master", {1234, 0}, DetailsResult}};
        mixer->WaveIn.resize(1);
        mixer->WaveIn[0].EndpointId = "{c1}"; // FourEndpoints' microphone
        return mixer;
    };
    system.OpenEndpoints = [&]() -> std::unique_ptr<IEndpointEnumerator> {
        ++opened;
        auto endpoints = FourEndpoints();
        if (Name)
            endpoints->Endpoints[0].Properties[TEndpointKey::FriendlyName] = TextValue(Name);
        return endpoints;
    };
    const int code = RunReportTool(Arguments, system, out.Stream(), err.Stream());
    return {code, out.str(), err.str(), opened};
}

// Whether Output holds Expected; an empty expectation means that nothing at all was written.
bool Holds(const std::string& Output, const std::string& Expected)
{
    return Expected.empty() ? Output.empty() : Output.find(Expected) != std::string::npos;
}

const char kCapsReport[] = "mixerGetNumDevs() = 1\n"
                           "----------   mixerGetDevCaps(0)   ----------\n"
                           "MixerCaps.wMid = 2(Creative Labs, Inc.)\n"
                           "MixerCaps.wPid = 2(SB20_WAVEIN)\n"
                           "MixerCaps.vDriverVersion = 65537(Ver.1.1)\n"
                           "MixerCaps.szPname = In\n"
                           "MixerCaps.fdwSupport = 0\n"
                           "MixerCaps.cDestinations = 1\n";

const char kVolumeReport[] = "DeviceName:In Desitination:1\n"
                             "ShortName:Master\n"
                             "Volume = 1234\n";

TEST(ReportTool, PrintsTheChosenReports)
{
    const struct {
        std::vector<std::string> Arguments;
        std::string Out;
    } cases[] = {
        {{"--caps"}, kCapsReport},
        {{"--volume"}, kVolumeReport},
        {{}, std::string(kCapsReport) + kVolumeReport},
        {{"--volume", "--caps"}, std::string(kCapsReport) + kVolumeReport},
    };
    for (const auto& tested : cases) {
        const ToolRun run = RunTool(tested.Arguments);
        EXPECT_EQ(run.ExitCode, 0);
        EXPECT_EQ(run.Out, tested.Out);
        EXPECT_EQ(run.Err, "");
    }
}

TEST(ReportTool, HelpAndUnknownArgumentsGiveTheUsageWithoutTouchingTheMixer)
{
    const ToolRun help = RunTool({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    // The lines the tool has always printed come first, unchanged: scripts may read them.
    EXPECT_EQ(help.Out.rfind("Usage: KorvaleReport [--caps] [--volume] [--help]\n"
                             "Prints Korvale's mixer reports to standard output.\n"
                             "  --caps     the device capabilities report\n"
                             "  --volume   the master volume query\n"
                             "  --help     this text\n"
                             "With no argument, both reports are printed, capabilities first.\n",
                             0),
              0u);
    EXPECT_EQ(help.Err, "");

    for (const auto& arguments :
         {std::vector<std::string>{"--cpas"}, std::vector<std::string>{"--caps", "-x"},
          std::vector<std::string>{"--help", "caps"}, std::vector<std::string>{"--device"},
          std::vector<std::string>{"--tree", "--caps"},
          std::vector<std::string>{"--endpoints", "--tree"},
          std::vector<std::string>{"--endpoint", "x", "--volume"},
          std::vector<std::string>{"--endpoints", "--json", "--tree"},
          std::vector<std::string>{"--endpoint"},
          std::vector<std::string>{"--device", "nosuch", "--device", "0"},
          std::vector<std::string>{"--endpoint", "mic", "--endpoint", "mic"}}) {
        const ToolRun wrong = RunTool(arguments);
        EXPECT_EQ(wrong.ExitCode, 2);
        EXPECT_EQ(wrong.Out, "");
        EXPECT_NE(wrong.Err.find("Usage: KorvaleReport"), std::string::npos);
        EXPECT_EQ(wrong.MixersOpened, 0);
    }
    EXPECT_NE(RunTool({"--cpas"}).Err.find("\"--cpas\""), std::string::npos);
}

TEST(ReportTool, AFailureIsReportedAndEndsWithCodeOne)
{
    const ToolRun run = RunTool({"--caps"}, true);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "KorvaleReport: The multimedia library winmm.dll could not be loaded.\n");
}

// A full disk or a closed pipe must not pass for a printed report.
TEST(ReportTool, OutputThatCannotBeWrittenIsAFailureThatSaysSo)
{
    const struct {
        const char* Argument;
        const char* Message;
    } cases[] = {{"--caps", "KorvaleReport: the report could not be written\n"},
                 {"--help", "KorvaleReport: the help could not be written\n"}};
    for (const auto& tested : cases) {
        std::FILE* full = std::fopen("/dev/full", "w");
        ASSERT_NE(full, nullptr);
        CapturedStream err;
        TReportToolSystem system;
        system.OpenMixer = [] { return std::make_unique<FakeMixer>(); };
        const int code = RunReportTool({tested.Argument}, system, full, err.Stream());
        std::fclose(full);
        EXPECT_EQ(code, 1) << tested.Argument;
        EXPECT_EQ(err.str(), tested.Message);
    }
}

// The tree's own exit codes: a device that is not there, and calls that failed under it.
TEST(ReportTool, TheTreeSaysWhenADeviceIsMissingOrACallFailed)
{
    const struct {
        std::vector<std::string> Arguments;
        MMRESULT DetailsResult;
        int ExitCode;
        const char* InOut; // "": nothing on standard output
        const char* InErr; // "": nothing on standard error
    } cases[] = {
        {{"--tree"}, MMSYSERR_NOERROR, 0, "values: 1234 (1.9%), 0 (0.0%)", ""},
        {{"--tree"},
         MMSYSERR_NOERROR,
         0,
         "endpoint (wave in 0): \"Microphone (Fake Audio)\" {c1}",
         ""},
        {{"--device", "0"}, MMSYSERR_NOERROR, 0, "Device 0: \"In\"", ""},
        {{"--json", "--device", "in"}, MMSYSERR_NOERROR, 0, "\"name\": \"In\"", ""},
        {{"--device", "nosuch"}, MMSYSERR_NOERROR, 3, "", "the devices are:\n  0: In\n"},
        {{"--device", "1"}, MMSYSERR_NOERROR, 3, "", "\"1\""},
        {{"--tree"},
         MIXERR_INVALCONTROL,
         4,
         "failed: mixerGetControlDetails returned "
         "MIXERR_INVALCONTROL (1025)",
         ""},
    };
    for (const auto& tested : cases) {
        const ToolRun run = RunTool(tested.Arguments, false, tested.DetailsResult);
        EXPECT_EQ(run.ExitCode, tested.ExitCode) << run.Err;
        EXPECT_TRUE(Holds(run.Out, tested.InOut)) << run.Out;
        EXPECT_TRUE(Holds(run.Err, tested.InErr)) << run.Err;
    }
    // Windows XP has no endpoints and no message that names one: none is asked for.
    const ToolRun xp = RunTool({"--tree"}, false, MMSYSERR_NOERROR, 5);
    EXPECT_EQ(xp.ExitCode, 0);
    EXPECT_TRUE(Holds(xp.Out, "  endpoint (wave in 0): none\n")) << xp.Out;

    // Names and the argument that matched none cannot forge a line or reach the terminal.
    const struct {
        std::vector<std::string> Arguments;
        const char* InErr;
    } forged[] = {
        {{"--device", "no\x1b"},
         "\"no\\u001b\" or has it in its name; the devices are:\n"
         "  0: In\\u000d\\u000a  1: Out\\u001b[2J\n"},
        {{"--endpoint", "usb"},
         "the endpoints are:\n"
         "  In\\u000d\\u000a  1: Out\\u001b[2J: {r0}\n  Microphone"},
    };
    for (const auto& tested : forged) {
        const ToolRun run =
            RunTool(tested.Arguments, false, MMSYSERR_NOERROR, 10, "In\r\n  1: Out\x1b[2J");
        EXPECT_EQ(run.ExitCode, 3);
        EXPECT_TRUE(Holds(run.Err, tested.InErr)) << run.Err;
    }
}

// --endpoint chooses one endpoint, by a flow's default, a part of its name or its id.
TEST(ReportTool, EndpointsAreChosenByDefaultNameOrId)
{
    const struct {
        std::vector<std::string> Arguments;
        int ExitCode;
        const char* InOut; // "": nothing on standard output
        const char* InErr; // "": nothing on standard error
    } cases[] = {
        {{"--endpoints"}, 0, "4 audio endpoints\n", ""},
        {{"--endpoint", "default-capture"}, 0, "1 audio endpoints\nEndpoint 1: \"Microphone", ""},
        // The legacy mixer device whose wave input carries the endpoint's identifier.
        {{"--endpoint", "mic"},
         0,
         "  default for: console, multimedia\n  legacy mixer device: 0\n",
         ""},
        {{"--endpoint", "mic", "--json"}, 0, "\"mixerDevices\": [0],", ""},
        {{"--endpoint", "default-render"}, 0, "1 audio endpoints\nEndpoint 0: \"Speakers", ""},
        {{"--endpoint", "HEADPHONES"}, 0, "1 audio endpoints\nEndpoint 2: \"Headphones", ""},
        {{"--endpoint", "{c3}"}, 0, "1 audio endpoints\nEndpoint 3: \"Line In", ""},
        {{"--endpoint", "usb"}, 3, "", "the endpoints are:\n  Speakers (Fake Audio): {r0}\n"},
        {{"--endpoint", "nosuch"}, 3, "", "\"nosuch\""},
        {{"--json", "--endpoint", "{c3}"}, 0, "\"windows\": {", ""},
        {{"--endpoints", "--json"}, 0, "\"index\": 3,\n      \"id\": \"{c3}\"", ""},
    };
    for (const auto& tested : cases) {
        const ToolRun run = RunTool(tested.Arguments);
        EXPECT_EQ(run.ExitCode, tested.ExitCode) << run.Err;
        EXPECT_TRUE(Holds(run.Out, tested.InOut)) << run.Out;
        EXPECT_TRUE(Holds(run.Err, tested.InErr)) << run.Err;
    }
}

} // namespace
