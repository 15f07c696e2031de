#include "FakeMixer.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

// Handles and identifiers the fake hands out, so that it can tell what a caller passes back.
HMIXER HandleOf(size_t Device)
{
    return reinterpret_cast<HMIXER>(static_cast<UINT_PTR>(0x1000 + Device));
}

DWORD LineIdOf(size_t Destination)
{
    return 0xFFFF0000u + static_cast<DWORD>(Destination);
}

DWORD ControlIdOf(size_t Destination, size_t Control)
{
    return static_cast<DWORD>(Destination << 16 | Control);
}

// Fills a fixed-size name the way drivers do: without a NUL when the name fills the array.
template <size_t N>
void CopyName(char (&Target)[N], const std::string& Name)
{
    std::memset(Target, 0, N);
    std::memcpy(Target, Name.data(), std::min(Name.size(), N));
}

DWORD ClaimedControls(const TFakeLine& Line)
{
    return Line.ClaimedControls.value_or(static_cast<DWORD>(Line.Controls.size()));
}

} // namespace

MIXERCAPSA MakeCaps(WORD Mid, WORD Pid, DWORD DriverVersion, const char* Name, DWORD Support,
                    DWORD Destinations)
{
    MIXERCAPSA caps{};
    caps.wMid = Mid;
    caps.wPid = Pid;
    caps.vDriverVersion = DriverVersion;
    CopyName(caps.szPname, Name);
    caps.fdwSupport = Support;
    caps.cDestinations = Destinations;
    return caps;
}

template <typename MakeName>
void FakeMixer::Record(const MakeName& Name)
{
    ++m_callCount;
    if (LogCalls)
        Calls.push_back(Name());
    if (m_callCount == ThrowAtCall)
        throw std::runtime_error("fake failure at " + std::string(Name()));
}

void FakeMixer::Check(bool Condition, const char* Problem)
{
    if (!Condition)
        Errors.push_back("call " + std::to_string(m_callCount) + ": " + Problem);
}

TFakeDevice* FakeMixer::OpenDevice(HMIXEROBJ Mixer, size_t& Index)
{
    for (size_t device : m_open) {
        if (reinterpret_cast<HMIXEROBJ>(HandleOf(device)) == Mixer) {
            Index = device;
            return &Devices[device];
        }
    }
    Check(false, "the handle is not open");
    return nullptr;
}

TFakeLine* FakeMixer::LineById(TFakeDevice& Device, DWORD LineId)
{
    for (size_t destination = 0; destination < Device.Destinations.size(); ++destination)
        if (LineIdOf(destination) == LineId)
            return &Device.Destinations[destination];
    return nullptr;
}

UINT FakeMixer::GetNumDevs()
{
    Record([] { return std::string("GetNumDevs"); });
    return static_cast<UINT>(Devices.size());
}

MMRESULT FakeMixer::GetDevCaps(UINT_PTR DeviceId, MIXERCAPSA* Caps, UINT CapsSize)
{
    Record([&] { return "GetDevCaps(" + std::to_string(DeviceId) + ")"; });
    Check(CapsSize == sizeof(MIXERCAPSA), "wrong record size");
    if (DeviceId >= Devices.size())
        return MMSYSERR_BADDEVICEID;
    const TFakeDevice& device = Devices[DeviceId];
    if (device.CapsResult == MMSYSERR_NOERROR) {
        *Caps = device.Caps;
    } else {
        // A careless driver may leave half a record behind when it fails.
        std::memset(Caps->szPname, 'X', sizeof Caps->szPname);
        Caps->cDestinations = 5;
    }
    return device.CapsResult;
}

MMRESULT FakeMixer::Open(HMIXER* Mixer, UINT DeviceId, DWORD_PTR Callback, DWORD_PTR Instance,
                         DWORD Flags)
{
    Record([&] { return "Open(" + std::to_string(DeviceId) + ")"; });
    Check(Callback == 0 && Instance == 0 && Flags == 0, "a callback or flags were given");
    if (DeviceId >= Devices.size())
        return MMSYSERR_BADDEVICEID;
    if (Devices[DeviceId].OpenResult != MMSYSERR_NOERROR)
        return Devices[DeviceId].OpenResult;
    Check(m_open.insert(DeviceId).second, "opened twice");
    ++Opens;
    *Mixer = HandleOf(DeviceId);
    return MMSYSERR_NOERROR;
}

