// The winmm side of the mixer seam against the system's real mixer (Wine's, under Wine).
//
// NullAlsa: ALSA's default device is the null plugin, and Wine shows two mixers, "Out: default"
// with a speaker destination and "In: default". NoAlsa: no sound device at all.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "mixer/MMUtils.h"
#include "mixer/WinmmMixer.h"

namespace {

MIXERLINEA QueryLine(IMixer& Mixer, HMIXER Handle, DWORD Flags, DWORD Destination, DWORD LineId,
                     MMRESULT& Result)
{
    MIXERLINEA line{};
    line.cbStruct = sizeof line;
    line.dwDestination = Destination;
    line.dwLineID = LineId;
    Result = Mixer.GetLineInfo(reinterpret_cast<HMIXEROBJ>(Handle), &line, Flags);
    return line;
}

TEST(NullAlsa, TwoDevicesAndTheThirdIsOutOfRange)
{
    WinmmMixer mixer;
    ASSERT_EQ(mixer.GetNumDevs(), 2u);

    MIXERCAPSA caps{};
    EXPECT_EQ(MixerDevCapsResultText(mixer.GetDevCaps(0, &caps, sizeof caps), "mixerGetDevCaps"),
              "");
    EXPECT_STREQ(caps.szPname, "Out: default");
    EXPECT_EQ(caps.cDestinations, 1u);
    EXPECT_EQ(MixerDevCapsResultText(mixer.GetDevCaps(1, &caps, sizeof caps), "mixerGetDevCaps"),
              "");
    EXPECT_STREQ(caps.szPname, "In: default");
    EXPECT_EQ(MixerDevCapsResultText(mixer.GetDevCaps(2, &caps, sizeof caps), "mixerGetDevCaps"),
              "MMSYSERR_BADDEVICEID: The specified device identifier is out of range.");
}

// Every operation of the seam once, in the order the volume query makes them.
TEST(NullAlsa, WalksTheSpeakerLineToItsVolume)
{
    WinmmMixer mixer;
    HMIXER handle = nullptr;
    ASSERT_EQ(MixerOpenResultText(mixer.Open(&handle, 0, 0, 0, CALLBACK_NULL), "mixerOpenError"),
              "");

    MMRESULT result;
    const MIXERLINEA destination =
        QueryLine(mixer, handle, MIXER_GETLINEINFOF_DESTINATION, 0, 0, result);
    ASSERT_EQ(MixerLineInfoResultText(result, "mixerGetLineInfo"), "");
    EXPECT_EQ(destination.dwComponentType, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS);

    const MIXERLINEA line =
        QueryLine(mixer, handle, MIXER_GETLINEINFOF_LINEID, 0, destination.dwLineID, result);
    ASSERT_EQ(MixerLineInfoResultText(result, "mixerGetLineInfo"), "");
    EXPECT_EQ(line.cChannels, 2u);
    ASSERT_EQ(line.cControls, 2u);

    std::vector<MIXERCONTROLA> controls(line.cControls);
    MIXERLINECONTROLSA request{};
    request.cbStruct = sizeof request;
    request.dwLineID = line.dwLineID;
    request.cControls = line.cControls;
    request.cbmxctrl = sizeof(MIXERCONTROLA);
    request.pamxctrl = controls.data();
    ASSERT_EQ(
        MixerLineControlsResultText(mixer.GetLineControls(reinterpret_cast<HMIXEROBJ>(handle),
                                                          &request, MIXER_GETLINECONTROLSF_ALL),
                                    "mixerGetLineControls"),
        "");

    int volumes = 0;
    for (const MIXERCONTROLA& control : controls) {
        if (control.dwControlType != MIXERCONTROL_CONTROLTYPE_VOLUME)
            continue;
        ++volumes;
        EXPECT_STREQ(control.szShortName, "Volume");
        std::vector<MIXERCONTROLDETAILS_UNSIGNED> values(line.cChannels);
        MIXERCONTROLDETAILS details{};
        details.cbStruct = sizeof details;
        details.dwControlID = control.dwControlID;
        details.cChannels = line.cChannels;
        details.cbDetails = sizeof(MIXERCONTROLDETAILS_UNSIGNED);
        details.paDetails = values.data();
        EXPECT_EQ(MixerControlDetailsResultText(
                      mixer.GetControlDetails(reinterpret_cast<HMIXEROBJ>(handle), &details,
                                              MIXER_GETCONTROLDETAILSF_VALUE),
                      "mixerGetControlDetails"),
                  "");
    }
    EXPECT_EQ(volumes, 1);
    EXPECT_EQ(mixer.Close(handle), MMSYSERR_NOERROR);
}

TEST(NullAlsa, TheInputDeviceHasNoSpeakerLine)
{
    WinmmMixer mixer;
    HMIXER handle = nullptr;
    ASSERT_EQ(mixer.Open(&handle, 1, 0, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
    MMRESULT result;
    const MIXERLINEA line = QueryLine(mixer, handle, MIXER_GETLINEINFOF_DESTINATION, 0, 0, result);
    EXPECT_EQ(result, MMSYSERR_NOERROR);
    EXPECT_NE(line.dwComponentType, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS);
    mixer.Close(handle);
}

TEST(NullAlsa, ALineThatDoesNotExistIsReported)
{
    WinmmMixer mixer;
    HMIXER handle = nullptr;
    ASSERT_EQ(mixer.Open(&handle, 0, 0, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
    MMRESULT result;
    QueryLine(mixer, handle, MIXER_GETLINEINFOF_DESTINATION, 99, 0, result);
    EXPECT_EQ(MixerLineInfoResultText(result, "mixerGetLineInfo"),
              "MIXERR_INVALLINE: The audio line reference is invalid.");
    mixer.Close(handle);
}

TEST(NoAlsa, NoDevices)
{
    WinmmMixer mixer;
    EXPECT_EQ(mixer.GetNumDevs(), 0u);
    MIXERCAPSA caps{};
    EXPECT_EQ(MixerDevCapsResultText(mixer.GetDevCaps(0, &caps, sizeof caps), "mixerGetDevCaps"),
              "MMSYSERR_BADDEVICEID: The specified device identifier is out of range.");
    HMIXER handle = nullptr;
    EXPECT_EQ(MixerOpenResultText(mixer.Open(&handle, 0, 0, 0, CALLBACK_NULL), "mixerOpenError"),
              "MMSYSERR_BADDEVICEID: The uMxId parameter specifies an invalid device identifier.");
}

} // namespace
