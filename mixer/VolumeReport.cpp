#include <algorithm>
#include <exception>
#include <new>
#include <vector>

#include "mixer/MMUtils.h"
#include "mixer/OpenMixer.h"
#include "platform/RecordText.h"
#include "mixer/Reports.h"
#include "platform/Format.h"
#include "platform/Error.h"

namespace {

// The call names the result texts print, made once rather than for every call.
const std::string kOpenName = "mixerOpenError";
const std::string kLineInfoName = "mixerGetLineInfo";
const std::string kLineControlsName = "mixerGetLineControls";
const std::string kControlDetailsName = "mixerGetControlDetails";

// A zero-filled array of Count records. A driver may claim any count: when the memory cannot be
// had, the error says so in words.
template <typename Record>
std::vector<Record> AllocateRecords(DWORD Count, const char* What)
{
    try {
        return std::vector<Record>(Count);
    } catch (const std::exception&) {
        // No memory for that many, or more than a vector can hold.
    }
    throw TError(Format("Out of memory for %u %s.", static_cast<unsigned>(Count), What));
}

// The capabilities of a device, or a zero-filled record when the query fails: the result is not
// reported, and a failed query must not show bytes the platform may have left behind.
MIXERCAPSA QueryCaps(IMixer& Mixer, UINT Device)
{
    MIXERCAPSA caps{};
    if (Mixer.GetDevCaps(Device, &caps, sizeof caps) != MMSYSERR_NOERROR)
        caps = MIXERCAPSA{};
    return caps;
}

// One line query; true when it succeeded, otherwise its text is appended.
bool QueryLine(IMixer& Mixer, const TOpenMixer& Open, MIXERLINEA& Line, DWORD Flags,
               const TLineSink& AppendLine)
{
    const std::string failure =
        MixerLineInfoResultText(Mixer.GetLineInfo(Open.Object(), &Line, Flags), kLineInfoName);
    if (failure.empty())
        return true;
    AppendLine(failure);
    return false;
}

// Reads one volume control's value and appends it, or the text of the failed read.
void ReportVolume(IMixer& Mixer, const TOpenMixer& Open, const MIXERLINEA& Line,
                  const MIXERCONTROLA& Control, const TLineSink& AppendLine)
{
    AppendLine(Format("ShortName:%s", FixedText(Control.szShortName).c_str()));

    // One value per channel, and room for one even where a line reports no channels.
    std::vector<MIXERCONTROLDETAILS_UNSIGNED> values =
        AllocateRecords<MIXERCONTROLDETAILS_UNSIGNED>(std::max<DWORD>(Line.cChannels, 1),
                                                      "channel values");
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = Control.dwControlID;
    details.cChannels = Line.cChannels;
    details.cMultipleItems = 0;
    details.cbDetails = sizeof(MIXERCONTROLDETAILS_UNSIGNED);
    details.paDetails = values.data();
    const std::string failure = MixerControlDetailsResultText(
        Mixer.GetControlDetails(Open.Object(), &details, MIXER_GETCONTROLDETAILSF_VALUE),
        kControlDetailsName);
    AppendLine(failure.empty() ? Format("Volume = %d", Signed32(values[0].dwValue)) : failure);
}

// The controls of one speaker line: every volume control's short name and value.
void ReportVolumeControls(IMixer& Mixer, const TOpenMixer& Open, const MIXERLINEA& Line,
                          const TLineSink& AppendLine)
{
    // The platform refuses a query for no controls; such a line has no volume to show.
    if (Line.cControls == 0)
        return;
    std::vector<MIXERCONTROLA> controls =
        AllocateRecords<MIXERCONTROLA>(Line.cControls, "mixer controls");
    MIXERLINECONTROLSA request{};
    request.cbStruct = sizeof request;
    request.dwLineID = Line.dwLineID;
    request.dwControlID = 0;
    request.cControls = Line.cControls;
    request.cbmxctrl = sizeof(MIXERCONTROLA);
    request.pamxctrl = controls.data();
    const std::string failure = MixerLineControlsResultText(
        Mixer.GetLineControls(Open.Object(), &request, MIXER_GETLINECONTROLSF_ALL),
        kLineControlsName);
    if (!failure.empty()) {
        AppendLine(failure);
        return;
    }
    // A driver may report more controls than the array it was given holds.
    const size_t filled = std::min<size_t>(request.cControls, controls.size());
    for (size_t index = 0; index < filled; ++index) {
        if (controls[index].dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME)
            ReportVolume(Mixer, Open, Line, controls[index], AppendLine);
    }
}

void ReportDestination(IMixer& Mixer, const TOpenMixer& Open, DWORD Destination,
                       const TLineSink& AppendLine)
{
    MIXERLINEA line{};
    line.cbStruct = sizeof line;
    line.dwDestination = Destination;
    if (!QueryLine(Mixer, Open, line, MIXER_GETLINEINFOF_DESTINATION, AppendLine))
        return;
    if (line.dwComponentType != MIXERLINE_COMPONENTTYPE_DST_SPEAKERS)
        return;

    const DWORD lineId = line.dwLineID;
    line = MIXERLINEA{};
    line.cbStruct = sizeof line;
    line.dwLineID = lineId;
    if (!QueryLine(Mixer, Open, line, MIXER_GETLINEINFOF_LINEID, AppendLine))
        return;

    // An error among the controls costs only this line: its message is shown, the walk goes on.
    try {
        ReportVolumeControls(Mixer, Open, line, AppendLine);
    } catch (const std::exception& error) {
        AppendLine(error.what());
    }
}

void ReportDevice(IMixer& Mixer, UINT Device, const TLineSink& AppendLine)
{
    const MIXERCAPSA caps = QueryCaps(Mixer, Device);
    AppendLine(Format("DeviceName:%s Desitination:%d", FixedText(caps.szPname).c_str(),
                      Signed32(caps.cDestinations)));

    HMIXER handle = nullptr;
    const std::string failure =
        MixerOpenResultText(Mixer.Open(&handle, Device, 0, 0, CALLBACK_NULL), kOpenName);
    if (!failure.empty()) {
        AppendLine(failure);
        return;
    }
    TOpenMixer open(Mixer, handle);
    for (DWORD destination = 0; destination < caps.cDestinations; ++destination)
        ReportDestination(Mixer, open, destination, AppendLine);
    open.Close();
}

} // namespace

void RunVolumeReport(IMixer& Mixer, const TLineSink& AppendLine)
{
    const UINT deviceCount = Mixer.GetNumDevs();
    for (UINT device = 0; device < deviceCount; ++device)
        ReportDevice(Mixer, device, AppendLine);
}
