// A winmm.dll for tests only: a misbehaving mixer driver whose every answer comes from a script.
//
// KORVALE_HOSTILE_SCRIPT names the script (README.md beside this file describes it), and
// KORVALE_HOSTILE_LOG the file where each open, close and misuse of a handle is written, for the
// test to check that every mixer opened was closed once and no handle was used after its close.
// The answers may be as wrong as a driver's can be (names without terminators, absurd counts,
// successes that write nothing, any result code), but nothing is ever written past the sizes the
// caller handed over: it misbehaves, it does not corrupt memory.
#define _WINMM_ // the declarations without dllimport: this is winmm
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#define HOSTILE_EXPORT extern "C" __declspec(dllexport)

namespace {

constexpr UINT kQueryFunctionInstanceId = DRV_RESERVED + 17;
constexpr UINT kQueryFunctionInstanceIdSize = DRV_RESERVED + 18;

// How a call answers: writing its records and returning success, returning success without
// writing anything, or returning Code without writing anything.
struct TAnswer {
    bool Write = true;
    MMRESULT Code = MMSYSERR_NOERROR;
};

struct TControl {
    DWORD Id = 0, Type = MIXERCONTROL_CONTROLTYPE_VOLUME, Flags = 0, Items = 0;
    DWORD Minimum = 0, Maximum = 0xFFFF, Steps = 0xFFFF;
    std::wstring Name = L"Volume", ShortName = L"Vol";
    std::vector<DWORD> Values;
    std::vector<std::wstring> ItemTexts;
    TAnswer Details, Texts;
};

struct TLine {
    DWORD Id = 0, ComponentType = 0, Flags = MIXERLINE_LINEF_ACTIVE, Channels = 2;
    std::optional<DWORD> Connections, ControlCount, ControlsWritten;
    std::wstring Name = L"Line", ShortName = L"Line", TargetName;
    DWORD TargetType = MIXERLINE_TARGETTYPE_UNDEFINED, TargetDevice = 0;
    TAnswer Info, Controls;
    std::vector<TControl> ControlList;
    std::vector<TLine> Sources;
};

struct TDevice {
    std::wstring Name;
    DWORD Mid = 1, Pid = 0, Version = 0x0100, Support = 0;
    std::optional<DWORD> Destinations;
    TAnswer Caps, Open, Close;
    std::vector<TLine> DestinationList;
};

struct TWave {
    bool In = false;
    std::optional<UINT> Mixer; // nothing: mixerGetID answers MMSYSERR_NODRIVER
    std::optional<std::wstring> EndpointId;
    std::optional<DWORD> EndpointIdSize; // the size claimed, bytes; else the text's with its NUL
    TAnswer GetId, IdSize, Id;
};

struct TScript {
    std::optional<UINT> Mixers, WaveOuts, WaveIns;
    std::vector<TDevice> Devices;
    std::vector<TWave> Waves;
};

// --- The log -------------------------------------------------------------------------------

HANDLE g_log = INVALID_HANDLE_VALUE;

void Log(const char* Format, ...)
{
    if (g_log == INVALID_HANDLE_VALUE) {
        char path[MAX_PATH];
        const DWORD length = GetEnvironmentVariableA("KORVALE_HOSTILE_LOG", path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return;
        g_log = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (g_log == INVALID_HANDLE_VALUE)
            return;
    }
    char line[512];
    va_list arguments;
    va_start(arguments, Format);
    const int length = std::vsnprintf(line, sizeof line - 1, Format, arguments);
    va_end(arguments);
    if (length < 0)
        return;
    const DWORD size = static_cast<DWORD>(std::min<int>(length, sizeof line - 2));
    line[size] = '\n';
    DWORD written = 0;
    WriteFile(g_log, line, size + 1, &written, nullptr);
}

// --- The script ----------------------------------------------------------------------------

// A text of the script as UTF-16 code units: the characters as they are (bytes of ASCII and
// Latin-1), with \\, \n, \r, \t, \xHH and \uHHHH for any code unit, U+0000 and lone surrogates
// included.
std::wstring ParseText(const std::string& Text)
{
    std::wstring units;
    for (std::size_t at = 0; at < Text.size(); ++at) {
        const unsigned char character = static_cast<unsigned char>(Text[at]);
        if (character != '\\' || at + 1 >= Text.size()) {
            units.push_back(character);
            continue;
        }
        const char escape = Text[++at];
        const std::size_t digits = escape == 'x' ? 2 : escape == 'u' ? 4 : 0;
        if (digits && at + digits < Text.size()) {
            units.push_back(static_cast<wchar_t>(
                std::strtoul(Text.substr(at + 1, digits).c_str(), nullptr, 16)));
            at += digits;
        } else {
            units.push_back(escape == 'n'   ? L'\n'
                            : escape == 'r' ? L'\r'
                            : escape == 't' ? L'\t'
                                            : escape);
        }
    }
    return units;
}

// A number: decimal or 0x hexadecimal, negative ones as their 32-bit two's complement.
DWORD ParseNumber(const std::string& Text, bool& Valid)
{
    char* end = nullptr;
    const long long value = Text[0] == '-'
                                ? std::strtoll(Text.c_str(), &end, 0)
                                : static_cast<long long>(std::strtoull(Text.c_str(), &end, 0));
    Valid = !Text.empty() && end && *end == '\0';
    return static_cast<DWORD>(value);
}

class TParser {
public:
    explicit TParser(TScript& Script) : m_script(Script) {}

    // One line; false, with the reason in Error, when it is not understood.
    bool Line(const std::string& Text, std::string& Error)
    {
        if (Text.empty() || Text[0] == '#')
            return true;
        const std::size_t space = Text.find(' ');
        const std::string directive = Text.substr(0, space);
        m_rest = space == std::string::npos ? std::string() : Text.substr(space + 1);
        m_words.clear();
        for (std::size_t at = 0; at < m_rest.size();) {
            const std::size_t next = std::min(m_rest.find(' ', at), m_rest.size());
            if (next > at)
                m_words.push_back(m_rest.substr(at, next - at));
            at = next + 1;
        }
        m_error.clear();
        if (!Directive(directive) && m_error.empty())
            m_error = "unknown directive \"" + directive + "\" here";
        Error = m_error;
        return m_error.empty();
    }

private:
    bool Directive(const std::string& Name)
    {
        if (Name == "mixers")
            return Set(m_script.Mixers);
        if (Name == "waveouts")
            return Set(m_script.WaveOuts);
        if (Name == "waveins")
            return Set(m_script.WaveIns);
        if (Name == "device") {
            m_script.Devices.emplace_back().Name =
                L"Hostile " + std::to_wstring(m_script.Devices.size() - 1);
            m_line = nullptr;
            m_control = nullptr;
            m_wave = nullptr;
            m_nextControlId = 1;
            return true;
        }
        if (Name == "destination" || Name == "source")
            return NewLine(Name == "source");
        if (Name == "control")
            return NewControl();
        if (Name == "wave")
            return NewWave();
        if (m_wave)
            return WaveField(Name);
        if (m_control)
            return ControlField(Name);
        if (m_line)
            return LineField(Name);
        if (!m_script.Devices.empty())
            return DeviceField(Name);
        return false;
    }

    bool NewLine(bool Source)
    {
        m_control = nullptr;
        m_wave = nullptr;
        if (m_script.Devices.empty() || (Source && !m_destination))
            return Fail("a line outside a device, or a source outside a destination");
        TDevice& device = m_script.Devices.back();
        if (Source) {
            const DWORD destination = static_cast<DWORD>(m_destinationIndex);
            const DWORD source = static_cast<DWORD>(m_destination->Sources.size());
            m_line = &m_destination->Sources.emplace_back();
            m_line->Id = ((source + 1) << 16) | destination;
            m_line->ComponentType = MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT;
            m_line->Flags |= MIXERLINE_LINEF_SOURCE;
        } else {
            m_destinationIndex = device.DestinationList.size();
            m_destination = &device.DestinationList.emplace_back();
            m_line = m_destination;
            m_line->Id = static_cast<DWORD>(m_destinationIndex);
            m_line->ComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
        }
        return true;
    }

    bool NewControl()
    {
        if (!m_line)
            return Fail("a control outside a line");
        m_control = &m_line->ControlList.emplace_back();
        m_control->Id = m_nextControlId++;
        return true;
    }

    bool NewWave()
    {
        m_control = nullptr;
        m_line = nullptr;
        m_wave = &m_script.Waves.emplace_back();
        if (m_words.size() != 2 || (m_words[0] != "out" && m_words[0] != "in"))
            return Fail("wave out|in <mixer index>|none");
        m_wave->In = m_words[0] == "in";
        if (m_words[1] != "none") {
            bool valid = false;
            m_wave->Mixer = ParseNumber(m_words[1], valid);
            if (!valid)
                return Fail("not a number");
        }
        return true;
    }

    bool DeviceField(const std::string& Name)
    {
        TDevice& device = m_script.Devices.back();
        if (Name == "name")
            return Text(device.Name);
        if (Name == "mid")
            return Set(device.Mid);
        if (Name == "pid")
            return Set(device.Pid);
        if (Name == "version")
            return Set(device.Version);
        if (Name == "support")
            return Set(device.Support);
        if (Name == "destinations")
            return Set(device.Destinations);
        if (Name == "caps")
            return Answer(device.Caps);
        if (Name == "open")
            return Answer(device.Open);
        if (Name == "close")
            return Answer(device.Close);
        return false;
    }

    bool LineField(const std::string& Name)
    {
        TLine& line = *m_line;
        if (Name == "name")
            return Text(line.Name);
        if (Name == "short")
            return Text(line.ShortName);
        if (Name == "target")
            return Text(line.TargetName);
        if (Name == "id")
            return Set(line.Id);
        if (Name == "type")
            return Set(line.ComponentType);
        if (Name == "flags")
            return Set(line.Flags);
        if (Name == "channels")
            return Set(line.Channels);
        if (Name == "connections")
            return Set(line.Connections);
        if (Name == "controls")
            return Set(line.ControlCount);
        if (Name == "written")
            return Set(line.ControlsWritten);
        if (Name == "targettype")
            return Set(line.TargetType);
        if (Name == "info")
            return Answer(line.Info);
        if (Name == "getcontrols")
            return Answer(line.Controls);
        return false;
    }

    bool ControlField(const std::string& Name)
    {
        TControl& control = *m_control;
        if (Name == "name")
            return Text(control.Name);
        if (Name == "short")
            return Text(control.ShortName);
        if (Name == "id")
            return Set(control.Id);
        if (Name == "type")
            return Set(control.Type);
        if (Name == "flags")
            return Set(control.Flags);
        if (Name == "items")
            return Set(control.Items);
        if (Name == "steps")
            return Set(control.Steps);
        if (Name == "bounds") {
            bool valid = m_words.size() == 2;
            bool second = valid;
            if (valid) {
                control.Minimum = ParseNumber(m_words[0], valid);
                control.Maximum = ParseNumber(m_words[1], second);
            }
            return valid && second ? true : Fail("bounds <minimum> <maximum>");
        }
        if (Name == "values") {
            control.Values.clear();
            for (const std::string& word : m_words) {
                bool valid = false;
                control.Values.push_back(ParseNumber(word, valid));
                if (!valid)
                    return Fail("not a number: " + word);
            }
            return true;
        }
        if (Name == "item")
            return Text(control.ItemTexts.emplace_back());
        if (Name == "details")
            return Answer(control.Details);
        if (Name == "texts")
            return Answer(control.Texts);
        return false;
    }

    bool WaveField(const std::string& Name)
    {
        if (Name == "endpoint")
            return Text(m_wave->EndpointId.emplace());
        if (Name == "idsize")
            return Set(m_wave->EndpointIdSize);
        if (Name == "getid")
            return Answer(m_wave->GetId);
        if (Name == "answersize")
            return Answer(m_wave->IdSize);
        if (Name == "answerid")
            return Answer(m_wave->Id);
        return false;
    }

    bool Fail(const std::string& Why)
    {
        m_error = Why;
        return false;
    }

    bool Text(std::wstring& Field)
    {
        Field = ParseText(m_rest);
        return true;
    }

    template <typename Number>
    bool Set(Number& Field)
    {
        bool valid = m_words.size() == 1;
        if (valid)
            Field = ParseNumber(m_words[0], valid);
        return valid ? true : Fail("one number expected");
    }

    // "ok" (write, success), "unwritten" (success, nothing written) or a result code.
    bool Answer(TAnswer& Field)
    {
        if (m_words.size() != 1)
            return Fail("ok, unwritten or a code expected");
        Field = TAnswer{m_words[0] == "ok", MMSYSERR_NOERROR};
        if (m_words[0] == "ok" || m_words[0] == "unwritten")
            return true;
        bool valid = false;
        Field.Code = ParseNumber(m_words[0], valid);
        return valid ? true : Fail("ok, unwritten or a code expected");
    }

    TScript& m_script;
    TLine* m_destination = nullptr;
    std::size_t m_destinationIndex = 0;
    TLine* m_line = nullptr;
    TControl* m_control = nullptr;
    TWave* m_wave = nullptr;
    DWORD m_nextControlId = 1;
    std::string m_rest;
    std::vector<std::string> m_words;
    std::string m_error;
};

TScript ReadScript()
{
    TScript script;
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("KORVALE_HOSTILE_SCRIPT", path, MAX_PATH);
    std::FILE* file = length && length < MAX_PATH ? std::fopen(path, "rb") : nullptr;
    if (!file) {
        Log("script-error: KORVALE_HOSTILE_SCRIPT names no file that can be read");
        return script;
    }
    TParser parser(script);
    std::string line;
    int number = 0;
    for (int character = 0; character != EOF;) {
        character = std::fgetc(file);
        if (character != '\n' && character != EOF) {
            if (character != '\r')
                line.push_back(static_cast<char>(character));
            continue;
        }
        ++number;
        std::string error;
        if (!parser.Line(line, error))
            Log("script-error: line %d: %s", number, error.c_str());
        line.clear();
    }
    std::fclose(file);
    Log("script %s: %u devices", path, static_cast<unsigned>(script.Devices.size()));
    return script;
}

TScript& Script()
{
    static TScript script = ReadScript();
    return script;
}

// --- Handles -------------------------------------------------------------------------------

// Every handle ever opened, in order: a handle is its position plus this base, which no device
// identifier reaches. A closed handle stays here, so its use after the close is seen.
constexpr UINT_PTR kHandleBase = 0x7E570000;
struct TOpenRecord {
    UINT Device;
    bool Open;
};
std::vector<TOpenRecord> g_handles;

TOpenRecord* FindHandle(UINT_PTR Handle)
{
    if (Handle < kHandleBase || Handle - kHandleBase >= g_handles.size())
        return nullptr;
    return &g_handles[Handle - kHandleBase];
}

// The device of a mixer object (an open handle, or a device identifier, as winmm takes both);
// nothing, logged, for a closed or unknown one.
TDevice* DeviceOf(HMIXEROBJ Object, const char* Call)
{
    const UINT_PTR value = reinterpret_cast<UINT_PTR>(Object);
    std::vector<TDevice>& devices = Script().Devices;
    if (const TOpenRecord* record = FindHandle(value)) {
        if (!record->Open) {
            Log("use-after-close %s %#llx", Call, static_cast<unsigned long long>(value));
            return nullptr;
        }
        return &devices[record->Device];
    }
    if (value < devices.size())
        return &devices[value];
    Log("unknown-handle %s %#llx", Call, static_cast<unsigned long long>(value));
    return nullptr;
}

// --- Writing records no further than the caller's size -----------------------------------

// Copies Record's first bytes, no more than Size, to Destination.
template <typename Record>
void CopyRecord(void* Destination, DWORD Size, const Record& Source)
{
    std::memcpy(Destination, &Source, std::min<std::size_t>(Size, sizeof Source));
}

// A fixed text field: as many code units as fit, terminated only where there is room.
template <std::size_t N>
void FillText(WCHAR (&Field)[N], const std::wstring& Text)
{
    const std::size_t count = std::min(N, Text.size());
    std::copy(Text.begin(), Text.begin() + static_cast<std::ptrdiff_t>(count), Field);
    if (count < N)
        Field[count] = 0;
}

// The ANSI form: each code unit below 256 as its byte, any other as '?'.
template <std::size_t N>
void FillText(CHAR (&Field)[N], const std::wstring& Text)
{
    const std::size_t count = std::min(N, Text.size());
    for (std::size_t at = 0; at < count; ++at)
        Field[at] = static_cast<CHAR>(Text[at] < 256 ? Text[at] : L'?');
    if (count < N)
        Field[count] = 0;
}

bool NoBuffer(const void* Buffer, const char* Call)
{
    if (Buffer)
        return false;
    Log("null-buffer %s", Call);
    return true;
}

// --- The calls -------------------------------------------------------------------------------

template <typename Caps>
MMRESULT GetDevCaps(UINT_PTR DeviceId, Caps* Out, UINT Size, const char* Call)
{
    if (NoBuffer(Out, Call))
        return MMSYSERR_INVALPARAM;
    // A device identifier, or else an open handle (only a handle's misuse is logged).
    const TDevice* device = DeviceId < Script().Devices.size() ? &Script().Devices[DeviceId]
                            : DeviceId >= kHandleBase
                                ? DeviceOf(reinterpret_cast<HMIXEROBJ>(DeviceId), Call)
                                : nullptr;
    if (!device)
        return MMSYSERR_BADDEVICEID;
    if (!device->Caps.Write)
        return device->Caps.Code;
    Caps caps{}; // the extended record, its GUIDs left empty: the caller's size decides
    caps.wMid = static_cast<WORD>(device->Mid);
    caps.wPid = static_cast<WORD>(device->Pid);
    caps.vDriverVersion = device->Version;
    FillText(caps.szPname, device->Name);
    caps.fdwSupport = device->Support;
    caps.cDestinations =
        device->Destinations.value_or(static_cast<DWORD>(device->DestinationList.size()));
    CopyRecord(Out, Size, caps);
    return MMSYSERR_NOERROR;
}

// The line a line query asks for, by destination, source or identifier; null when none is.
TLine* FindLine(TDevice& Device, DWORD Destination, DWORD Source, DWORD LineId, DWORD Flags)
{
    const DWORD query = Flags & MIXER_GETLINEINFOF_QUERYMASK;
    if (query == MIXER_GETLINEINFOF_LINEID) {
        for (TLine& destination : Device.DestinationList) {
            if (destination.Id == LineId)
                return &destination;
            for (TLine& source : destination.Sources)
                if (source.Id == LineId)
                    return &source;
        }
        return nullptr;
    }
    if (Destination >= Device.DestinationList.size())
        return nullptr;
    TLine& destination = Device.DestinationList[Destination];
    if (query == MIXER_GETLINEINFOF_DESTINATION)
        return &destination;
    if (query == MIXER_GETLINEINFOF_SOURCE && Source < destination.Sources.size())
        return &destination.Sources[Source];
    return nullptr;
}

template <typename Line>
MMRESULT GetLineInfo(HMIXEROBJ Object, Line* Out, DWORD Flags, const char* Call)
{
    if (NoBuffer(Out, Call))
        return MMSYSERR_INVALPARAM;
    TDevice* device = DeviceOf(Object, Call);
    if (!device)
        return MMSYSERR_INVALHANDLE;
    const TLine* line = FindLine(*device, Out->dwDestination, Out->dwSource, Out->dwLineID, Flags);
    if (!line)
        return MIXERR_INVALLINE;
    if (!line->Info.Write)
        return line->Info.Code;
    Line record{};
    record.cbStruct = Out->cbStruct;
    record.dwDestination = Out->dwDestination;
    record.dwSource = Out->dwSource;
    record.dwLineID = line->Id;
    record.fdwLine = line->Flags;
    record.dwComponentType = line->ComponentType;
    record.cChannels = line->Channels;
    record.cConnections = line->Connections.value_or(static_cast<DWORD>(line->Sources.size()));
    record.cControls = line->ControlCount.value_or(static_cast<DWORD>(line->ControlList.size()));
    FillText(record.szShortName, line->ShortName);
    FillText(record.szName, line->Name);
    record.Target.dwType = line->TargetType;
    record.Target.dwDeviceID = line->TargetDevice;
    FillText(record.Target.szPname, line->TargetName);
    CopyRecord(Out, Out->cbStruct, record);
    return MMSYSERR_NOERROR;
}

TLine* FindLineById(TDevice& Device, DWORD LineId)
{
    return FindLine(Device, 0, 0, LineId, MIXER_GETLINEINFOF_LINEID);
}

template <typename Control>
void FillControl(Control& Record, const TControl& Source)
{
    Record.cbStruct = sizeof Record;
    Record.dwControlID = Source.Id;
    Record.dwControlType = Source.Type;
    Record.fdwControl = Source.Flags;
    Record.cMultipleItems = Source.Items;
    FillText(Record.szShortName, Source.ShortName);
    FillText(Record.szName, Source.Name);
    Record.Bounds.dwMinimum = Source.Minimum;
    Record.Bounds.dwMaximum = Source.Maximum;
    Record.Metrics.cSteps = Source.Steps;
}

template <typename Controls, typename Control>
MMRESULT GetLineControls(HMIXEROBJ Object, Controls* Request, DWORD Flags, const char* Call)
{
    if (NoBuffer(Request, Call))
        return MMSYSERR_INVALPARAM;
    TDevice* device = DeviceOf(Object, Call);
    if (!device)
        return MMSYSERR_INVALHANDLE;
    if ((Flags & MIXER_GETLINECONTROLSF_QUERYMASK) != MIXER_GETLINECONTROLSF_ALL)
        return MMSYSERR_NOTSUPPORTED; // the program asks for every control of a line only
    TLine* line = FindLineById(*device, Request->dwLineID);
    if (!line)
        return MIXERR_INVALLINE;
    if (!line->Controls.Write)
        return line->Controls.Code;
    if (Request->cControls && NoBuffer(Request->pamxctrl, Call))
        return MMSYSERR_INVALPARAM;
    const std::size_t count = std::min<std::size_t>(Request->cControls, line->ControlList.size());
    auto* bytes = reinterpret_cast<unsigned char*>(Request->pamxctrl);
    for (std::size_t index = 0; index < count; ++index) {
        Control record{};
        FillControl(record, line->ControlList[index]);
        CopyRecord(bytes + index * Request->cbmxctrl, Request->cbmxctrl, record);
    }
    if (line->ControlsWritten)
        Request->cControls = *line->ControlsWritten;
    return MMSYSERR_NOERROR;
}

TControl* FindControl(TDevice& Device, DWORD ControlId)
{
    for (TLine& destination : Device.DestinationList) {
        for (TControl& control : destination.ControlList)
            if (control.Id == ControlId)
                return &control;
        for (TLine& source : destination.Sources)
            for (TControl& control : source.ControlList)
                if (control.Id == ControlId)
                    return &control;
    }
    return nullptr;
}

template <typename ListText>
MMRESULT GetControlDetails(HMIXEROBJ Object, MIXERCONTROLDETAILS* Details, DWORD Flags,
                           const char* Call)
{
    if (NoBuffer(Details, Call))
        return MMSYSERR_INVALPARAM;
    TDevice* device = DeviceOf(Object, Call);
    if (!device)
        return MMSYSERR_INVALHANDLE;
    const TControl* control = FindControl(*device, Details->dwControlID);
    if (!control)
        return MIXERR_INVALCONTROL;
    const DWORD query = Flags & MIXER_GETCONTROLDETAILSF_QUERYMASK;
    const TAnswer& answer =
        query == MIXER_GETCONTROLDETAILSF_LISTTEXT ? control->Texts : control->Details;
    if (!answer.Write)
        return answer.Code;
    // As many records as the caller's counts make, each no larger than it says.
    const std::size_t count =
        std::size_t{Details->cChannels} * std::max<DWORD>(Details->cMultipleItems, 1);
    if (count && NoBuffer(Details->paDetails, Call))
        return MMSYSERR_INVALPARAM;
    auto* bytes = static_cast<unsigned char*>(Details->paDetails);
    for (std::size_t index = 0; index < count; ++index) {
        unsigned char* at = bytes + index * Details->cbDetails;
        if (query == MIXER_GETCONTROLDETAILSF_LISTTEXT) {
            ListText text{};
            text.dwParam1 = control->Id;
            if (!control->ItemTexts.empty())
                FillText(text.szName, control->ItemTexts[index % control->ItemTexts.size()]);
            CopyRecord(at, Details->cbDetails, text);
        } else {
            const DWORD value =
                control->Values.empty() ? 0 : control->Values[index % control->Values.size()];
            CopyRecord(at, Details->cbDetails, value);
        }
    }
    return MMSYSERR_NOERROR;
}

const TWave* FindWave(bool In, UINT_PTR Index)
{
    for (const TWave& wave : Script().Waves)
        if (wave.In == In && Index-- == 0)
            return &wave;
    return nullptr;
}

UINT WaveCount(bool In)
{
    const std::optional<UINT>& claimed = In ? Script().WaveIns : Script().WaveOuts;
    return claimed.value_or(
        static_cast<UINT>(std::count_if(Script().Waves.begin(), Script().Waves.end(),
                                        [In](const TWave& Wave) { return Wave.In == In; })));
}

MMRESULT WaveMessage(bool In, UINT_PTR Device, UINT Message, DWORD_PTR First, DWORD_PTR Second)
{
    const TWave* wave = FindWave(In, Device);
    if (!wave)
        return MMSYSERR_BADDEVICEID;
    const std::wstring text = wave->EndpointId.value_or(std::wstring());
    if (Message == kQueryFunctionInstanceIdSize) {
        if (!wave->IdSize.Write)
            return wave->IdSize.Code;
        if (NoBuffer(reinterpret_cast<void*>(First), "waveMessage(size)"))
            return MMSYSERR_INVALPARAM;
        // A ULONG, as documented; the caller may have room for more.
        const ULONG size = wave->EndpointIdSize.value_or(
            wave->EndpointId ? static_cast<ULONG>((text.size() + 1) * sizeof(WCHAR)) : 0);
        *reinterpret_cast<ULONG*>(First) = size;
        return MMSYSERR_NOERROR;
    }
    if (Message == kQueryFunctionInstanceId) {
        if (!wave->Id.Write)
            return wave->Id.Code;
        if (NoBuffer(reinterpret_cast<void*>(First), "waveMessage(id)"))
            return MMSYSERR_INVALPARAM;
        // The text with its terminator, no further than the size handed over.
        const std::size_t bytes = std::min<std::size_t>(Second, (text.size() + 1) * sizeof(WCHAR));
        std::memcpy(reinterpret_cast<void*>(First), text.c_str(), bytes);
        return MMSYSERR_NOERROR;
    }
    return MMSYSERR_NOTSUPPORTED;
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD Reason, LPVOID)
{
    if (Reason == DLL_PROCESS_DETACH) {
        const auto open = std::count_if(g_handles.begin(), g_handles.end(),
                                        [](const TOpenRecord& Record) { return Record.Open; });
        Log("end: %u opened, %u left open", static_cast<unsigned>(g_handles.size()),
            static_cast<unsigned>(open));
    }
    return TRUE;
}

HOSTILE_EXPORT UINT WINAPI mixerGetNumDevs()
{
    return Script().Mixers.value_or(static_cast<UINT>(Script().Devices.size()));
}

HOSTILE_EXPORT MMRESULT WINAPI mixerGetDevCapsA(UINT_PTR DeviceId, LPMIXERCAPSA Caps, UINT Size)
{
    return GetDevCaps(DeviceId, reinterpret_cast<MIXERCAPS2A*>(Caps), Size, "mixerGetDevCapsA");
}

HOSTILE_EXPORT MMRESULT WINAPI mixerGetDevCapsW(UINT_PTR DeviceId, LPMIXERCAPSW Caps, UINT Size)
{
    return GetDevCaps(DeviceId, reinterpret_cast<MIXERCAPS2W*>(Caps), Size, "mixerGetDevCapsW");
}

HOSTILE_EXPORT MMRESULT WINAPI mixerOpen(LPHMIXER Mixer, UINT DeviceId, DWORD_PTR, DWORD_PTR,
                                         DWORD Flags)
{
    if (NoBuffer(Mixer, "mixerOpen"))
        return MMSYSERR_INVALPARAM;
    if ((Flags & CALLBACK_TYPEMASK) != CALLBACK_NULL)
        Log("callback-asked mixerOpen %#lx", static_cast<unsigned long>(Flags));
    if (DeviceId >= Script().Devices.size())
        return MMSYSERR_BADDEVICEID;
    const TAnswer& answer = Script().Devices[DeviceId].Open;
    if (!answer.Write) {
        Log("open-refused device %u code %u", DeviceId, answer.Code);
        return answer.Code;
    }
    g_handles.push_back({DeviceId, true});
    const UINT_PTR handle = kHandleBase + g_handles.size() - 1;
    *Mixer = reinterpret_cast<HMIXER>(handle);
    Log("open %#llx device %u", static_cast<unsigned long long>(handle), DeviceId);
    return MMSYSERR_NOERROR;
}

HOSTILE_EXPORT MMRESULT WINAPI mixerClose(HMIXER Mixer)
{
    const UINT_PTR handle = reinterpret_cast<UINT_PTR>(Mixer);
    TOpenRecord* record = FindHandle(handle);
    if (!record) {
        Log("unknown-handle mixerClose %#llx", static_cast<unsigned long long>(handle));
        return MMSYSERR_INVALHANDLE;
    }
    if (!record->Open) {
        Log("close-again %#llx", static_cast<unsigned long long>(handle));
        return MMSYSERR_INVALHANDLE;
    }
    // The handle is gone whatever the script answers: a driver's close that reports an error
    // has still let go of it, as far as the caller can tell.
    record->Open = false;
    Log("close %#llx", static_cast<unsigned long long>(handle));
    const TAnswer& answer = Script().Devices[record->Device].Close;
    return answer.Write ? MMSYSERR_NOERROR : answer.Code;
}

HOSTILE_EXPORT MMRESULT WINAPI mixerGetLineInfoA(HMIXEROBJ Mixer, LPMIXERLINEA Line, DWORD Flags)
{
    return GetLineInfo(Mixer, Line, Flags, "mixerGetLineInfoA");
}

HOSTILE_EXPORT MMRESULT WINAPI mixerGetLineInfoW(HMIXEROBJ Mixer, LPMIXERLINEW Line, DWORD Flags)
{
    return GetLineInfo(Mixer, Line, Flags, "mixerGetLineInfoW");
}

HOSTILE_EXPORT MMRESULT WINAPI mixerGetLineControlsA(HMIXEROBJ Mixer, LPMIXERLINECONTROLSA Controls,
                                                     DWORD Flags)
{
    return GetLineControls<MIXERLINECONTROLSA, MIXERCONTROLA>(Mixer, Controls, Flags,
                                                              "mixerGetLineControlsA");
}

HOSTILE_EXPORT MMRESULT WINAPI mixerGetLineControlsW(HMIXEROBJ Mixer, LPMIXERLINECONTROLSW Controls,
                                                     DWORD Flags)
{
    return GetLineControls<MIXERLINECONTROLSW, MIXERCONTROLW>(Mixer, Controls, Flags,
                                                              "mixerGetLineControlsW");
}

HOSTILE_EXPORT MMRESULT WINAPI mixerGetControlDetailsA(HMIXEROBJ Mixer,
                                                       LPMIXERCONTROLDETAILS Details, DWORD Flags)
{
    return GetControlDetails<MIXERCONTROLDETAILS_LISTTEXTA>(Mixer, Details, Flags,
                                                            "mixerGetControlDetailsA");
}

HOSTILE_EXPORT MMRESULT WINAPI mixerGetControlDetailsW(HMIXEROBJ Mixer,
                                                       LPMIXERCONTROLDETAILS Details, DWORD Flags)
{
    return GetControlDetails<MIXERCONTROLDETAILS_LISTTEXTW>(Mixer, Details, Flags,
                                                            "mixerGetControlDetailsW");
}

HOSTILE_EXPORT MMRESULT WINAPI mixerGetID(HMIXEROBJ Object, UINT* MixerId, DWORD Flags)
{
    if (NoBuffer(MixerId, "mixerGetID"))
        return MMSYSERR_INVALPARAM;
    const DWORD kind = Flags & 0xF0000000;
    if (kind != MIXER_OBJECTF_WAVEOUT && kind != MIXER_OBJECTF_WAVEIN)
        return MMSYSERR_NOTSUPPORTED; // the program asks only for wave devices' mixers
    const TWave* wave = FindWave(kind == MIXER_OBJECTF_WAVEIN, reinterpret_cast<UINT_PTR>(Object));
    if (!wave)
        return MMSYSERR_BADDEVICEID;
    if (!wave->GetId.Write)
        return wave->GetId.Code;
    if (!wave->Mixer)
        return MMSYSERR_NODRIVER;
    *MixerId = *wave->Mixer;
    return MMSYSERR_NOERROR;
}

HOSTILE_EXPORT UINT WINAPI waveOutGetNumDevs()
{
    return WaveCount(false);
}

HOSTILE_EXPORT UINT WINAPI waveInGetNumDevs()
{
    return WaveCount(true);
}

HOSTILE_EXPORT MMRESULT WINAPI waveOutMessage(HWAVEOUT Device, UINT Message, DWORD_PTR First,
                                              DWORD_PTR Second)
{
    return WaveMessage(false, reinterpret_cast<UINT_PTR>(Device), Message, First, Second);
}

HOSTILE_EXPORT MMRESULT WINAPI waveInMessage(HWAVEIN Device, UINT Message, DWORD_PTR First,
                                             DWORD_PTR Second)
{
    return WaveMessage(true, reinterpret_cast<UINT_PTR>(Device), Message, First, Second);
}
