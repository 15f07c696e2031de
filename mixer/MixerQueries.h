// The mixer queries that both walks make (the main window's volume query over the ANSI records,
// the console tool's tree over the wide ones), each request filled one way and guarded against
// what drivers answer: the records zero-filled first, since some drivers report success without
// writing them; a driver's count trusted no further than the array it was handed.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <optional>
#include <vector>

#include "mixer/Mixer.h"

/// Makes Records Count zero-filled records, reusing its memory where it can. A driver may claim
/// any count: false, and Records as it was, when the memory cannot be had or no vector can hold
/// that many.
template <typename Record>
bool TryZeroFill(std::vector<Record>& Records, std::uint64_t Count) noexcept
{
    if (Count > Records.max_size())
        return false;
    try {
        Records.assign(static_cast<std::size_t>(Count), Record{});
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

/// The most of anything a driver counts that a walk reads: devices, destinations, source lines,
/// controls, channels, items. Far above any real mixer; a larger claim is shown as such.
inline constexpr DWORD kMostCounted = 256;
/// The most reads one walk makes in all (lines, controls, and value and text records), however a
/// driver's counts multiply: time and memory stay bounded whatever it claims.
inline constexpr DWORD kMostReads = 1 << 18;

/// What a walk may still read. Once a read is refused the walk is over: it reads nothing more.
class TReadBudget {
public:
    /// Takes Reads from what is left; false, and the walk over, when fewer are left.
    bool Take(std::uint64_t Reads)
    {
        if (m_spent || Reads > m_left) {
            m_spent = true;
            return false;
        }
        m_left -= Reads;
        return true;
    }
    bool Spent() const { return m_spent; }

private:
    std::uint64_t m_left = kMostReads;
    bool m_spent = false;
};

/// How a query went: answered with a result code; not made, when the memory for the records a
/// driver's count asks for could not be had; or answered with success but the records left as
/// they were.
struct TQueryResult {
    enum TOutcome { kAnswered, kNoMemory, kUnwritten };
    TOutcome Outcome = kAnswered;
    MMRESULT Code = MMSYSERR_NOERROR;
    TQueryResult(MMRESULT Answer) : Code(Answer) {}
    TQueryResult(TOutcome Other) : Outcome(Other) {}
};

/// Whether a record a call reported as filled is byte for byte as it was handed over: never
/// written. (A size field tells nothing: Wine's drivers fill the rest of a control record and
/// leave its cbStruct alone.)
template <typename Record>
bool IsAsHandedOver(const Record& Written, const Record& Handed = Record{})
{
    const auto* written = reinterpret_cast<const unsigned char*>(&Written);
    return std::equal(written, written + sizeof Written,
                      reinterpret_cast<const unsigned char*>(&Handed));
}

template <typename Control>
struct TLineControlsFor;
template <>
struct TLineControlsFor<MIXERCONTROLA> {
    using Type = MIXERLINECONTROLSA;
};
template <>
struct TLineControlsFor<MIXERCONTROLW> {
    using Type = MIXERLINECONTROLSW;
};

/// A line record (MIXERLINEA or MIXERLINEW) for a query: empty but for its size.
template <typename Line>
Line LineRequest()
{
    Line line{};
    line.cbStruct = sizeof line;
    return line;
}

/// Every control of line LineId, which claims Count of them, into Controls; afterwards Controls
/// holds the records the driver says it filled, never more than it was handed; when it reported
/// success but left records as they were handed (zero-filled), those before the first such and
/// kUnwritten. A line without
/// controls is not asked (winmm refuses a count of 0): no error and no records.
template <typename Control>
TQueryResult QueryLineControls(IMixer& Mixer, HMIXEROBJ Object, DWORD LineId, DWORD Count,
                               std::vector<Control>& Controls)
{
    Controls.clear();
    if (Count == 0)
        return MMSYSERR_NOERROR;
    if (!TryZeroFill(Controls, Count))
        return TQueryResult::kNoMemory;
    typename TLineControlsFor<Control>::Type request{};
    request.cbStruct = sizeof request;
    request.dwLineID = LineId;
    request.cControls = Count;
    request.cbmxctrl = sizeof(Control);
    request.pamxctrl = Controls.data();
    const MMRESULT result = Mixer.GetLineControls(Object, &request, MIXER_GETLINECONTROLSF_ALL);
    Controls.resize(
        result == MMSYSERR_NOERROR ? std::min<std::size_t>(request.cControls, Controls.size()) : 0);
    const auto unwritten =
        std::find_if(Controls.begin(), Controls.end(),
                     [](const Control& Record) { return IsAsHandedOver(Record); });
    if (unwritten == Controls.end())
        return result;
    Controls.erase(unwritten, Controls.end());
    return TQueryResult::kUnwritten;
}

/// How many records a details query fills: one per channel (and room for one where a line
/// reports none), and for a multiple-item control one per channel and item. Counted in 64 bits,
/// so that what a driver claims cannot wrap round to a small allocation on 32-bit Windows.
constexpr std::uint64_t DetailsRecordCount(DWORD Channels, std::optional<DWORD> MultipleItems)
{
    return std::uint64_t{std::max<DWORD>(Channels, 1)} * MultipleItems.value_or(1);
}
static_assert(DetailsRecordCount(0x10000, 0x10001) == 0x100010000, "no 32-bit wrap");

/// The values (Flags MIXER_GETCONTROLDETAILSF_VALUE) or item texts (_LISTTEXT) of control
/// ControlId on Channels channels into Records, DetailsRecordCount of them. MultipleItems is the
/// item count of a multiple-item control (which may be 0), nothing for any other control.
template <typename Record>
TQueryResult QueryControlDetails(IMixer& Mixer, HMIXEROBJ Object, DWORD ControlId, DWORD Channels,
                                 std::optional<DWORD> MultipleItems, DWORD Flags,
                                 std::vector<Record>& Records)
{
    if (!TryZeroFill(Records, DetailsRecordCount(Channels, MultipleItems)))
        return TQueryResult::kNoMemory;
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = ControlId;
    details.cChannels = Channels;
    details.cMultipleItems = MultipleItems.value_or(0);
    details.cbDetails = sizeof(Record);
    details.paDetails = Records.data();
    return Mixer.GetControlDetails(Object, &details, Flags);
}