MMRESULT FakeMixer::GetLineInfo(HMIXEROBJ Mixer, MIXERLINEA* Line, DWORD Flags)
{
    const bool byDestination = Flags == MIXER_GETLINEINFOF_DESTINATION;
    Record([&] {
        return byDestination
                   ? "GetLineInfo(destination " + std::to_string(Line->dwDestination) + ")"
                   : std::string("GetLineInfo(line)");
    });
    Check(Line->cbStruct == sizeof(MIXERLINEA), "wrong cbStruct");
    Check(byDestination || Flags == MIXER_GETLINEINFOF_LINEID, "unexpected flags");
    size_t device = 0;
    TFakeDevice* open = OpenDevice(Mixer, device);
    if (!open)
        return MMSYSERR_INVALHANDLE;

    size_t destination = 0;
    if (byDestination) {
        destination = Line->dwDestination;
        if (destination >= open->Destinations.size())
            return MIXERR_INVALLINE;
        if (open->Destinations[destination].DestinationResult != MMSYSERR_NOERROR)
            return open->Destinations[destination].DestinationResult;
    } else {
        const TFakeLine* line = LineById(*open, Line->dwLineID);
        if (!line)
            return MIXERR_INVALLINE;
        destination = static_cast<size_t>(line - open->Destinations.data());
        if (line->LineIdResult != MMSYSERR_NOERROR)
            return line->LineIdResult;
    }
    const TFakeLine& line = open->Destinations[destination];
    Line->dwDestination = static_cast<DWORD>(destination);
    Line->dwLineID = LineIdOf(destination);
    Line->dwComponentType = line.ComponentType;
    Line->cChannels = line.Channels;
    Line->cControls = ClaimedControls(line);
    CopyName(Line->szName, "Fake line");
    return MMSYSERR_NOERROR;
}

MMRESULT FakeMixer::GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSA* Controls, DWORD Flags)
{
    Record([&] { return "GetLineControls(" + std::to_string(Controls->cControls) + ")"; });
    Check(Controls->cbStruct == sizeof(MIXERLINECONTROLSA), "wrong cbStruct");
    Check(Controls->cbmxctrl == sizeof(MIXERCONTROLA), "wrong cbmxctrl");
    Check(Flags == MIXER_GETLINECONTROLSF_ALL && Controls->dwControlID == 0, "unexpected flags");
    size_t device = 0;
    TFakeDevice* open = OpenDevice(Mixer, device);
    if (!open)
        return MMSYSERR_INVALHANDLE;
    TFakeLine* line = LineById(*open, Controls->dwLineID);
    if (!line)
        return MIXERR_INVALLINE;
    // As winmm does: the count must be the line's own, and never zero.
    if (Controls->cControls == 0 || Controls->cControls != ClaimedControls(*line) ||
        !Controls->pamxctrl)
        return MMSYSERR_INVALPARAM;
    if (line->ControlsResult != MMSYSERR_NOERROR)
        return line->ControlsResult;

    const size_t destination = static_cast<size_t>(line - open->Destinations.data());
    const size_t filled = std::min<size_t>(Controls->cControls, line->Controls.size());
    for (size_t index = 0; index < filled; ++index) {
        MIXERCONTROLA& control = Controls->pamxctrl[index];
        control.cbStruct = sizeof control;
        control.dwControlID = ControlIdOf(destination, index);
        control.dwControlType = line->Controls[index].Type;
        CopyName(control.szShortName, line->Controls[index].ShortName);
    }
    if (line->ControlsAfterQuery)
        Controls->cControls = *line->ControlsAfterQuery;
    return MMSYSERR_NOERROR;
}

MMRESULT FakeMixer::GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags)
{
    Record([&] { return "GetControlDetails(" + std::to_string(Details->cChannels) + ")"; });
    Check(Details->cbStruct == sizeof(MIXERCONTROLDETAILS), "wrong cbStruct");
    Check(Details->cbDetails == sizeof(MIXERCONTROLDETAILS_UNSIGNED), "wrong cbDetails");
    Check(Details->cMultipleItems == 0 && Flags == MIXER_GETCONTROLDETAILSF_VALUE,
          "unexpected flags or items");
    size_t device = 0;
    TFakeDevice* open = OpenDevice(Mixer, device);
    if (!open)
        return MMSYSERR_INVALHANDLE;
    const size_t destination = Details->dwControlID >> 16;
    const size_t index = Details->dwControlID & 0xFFFF;
    if (destination >= open->Destinations.size() ||
        index >= open->Destinations[destination].Controls.size())
        return MIXERR_INVALCONTROL;
    const TFakeLine& line = open->Destinations[destination];
    Check(Details->cChannels == line.Channels, "not the line's channel count");
    const TFakeControl& control = line.Controls[index];
    if (control.DetailsResult != MMSYSERR_NOERROR)
        return control.DetailsResult;
    if (!Details->paDetails)
        return MMSYSERR_INVALPARAM;
    // One value per channel asked for, and at least one, as drivers write them.
    auto* values = static_cast<MIXERCONTROLDETAILS_UNSIGNED*>(Details->paDetails);
    for (DWORD channel = 0; channel < std::max<DWORD>(Details->cChannels, 1); ++channel)
        values[channel].dwValue = channel < control.Values.size() ? control.Values[channel] : 0;
    return MMSYSERR_NOERROR;
}

MMRESULT FakeMixer::Close(HMIXER Mixer)
{
    const UINT_PTR device =
        reinterpret_cast<UINT_PTR>(Mixer) - reinterpret_cast<UINT_PTR>(HandleOf(0));
    Record([&] { return "Close(" + std::to_string(device) + ")"; });
    if (m_open.erase(device) == 0) {
        Check(false, "the handle is not open");
        return MMSYSERR_INVALHANDLE;
    }
    ++Closes;
    return MMSYSERR_NOERROR;
}
