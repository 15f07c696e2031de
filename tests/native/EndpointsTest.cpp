// The Core Audio endpoint list: the walk over scripted endpoints, its failures kept where they
// happened, and its text.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "FakeEndpoints.h"
#include "audio/EndpointList.h"
#include "platform/Json.h"

namespace {

constexpr HRESULT kFail = static_cast<HRESULT>(0x80004005);
constexpr HRESULT kNotImplemented = static_cast<HRESULT>(0x80004001);
constexpr HRESULT kNoInterface = static_cast<HRESULT>(0x80004002);

struct TListed {
    std::string Text;
    int Failures;
};

TListed List(FakeEndpoints& Fake, DWORD WindowsMajor = 10)
{
    const TEndpointList list = ReadEndpoints(Fake);
    std::string text;
    WriteEndpointsText(list, "KorvaleReport 1.0 on Windows 10.0 (build 19045)", WindowsMajor,
                       [&text](const std::string& Line) { text += Line + "\n"; });
    return {text, CountFailures(list)};
}

TEST(Endpoints, EveryEndpointIsListedWithItsFieldsRolesAndFormat)
{
    const auto fake = FourEndpoints();
    const TListed listed = List(*fake);
    EXPECT_EQ(listed.Failures, 0);
    for (const char* line : {
             "KorvaleReport 1.0 on Windows 10.0 (build 19045), 4 audio endpoints\n"
             "Endpoint 0: \"Speakers (Fake Audio)\"\n"
             "  id: {r0}\n"
             "  flow: render\n"
             "  state: active\n"
             "  description: \"Speakers\"\n"
             "  adapter: \"Fake Audio\"\n"
             "  form factor: Speakers\n"
             "  default for: console, multimedia\n"
             "  format: format tag 0x0001 (PCM), 2 channels, 44100 Hz, 16 bits\n"
             "  volume: -6.0 dB, 50.0%, range -96.0 to 0.0 dB by 0.5 dB, step 20 of 193, not "
             "muted, 2 channels\n"
             "  channel 0: -6.0 dB, 50.0%\n"
             "  channel 1: -12.0 dB, 25.0%\n"
             "  hardware support: volume, mute, meter\n"
             "  peak: 25.0%\n"
             "  sessions: 3\n"
             "    Session 0: pid 1234 (C:\\Player\\player.exe), active, volume 80.0%, not muted\n"
             "    Session 1: \"System Sounds\", no process, inactive, system sounds, volume "
             "100.0%, not muted\n"
             "    Session 2: several processes, the first pid 4321, expired, volume 50.0%, muted\n"
             "Endpoint 1: \"Microphone (Fake Audio)\"\n",
             "  flow: capture\n  state: disabled\n",
             "  format: format tag 0xFFFE (extensible), 1 channels, 48000 Hz, 32 bits, 32 valid "
             "bits, channel mask 0x00000004, sub-format IEEE float\n",
             "  state: not present\n",
             "  form factor: Headphones\n  default for: communications\n"
             "  format: a blob of 10 bytes, too short for a WAVEFORMATEX\n",
             "  state: unplugged\n",
             "  format: format tag 0x0001 (PCM), 2 channels, 44100 Hz, 16 bits; cbSize 4 claims "
             "more than the blob's 19 bytes hold\n",
         })
        EXPECT_NE(listed.Text.find(line), std::string::npos) << line << "\nin\n" << listed.Text;
    // Only an active endpoint is asked for its volume, meter and sessions.
    const std::string inactive = listed.Text.substr(listed.Text.find("Endpoint 1:"));
    for (const char* line : {"volume:", "peak:", "sessions:"})
        EXPECT_EQ(inactive.find(line), std::string::npos) << line << "\nin\n" << inactive;
    // The plain IEEE float format, which no endpoint above has, is named too.
    std::vector<std::uint8_t> floating =
        fake->Endpoints[0].Properties[TEndpointKey::DeviceFormat].Blob;
    floating[0] = kTagFloat;
    EXPECT_EQ(WaveFormatText(floating),
              "format tag 0x0003 (IEEE float), 2 channels, 44100 Hz, 16 bits");
}

// Each failing call is shown at its node, nothing it left behind is shown as read, and the walk
// goes on; no default for a role is not a failure.
TEST(Endpoints, AFailedCallIsShownWhereItFailedAndTheRestIsRead)
{
    const struct {
        const char* Name;
        std::function<void(FakeEndpoints&)> Plant;
        int Failures;
        const char* Shown; // "" for nothing more than the rest
        const char* NotShown;
    } cases[] = {
        {"enumeration", [](FakeEndpoints& Fake) { Fake.EnumResult = kFail; }, 1,
         "0 audio endpoints\nfailed: IMMDeviceEnumerator::EnumAudioEndpoints returned E_FAIL "
         "(0x80004005)\n",
         "Endpoint 0"},
        {"count", [](FakeEndpoints& Fake) { Fake.CountResult = kFail; }, 1,
         "failed: IMMDeviceCollection::GetCount returned E_FAIL", "Endpoint 0"},
        {"item", [](FakeEndpoints& Fake) { Fake.Endpoints[0].ItemResult = kFail; }, 1,
         "Endpoint 0:\n  failed: IMMDeviceCollection::Item returned E_FAIL (0x80004005)\n"
         "Endpoint 1: \"Microphone (Fake Audio)\"\n",
         "id: {r0}"},
        // Endpoint 0 is also two roles' default: their identifiers cannot be read either.
        {"id",
         [](FakeEndpoints& Fake) { Fake.Endpoints[0].IdResult = static_cast<HRESULT>(0x80004003); },
         3, "failed: IMMDevice::GetId returned E_POINTER (0x80004003)", "garbage"},
        {"state", [](FakeEndpoints& Fake) { Fake.Endpoints[1].StateResult = kFail; }, 1,
         "failed: IMMDevice::GetState returned E_FAIL", "0xDDDDDDDD"},
        {"flow",
         [](FakeEndpoints& Fake) {
             Fake.Endpoints[1].FlowResult = static_cast<HRESULT>(0x80004002);
         },
         1, "failed: IMMEndpoint::GetDataFlow returned E_NOINTERFACE (0x80004002)", "unknown"},
        {"store",
         [](FakeEndpoints& Fake) {
             Fake.Endpoints[2].StoreResult = static_cast<HRESULT>(0x80070005);
         },
         1,
         "Endpoint 2:\n  id: {r2}\n  flow: render\n  state: not present\n"
         "  default for: communications\n"
         "  failed: IMMDevice::OpenPropertyStore returned E_ACCESSDENIED (0x80070005)\n"
         "Endpoint 3: \"Line In (USB Audio)\"\n",
         "Headphones"},
        {"property",
         [](FakeEndpoints& Fake) {
             Fake.Endpoints[0].PropertyResults[TEndpointKey::FriendlyName] =
                 static_cast<HRESULT>(0x80004001);
         },
         1, "Endpoint 0:\n  id: {r0}\n", "garbage"},
        {"no default",
         [](FakeEndpoints& Fake) {
             Fake.Defaults.erase({kFlowRender, kRoleCommunications});
         },
         0,
         "  state: not present\n  description: \"Headphones\"\n  adapter: \"USB Audio\"\n"
         "  form factor: Headphones\n  default for: no role\n",
         "failed"},
        {"default",
         [](FakeEndpoints& Fake) {
             Fake.DefaultResults[{kFlowCapture, kRoleConsole}] = kFail;
         },
         1,
         "failed: IMMDeviceEnumerator::GetDefaultAudioEndpoint(capture, console) returned E_FAIL "
         "(0x80004005)\n",
         "  default for: multimedia\n"},
        // The volume, meter and sessions of an active endpoint: each failure at its node.
        {"volume activation",
         [](FakeEndpoints& Fake) { Fake.Endpoints[0].Results["ActivateVolume"] = kNoInterface; }, 1,
         "  format: format tag 0x0001 (PCM), 2 channels, 44100 Hz, 16 bits\n  peak: 25.0%\n"
         "  failed: IMMDevice::Activate(IAudioEndpointVolume) returned E_NOINTERFACE (0x80004002)\n"
         "  sessions: 3\n",
         "volume:"},
        {"channel level",
         [](FakeEndpoints& Fake) {
             Fake.Endpoints[0].Results["GetChannelVolumeLevel(1)"] = kNotImplemented;
         },
         1,
         "  channel 1: 25.0%\n  hardware support: volume, mute, meter\n  peak: 25.0%\n"
         "  failed: IAudioEndpointVolume::GetChannelVolumeLevel(1) returned E_NOTIMPL "
         "(0x80004001)\n",
         "12345"},
        {"scalar not written",
         [](FakeEndpoints& Fake) { Fake.Endpoints[0].Volume.Scalar = kUnwritten; }, 1,
         "  failed: IAudioEndpointVolume::GetMasterVolumeLevelScalar returned S_OK without writing "
         "a value\n",
         "NaN"},
        {"meter",
         [](FakeEndpoints& Fake) { Fake.Endpoints[0].Results["ActivateMeter"] = kNoInterface; }, 1,
         "  failed: IMMDevice::Activate(IAudioMeterInformation) returned E_NOINTERFACE "
         "(0x80004002)\n",
         "peak:"},
        {"session enumerator",
         [](FakeEndpoints& Fake) {
             Fake.Endpoints[0].Results["GetSessionEnumerator"] = kNotImplemented;
         },
         1,
         "  peak: 25.0%\n  failed: IAudioSessionManager2::GetSessionEnumerator returned E_NOTIMPL "
         "(0x80004001)\nEndpoint 1:",
         "sessions:"},
        {"session", [](FakeEndpoints& Fake) { Fake.Endpoints[0].Results["GetSession(0)"] = kFail; },
         1,
         "    Session 0:\n"
         "      failed: IAudioSessionEnumerator::GetSession returned E_FAIL (0x80004005)\n"
         "    Session 1: \"System Sounds\"",
         "player.exe"},
        // Windows Vista: sessions, but no IAudioSessionManager2 to list them.
        {"no session manager",
         [](FakeEndpoints& Fake) { Fake.Endpoints[0].Results["ActivateSessions"] = kNoInterface; },
         0, "  peak: 25.0%\nEndpoint 1:", "sessions:"},
        // An ended process's id may be another program's by now.
        {"expired session",
         [](FakeEndpoints& Fake) { Fake.Endpoints[0].Sessions[0].State = kSessionExpired; }, 0,
         "    Session 0: pid 1234, expired, volume 80.0%", "player.exe"},
    };
    for (const auto& tested : cases) {
        const auto fake = FourEndpoints();
        tested.Plant(*fake);
        const TListed listed = List(*fake);
        EXPECT_EQ(listed.Failures, tested.Failures) << tested.Name;
        EXPECT_NE(listed.Text.find(tested.Shown), std::string::npos) << tested.Name << "\n"
                                                                     << listed.Text;
        EXPECT_EQ(listed.Text.find(tested.NotShown), std::string::npos) << tested.Name << "\n"
                                                                        << listed.Text;
    }
}

// Levels no driver should give are shown as given, never converted unsafely; a NaN a driver writes
// is a value, not a call that wrote nothing.
TEST(Endpoints, DriverGarbageIsShownAsRead)
{
    const auto fake = FourEndpoints();
    TFakeVolume& volume = fake->Endpoints[0].Volume;
    volume.Decibels = std::numeric_limits<float>::quiet_NaN();
    volume.Scalar = 1.5f;
    volume.Minimum = -std::numeric_limits<float>::infinity();
    volume.Increment = 1e30f;
    fake->Endpoints[0].Peak = -0.25f;
    // Names that would forge lines and reach the terminal; in quotes, a quote is escaped too, and
    // a path's backslashes where it has control characters.
    TFakeEndpoint& endpoint = fake->Endpoints[0];
    endpoint.Id = "{r0}\n";
    endpoint.Properties[TEndpointKey::FriendlyName] = TextValue("Out\r\nEndpoint 9:\x1b[2J");
    endpoint.Properties[TEndpointKey::DeviceDesc] = TextValue("\"Speakers\"\t");
    endpoint.Sessions.at(1).DisplayName = "System\x1b]0;Sounds\x07";
    fake->ProgramFiles[1234] = "C:\\Player\\\x1b[2Jplayer.exe";
    const TListed listed = List(*fake);
    EXPECT_EQ(listed.Failures, 0);
    for (const char* line :
         {"  volume: NaN dB, 150.0%, range -infinity to 0.0 dB by 1000000015047466219876688855040 "
          "dB, step",
          "  peak: -25.0%\n",
          "Endpoint 0: \"Out\\u000d\\u000aEndpoint 9:\\u001b[2J\"\n  id: {r0}\\u000a\n",
          "  description: \"\\\"Speakers\\\"\\u0009\"\n",
          "    Session 0: pid 1234 (C:\\\\Player\\\\\\u001b[2Jplayer.exe), active",
          "    Session 1: \"System\\u001b]0;Sounds\\u0007\", no process"})
        EXPECT_NE(listed.Text.find(line), std::string::npos) << line << "\nin\n" << listed.Text;
}

TEST(Endpoints, WithoutTheEnumeratorOneLineSaysWhy)
{
    const struct {
        HRESULT Code;
        DWORD WindowsMajor;
        const char* Text;
    } cases[] = {
        {static_cast<HRESULT>(0x80040154), 5,
         "Core Audio endpoints need Windows Vista or later (CoCreateInstance("
         "CLSID_MMDeviceEnumerator) returned REGDB_E_CLASSNOTREG (0x80040154))\n"},
        {static_cast<HRESULT>(0x800401F0), 10,
         "Core Audio endpoints cannot be read: CoCreateInstance(CLSID_MMDeviceEnumerator) "
         "returned CO_E_NOTINITIALIZED (0x800401F0)\n"},
    };
    for (const auto& tested : cases) {
        const auto fake = FourEndpoints();
        fake->CreateResult = tested.Code;
        const TListed listed = List(*fake, tested.WindowsMajor);
        EXPECT_EQ(listed.Text, tested.Text);
        EXPECT_EQ(listed.Failures, 0);
    }
}

std::string Json(const TEndpointList& List)
{
    TJsonWriter json;
    json.Begin("", '{');
    WriteEndpointsJson(json, List, 10);
    json.End('}');
    return json.Text();
}

// The JSON carries what the text does, in ASCII, with null for what was not read.
TEST(Endpoints, TheJsonIsAsciiWithNullForWhatWasNotRead)
{
    const auto fake = FourEndpoints();
    fake->Endpoints[0].Properties[TEndpointKey::FriendlyName] = TextValue("Lautsprecher \xCE\xA9");
    fake->Endpoints[1].PropertyResults[TEndpointKey::DeviceDesc] = static_cast<HRESULT>(0x80001234);
    fake->Endpoints[0].Volume.Scalar = kUnwritten;
    fake->Endpoints[0].Volume.Channels[1].first = std::numeric_limits<float>::infinity();
    const std::string json = Json(ReadEndpoints(*fake));
    for (const char* part : {
             "\"id\": \"{r0}\",\n      \"name\": \"Lautsprecher \\u03a9\",",
             "\"flow\": \"render\",\n      \"state\": \"active\",\n      \"formFactor\": "
             "\"Speakers\",\n      \"defaultFor\": [\"console\", \"multimedia\"],",
             "\"description\": null,",
             "\"call\": \"IPropertyStore::GetValue(PKEY_Device_DeviceDesc)\",\n          \"code\": "
             "2147488308,\n          \"name\": null",
             "\"bitsPerSample\": 32,\n        \"validBitsPerSample\": 32,\n        "
             "\"channelMask\": "
             "4,\n        \"subFormat\": \"IEEE float\"",
             "\"state\": \"notPresent\"",
             // Levels with one decimal whatever the locale; null for what was not written, and
             // for what JSON has no number for.
             "\"volume\": {\n        \"decibels\": -6.0,\n        \"percent\": null,\n"
             "        \"range\": {\n          \"minimum\": -96.0,",
             "\"channels\": [\n          {\n            \"decibels\": -6.0,\n            "
             "\"percent\": "
             "50.0\n          },\n          {\n            \"decibels\": null,\n            "
             "\"percent\": 25.0\n          }\n        ],",
             "\"code\": 0,\n          \"name\": \"S_OK\",\n          \"text\": \"S_OK without "
             "writing "
             "a value\"",
             "\"processId\": 1234,\n          \"severalProcesses\": false,\n          "
             "\"programFile\": \"C:\\\\Player\\\\player.exe\",",
             "\"percent\": 80.0,",
             "\"format\": {\n        \"text\": \"a blob of 10 bytes, too short for a "
             "WAVEFORMATEX\"\n"
             "      },",
             "\"render\": {\n      \"console\": \"{r0}\",\n      \"multimedia\": \"{r0}\",\n"
             "      \"communications\": \"{r2}\"\n    },",
         })
        EXPECT_NE(json.find(part), std::string::npos) << part << "\nin\n" << json;
    for (const char byte : json)
        EXPECT_LT(static_cast<unsigned char>(byte), 0x80);

    fake->CreateResult = static_cast<HRESULT>(0x80070005);
    EXPECT_EQ(Json(ReadEndpoints(*fake)),
              "{\n  \"endpoints\": null,\n  \"unavailable\": {\n"
              "    \"call\": \"CoCreateInstance(CLSID_MMDeviceEnumerator)\",\n"
              "    \"code\": 2147942405,\n    \"name\": \"E_ACCESSDENIED\",\n"
              "    \"reason\": \"Core Audio endpoints cannot be read: CoCreateInstance("
              "CLSID_MMDeviceEnumerator) returned E_ACCESSDENIED (0x80070005)\"\n  },\n"
              "  \"defaults\": null,\n  \"errors\": []\n}\n");
}

} // namespace
