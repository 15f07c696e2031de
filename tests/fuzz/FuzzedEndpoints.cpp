#include "FuzzedEndpoints.h"

#include "audio/EndpointList.h"

#include <bit>
#include <iterator>
#include <string>

namespace {

constexpr HRESULT kFail = static_cast<HRESULT>(0x80004005);
constexpr DWORD kGarbage = 0xDDDDDDDD;
constexpr float kGarbageFloat = 12345;

// The codes a call answers with: successes other than S_OK, then failures.
constexpr HRESULT kCodes[] = {
    1,
    kNoSingleProcess,
    0x7FFFFFFF,
    static_cast<HRESULT>(0x80004001),
    kNoInterface,
    static_cast<HRESULT>(0x80004003),
    kFail,
    static_cast<HRESULT>(0x8000FFFF),
    static_cast<HRESULT>(0x80070005),
    static_cast<HRESULT>(0x8007000E),
    static_cast<HRESULT>(0x80070057),
    kNotFound,
    static_cast<HRESULT>(0x88890004),
    static_cast<HRESULT>(0x80000000),
};

constexpr float kLevels[] = {0, 1, 0.5f, -6, -96, 100, -0.0f, 0.25f};

// Answers from the input: a code, and whether a successful call writes its float.
class TAnswers {
public:
    explicit TAnswers(TFuzzInput& Input) : m_in(Input) {}

    HRESULT Code()
    {
        if (m_in.Empty())
            return kFail;
        const std::uint8_t kind = m_in.Byte();
        if (kind < 0xC0)
            return 0;
        const std::size_t which = kind - 0xC0u;
        return which < std::size(kCodes) ? kCodes[which] : static_cast<HRESULT>(m_in.Dword());
    }

    // A number written on success, garbage on failure.
    template <typename Number>
    HRESULT Answer(Number& Out, Number Value)
    {
        const HRESULT code = Code();
        Out = code < 0 ? static_cast<Number>(kGarbage) : Value;
        return code;
    }

    HRESULT Number(DWORD& Out) { return Answer(Out, Dword()); }

    // Any float, or none written at all.
    HRESULT Float(float& Out)
    {
        const HRESULT code = Code();
        const std::uint8_t kind = m_in.Byte();
        if (code < 0)
            Out = kGarbageFloat;
        else if (kind < 0x80)
            Out = kLevels[kind % std::size(kLevels)];
        else if (kind < 0xF0)
            Out = std::bit_cast<float>(m_in.Dword());
        // Otherwise a success that leaves it as it was.
        return code;
    }

    HRESULT Text(std::string& Out)
    {
        const HRESULT code = Code();
        std::string text = Bytes();
        Out = code < 0 ? "garbage" : text;
        return code;
    }

    HRESULT Flag(bool& Out)
    {
        const HRESULT code = Code();
        const bool value = m_in.Byte() & 1;
        Out = code < 0 ? true : value;
        return code;
    }

    DWORD Dword() { return m_in.Byte() < 0xF0 ? m_in.Byte() % 16 : m_in.Dword(); }
    std::uint32_t Count() { return m_in.Count(); }

    std::string Bytes()
    {
        std::string text(m_in.Byte(), '\0');
        for (char& byte : text)
            byte = static_cast<char>(m_in.Byte());
        return text;
    }

    // An interface handed back with every success.
    template <typename Fake, typename Seam>
    HRESULT Hand(std::unique_ptr<Seam>& Out)
    {
        const HRESULT code = Code();
        if (code >= 0)
            Out = std::make_unique<Fake>(m_in);
        return code;
    }

