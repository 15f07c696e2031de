// The winmm side of the mixer seam against the system's real mixer (Wine's, under Wine).
//
// NullAlsa: ALSA's default device is the null plugin, and Wine shows two mixers, "Out: default"
// with a speaker destination and "In: default". NoAlsa: no sound device at all.
#include <gtest/gtest.h>

#include <windows.h>

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
