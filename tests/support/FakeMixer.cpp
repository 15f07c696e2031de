#include "FakeMixer.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <type_traits>

#include "platform/Utf8.h"

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

// UTF-8 text as UTF-16 code units.
std::u16string Utf16Of(const std::string& Utf8)
{
    std::u16string units;
    for (size_t index = 0; index < Utf8.size();) {
        const char32_t code = DecodeUtf8(Utf8, index);
        if (code < 0x10000) {
            units += static_cast<char16_t>(code);
        } else {
            units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return units;
}

// Fills a fixed-size wide name from UTF-8 as drivers do: without a NUL when the name fills the
// array.
template <size_t N>
void CopyName(WCHAR (&Target)[N], const std::string& Utf8)
{
    const std::u16string name = Utf16Of(Utf8);
    std::fill(Target, Target + N, WCHAR());
    std::copy(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(std::min(name.size(), N)),
              Target);
}

template <typename Record>
constexpr bool kIsWide =
    std::is_same_v<Record, MIXERCAPS2W> || std::is_same_v<Record, MIXERLINEW> ||
    std::is_same_v<Record, MIXERLINECONTROLSW>;

// A call's logged name: the wide forms end in W.
template <typename Record>
std::string CallName(const char* Operation, const std::string& Arguments)
{
    return std::string(Operation) + (kIsWide<Record> ? "W(" : "(") + Arguments + ")";
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

TFakeDevice* FakeMixer::OpenDevice(HMIXEROBJ Mixer)
{
    for (size_t device : m_open)
        if (reinterpret_cast<HMIXEROBJ>(HandleOf(device)) == Mixer)
            return &Devices[device];
    Check(false, "the handle is not open");
    return nullptr;
}

TFakeLine* FakeMixer::LineById(TFakeDevice& Device, DWORD LineId)
{
    for (size_t destination = 0; destination < Device.Destinations.size(); ++destination) {
        TFakeLine& line = Device.Destinations[destination];
        if (LineIdOf(destination) == LineId)
            return &line;
        for (size_t source = 0; source < line.Sources.size(); ++source)
            if (SourceLineIdOf(destination, source) == LineId)
                return &line.Sources[source];
    }
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

UINT FakeMixer::GetNumDevs()
{
    Record([] { return std::string("GetNumDevs"); });
    return ClaimedDevices.value_or(static_cast<UINT>(Devices.size()));
}

template <typename Caps>
MMRESULT FakeMixer::DevCaps(UINT_PTR DeviceId, Caps* Answer, UINT CapsSize)
{
    Record([&] { return CallName<Caps>("GetDevCaps", std::to_string(DeviceId)); });
    Check(CapsSize == sizeof(Caps), "wrong record size");
    if (DeviceId >= Devices.size())
        return MMSYSERR_BADDEVICEID;
    const TFakeDevice& device = Devices[DeviceId];
    if (device.CapsResult != MMSYSERR_NOERROR) {
        // A careless driver may leave half a record behind when it fails.
        std::fill(std::begin(Answer->szPname), std::end(Answer->szPname), 'X');
        Answer->cDestinations = 5;
        return device.CapsResult;
    }
    const std::string name(device.Caps.szPname, strnlen(device.Caps.szPname, MAXPNAMELEN));
    Answer->wMid = device.Caps.wMid;
    Answer->wPid = device.Caps.wPid;
    Answer->vDriverVersion = device.Caps.vDriverVersion;
    if constexpr (kIsWide<Caps>) {
        CopyName(Answer->szPname, device.WideName.value_or(name));
        Answer->NameGuid = device.NameGuid;
    } else {
        std::copy(std::begin(device.Caps.szPname), std::end(device.Caps.szPname), Answer->szPname);
    }
    Answer->fdwSupport = device.Caps.fdwSupport;
    Answer->cDestinations = device.Caps.cDestinations;
    return MMSYSERR_NOERROR;
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

template <typename Line>
MMRESULT FakeMixer::LineInfo(HMIXEROBJ Mixer, Line* Answer, DWORD Flags)
{
    const bool byLineId = Flags == MIXER_GETLINEINFOF_LINEID;
    const bool bySource = Flags == MIXER_GETLINEINFOF_SOURCE;
    Record([&] {
        return CallName<Line>("GetLineInfo",
                              byLineId   ? std::string("line")
                              : bySource ? "source " + std::to_string(Answer->dwDestination) + "." +
                                               std::to_string(Answer->dwSource)
                                         : "destination " + std::to_string(Answer->dwDestination));
    });
    Check(Answer->cbStruct == sizeof(Line), "wrong cbStruct");
    Check(byLineId || bySource || Flags == MIXER_GETLINEINFOF_DESTINATION, "unexpected flags");
    TFakeDevice* open = OpenDevice(Mixer);
    if (!open)
        return MMSYSERR_INVALHANDLE;

    // The line asked for, with its destination and (for a source) source index.
    const TFakeLine* line = nullptr;
    size_t destination = Answer->dwDestination;
    std::optional<size_t> source;
    if (byLineId) {
        line = LineById(*open, Answer->dwLineID);
        if (!line)
            return MIXERR_INVALLINE;
        if (line->LineIdResult != MMSYSERR_NOERROR)
            return line->LineIdResult;
        destination = Answer->dwLineID & 0xFFFF;
        if (Answer->dwLineID >> 16 != 0xFFFF)
            source = (Answer->dwLineID >> 16) - 1;
    } else {
        if (destination >= open->Destinations.size())
            return MIXERR_INVALLINE;
        line = &open->Destinations[destination];
        if (bySource) {
            if (Answer->dwSource >= line->Sources.size())
                return MIXERR_INVALLINE;
            source = Answer->dwSource;
            line = &line->Sources[*source];
        }
        if (line->DestinationResult != MMSYSERR_NOERROR)
            return line->DestinationResult;
    }
    Answer->dwDestination = static_cast<DWORD>(destination);
    Answer->dwSource = static_cast<DWORD>(source.value_or(0));
    Answer->dwLineID = source ? SourceLineIdOf(destination, *source) : LineIdOf(destination);
    Answer->fdwLine = line->Flags | (source ? MIXERLINE_LINEF_SOURCE : 0);
    Answer->dwComponentType = line->ComponentType;
    Answer->cChannels = line->Channels;
    Answer->cConnections = source ? 0 : static_cast<DWORD>(line->Sources.size());
    Answer->cControls = ClaimedControls(*line);
    CopyName(Answer->szShortName, line->ShortName);
    CopyName(Answer->szName, line->Name);
    Answer->Target.dwType = MIXERLINE_TARGETTYPE_WAVEOUT;
    Answer->Target.wMid = open->Caps.wMid;
    Answer->Target.wPid = open->Caps.wPid;
    CopyName(Answer->Target.szPname, "Fake target");
    return MMSYSERR_NOERROR;
}

template <typename Request>
MMRESULT FakeMixer::LineControls(HMIXEROBJ Mixer, Request* Controls, DWORD Flags)
{
    using Control = std::remove_pointer_t<decltype(Controls->pamxctrl)>;
    Record(
        [&] { return CallName<Request>("GetLineControls", std::to_string(Controls->cControls)); });
    Check(Controls->cbStruct == sizeof(Request), "wrong cbStruct");
    Check(Controls->cbmxctrl == sizeof(Control), "wrong cbmxctrl");
    Check(Flags == MIXER_GETLINECONTROLSF_ALL && Controls->dwControlID == 0, "unexpected flags");
    TFakeDevice* open = OpenDevice(Mixer);
    if (!open)
        return MMSYSERR_INVALHANDLE;
    const TFakeLine* line = LineById(*open, Controls->dwLineID);
    if (!line)
        return MIXERR_INVALLINE;
    // As winmm does: the count must be the line's own, and never zero.
    if (Controls->cControls == 0 || Controls->cControls != ClaimedControls(*line) ||
        !Controls->pamxctrl)
        return MMSYSERR_INVALPARAM;
    if (line->ControlsResult != MMSYSERR_NOERROR)
        return line->ControlsResult;

    const DWORD destination = Controls->dwLineID & 0xFFFF;
    const DWORD source = Controls->dwLineID >> 16;
    const size_t filled = std::min<size_t>(Controls->cControls, line->Controls.size());
    for (size_t index = 0; index < filled; ++index) {
        const TFakeControl& fake = line->Controls[index];
        Control& control = Controls->pamxctrl[index];
        control.cbStruct = sizeof control;
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

MMRESULT FakeMixer::GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags)
{
    const bool texts = Flags == MIXER_GETCONTROLDETAILSF_LISTTEXT;
    Record([&] {
        return std::string(texts ? "GetListTexts(" : "GetControlDetails(") +
               std::to_string(Details->cChannels) + ")";
    });
    Check(Details->cbStruct == sizeof(MIXERCONTROLDETAILS), "wrong cbStruct");
    Check(texts || Flags == MIXER_GETCONTROLDETAILSF_VALUE, "unexpected flags");
    Check(Details->cbDetails == (texts ? sizeof(MIXERCONTROLDETAILS_LISTTEXTW) : sizeof(DWORD)),
          "wrong cbDetails");
    TFakeDevice* open = OpenDevice(Mixer);
    if (!open)
        return MMSYSERR_INVALHANDLE;
    TFakeLine* line = nullptr;
    const TFakeControl* control = ControlById(*open, Details->dwControlID, line);
    if (!control)
        return MIXERR_INVALCONTROL;
    const DWORD items = static_cast<DWORD>(control->ItemTexts.size());
    const bool multiple = control->Flags & MIXERCONTROL_CONTROLF_MULTIPLE;
    // All of the line's channels, or one for a uniform control (and at least one).
    Check(Details->cChannels == line->Channels ||
              Details->cChannels == (control->Flags & MIXERCONTROL_CONTROLF_UNIFORM
                                         ? 1
                                         : std::max<DWORD>(line->Channels, 1)),
          "not the control's channel count");
    Check(Details->cMultipleItems == (multiple ? items : 0), "not the control's item count");
    // A driver may trust its caller and write through whatever it is given.
    Check(Details->paDetails != nullptr, "details asked into no buffer");
    const MMRESULT result = texts ? control->ListTextResult : control->DetailsResult;
    if (result != MMSYSERR_NOERROR || !control->WritesDetails || !Details->paDetails)
        return result;
    // As drivers write them: per channel asked for, and at least one, each item's record.
    const size_t records = size_t{std::max<DWORD>(Details->cChannels, 1)} * (multiple ? items : 1);
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

MMRESULT FakeMixer::GetID(HMIXEROBJ Object, UINT* MixerId, DWORD Flags)
{
    const bool capture = Flags == MIXER_OBJECTF_WAVEIN;
    const UINT_PTR index = reinterpret_cast<UINT_PTR>(Object);
    Record([&] {
        return std::string(capture ? "GetID(in " : "GetID(out ") + std::to_string(index) + ")";
    });
    Check(capture || Flags == MIXER_OBJECTF_WAVEOUT, "unexpected flags");
    const std::vector<TFakeWaveDevice>& waves = capture ? WaveIn : WaveOut;
    if (index >= waves.size())
        return MMSYSERR_BADDEVICEID;
    const TFakeWaveDevice& wave = waves[index];
    if (wave.MixerResult == MMSYSERR_NODRIVER)
        *MixerId = static_cast<UINT>(-1);
    if (wave.MixerResult != MMSYSERR_NOERROR)
        return wave.MixerResult;
    *MixerId = wave.Mixer;
    return MMSYSERR_NOERROR;
}

UINT FakeMixer::WaveOutGetNumDevs()
{
    Record([] { return std::string("WaveOutGetNumDevs"); });
    return static_cast<UINT>(WaveOut.size());
}

UINT FakeMixer::WaveInGetNumDevs()
{
    Record([] { return std::string("WaveInGetNumDevs"); });
    return static_cast<UINT>(WaveIn.size());
}

MMRESULT FakeMixer::WaveMessage(const std::vector<TFakeWaveDevice>& Waves, const char* Name,
                                UINT_PTR Index, UINT Message, DWORD_PTR First, DWORD_PTR Second)
{
    const bool sizeQuery = Message == kQueryFunctionInstanceIdSize;
    Record([&] {
        return std::string(Name) + "(" + std::to_string(Index) + (sizeQuery ? ", size)" : ", id)");
    });
    Check(sizeQuery || Message == kQueryFunctionInstanceId, "unexpected message");
    Check(First != 0, "no buffer");
    if (Index >= Waves.size())
        return MMSYSERR_BADDEVICEID;
    const TFakeWaveDevice& wave = Waves[Index];
    std::u16string text = Utf16Of(wave.EndpointId);
    if (wave.Terminated)
        text += u'\0';
    const DWORD_PTR bytes = wave.ClaimedSize.value_or(text.size() * sizeof(char16_t));
    if (sizeQuery) {
        Check(Second == 0, "a second parameter for the size");
        if (wave.SizeResult != MMSYSERR_NOERROR)
            return wave.SizeResult;
        // Pointer-sized, as Wine writes it.
        *reinterpret_cast<DWORD_PTR*>(First) = bytes;
        return MMSYSERR_NOERROR;
    }
    Check(Second == bytes, "not a buffer of the size given");
    if (wave.IdResult != MMSYSERR_NOERROR)
        return wave.IdResult;
    std::memcpy(reinterpret_cast<void*>(First), text.data(),
                std::min<DWORD_PTR>(text.size() * sizeof(char16_t), Second));
    return MMSYSERR_NOERROR;
}
