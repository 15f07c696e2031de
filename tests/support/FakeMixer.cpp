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

// The wide calls' identifiers of source lines and their controls.
DWORD SourceLineIdOf(size_t Destination, size_t Source)
{
    return static_cast<DWORD>((Source + 1) << 16 | Destination);
}

DWORD SourceControlIdOf(size_t Destination, size_t Source, size_t Control)
{
    return static_cast<DWORD>(0x80000000u | Destination << 16 | (Source + 1) << 8 | Control);
}

// UTF-8 as UTF-16, for the names the wide calls fill in.
std::u16string Utf16Of(const std::string& Utf8)
{
    std::u16string text;
    for (size_t index = 0; index < Utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(Utf8[index]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int next = 1; next < length && index + next < Utf8.size(); ++next)
            code = code << 6 | (static_cast<unsigned char>(Utf8[index + next]) & 0x3F);
        index += length;
        if (code >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            text += static_cast<char16_t>(code);
        }
    }
    return text;
}

// Fills a fixed-size wide name as drivers do: without a NUL when the name fills the array.
template <size_t N>
void CopyName(WCHAR (&Target)[N], const std::string& Utf8)
{
    const std::u16string name = Utf16Of(Utf8);
    std::fill(Target, Target + N, WCHAR());
    std::copy(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(std::min(name.size(), N)),
              Target);
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

TFakeLine* FakeMixer::AnyLineById(TFakeDevice& Device, DWORD LineId)
{
    if (TFakeLine* destination = LineById(Device, LineId))
        return destination;
    for (size_t destination = 0; destination < Device.Destinations.size(); ++destination)
        for (size_t source = 0; source < Device.Destinations[destination].Sources.size(); ++source)
            if (SourceLineIdOf(destination, source) == LineId)
                return &Device.Destinations[destination].Sources[source];
    return nullptr;
}

TFakeControl* FakeMixer::ControlById(TFakeDevice& Device, DWORD ControlId, TFakeLine*& Line)
{
    for (size_t destination = 0; destination < Device.Destinations.size(); ++destination) {
        TFakeLine& target = Device.Destinations[destination];
        for (size_t index = 0; index < target.Controls.size(); ++index)
            if (ControlIdOf(destination, index) == ControlId)
                return &(Line = &target)->Controls[index];
        for (size_t source = 0; source < target.Sources.size(); ++source)
            for (size_t index = 0; index < target.Sources[source].Controls.size(); ++index)
                if (SourceControlIdOf(destination, source, index) == ControlId)
                    return &(Line = &target.Sources[source])->Controls[index];
    }
    return nullptr;
}

MMRESULT FakeMixer::GetDevCapsW(UINT_PTR DeviceId, MIXERCAPS2W* Caps, UINT CapsSize)
{
    Record([&] { return "GetDevCapsW(" + std::to_string(DeviceId) + ")"; });
    Check(CapsSize == sizeof(MIXERCAPS2W), "wrong record size");
    if (DeviceId >= Devices.size())
        return MMSYSERR_BADDEVICEID;
    const TFakeDevice& device = Devices[DeviceId];
    if (device.CapsResult != MMSYSERR_NOERROR) {
        Caps->cDestinations = 5; // half a record left behind
        return device.CapsResult;
    }
    Caps->wMid = device.Caps.wMid;
    Caps->wPid = device.Caps.wPid;
    Caps->vDriverVersion = device.Caps.vDriverVersion;
    CopyName(Caps->szPname, device.WideName.value_or(std::string(
                                device.Caps.szPname, strnlen(device.Caps.szPname, MAXPNAMELEN))));
    Caps->fdwSupport = device.Caps.fdwSupport;
    Caps->cDestinations = device.Caps.cDestinations;
    Caps->NameGuid = device.NameGuid;
    return MMSYSERR_NOERROR;
}

MMRESULT FakeMixer::GetLineInfoW(HMIXEROBJ Mixer, MIXERLINEW* Line, DWORD Flags)
{
    const bool bySource = Flags == MIXER_GETLINEINFOF_SOURCE;
    Record([&] {
        std::string name = "GetLineInfoW(" + std::to_string(Line->dwDestination);
        if (bySource)
            name += "." + std::to_string(Line->dwSource);
        return name + ")";
    });
    Check(Line->cbStruct == sizeof(MIXERLINEW), "wrong cbStruct");
    Check(bySource || Flags == MIXER_GETLINEINFOF_DESTINATION, "unexpected flags");
    size_t device = 0;
    TFakeDevice* open = OpenDevice(Mixer, device);
    if (!open)
        return MMSYSERR_INVALHANDLE;
    const size_t destination = Line->dwDestination;
    if (destination >= open->Destinations.size() ||
        (bySource && Line->dwSource >= open->Destinations[destination].Sources.size()))
        return MIXERR_INVALLINE;
    const TFakeLine& line = bySource ? open->Destinations[destination].Sources[Line->dwSource]
                                     : open->Destinations[destination];
    if (line.DestinationResult != MMSYSERR_NOERROR)
        return line.DestinationResult;
    Line->dwLineID = bySource ? SourceLineIdOf(destination, Line->dwSource) : LineIdOf(destination);
    Line->fdwLine = line.Flags | (bySource ? MIXERLINE_LINEF_SOURCE : 0);
    Line->dwComponentType = line.ComponentType;
    Line->cChannels = line.Channels;
    Line->cConnections = bySource ? 0 : static_cast<DWORD>(line.Sources.size());
    Line->cControls = ClaimedControls(line);
    CopyName(Line->szShortName, line.ShortName);
    CopyName(Line->szName, line.Name);
    Line->Target.dwType = MIXERLINE_TARGETTYPE_WAVEOUT;
    Line->Target.wMid = open->Caps.wMid;
    Line->Target.wPid = open->Caps.wPid;
    CopyName(Line->Target.szPname, "Fake target");
    return MMSYSERR_NOERROR;
}

MMRESULT FakeMixer::GetLineControlsW(HMIXEROBJ Mixer, MIXERLINECONTROLSW* Controls, DWORD Flags)
{
    Record([&] { return "GetLineControlsW(" + std::to_string(Controls->cControls) + ")"; });
    Check(Controls->cbStruct == sizeof(MIXERLINECONTROLSW), "wrong cbStruct");
    Check(Controls->cbmxctrl == sizeof(MIXERCONTROLW), "wrong cbmxctrl");
    Check(Flags == MIXER_GETLINECONTROLSF_ALL && Controls->dwControlID == 0, "unexpected flags");
    size_t device = 0;
    TFakeDevice* open = OpenDevice(Mixer, device);
    if (!open)
        return MMSYSERR_INVALHANDLE;
    TFakeLine* line = AnyLineById(*open, Controls->dwLineID);
    if (!line)
        return MIXERR_INVALLINE;
    if (Controls->cControls == 0 || Controls->cControls != ClaimedControls(*line) ||
        !Controls->pamxctrl)
        return MMSYSERR_INVALPARAM;
    if (line->ControlsResult != MMSYSERR_NOERROR)
        return line->ControlsResult;
    const size_t filled = std::min<size_t>(Controls->cControls, line->Controls.size());
    for (size_t index = 0; index < filled; ++index) {
        const TFakeControl& fake = line->Controls[index];
        MIXERCONTROLW& control = Controls->pamxctrl[index];
        control.cbStruct = sizeof control;
        const DWORD destination = Controls->dwLineID & 0xFFFF;
        const DWORD source = Controls->dwLineID >> 16;
        control.dwControlID = source == 0xFFFF ? ControlIdOf(destination, index)
                                               : SourceControlIdOf(destination, source - 1, index);
        control.dwControlType = fake.Type;
        control.fdwControl = fake.Flags;
        control.cMultipleItems = static_cast<DWORD>(fake.ItemTexts.size());
        CopyName(control.szShortName, fake.ShortName);
        CopyName(control.szName, fake.Name);
        control.Bounds.dwMinimum = fake.Minimum;
        control.Bounds.dwMaximum = fake.Maximum;
        control.Metrics.cSteps = fake.Steps;
    }
    if (line->ControlsAfterQuery)
        Controls->cControls = *line->ControlsAfterQuery;
    return MMSYSERR_NOERROR;
}

MMRESULT FakeMixer::GetControlDetailsW(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags)
{
    const bool texts = Flags == MIXER_GETCONTROLDETAILSF_LISTTEXT;
    Record([&] {
        return std::string(texts ? "GetListTextsW(" : "GetControlDetailsW(") +
               std::to_string(Details->dwControlID) + ")";
    });
    Check(Details->cbStruct == sizeof(MIXERCONTROLDETAILS), "wrong cbStruct");
    Check(texts || Flags == MIXER_GETCONTROLDETAILSF_VALUE, "unexpected flags");
    Check(Details->cbDetails == (texts ? sizeof(MIXERCONTROLDETAILS_LISTTEXTW) : sizeof(DWORD)),
          "wrong cbDetails");
    size_t device = 0;
    TFakeDevice* open = OpenDevice(Mixer, device);
    if (!open)
        return MMSYSERR_INVALHANDLE;
    TFakeLine* line = nullptr;
    const TFakeControl* control = ControlById(*open, Details->dwControlID, line);
    if (!control)
        return MIXERR_INVALCONTROL;
    const DWORD items = static_cast<DWORD>(control->ItemTexts.size());
    const bool multiple = control->Flags & MIXERCONTROL_CONTROLF_MULTIPLE;
    Check(Details->cChannels == (control->Flags & MIXERCONTROL_CONTROLF_UNIFORM
                                     ? 1
                                     : std::max<DWORD>(line->Channels, 1)),
          "not the control's channel count");
    Check(Details->cMultipleItems == (multiple ? items : 0), "not the control's item count");
    const MMRESULT result = texts ? control->ListTextResult : control->DetailsResult;
    if (result != MMSYSERR_NOERROR || !control->WritesDetails)
        return result;
    const size_t records = size_t{Details->cChannels} * (multiple ? items : 1);
    for (size_t index = 0; index < records; ++index) {
        if (texts) {
            auto* text = static_cast<MIXERCONTROLDETAILS_LISTTEXTW*>(Details->paDetails) + index;
            CopyName(text->szName, control->ItemTexts[index % std::max<DWORD>(items, 1)]);
        } else {
            static_cast<DWORD*>(Details->paDetails)[index] =
                index < control->Values.size() ? control->Values[index] : 0;
        }
    }
    return MMSYSERR_NOERROR;
}
