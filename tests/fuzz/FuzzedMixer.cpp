#include "FuzzedMixer.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

using THow = FuzzedMixer::THow;

// What a failed call leaves in what it hands back.
constexpr unsigned char kGarbage = 0xDD;
// A failing call writes garbage into no more than this many records of an array.
constexpr std::size_t kGarbageRecords = 4;

// The failure codes a call answers with: winmm's, unknown ones, and any number.
constexpr MMRESULT kFailures[] = {
    MMSYSERR_ERROR,
    MMSYSERR_BADDEVICEID,
    MMSYSERR_NOTENABLED,
    MMSYSERR_ALLOCATED,
    MMSYSERR_INVALHANDLE,
    MMSYSERR_NODRIVER,
    MMSYSERR_NOMEM,
    MMSYSERR_NOTSUPPORTED,
    MMSYSERR_BADERRNUM,
    MMSYSERR_INVALFLAG,
    MMSYSERR_INVALPARAM,
    12,
    13,
    21,
    MIXERR_INVALLINE,
    MIXERR_INVALCONTROL,
    MIXERR_INVALVALUE,
    1027,
    0xFFFFFFFF,
    0x80000000,
    0x7FFFFFFF,
    0x10000,
};

// The control types a driver may give; others come as any number.
constexpr DWORD kControlTypes[] = {
    0x00000000, 0x10010000, 0x10020000, 0x10020001, 0x10030000, 0x20010000, 0x20010001, 0x20010002,
    0x20010003, 0x20010004, 0x20010005, 0x20012277, 0x21010000, 0x30040000, 0x30020000, 0x30030000,
    0x30050000, 0x40020000, 0x40020001, 0x40020002, 0x50030000, 0x50030001, 0x50030002, 0x50030003,
    0x50030004, 0x70010000, 0x70010001, 0x71010000, 0x71010001, 0x60030000, 0x61030000,
};

void Garbage(void* Out, std::size_t Bytes)
{
    std::memset(Out, kGarbage, Bytes);
}

// Writes Answer into the caller's record of Room bytes as Reply says.
template <typename Record>
void Deliver(Record* Out, std::size_t Room, const Record& Answer, const FuzzedMixer::TReply& Reply)
{
    const std::size_t bytes = std::min(Room, sizeof(Record));
    switch (Reply.How) {
    case THow::Whole:
        std::memcpy(Out, &Answer, bytes);
        break;
    case THow::Part:
        std::memcpy(Out, &Answer, std::min(bytes, Reply.Part));
        break;
    case THow::Garbage:
        Garbage(Out, bytes);
        break;
    case THow::Nothing:
        break;
    }
}

char NextChar(TFuzzInput& In, char)
{
    return static_cast<char>(In.Byte());
}

// Mostly Latin-1; now and then a lone half of a surrogate pair, or any unit.
WCHAR NextChar(TFuzzInput& In, WCHAR)
{
    const std::uint8_t kind = In.Byte();
    if (kind < 0xE0)
        return kind;
    if (kind < 0xE8)
        return static_cast<WCHAR>(0xD800 + In.Byte());
    if (kind < 0xF0)
        return static_cast<WCHAR>(0xDC00 + In.Byte());
    return In.Word();
}

// A name of any length up to N, terminated when it is shorter (and then any unit, U+0000 too,
// may be inside it).
template <typename Char, std::size_t N>
void FillText(TFuzzInput& In, Char (&Out)[N])
{
    const std::size_t length = In.Byte() % (N + 1);
    for (std::size_t index = 0; index < length; ++index)
        Out[index] = NextChar(In, Char());
    if (length < N)
        Out[length] = Char();
}

DWORD ControlType(TFuzzInput& In)
{
    const std::uint8_t kind = In.Byte();
    return kind < std::size(kControlTypes) ? kControlTypes[kind] : In.Dword();
}

DWORD ControlFlags(TFuzzInput& In)
{
    const std::uint8_t kind = In.Byte();
    if (kind >= 0xF0)
        return In.Dword();
    return (kind & (MIXERCONTROL_CONTROLF_UNIFORM | MIXERCONTROL_CONTROLF_MULTIPLE)) |
           (kind & 4 ? MIXERCONTROL_CONTROLF_DISABLED : 0);
}

