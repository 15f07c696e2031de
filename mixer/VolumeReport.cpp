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
#include "platform/TextEscape.h"

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
        AppendEscaped(m_line, FixedTextView(caps.szPname), TTextEscape::BareAnsi);
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
        const DWORD destinations = Capped(caps.cDestinations, kCapsCall, "cDestinations");
        for (DWORD destination = 0; destination < destinations && !m_budget.Spent(); ++destination)
            ReportDestination(open, destination);
        open.Close();
    }

    /// Claimed, capped at kMostCounted; a larger claim (Count, from Call) is reported.
    DWORD Capped(DWORD Claimed, const char* Call, const char* Count)
    {
        if (Claimed <= kMostCounted)
            return Claimed;
        m_appendLine(OverLimitText(Call, Count, Claimed, kMostCounted));
        return kMostCounted;
    }

    /// Takes Reads from the run's budget; where it runs out, says so once.
    bool Budgeted(std::uint64_t Reads)
    {
        const bool wasSpent = m_budget.Spent();
        if (m_budget.Take(Reads))
            return true;
        if (!wasSpent)
            m_appendLine(WalkLimitText(kMostReads));
        return false;
    }

    bool Spent() const { return m_budget.Spent(); }

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
        if (!Budgeted(2))
            return;
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
        if (Line.cControls != Capped(Line.cControls, kLineInfoCall, "cControls") ||
            !Budgeted(Line.cControls))
            return;
        const TQueryResult result =
            QueryLineControls(m_mixer, Open.Object(), Line.dwLineID, Line.cControls, m_controls);
        if (result.Outcome == TQueryResult::kNoMemory)
            ThrowOutOfMemory(Line.cControls, "mixer controls");
        // Those written are reported even when the driver left others unwritten.
        if (result.Outcome == TQueryResult::kUnwritten)
            m_appendLine(UnwrittenText(kLineControlsCall));
        const std::string failure = MixerLineControlsResultText(result.Code, kLineControlsCall);
        if (!failure.empty()) {
            m_appendLine(failure);
            return;
        }
        for (const MIXERCONTROLA& control : m_controls) {
            if (control.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME && !m_budget.Spent())
                ReportVolume(Open, Line, control);
        }
    }

    // Reads one volume control's value and appends it, or the text of the failed read.
    void ReportVolume(const TOpenMixer& Open, const MIXERLINEA& Line, const MIXERCONTROLA& Control)
    {
        m_line.assign("ShortName:");
        AppendEscaped(m_line, FixedTextView(Control.szShortName), TTextEscape::BareAnsi);
        m_appendLine(m_line);

        // The line's channel count, as the query has always asked (room for one value where a
        // line reports none).
        if (Line.cChannels != Capped(Line.cChannels, kLineInfoCall, "cChannels") ||
            !Budgeted(DetailsRecordCount(Line.cChannels, std::nullopt)))
            return;
        const TQueryResult result =
            QueryControlDetails(m_mixer, Open.Object(), Control.dwControlID, Line.cChannels,
                                std::nullopt, MIXER_GETCONTROLDETAILSF_VALUE, m_values);
        if (result.Outcome == TQueryResult::kNoMemory)
            ThrowOutOfMemory(DetailsRecordCount(Line.cChannels, std::nullopt), "channel values");
        const std::string failure = MixerControlDetailsResultText(result.Code, kControlDetailsCall);
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
    TReadBudget m_budget; // one for the whole run, over every device
};

} // namespace

void RunVolumeReport(IMixer& Mixer, const TLineSink& AppendLine)
{
    TVolumeQuery query(Mixer, AppendLine);
    const UINT deviceCount = query.Capped(Mixer.GetNumDevs(), "mixerGetNumDevs", "devices");
    for (UINT device = 0; device < deviceCount && !query.Spent(); ++device)
        query.ReportDevice(device);
}