    TFuzzInput& Input() { return m_in; }

private:
    TFuzzInput& m_in;
};

class FuzzedVolume : public IEndpointVolume {
public:
    explicit FuzzedVolume(TFuzzInput& Input) : m_answers(Input) {}
    HRESULT GetMasterVolumeLevel(float& Decibels) override { return m_answers.Float(Decibels); }
    HRESULT GetMasterVolumeLevelScalar(float& Scalar) override { return m_answers.Float(Scalar); }
    HRESULT GetVolumeRange(float& Minimum, float& Maximum, float& Increment) override
    {
        m_answers.Float(Minimum);
        m_answers.Float(Maximum);
        return m_answers.Float(Increment);
    }
    HRESULT GetVolumeStepInfo(UINT& Step, UINT& Steps) override
    {
        m_answers.Number(Step);
        return m_answers.Answer(Steps, m_answers.Count());
    }
    HRESULT GetMute(bool& Muted) override { return m_answers.Flag(Muted); }
    HRESULT GetChannelCount(UINT& Count) override
    {
        return m_answers.Answer(Count, m_answers.Count());
    }
    HRESULT GetChannelVolumeLevel(UINT, float& Decibels) override
    {
        return m_answers.Float(Decibels);
    }
    HRESULT GetChannelVolumeLevelScalar(UINT, float& Scalar) override
    {
        return m_answers.Float(Scalar);
    }
    HRESULT QueryHardwareSupport(DWORD& Mask) override { return m_answers.Number(Mask); }

private:
    TAnswers m_answers;
};

class FuzzedMeter : public IEndpointMeter {
public:
    explicit FuzzedMeter(TFuzzInput& Input) : m_answers(Input) {}
    HRESULT GetPeakValue(float& Peak) override { return m_answers.Float(Peak); }

private:
    TAnswers m_answers;
};

class FuzzedSession : public IEndpointSession {
public:
    explicit FuzzedSession(TFuzzInput& Input) : m_answers(Input) {}
    HRESULT GetState(DWORD& State) override { return m_answers.Number(State); }
    HRESULT GetDisplayName(std::string& Name) override { return m_answers.Text(Name); }
    HRESULT GetProcessId(DWORD& ProcessId) override { return m_answers.Number(ProcessId); }
    HRESULT IsSystemSoundsSession() override { return m_answers.Code(); }
    HRESULT GetMasterVolume(float& Scalar) override { return m_answers.Float(Scalar); }
    HRESULT GetMute(bool& Muted) override { return m_answers.Flag(Muted); }

private:
    TAnswers m_answers;
};

class FuzzedSessions : public IEndpointSessions {
public:
    explicit FuzzedSessions(TFuzzInput& Input) : m_answers(Input) {}
    HRESULT GetCount(int& Count) override
    {
        return m_answers.Answer(Count, static_cast<int>(m_answers.Count()));
    }
    HRESULT GetSession(int, std::unique_ptr<IEndpointSession>& Session) override
    {
        return m_answers.Hand<FuzzedSession>(Session);
    }

private:
    TAnswers m_answers;
};

class FuzzedSessionManager : public IEndpointSessionManager {
public:
    explicit FuzzedSessionManager(TFuzzInput& Input) : m_answers(Input) {}
    HRESULT GetSessionEnumerator(std::unique_ptr<IEndpointSessions>& Sessions) override
    {
        return m_answers.Hand<FuzzedSessions>(Sessions);
    }

private:
    TAnswers m_answers;
};

class FuzzedProperties : public IEndpointProperties {
public:
    explicit FuzzedProperties(TFuzzInput& Input) : m_answers(Input) {}
    HRESULT GetValue(TEndpointKey, TPropertyValue& Value) override
    {
        const HRESULT code = m_answers.Code();
        TPropertyValue value;
        const std::uint8_t kind = m_answers.Input().Byte();
        static constexpr WORD kTypes[] = {kTypeEmpty, kTypeUInt32, kTypeWideText, kTypeBlob};
        value.Type = kind < 0xF0 ? kTypes[kind % std::size(kTypes)] : m_answers.Input().Word();
        if (value.Type == kTypeUInt32)
            value.Number = m_answers.Dword();
        else if (value.Type == kTypeWideText)
            value.Text = m_answers.Bytes();
        else if (value.Type == kTypeBlob)
            for (const char byte : m_answers.Bytes())
                value.Blob.push_back(static_cast<std::uint8_t>(byte));
        if (code < 0) {
            value = TPropertyValue();
            value.Type = kTypeWideText;
            value.Text = "garbage";
        }
        Value = value;
        return code;
    }

private:
    TAnswers m_answers;
};

class FuzzedDevice : public IEndpointDevice {
public:
    explicit FuzzedDevice(TFuzzInput& Input) : m_answers(Input) {}
    HRESULT GetId(std::string& Id) override { return m_answers.Text(Id); }
    HRESULT GetState(DWORD& State) override
    {
        const std::uint8_t kind = m_answers.Input().Byte();
        static constexpr DWORD kStates[] = {kStateActive, kStateDisabled, kStateNotPresent,
                                            kStateUnplugged};
        return m_answers.Answer(State, kind < 0xF0 ? kStates[kind % 4] : m_answers.Dword());
    }
    HRESULT GetDataFlow(DWORD& Flow) override
    {
        return m_answers.Answer(Flow, m_answers.Input().Byte() % 3u);
    }
    HRESULT OpenPropertyStore(std::unique_ptr<IEndpointProperties>& Store) override
    {
        return m_answers.Hand<FuzzedProperties>(Store);
    }
    HRESULT ActivateVolume(std::unique_ptr<IEndpointVolume>& Volume) override
    {
        return m_answers.Hand<FuzzedVolume>(Volume);
    }
    HRESULT ActivateMeter(std::unique_ptr<IEndpointMeter>& Meter) override
    {
        return m_answers.Hand<FuzzedMeter>(Meter);
    }
    HRESULT ActivateSessions(std::unique_ptr<IEndpointSessionManager>& Sessions) override
    {
        return m_answers.Hand<FuzzedSessionManager>(Sessions);
    }

private:
    TAnswers m_answers;
};

class FuzzedCollection : public IEndpointCollection {
public:
    explicit FuzzedCollection(TFuzzInput& Input) : m_answers(Input) {}
    HRESULT GetCount(UINT& Count) override { return m_answers.Answer(Count, m_answers.Count()); }
    HRESULT Item(UINT, std::unique_ptr<IEndpointDevice>& Device) override
    {
        return m_answers.Hand<FuzzedDevice>(Device);
    }

private:
    TAnswers m_answers;
};

class FuzzedEnumerator : public IEndpointEnumerator {
public:
    explicit FuzzedEnumerator(TFuzzInput& Input) : m_answers(Input) {}
    HRESULT Create() override { return m_answers.Code(); }
    HRESULT EnumAudioEndpoints(std::unique_ptr<IEndpointCollection>& Collection) override
    {
        return m_answers.Hand<FuzzedCollection>(Collection);
    }
    HRESULT GetDefaultAudioEndpoint(DWORD, DWORD, std::unique_ptr<IEndpointDevice>& Device) override
    {
        return m_answers.Hand<FuzzedDevice>(Device);
    }
    HRESULT GetProgramFile(DWORD, std::string& Path) override { return m_answers.Text(Path); }

private:
    TAnswers m_answers;
};

} // namespace

std::unique_ptr<IEndpointEnumerator> MakeFuzzedEndpoints(TFuzzInput& Input)
{
    return std::make_unique<FuzzedEnumerator>(Input);
}