DWORD LineFlags(TFuzzInput& In)
{
    const std::uint8_t kind = In.Byte();
    if (kind >= 0xF0)
        return In.Dword();
    return (kind & 1 ? MIXERLINE_LINEF_ACTIVE : 0) | (kind & 2 ? MIXERLINE_LINEF_DISCONNECTED : 0) |
           (kind & 4 ? MIXERLINE_LINEF_SOURCE : 0);
}

DWORD ComponentType(TFuzzInput& In)
{
    const std::uint8_t kind = In.Byte();
    if (kind < 0x80)
        return kind % 9;
    if (kind < 0xF0)
        return MIXERLINE_COMPONENTTYPE_SRC_FIRST + kind % 11;
    return In.Dword();
}

template <typename Control>
Control MakeControl(TFuzzInput& In)
{
    Control control{};
    control.cbStruct = sizeof control;
    control.dwControlID = In.Byte();
    control.dwControlType = ControlType(In);
    control.fdwControl = ControlFlags(In);
    control.cMultipleItems = In.Count();
    FillText(In, control.szShortName);
    FillText(In, control.szName);
    if (In.Byte() < 0x80) {
        control.Bounds.dwMinimum = 0;
        control.Bounds.dwMaximum = 0xFFFF;
    } else {
        control.Bounds.dwMinimum = In.Dword();
        control.Bounds.dwMaximum = In.Dword();
    }
    control.Metrics.cSteps = In.Count();
    return control;
}

} // namespace

FuzzedMixer::TReply FuzzedMixer::Reply()
{
    if (m_in.Empty())
        return {MMSYSERR_ERROR, THow::Garbage};
    const std::uint8_t kind = m_in.Byte();
    if (kind < 0xC0)
        return {MMSYSERR_NOERROR, THow::Whole};
    if (kind < 0xD0)
        return {MMSYSERR_NOERROR, THow::Nothing};
    if (kind < 0xE0)
        return {MMSYSERR_NOERROR, THow::Part, m_in.Byte()};
    const std::size_t failure = kind - 0xE0u;
    // A code of any number; 0 among them: success, with garbage left behind.
    return {failure < std::size(kFailures) ? kFailures[failure] : m_in.Dword(), THow::Garbage};
}

void FuzzedMixer::Injected(const TReply& Reply)
{
    if (Reply.Code != MMSYSERR_NOERROR)
        ++m_injected;
}

int FuzzedMixer::ShownFailures() const
{
    int count = m_injected;
    for (const auto& [mixer, failures] : m_waveFailures)
        if (mixer < m_devices)
            count += failures;
    return count;
}

int FuzzedMixer::OpenHandles() const
{
    return static_cast<int>(std::count_if(m_handles.begin(), m_handles.end(),
                                          [](const auto& Handle) { return Handle.second; }));
}

void FuzzedMixer::UseHandle(HMIXEROBJ Mixer)
{
    const auto found = m_handles.find(reinterpret_cast<std::uintptr_t>(Mixer));
    FuzzCheck(found != m_handles.end(), "a mixer handle used that was never opened");
    FuzzCheck(found->second, "a mixer handle used after it was closed");
}

UINT FuzzedMixer::GetNumDevs()
{
    m_devices = m_in.Count();
    return m_devices;
}

template <typename Caps>
MMRESULT FuzzedMixer::DevCaps(UINT_PTR DeviceId, Caps* Out, UINT CapsSize)
{
    FuzzCheck(Out && CapsSize <= sizeof(Caps), "a capabilities record smaller than its size");
    FuzzCheck(DeviceId < m_devices, "capabilities asked of a device beyond the count");
    const TReply reply = Reply();
    Caps answer{};
    answer.wMid = m_in.Word();
    answer.wPid = m_in.Word();
    answer.vDriverVersion = m_in.Dword();
    FillText(m_in, answer.szPname);
    answer.fdwSupport = m_in.Byte();
    answer.cDestinations = m_in.Count();
    if constexpr (std::is_same_v<Caps, MIXERCAPS2W>) {
        if (m_in.Byte() >= 0x80)
            answer.NameGuid.Data1 = m_in.Dword();
    }
    Deliver(Out, CapsSize, answer, reply);
    Injected(reply);
    if constexpr (std::is_same_v<Caps, MIXERCAPSA>) {
        if (reply.Code == MMSYSERR_NOERROR)
            m_ansiNames[DeviceId] =
                std::string(Out->szPname, std::find(Out->szPname, std::end(Out->szPname), '\0'));
    }
    return reply.Code;
}

