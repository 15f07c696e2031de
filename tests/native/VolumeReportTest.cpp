// The master volume query against a scripted mixer: its lines, the failures of every checked
// call, errors at every step, and the handles and memory it must give back on every path.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "mixer/MMUtils.h"
#include "mixer/Reports.h"
#include "AllocationCounter.h"
#include "FakeMixer.h"

namespace {

using Lines = std::vector<std::string>;

constexpr DWORD kMuteControl = 0x20010002; // MIXERCONTROL_CONTROLTYPE_MUTE
constexpr DWORD kWaveInDestination = 7;    // MIXERLINE_COMPONENTTYPE_DST_WAVEIN

TFakeControl Volume(const char* ShortName, std::vector<DWORD> Values)
{
    return {MIXERCONTROL_CONTROLTYPE_VOLUME, ShortName, std::move(Values)};
}

TFakeControl Mute()
{
    return {kMuteControl, "Mute", {1}};
}

TFakeLine Speakers(std::vector<TFakeControl> Controls, DWORD Channels = 2)
{
    TFakeLine line;
    line.Channels = Channels;
    line.Controls = std::move(Controls);
    return line;
}

TFakeLine Recording()
{
    TFakeLine line;
    line.ComponentType = kWaveInDestination;
    line.Controls = {Volume("Rec", {5})};
    return line;
}

TFakeDevice Device(const char* Name, std::vector<TFakeLine> Destinations)
{
    TFakeDevice device;
    device.Caps = MakeCaps(1, 1, 0x00010001, Name, 0, static_cast<DWORD>(Destinations.size()));
    device.Destinations = std::move(Destinations);
    return device;
}

struct VolumeRun {
    Lines Output;
    std::string Escaped; // the message of an error that ended the query, if any
};

VolumeRun RunQuery(FakeMixer& Mixer, int SinkThrowsAtLine = 0)
{
    VolumeRun run;
    try {
        RunVolumeReport(Mixer, [&](const std::string& Line) {
            if (static_cast<int>(run.Output.size()) + 1 == SinkThrowsAtLine) {
                run.Output.push_back("<sink failed>");
                throw std::runtime_error("sink failure");
            }
            run.Output.push_back(Line);
        });
    } catch (const std::exception& error) {
        run.Escaped = error.what();
    }
    return run;
}

// Every open closed once, nothing used wrongly.
void ExpectMixerLeftClean(const FakeMixer& Mixer)
{
    EXPECT_TRUE(Mixer.AllClosed());
    EXPECT_EQ(Mixer.Opens, Mixer.Closes);
    EXPECT_EQ(Mixer.Errors, std::vector<std::string>{});
}

// Runs Scenario and returns how many of its heap allocations it did not release.
size_t UnreleasedAllocations(const std::function<void()>& Scenario)
{
    const size_t before = AllocationCounts().Live;
    Scenario();
    return AllocationCounts().Live - before;
}

TEST(VolumeReport, NoDeviceWritesNothing)
{
    FakeMixer mixer;
    EXPECT_EQ(RunQuery(mixer).Output, Lines{});
    EXPECT_EQ(mixer.Calls, std::vector<std::string>{"GetNumDevs"});
}

TEST(VolumeReport, ListsEveryVolumeControlOfEverySpeakerLine)
{
    FakeMixer mixer;
    mixer.Devices = {
        Device("Speakers", {Speakers({Mute(), Volume("Master", {40000, 20000}),
                                      Volume("Wave\t", {0xFFFFFFFF, 0})}),
                            Recording()}),
        // Control characters in a name are escaped, and then its backslashes too.
        Device("Line\r\nIn\x1b[0m\\", {Recording()}),
    };
    EXPECT_EQ(RunQuery(mixer).Output,
              (Lines{
                  "DeviceName:Speakers Desitination:2",
                  "ShortName:Master",
                  "Volume = 40000",
                  "ShortName:Wave\\u0009",
                  "Volume = -1",
                  "DeviceName:Line\\u000d\\u000aIn\\u001b[0m\\\\ Desitination:1",
              }));
    ExpectMixerLeftClean(mixer);
    EXPECT_EQ(mixer.Calls, (std::vector<std::string>{
                               "GetNumDevs",
                               "GetDevCaps(0)",
                               "Open(0)",
                               "GetLineInfo(destination 0)",
                               "GetLineInfo(line)",
                               "GetLineControls(3)",
                               "GetControlDetails(2)",
                               "GetControlDetails(2)",
                               "GetLineInfo(destination 1)",
                               "Close(0)",
                               "GetDevCaps(1)",
                               "Open(1)",
                               "GetLineInfo(destination 0)",
                               "Close(1)",
                           }));
}

TEST(VolumeReport, ADeviceThatCannotBeOpenedIsNotClosed)
{
    FakeMixer mixer;
    mixer.Devices = {Device("Busy", {Speakers({Volume("Master", {1})})}),
                     Device("Free", {Speakers({Volume("Master", {2})})})};
    mixer.Devices[0].OpenResult = MMSYSERR_ALLOCATED;
    EXPECT_EQ(RunQuery(mixer).Output,
              (Lines{"DeviceName:Busy Desitination:1",
                     "MMSYSERR_ALLOCATED: The specified resource is already allocated by the "
                     "maximum number of clients possible.",
                     "DeviceName:Free Desitination:1", "ShortName:Master", "Volume = 2"}));
    ExpectMixerLeftClean(mixer);
    EXPECT_EQ(mixer.Closes, 1);

    mixer.Devices[0].OpenResult = 3;
    EXPECT_EQ(RunQuery(mixer).Output[1], "Not mixerOpenError Result");
}

// The lines whose shape a driver decides, including the ones that would go wrong if the report
// trusted it: no controls, no volume control, no channels, more controls after the call than the
// array holds, names that fill their arrays.
TEST(VolumeReport, CopesWithWhatDriversReport)
{
    TFakeLine noControls = Speakers({});
    TFakeLine noChannels = Speakers({Volume("Mono", {77})}, 0);
    TFakeLine overlong = Speakers({Volume("First", {1}), Mute()});
    overlong.ControlsAfterQuery = 1000;
    TFakeLine fullName = Speakers({Volume("ABCDEFGHIJKLMNOP", {9})}, 1);

    FakeMixer mixer;
    mixer.Devices = {
        Device("No controls", {noControls, Speakers({Mute()})}),
        Device("No channels", {noChannels}),
        Device("Overlong", {overlong}),
        Device("0123456789012345678901234567890123", {fullName}),
    };
    EXPECT_EQ(RunQuery(mixer).Output,
              (Lines{
                  "DeviceName:No controls Desitination:2",
                  "DeviceName:No channels Desitination:1",
                  "ShortName:Mono",
                  "Volume = 77",
                  "DeviceName:Overlong Desitination:1",
                  "ShortName:First",
                  "Volume = 1",
                  "DeviceName:01234567890123456789012345678901 Desitination:1",
                  "ShortName:ABCDEFGHIJKLMNOP",
                  "Volume = 9",
              }));
    ExpectMixerLeftClean(mixer);
    EXPECT_EQ(std::count(mixer.Calls.begin(), mixer.Calls.end(), "GetLineControls(0)"), 0);
}

TEST(VolumeReport, AFailedCapabilityQueryShowsNothingThePlatformLeftBehind)
{
    FakeMixer mixer;
    mixer.Devices = {Device("Hidden", {Speakers({Volume("Master", {1})})})};
    mixer.Devices[0].CapsResult = MMSYSERR_NODRIVER;
    EXPECT_EQ(RunQuery(mixer).Output, Lines{"DeviceName: Desitination:0"});
    ExpectMixerLeftClean(mixer);
    EXPECT_EQ(mixer.Opens, 1);
}

TEST(VolumeReport, ImpossibleCountsCostOnlyTheirLine)
{
    EXPECT_EQ(UnreleasedAllocations([] {
                  TFakeLine manyControls = Speakers({Volume("Master", {1})});
                  manyControls.ClaimedControls = 0xFFFFFFFF;
                  TFakeLine manyChannels = Speakers({Volume("Master", {1})}, 0xFFFFFFFF);
                  FakeMixer mixer;
                  mixer.Devices = {
                      Device("Huge", {manyControls, manyChannels, Speakers({Volume("Ok", {3})})})};
                  EXPECT_EQ(RunQuery(mixer).Output,
                            (Lines{
                                "DeviceName:Huge Desitination:3",
                                "mixerGetLineInfo claims cControls = 4294967295, over the limit "
                                "of 256",
                                "ShortName:Master",
                                "mixerGetLineInfo claims cChannels = 4294967295, over the limit "
                                "of 256",
                                "ShortName:Ok",
                                "Volume = 3",
                            }));
                  ExpectMixerLeftClean(mixer);
              }),
              0u);
}

// Two devices with one stereo speaker line each; the first one is where things go wrong.
FakeMixer TwoSpeakerDevices()
{
    FakeMixer mixer;
    mixer.Devices = {Device("First", {Speakers({Volume("Vol", {10, 11})}), Recording()}),
                     Device("Second", {Speakers({Volume("Vol", {20, 21})})})};
    return mixer;
}

const Lines kSecondDevice = {"DeviceName:Second Desitination:1", "ShortName:Vol", "Volume = 20"};

enum class TCall { Open, LineByDestination, LineById, LineControls, ControlDetails };

struct FailureCase {
    TCall Call;
    std::vector<MMRESULT> Codes;
    std::function<std::string(MMRESULT)> Text;
    Lines FirstDeviceLinesBeforeText;
};

TEST(VolumeReport, EachCheckedCallFailingWithEachCodeSkipsOnlyWhatDependsOnIt)
{
    const MMRESULT unknown[] = {3, 1026, 0xFFFFFFFF};
    const FailureCase cases[] = {
        {TCall::Open,
         {2, 4, 5, 6, 7, 10, 11},
         [](MMRESULT Code) { return MixerOpenResultText(Code, "mixerOpenError"); },
         {"DeviceName:First Desitination:2"}},
        {TCall::LineByDestination,
         {2, 5, 6, 10, 11, 1024},
         [](MMRESULT Code) { return MixerLineInfoResultText(Code, "mixerGetLineInfo"); },
         {"DeviceName:First Desitination:2"}},
        {TCall::LineById,
         {2, 5, 6, 10, 11, 1024},
         [](MMRESULT Code) { return MixerLineInfoResultText(Code, "mixerGetLineInfo"); },
         {"DeviceName:First Desitination:2"}},
        {TCall::LineControls,
         {2, 5, 6, 10, 11, 1024, 1025},
         [](MMRESULT Code) { return MixerLineControlsResultText(Code, "mixerGetLineControls"); },
         {"DeviceName:First Desitination:2"}},
        {TCall::ControlDetails,
         {2, 5, 6, 10, 11, 1024, 1025},
         [](MMRESULT Code) {
             return MixerControlDetailsResultText(Code, "mixerGetControlDetails");
         },
         {"DeviceName:First Desitination:2", "ShortName:Vol"}},
    };
    for (const FailureCase& tested : cases) {
        std::vector<MMRESULT> codes = tested.Codes;
        codes.insert(codes.end(), std::begin(unknown), std::end(unknown));
        for (MMRESULT code : codes) {
            SCOPED_TRACE("call " + std::to_string(static_cast<int>(tested.Call)) + ", code " +
                         std::to_string(code));
            EXPECT_EQ(UnreleasedAllocations([&] {
                          FakeMixer mixer = TwoSpeakerDevices();
                          TFakeDevice& first = mixer.Devices[0];
                          switch (tested.Call) {
                          case TCall::Open:
                              first.OpenResult = code;
                              break;
                          case TCall::LineByDestination:
                              first.Destinations[0].DestinationResult = code;
                              break;
                          case TCall::LineById:
                              first.Destinations[0].LineIdResult = code;
                              break;
                          case TCall::LineControls:
                              first.Destinations[0].ControlsResult = code;
                              break;
                          case TCall::ControlDetails:
                              first.Destinations[0].Controls[0].DetailsResult = code;
                              break;
                          }
                          Lines expected = tested.FirstDeviceLinesBeforeText;
                          expected.push_back(tested.Text(code));
                          expected.insert(expected.end(), kSecondDevice.begin(),
                                          kSecondDevice.end());
                          EXPECT_EQ(RunQuery(mixer).Output, expected);
                          ExpectMixerLeftClean(mixer);
                      }),
                      0u);
        }
    }
    // The names reach the texts of codes no table knows.
    FakeMixer mixer = TwoSpeakerDevices();
    mixer.Devices[0].Destinations[0].ControlsResult = 3;
    mixer.Devices[1].Destinations[0].Controls[0].DetailsResult = 3;
    const Lines output = RunQuery(mixer).Output;
    EXPECT_EQ(output[1], "Not mixerGetLineControls Result");
    EXPECT_EQ(output.back(), "Not mixerGetControlDetails Result");
}

// An error at any step: inside the control stage of a line it becomes that line's message and the
// walk goes on; anywhere else it ends the query. Either way every mixer opened is closed and every
// array released.
TEST(VolumeReport, AnErrorAtAnyStepLeavesNothingOpenOrAllocated)
{
    FakeMixer baseline = TwoSpeakerDevices();
    const size_t lineCount = RunQuery(baseline).Output.size();
    const size_t callCount = baseline.Calls.size();
    for (size_t failing = 1; failing <= callCount; ++failing) {
        SCOPED_TRACE("error at call " + std::to_string(failing) + ": " +
                     baseline.Calls[failing - 1]);
        EXPECT_EQ(UnreleasedAllocations([&] {
                      FakeMixer mixer = TwoSpeakerDevices();
                      mixer.ThrowAtCall = static_cast<int>(failing);
                      const VolumeRun run = RunQuery(mixer);
                      const std::string& call = baseline.Calls[failing - 1];
                      const bool inControlStage = call.rfind("GetLineControls", 0) == 0 ||
                                                  call.rfind("GetControlDetails", 0) == 0;
                      if (inControlStage) {
                          EXPECT_EQ(run.Escaped, "");
                          EXPECT_NE(std::find(run.Output.begin(), run.Output.end(),
                                              "fake failure at " + call),
                                    run.Output.end());
                          EXPECT_NE(std::find(run.Output.begin(), run.Output.end(),
                                              "DeviceName:Second Desitination:1"),
                                    run.Output.end());
                      } else {
                          EXPECT_EQ(run.Escaped, "fake failure at " + call);
                      }
                      ExpectMixerLeftClean(mixer);
                  }),
                  0u);
    }

    for (size_t failing = 1; failing <= lineCount; ++failing) {
        SCOPED_TRACE("error writing line " + std::to_string(failing));
        EXPECT_EQ(UnreleasedAllocations([&] {
                      FakeMixer mixer = TwoSpeakerDevices();
                      RunQuery(mixer, static_cast<int>(failing));
                      ExpectMixerLeftClean(mixer);
                  }),
                  0u);
    }
}

} // namespace
