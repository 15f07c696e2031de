#include "FakeMixer.h"

#include <cstring>
#include <stdexcept>

MIXERCAPSA MakeCaps(WORD Mid, WORD Pid, DWORD DriverVersion, const char* Name, DWORD Support,
                    DWORD Destinations)
{
    MIXERCAPSA caps{};
    caps.wMid = Mid;
    caps.wPid = Pid;
    caps.vDriverVersion = DriverVersion;
    std::strncpy(caps.szPname, Name, sizeof caps.szPname);
    caps.fdwSupport = Support;
    caps.cDestinations = Destinations;
    return caps;
}

void FakeMixer::Record(const std::string& Call)
{
    Calls.push_back(Call);
    if (static_cast<int>(Calls.size()) == ThrowAtCall)
        throw std::runtime_error("fake failure at " + Call);
}

UINT FakeMixer::GetNumDevs()
{
    Record("GetNumDevs");
    return static_cast<UINT>(Devices.size());
}

MMRESULT FakeMixer::GetDevCaps(UINT_PTR DeviceId, MIXERCAPSA* Caps, UINT CapsSize)
{
    Record("GetDevCaps(" + std::to_string(DeviceId) + ", " + std::to_string(CapsSize) + ")");
    if (DeviceId >= Devices.size())
        return MMSYSERR_BADDEVICEID;
    const TFakeDevice& device = Devices[DeviceId];
    if (device.CapsResult == MMSYSERR_NOERROR)
        *Caps = device.Caps;
    return device.CapsResult;
}

MMRESULT FakeMixer::Open(HMIXER*, UINT, DWORD_PTR, DWORD_PTR, DWORD)
{
    Record("Open");
    return MMSYSERR_NODRIVER;
}

MMRESULT FakeMixer::GetLineInfo(HMIXEROBJ, MIXERLINEA*, DWORD)
{
    Record("GetLineInfo");
    return MMSYSERR_INVALHANDLE;
}

MMRESULT FakeMixer::GetLineControls(HMIXEROBJ, MIXERLINECONTROLSA*, DWORD)
{
    Record("GetLineControls");
    return MMSYSERR_INVALHANDLE;
}

MMRESULT FakeMixer::GetControlDetails(HMIXEROBJ, MIXERCONTROLDETAILS*, DWORD)
{
    Record("GetControlDetails");
    return MMSYSERR_INVALHANDLE;
}

MMRESULT FakeMixer::Close(HMIXER)
{
    Record("Close");
    return MMSYSERR_INVALHANDLE;
}