MMRESULT FuzzedMixer::GetDevCaps(UINT_PTR DeviceId, MIXERCAPSA* Caps, UINT CapsSize)
{
    return DevCaps(DeviceId, Caps, CapsSize);
}

MMRESULT FuzzedMixer::GetDevCaps(UINT_PTR DeviceId, MIXERCAPS2W* Caps, UINT CapsSize)
{
    return DevCaps(DeviceId, Caps, CapsSize);
}

MMRESULT FuzzedMixer::Open(HMIXER* Mixer, UINT DeviceId, DWORD_PTR, DWORD_PTR, DWORD)
{
    FuzzCheck(Mixer != nullptr, "mixerOpen without a place for the handle");
    FuzzCheck(DeviceId < m_devices, "a device opened beyond the count");
    const TReply reply = Reply();
    Injected(reply);
    if (reply.Code != MMSYSERR_NOERROR) {
        // Not a handle: closing or using it is a fault.
        *Mixer = reinterpret_cast<HMIXER>(std::uintptr_t{0xDDDD0000});
        return reply.Code;
    }
    // winmm itself writes the handle of a mixer it opened, whatever the driver does.
    m_nextHandle += 0x10;
    m_handles[m_nextHandle] = true;
    *Mixer = reinterpret_cast<HMIXER>(m_nextHandle);
    return reply.Code;
}

template <typename Line>
MMRESULT FuzzedMixer::LineInfo(HMIXEROBJ Mixer, Line* Out, DWORD Flags)
{
    UseHandle(Mixer);
    FuzzCheck(Out && Out->cbStruct == sizeof(Line), "a line record of another size than its own");
    FuzzCheck(Flags == MIXER_GETLINEINFOF_DESTINATION || Flags == MIXER_GETLINEINFOF_SOURCE ||
                  Flags == MIXER_GETLINEINFOF_LINEID,
              "a line query of an unknown kind");
    const TReply reply = Reply();
    Line answer = *Out;
    answer.dwLineID = m_in.Dword();
    answer.fdwLine = LineFlags(m_in);
    answer.dwComponentType = ComponentType(m_in);
    answer.cChannels = m_in.Count();
    answer.cConnections = m_in.Count();
    answer.cControls = m_in.Count();
    FillText(m_in, answer.szShortName);
    FillText(m_in, answer.szName);
    answer.Target.dwType = m_in.Byte() % 8;
    answer.Target.dwDeviceID = m_in.Byte();
    answer.Target.wMid = m_in.Word();
    answer.Target.wPid = m_in.Word();
    answer.Target.vDriverVersion = m_in.Dword();
    FillText(m_in, answer.Target.szPname);
    Deliver(Out, Out->cbStruct, answer, reply);
    Injected(reply);
    return reply.Code;
}

MMRESULT FuzzedMixer::GetLineInfo(HMIXEROBJ Mixer, MIXERLINEA* Line, DWORD Flags)
{
    return LineInfo(Mixer, Line, Flags);
}

MMRESULT FuzzedMixer::GetLineInfo(HMIXEROBJ Mixer, MIXERLINEW* Line, DWORD Flags)
{
    return LineInfo(Mixer, Line, Flags);
}

