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
    std::vector<DWORD> Values; // per channel; channels beyond the list read 0
    MMRESULT DetailsResult = MMSYSERR_NOERROR;
};

struct TFakeLine {
    DWORD ComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    DWORD Channels = 2;
    std::vector<TFakeControl> Controls;
    MMRESULT DestinationResult = MMSYSERR_NOERROR; // the query by destination index
    MMRESULT LineIdResult = MMSYSERR_NOERROR;      // the query by line identifier
    MMRESULT ControlsResult = MMSYSERR_NOERROR;
    std::optional<DWORD> ClaimedControls;    // the line's cControls, when not Controls.size()
    std::optional<DWORD> ControlsAfterQuery; // the cControls the control query writes back
};

struct TFakeDevice {
    MIXERCAPSA Caps{}; // its cDestinations says how many Destinations are asked for
    MMRESULT CapsResult = MMSYSERR_NOERROR; // on failure the fake leaves garbage in the record
    MMRESULT OpenResult = MMSYSERR_NOERROR;
    std::vector<TFakeLine> Destinations;
};

/// A capability record with the given fields.
MIXERCAPSA MakeCaps(WORD Mid, WORD Pid, DWORD DriverVersion, const char* Name, DWORD Support,
                    DWORD Destinations);

class FakeMixer : public IMixer {
public:
    std::vector<TFakeDevice> Devices;
    /// The call (counting from 1, in the order of Calls) that throws std::runtime_error; 0: none.
    int ThrowAtCall = 0;
    /// Every call made, for example "GetNumDevs", "GetDevCaps(1)" or "Close(1)", while LogCalls.
    std::vector<std::string> Calls;
    bool LogCalls = true;
    /// Misuses seen: records filled wrongly, handles used after closing or closed twice.
    std::vector<std::string> Errors;
    int Opens = 0;  // successful opens
    int Closes = 0; // closes of open handles

    /// True when every mixer opened has been closed.
    bool AllClosed() const { return m_open.empty(); }

    UINT GetNumDevs() override;
    MMRESULT GetDevCaps(UINT_PTR DeviceId, MIXERCAPSA* Caps, UINT CapsSize) override;
    MMRESULT Open(HMIXER* Mixer, UINT DeviceId, DWORD_PTR Callback, DWORD_PTR Instance,
                  DWORD Flags) override;
    MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEA* Line, DWORD Flags) override;
    MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSA* Controls, DWORD Flags) override;
    MMRESULT GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags) override;
    MMRESULT Close(HMIXER Mixer) override;

private:
    // Counts a call, logs it and throws when it is the one to fail. Name() builds its name, only
    // when it is needed: a benchmark leaves the fake's own allocations out of its figures.
    template <typename MakeName>
    void Record(const MakeName& Name);
    void Check(bool Condition, const char* Problem);
    // The device of an open handle, or null (and an error) for any other handle.
    TFakeDevice* OpenDevice(HMIXEROBJ Mixer, size_t& Index);
    TFakeLine* LineById(TFakeDevice& Device, DWORD LineId);

    std::set<size_t> m_open;
    int m_callCount = 0;
};
