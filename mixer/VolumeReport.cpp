#include <algorithm>
#include <charconv>
#include <exception>
#include <iterator>
#include <vector>

#include "mixer/MMUtils.h"
#include "mixer/MixerQueries.h"
#include "mixer/OpenMixer.h"
#include "mixer/Reports.h"
#include "platform/Error.h"
#include "platform/Format.h"
#include "platform/RecordText.h"

namespace {

// The name this report has always printed for a failed mixerOpen.
constexpr char kOpenErrorName[] = "mixerOpenError";

// The memory for what a driver claims could not be had: the error says so in words.
[[noreturn]] void ThrowOutOfMemory(std::uint64_t Count, const char* What)
{
    throw TError(Format("Out of memory for %u %s.", static_cast<unsigned>(Count), What));
}

void AppendDecimal(std::string& Text, int Value)
{
    char digits[12];
    Text.append(digits, std::to_chars(digits, std::end(digits), Value).ptr);
}

// One run of the query. Its buffers (the control and value arrays, the line being written) serve
// every line of every device: after the first device they are large enough, and the query
// allocates no more.
class TVolumeQuery {
public:
    TVolumeQuery(IMixer& Mixer, const TLineSink& AppendLine)
        : m_mixer(Mixer), m_appendLine(AppendLine)
    {
    }

    void ReportDevice(UINT Device)
    {
        const MIXERCAPSA caps = QueryCaps(Device);
        m_line.assign("DeviceName:");
        m_line.append(caps.szPname, std::find(caps.szPname, std::end(caps.szPname), '\0'));
        m_line.append(" Desitination:");
        AppendDecimal(m_line, Signed32(caps.cDestinations));
        m_appendLine(m_line);

        HMIXER handle = nullptr;
        const std::string failure =
            MixerOpenResultText(m_mixer.Open(&handle, Device, 0, 0, CALLBACK_NULL), kOpenErrorName);
        if (!failure.empty()) {
            m_appendLine(failure);
            return;
        }
        TOpenMixer open(m_mixer, handle);
        for (DWORD destination = 0; destination < caps.cDestinations; ++destination)
            ReportDestination(open, destination);
        open.Close();
    }

private:
    // The capabilities of a device, or a zero-filled record when the query fails: the result is
    // not reported, and a failed query must not show bytes the platform may have left behind.
    MIXERCAPSA QueryCaps(UINT Device)
    {
        MIXERCAPSA caps{};
        if (m_mixer.GetDevCaps(Device, &caps, sizeof caps) != MMSYSERR_NOERROR)
            caps = MIXERCAPSA{};
        return caps;
    }

    // One line query; true when it succeeded, otherwise its text is appended.
    bool QueryLine(const TOpenMixer& Open, MIXERLINEA& Line, DWORD Flags)
    {
        const std::string failure = MixerLineInfoResultText(
            m_mixer.GetLineInfo(Open.Object(), &Line, Flags), kLineInfoCall);
        if (failure.empty())
            return true;
        m_appendLine(failure);
        return false;
    }

    void ReportDestination(const TOpenMixer& Open, DWORD Destination)
    {
        MIXERLINEA line = LineRequest<MIXERLINEA>();
        line.dwDestination = Destination;
        if (!QueryLine(Open, line, MIXER_GETLINEINFOF_DESTINATION))
            return;
        if (line.dwComponentType != MIXERLINE_COMPONENTTYPE_DST_SPEAKERS)
            return;

        const DWORD lineId = line.dwLineID;
        line = LineRequest<MIXERLINEA>();
        line.dwLineID = lineId;
        if (!QueryLine(Open, line, MIXER_GETLINEINFOF_LINEID))
            return;

        // An error among the controls costs only this line: its message is shown, the walk goes
        // on.
        try {
            ReportVolumeControls(Open, line);
        } catch (const std::exception& error) {
            m_appendLine(error.what());
        }
    }

    // The controls of one speaker line: every volume control's short name and value.
    void ReportVolumeControls(const TOpenMixer& Open, const MIXERLINEA& Line)
    {
        const TQueryResult result =
            QueryLineControls(m_mixer, Open.Object(), Line.dwLineID, Line.cControls, m_controls);
        if (!result)
            ThrowOutOfMemory(Line.cControls, "mixer controls");
        const std::string failure = MixerLineControlsResultText(*result, kLineControlsCall);
        if (!failure.empty()) {
            m_appendLine(failure);
            return;
        }
        for (const MIXERCONTROLA& control : m_controls) {
            if (control.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME)
                ReportVolume(Open, Line, control);
        }
    }

    // Reads one volume control's value and appends it, or the text of the failed read.
    void ReportVolume(const TOpenMixer& Open, const MIXERLINEA& Line, const MIXERCONTROLA& Control)
    {
        m_line.assign("ShortName:");
        m_line.append(Control.szShortName,
                      std::find(Control.szShortName, std::end(Control.szShortName), '\0'));
        m_appendLine(m_line);

        // The line's channel count, as the query has always asked (room for one value where a
        // line reports none).
        const TQueryResult result =
            QueryControlDetails(m_mixer, Open.Object(), Control.dwControlID, Line.cChannels,
                                std::nullopt, MIXER_GETCONTROLDETAILSF_VALUE, m_values);
        if (!result)
            ThrowOutOfMemory(DetailsRecordCount(Line.cChannels, std::nullopt), "channel values");
        const std::string failure = MixerControlDetailsResultText(*result, kControlDetailsCall);
        if (!failure.empty()) {
            m_appendLine(failure);
            return;
        }
        m_line.assign("Volume = ");
        AppendDecimal(m_line, Signed32(m_values[0].dwValue));
        m_appendLine(m_line);
    }

    IMixer& m_mixer;
    const TLineSink& m_appendLine;
    std::vector<MIXERCONTROLA> m_controls;
    std::vector<MIXERCONTROLDETAILS_UNSIGNED> m_values;
    std::string m_line;
};

} // namespace

void RunVolumeReport(IMixer& Mixer, const TLineSink& AppendLine)
{
    TVolumeQuery query(Mixer, AppendLine);
    const UINT deviceCount = Mixer.GetNumDevs();
    for (UINT device = 0; device < deviceCount; ++device)
        query.ReportDevice(device);
}