template <typename Request>
MMRESULT FuzzedMixer::LineControls(HMIXEROBJ Mixer, Request* Controls, DWORD Flags)
{
    using Control = std::remove_pointer_t<decltype(Controls->pamxctrl)>;
    UseHandle(Mixer);
    FuzzCheck(Controls && Controls->cbStruct == sizeof(Request) &&
                  Controls->cbmxctrl == sizeof(Control) && Flags == MIXER_GETLINECONTROLSF_ALL,
              "a control request filled wrongly");
    // winmm refuses a count of 0; there is no array then.
    FuzzCheck(Controls->cControls != 0 && Controls->pamxctrl, "controls asked of no array");
    const TReply reply = Reply();
    const std::size_t room = Controls->cControls;
    std::size_t written = 0;
    if (reply.How == THow::Whole || reply.How == THow::Part) {
        const std::size_t wanted = reply.How == THow::Whole ? room : std::min(room, reply.Part);
        // The array's records the bytes last for; the rest stay as the caller left them.
        for (; written < wanted && !m_in.Empty(); ++written)
            Controls->pamxctrl[written] = MakeControl<Control>(m_in);
        // A driver may say it filled another number of records than it was asked for.
        if (m_in.Byte() >= 0xC0)
            Controls->cControls = m_in.Count();
    } else if (reply.How == THow::Garbage) {
        Garbage(Controls->pamxctrl, std::min(room, kGarbageRecords) * sizeof(Control));
    }
    Injected(reply);
    return reply.Code;
}

MMRESULT FuzzedMixer::GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSA* Controls, DWORD Flags)
{
    return LineControls(Mixer, Controls, Flags);
}

MMRESULT FuzzedMixer::GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSW* Controls, DWORD Flags)
{
    return LineControls(Mixer, Controls, Flags);
}

MMRESULT FuzzedMixer::GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags)
{
    UseHandle(Mixer);
    const bool texts = Flags == MIXER_GETCONTROLDETAILSF_LISTTEXT;
    FuzzCheck(texts || Flags == MIXER_GETCONTROLDETAILSF_VALUE, "a details query of unknown kind");
    const std::size_t recordSize = texts ? sizeof(MIXERCONTROLDETAILS_LISTTEXTW) : sizeof(DWORD);
    FuzzCheck(Details && Details->cbStruct == sizeof *Details && Details->cbDetails == recordSize,
              "a details request filled wrongly");
    FuzzCheck(Details->paDetails != nullptr, "details asked into no buffer");
    // The records the caller's buffer holds, as the request describes it.
    const std::size_t room = std::size_t{std::max<DWORD>(Details->cChannels, 1)} *
                             std::max<DWORD>(Details->cMultipleItems, 1);
    const TReply reply = Reply();
    if (reply.How == THow::Whole || reply.How == THow::Part) {
        const std::size_t wanted = reply.How == THow::Whole ? room : std::min(room, reply.Part);
        for (std::size_t index = 0; index < wanted && !m_in.Empty(); ++index) {
            if (texts) {
                auto& text = static_cast<MIXERCONTROLDETAILS_LISTTEXTW*>(Details->paDetails)[index];
                text.dwParam1 = m_in.Byte();
                text.dwParam2 = m_in.Byte();
                FillText(m_in, text.szName);
            } else {
                static_cast<DWORD*>(Details->paDetails)[index] = m_in.Dword();
            }
        }
    } else if (reply.How == THow::Garbage) {
        Garbage(Details->paDetails, std::min(room, kGarbageRecords) * recordSize);
    }
    Injected(reply);
    return reply.Code;
}

MMRESULT FuzzedMixer::Close(HMIXER Mixer)
{
    const auto found = m_handles.find(reinterpret_cast<std::uintptr_t>(Mixer));
    FuzzCheck(found != m_handles.end(), "a mixer handle closed that was never opened");
    FuzzCheck(found->second, "a mixer handle closed twice");
    found->second = false;
    // What closing answers is not looked at; a failure is a close all the same.
    return m_in.Byte() < 0xF0 ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
}

