// A scripted mixer for the reports' tests and benchmarks.
//
// It holds any number of devices with destination lines and controls, answers each query with the
// result code the test chose, throws at any numbered call, logs every call, checks that every
// record is filled as winmm expects it, and keeps count of opens and closes.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "mixer/Mixer.h"

struct TFakeControl {
    DWORD Type = MIXERCONTROL_CONTROLTYPE_VOLUME;
    std::string ShortName;
    std::vector<DWORD> Values; // per channel (then per item); those beyond the list read 0
    MMRESULT DetailsResult = MMSYSERR_NOERROR;
    std::string Name;                                  // UTF-8 (the wide names) or ANSI
    DWORD Flags = 0;                                   // MIXERCONTROL_CONTROLF_
    DWORD Minimum = 0, Maximum = 65535, Steps = 65535; // as the record's unsigned fields
    std::vector<std::string> ItemTexts;                // a multiple-item control's items, UTF-8
    MMRESULT ListTextResult = MMSYSERR_NOERROR;
    bool WritesDetails = true; // false: reports success and leaves the buffer as it was
};

struct TFakeLine {
    DWORD ComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    DWORD Channels = 2;
    std::vector<TFakeControl> Controls;
    MMRESULT DestinationResult = MMSYSERR_NOERROR; // the query by index (destination or source)
    MMRESULT LineIdResult = MMSYSERR_NOERROR;      // the query by line identifier
    MMRESULT ControlsResult = MMSYSERR_NOERROR;
    std::optional<DWORD> ClaimedControls;      // the line's cControls, when not Controls.size()
    std::optional<DWORD> ControlsAfterQuery;   // the cControls the control query writes back
    std::string Name = "Fake line", ShortName; // UTF-8 (the wide names) or ANSI
    DWORD Flags = MIXERLINE_LINEF_ACTIVE;
    std::vector<TFakeLine> Sources; // under a destination
};

struct TFakeDevice {
    MIXERCAPSA Caps{}; // its cDestinations says how many Destinations are asked for
    MMRESULT CapsResult = MMSYSERR_NOERROR; // on failure the fake leaves garbage in the record
    MMRESULT OpenResult = MMSYSERR_NOERROR;
    std::vector<TFakeLine> Destinations;
    std::optional<std::string> WideName; // the name the wide call gives (UTF-8); else Caps's
    GUID NameGuid{};
};

/// A wave device: the mixer device mixerGetID gives it, and its endpoint identifier as the two
/// messages give it, written as far as the caller's buffer goes.
struct TFakeWaveDevice {
    UINT Mixer = 0;
    MMRESULT MixerResult = MMSYSERR_NOERROR; // MMSYSERR_NODRIVER writes -1, as winmm does
    std::string EndpointId;                  // UTF-8
    bool Terminated = true;                  // false: written without its NUL
    std::optional<DWORD_PTR> ClaimedSize;    // the size given, when not the identifier's own
    MMRESULT SizeResult = MMSYSERR_NOERROR, IdResult = MMSYSERR_NOERROR;
};

/// A capability record with the given fields.
MIXERCAPSA MakeCaps(WORD Mid, WORD Pid, DWORD DriverVersion, const char* Name, DWORD Support,
                    DWORD Destinations);

class FakeMixer : public IMixer {
public:
    std::vector<TFakeDevice> Devices;
    std::vector<TFakeWaveDevice> WaveOut, WaveIn;
    std::optional<UINT> ClaimedDevices; // mixerGetNumDevs's answer, when not Devices.size()
    /// The call (counting from 1, in the order of Calls) that throws std::runtime_error; 0: none.
    int ThrowAtCall = 0;
    /// Every call made, for example "GetNumDevs", "GetDevCaps(1)", "GetLineInfoW(source 0.1)" or
    /// "Close(1)", while LogCalls: the wide forms end their name in W.
    std::vector<std::string> Calls;
    bool LogCalls = true;
    /// Misuses seen: records filled wrongly, handles used after closing or closed twice.
    std::vector<std::string> Errors;
    int Opens = 0;  // successful opens
    int Closes = 0; // closes of open handles

    /// True when every mixer opened has been closed.
    bool AllClosed() const { return m_open.empty(); }

    UINT GetNumDevs() override;
    MMRESULT GetDevCaps(UINT_PTR DeviceId, MIXERCAPSA* Caps, UINT CapsSize) override
    {
        return DevCaps(DeviceId, Caps, CapsSize);
    }
    MMRESULT GetDevCaps(UINT_PTR DeviceId, MIXERCAPS2W* Caps, UINT CapsSize) override
    {
        return DevCaps(DeviceId, Caps, CapsSize);
    }
    MMRESULT Open(HMIXER* Mixer, UINT DeviceId, DWORD_PTR Callback, DWORD_PTR Instance,
                  DWORD Flags) override;
    MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEA* Line, DWORD Flags) override
    {
        return LineInfo(Mixer, Line, Flags);
    }
    MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEW* Line, DWORD Flags) override
    {
        return LineInfo(Mixer, Line, Flags);
    }
    MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSA* Controls, DWORD Flags) override
    {
        return LineControls(Mixer, Controls, Flags);
    }
    MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSW* Controls, DWORD Flags) override
    {
        return LineControls(Mixer, Controls, Flags);
    }
    MMRESULT GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags) override;
    MMRESULT Close(HMIXER Mixer) override;
    MMRESULT GetID(HMIXEROBJ Object, UINT* MixerId, DWORD Flags) override;
    UINT WaveOutGetNumDevs() override;
    UINT WaveInGetNumDevs() override;
    MMRESULT WaveOutMessage(HWAVEOUT Device, UINT Message, DWORD_PTR First,
                            DWORD_PTR Second) override
    {
        return WaveMessage(WaveOut, "WaveOutMessage", reinterpret_cast<UINT_PTR>(Device), Message,
                           First, Second);
    }
    MMRESULT WaveInMessage(HWAVEIN Device, UINT Message, DWORD_PTR First, DWORD_PTR Second) override
    {
        return WaveMessage(WaveIn, "WaveInMessage", reinterpret_cast<UINT_PTR>(Device), Message,
                           First, Second);
    }

private:
    // Counts a call, logs it and throws when it is the one to fail. Name() builds its name, only
    // when it is needed: a benchmark leaves the fake's own allocations out of its figures.
    template <typename MakeName>
    void Record(const MakeName& Name);
    void Check(bool Condition, const char* Problem);
    // The device of an open handle, or null (and an error) for any other handle.
    TFakeDevice* OpenDevice(HMIXEROBJ Mixer);
    // The destination or source line with this identifier, and its control of ControlId.
    TFakeLine* LineById(TFakeDevice& Device, DWORD LineId);
    TFakeControl* ControlById(TFakeDevice& Device, DWORD ControlId, TFakeLine*& Line);
    // Each operation once, for the ANSI and the wide records alike.
    template <typename Caps>
    MMRESULT DevCaps(UINT_PTR DeviceId, Caps* Answer, UINT CapsSize);
    template <typename Line>
    MMRESULT LineInfo(HMIXEROBJ Mixer, Line* Answer, DWORD Flags);
    template <typename Request>
    MMRESULT LineControls(HMIXEROBJ Mixer, Request* Controls, DWORD Flags);
    MMRESULT WaveMessage(const std::vector<TFakeWaveDevice>& Waves, const char* Name,
                         UINT_PTR Index, UINT Message, DWORD_PTR First, DWORD_PTR Second);

    std::set<size_t> m_open;
    int m_callCount = 0;
};
