// A scripted mixer for the reports' tests: any number of devices, each query's result code
// chosen by the test, an exception at any numbered call, and a log of every call made.
#pragma once

#include <string>
#include <vector>

#include "mixer/Mixer.h"

struct TFakeDevice {
    MIXERCAPSA Caps{};
    MMRESULT CapsResult = MMSYSERR_NOERROR;
};

/// A capability record with the given fields.
MIXERCAPSA MakeCaps(WORD Mid, WORD Pid, DWORD DriverVersion, const char* Name, DWORD Support,
                    DWORD Destinations);

class FakeMixer : public IMixer {
public:
    std::vector<TFakeDevice> Devices;
    /// The call (counting from 1, in the order of Calls) that throws std::runtime_error; 0: none.
    int ThrowAtCall = 0;
    /// Every call made, for example "GetNumDevs" or "GetDevCaps(1, 48)".
    std::vector<std::string> Calls;

    UINT GetNumDevs() override;
    MMRESULT GetDevCaps(UINT_PTR DeviceId, MIXERCAPSA* Caps, UINT CapsSize) override;
    MMRESULT Open(HMIXER* Mixer, UINT DeviceId, DWORD_PTR Callback, DWORD_PTR Instance,
                  DWORD Flags) override;
    MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEA* Line, DWORD Flags) override;
    MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSA* Controls, DWORD Flags) override;
    MMRESULT GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags) override;
    MMRESULT Close(HMIXER Mixer) override;

private:
    void Record(const std::string& Call);
};