MMRESULT FuzzedMixer::GetID(HMIXEROBJ Object, UINT* MixerId, DWORD Flags)
{
    FuzzCheck(MixerId && (Flags == MIXER_OBJECTF_WAVEOUT || Flags == MIXER_OBJECTF_WAVEIN),
              "mixerGetID asked wrongly");
    const TReply reply = Reply();
    const std::uint8_t kind = m_in.Byte();
    UINT answer = kind < 0xF0 ? kind % 4 : kind == 0xF0 ? 0xFFFFFFFF : m_in.Dword();
    if (reply.How == THow::Whole || reply.How == THow::Part)
        *MixerId = answer;
    else if (reply.Code == MMSYSERR_NODRIVER)
        *MixerId = static_cast<UINT>(-1); // as winmm does
    else if (reply.How == THow::Garbage)
        Garbage(MixerId, sizeof *MixerId);
    const auto device =
        std::make_pair(Flags == MIXER_OBJECTF_WAVEIN, reinterpret_cast<UINT_PTR>(Object));
    if (reply.Code == MMSYSERR_NOERROR)
        m_waveMixers[device] = *MixerId;
    else
        m_waveMixers.erase(device);
    return reply.Code;
}

UINT FuzzedMixer::WaveOutGetNumDevs()
{
    return m_in.Count();
}

UINT FuzzedMixer::WaveInGetNumDevs()
{
    return m_in.Count();
}

MMRESULT FuzzedMixer::WaveOutMessage(HWAVEOUT Device, UINT Message, DWORD_PTR First,
                                     DWORD_PTR Second)
{
    return WaveMessage(false, reinterpret_cast<UINT_PTR>(Device), Message, First, Second);
}

MMRESULT FuzzedMixer::WaveInMessage(HWAVEIN Device, UINT Message, DWORD_PTR First, DWORD_PTR Second)
{
    return WaveMessage(true, reinterpret_cast<UINT_PTR>(Device), Message, First, Second);
}

MMRESULT FuzzedMixer::WaveMessage(bool Capture, UINT_PTR Device, UINT Message, DWORD_PTR First,
                                  DWORD_PTR Second)
{
    const auto mixer = m_waveMixers.find({Capture, Device});
    FuzzCheck(mixer != m_waveMixers.end(),
              "an endpoint identifier asked of a wave device without a mixer device");
    FuzzCheck(First != 0, "a wave message without a buffer");
    const TReply reply = Reply();
    if (Message == kQueryFunctionInstanceIdSize) {
        auto* size = reinterpret_cast<DWORD_PTR*>(First);
        static constexpr DWORD_PTR kSizes[] = {0x10000, 0x10001, 0xFFFFFFFF, ~DWORD_PTR{0}, 1};
        const std::uint8_t kind = m_in.Byte();
        const DWORD_PTR answer = kind < 0xF0                        ? kind
                                 : kind - 0xF0u < std::size(kSizes) ? kSizes[kind - 0xF0]
                                                                    : m_in.Dword();
        // Part: a ULONG's worth, as the documentation has it.
        if (reply.How == THow::Whole)
            *size = answer;
        else if (reply.How == THow::Part)
            std::memcpy(size, &answer, sizeof(DWORD));
        else if (reply.How == THow::Garbage)
            Garbage(size, sizeof *size);
    } else {
        FuzzCheck(Message == kQueryFunctionInstanceId, "an unknown wave message");
        std::vector<WCHAR> text(m_in.Byte());
        for (WCHAR& unit : text)
            unit = NextChar(m_in, WCHAR());
        if (m_in.Byte() & 1)
            text.push_back(WCHAR());
        // Never more than the caller's buffer holds, however odd its size.
        const std::size_t room = Second;
        std::size_t bytes = std::min(room, text.size() * sizeof(WCHAR));
        if (reply.How == THow::Part)
            bytes = std::min(bytes, reply.Part);
        if ((reply.How == THow::Whole || reply.How == THow::Part) && bytes != 0)
            std::memcpy(reinterpret_cast<void*>(First), text.data(), bytes);
        else if (reply.How == THow::Garbage)
            Garbage(reinterpret_cast<void*>(First), std::min<std::size_t>(room, 64));
    }
    if (reply.Code != MMSYSERR_NOERROR)
        ++m_waveFailures[mixer->second];
    return reply.Code;
}

std::optional<std::string> FuzzedMixer::NameOf(const GUID&)
{
    if (m_in.Byte() < 0x80)
        return std::nullopt;
    std::string name(m_in.Byte(), '\0');
    for (char& byte : name)
        byte = static_cast<char>(m_in.Byte());
    return name;
}
