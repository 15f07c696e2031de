// The device capabilities report against a scripted mixer.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "mixer/Reports.h"
#include "FakeMixer.h"

namespace {

using Lines = std::vector<std::string>;

Lines Report(FakeMixer& Mixer)
{
    Lines lines;
    RunDevCapsReport(Mixer, [&](const std::string& Line) { lines.push_back(Line); });
    return lines;
}

TFakeDevice Device(const MIXERCAPSA& Caps, MMRESULT Result = MMSYSERR_NOERROR)
{
    TFakeDevice device;
    device.Caps = Caps;
    device.CapsResult = Result;
    return device;
}

TEST(DevCapsReport, NoDeviceGivesTheCountAlone)
{
    FakeMixer mixer;
    EXPECT_EQ(Report(mixer), Lines{"mixerGetNumDevs() = 0"});
    EXPECT_EQ(mixer.Calls, std::vector<std::string>{"GetNumDevs"});
}

TEST(DevCapsReport, TwoDevicesWithNamesFallBacksAndSignedNumbers)
{
    FakeMixer mixer;
    mixer.Devices = {
        Device(MakeCaps(1, 100, 0x00050001, "Speakers (WDM)", 0, 1)),
        Device(
            MakeCaps(0, 7, 0xFFFFFFFF, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", 0x80000000, 0xFFFFFFFF)),
        // A name that would forge a line of the report and clear the screen.
        Device(MakeCaps(1, 100, 0, "Out\r\nMixerCaps.wMid = 0\x1b[2J", 0, 1)),
    };
    EXPECT_EQ(Report(mixer),
              (Lines{
                  "mixerGetNumDevs() = 3",
                  "----------   mixerGetDevCaps(0)   ----------",
                  "MixerCaps.wMid = 1(Microsoft Corporation)",
                  "MixerCaps.wPid = 100(Generic id for WDM Audio drivers)",
                  "MixerCaps.vDriverVersion = 327681(Ver.5.1)",
                  "MixerCaps.szPname = Speakers (WDM)",
                  "MixerCaps.fdwSupport = 0",
                  "MixerCaps.cDestinations = 1",
                  "----------   mixerGetDevCaps(1)   ----------",
                  "MixerCaps.wMid = 0(Unmapped Manufacturer)",
                  "MixerCaps.wPid = 7(Unmapped Product)",
                  "MixerCaps.vDriverVersion = -1(Ver.65535.65535)",
                  "MixerCaps.szPname = ABCDEFGHIJKLMNOPQRSTUVWXYZ012345",
                  "MixerCaps.fdwSupport = -2147483648",
                  "MixerCaps.cDestinations = -1",
                  "----------   mixerGetDevCaps(2)   ----------",
                  "MixerCaps.wMid = 1(Microsoft Corporation)",
                  "MixerCaps.wPid = 100(Generic id for WDM Audio drivers)",
                  "MixerCaps.vDriverVersion = 0(Ver.0.0)",
                  "MixerCaps.szPname = Out\\u000d\\u000aMixerCaps.wMid = 0\\u001b[2J",
                  "MixerCaps.fdwSupport = 0",
                  "MixerCaps.cDestinations = 1",
              }));
    EXPECT_EQ(mixer.Calls, (std::vector<std::string>{"GetNumDevs", "GetDevCaps(0)", "GetDevCaps(1)",
                                                     "GetDevCaps(2)"}));
    EXPECT_EQ(mixer.Errors, std::vector<std::string>{});
}

TEST(DevCapsReport, AFailedQueryGivesItsTextAndTheReportGoesOn)
{
    const struct {
        MMRESULT Code;
        const char* Text;
    } failures[] = {
        {MMSYSERR_BADDEVICEID,
         "MMSYSERR_BADDEVICEID: The specified device identifier is out of range."},
        {MMSYSERR_INVALHANDLE, "MMSYSERR_INVALHANDLE: The mixer device handle is invalid."},
        {MMSYSERR_INVALPARAM, "MMSYSERR_INVALPARAM: One or more parameters are invalid."},
        {MMSYSERR_NODRIVER, "Not mixerGetDevCaps Result"},
        {MMSYSERR_NOMEM, "Not mixerGetDevCaps Result"},
        {MIXERR_INVALLINE, "Not mixerGetDevCaps Result"},
        {0xFFFFFFFF, "Not mixerGetDevCaps Result"},
    };
    for (const auto& failure : failures) {
        FakeMixer mixer;
        mixer.Devices = {Device(MakeCaps(2, 1, 0, "broken", 0, 0), failure.Code),
                         Device(MakeCaps(255, 255, 0x00010001, "In: default", 0, 1))};
        const Lines lines = Report(mixer);
        ASSERT_EQ(lines.size(), 10u) << failure.Code;
        EXPECT_EQ(lines[1], "----------   mixerGetDevCaps(0)   ----------");
        EXPECT_EQ(lines[2], failure.Text);
        EXPECT_EQ(lines[3], "----------   mixerGetDevCaps(1)   ----------");
        EXPECT_EQ(lines[4], "MixerCaps.wMid = 255(Quick Audio, GbR)");
        EXPECT_EQ(lines[6], "MixerCaps.vDriverVersion = 65537(Ver.1.1)");
    }
}

TEST(DevCapsReport, AnErrorEndsTheReportAndKeepsTheLinesWritten)
{
    FakeMixer mixer;
    mixer.Devices = {Device(MakeCaps(1, 1, 0, "a", 0, 0)), Device(MakeCaps(1, 2, 0, "b", 0, 0))};
    mixer.ThrowAtCall = 3; // the second device's query
    Lines lines;
    EXPECT_THROW(RunDevCapsReport(mixer, [&](const std::string& Line) { lines.push_back(Line); }),
                 std::runtime_error);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines.back(), "----------   mixerGetDevCaps(1)   ----------");

    // A failing line sink: the report stops at once, nothing more is asked of the mixer.
    FakeMixer second;
    second.Devices = mixer.Devices;
    int appended = 0;
    EXPECT_THROW(RunDevCapsReport(second,
                                  [&](const std::string&) {
                                      if (++appended == 4)
                                          throw std::runtime_error("box full");
                                  }),
                 std::runtime_error);
    EXPECT_EQ(second.Calls, (std::vector<std::string>{"GetNumDevs", "GetDevCaps(0)"}));
}

} // namespace
