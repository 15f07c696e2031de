// The winmm side of the mixer seam against the system's real mixer (Wine's, under Wine).
//
// NullAlsa: ALSA's default device is the null plugin, and Wine shows two mixers, "Out: default"
// with a speaker destination and "In: default". NoAlsa: no sound device at all.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "mixer/MMUtils.h"
#include "mixer/MediaNames.h"
#include "mixer/WinmmMixer.h"
#include "platform/WinHandles.h"

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

// A media category of the test's own in the prefix's registry, removed at the end.
const GUID kTestCategory = {
    0x6b0c1d2e, 0x4f3a, 0x4b5c, {0x9d, 0x8e, 0x7f, 0x60, 0x51, 0x42, 0x33, 0x24}};
const wchar_t kTestCategoryKey[] =
    L"SYSTEM\\CurrentControlSet\\Control\\MediaCategories\\{6B0C1D2E-4F3A-4B5C-9D8E-7F6051423324}";

class ScopedTestCategory {
public:
    ScopedTestCategory()
    {
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, kTestCategoryKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        m_key.put(), nullptr);
    }
    ~ScopedTestCategory()
    {
        m_key.reset();
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, kTestCategoryKey);
    }
    ScopedTestCategory(const ScopedTestCategory&) = delete;
    ScopedTestCategory& operator=(const ScopedTestCategory&) = delete;

    /// Stores Bytes bytes of Text as the Name value, its terminator included only if they reach it.
    bool SetName(const std::wstring& Text, DWORD Bytes)
    {
        return RegSetValueExW(m_key.get(), L"Name", 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(Text.c_str()), Bytes) == ERROR_SUCCESS;
    }

private:
    UniqueKey m_key;
};

TEST(MediaNames, ReadsTheRegisteredNameWhateverItsLength)
{
    const std::string longest(16383, 'n'); // with its terminator, 32 KiB: the most read
    const struct {
        std::string Name;
        bool Terminated;
        std::optional<std::string> Expected;
    } cases[] = {
        {"Speakers (High Definition Audio)", true, "Speakers (High Definition Audio)"},
        {std::string(255, 'a'), true, std::string(255, 'a')},
        {std::string(1000, 'b') + " end", true, std::string(1000, 'b') + " end"},
        {std::string(300, 'c'), false, std::string(300, 'c')}, // ends where its bytes do
        {longest, true, longest},
        {longest + "x", true, std::nullopt}, // too large to be a name
        {"", true, std::nullopt},
    };
    ScopedTestCategory category;
    RegistryMediaNames names;
    for (const auto& tested : cases) {
        const std::wstring text(tested.Name.begin(), tested.Name.end());
        const DWORD bytes =
            static_cast<DWORD>((text.size() + (tested.Terminated ? 1 : 0)) * sizeof(wchar_t));
        ASSERT_TRUE(category.SetName(text, bytes)) << tested.Name.size();
        // Compared whole, so that a failure does not print thousands of characters.
        EXPECT_TRUE(names.NameOf(kTestCategory) == tested.Expected)
            << tested.Name.size() << " characters, terminated: " << tested.Terminated;
    }
}

} // namespace
