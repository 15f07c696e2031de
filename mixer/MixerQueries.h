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

/// A query's result code; nothing when the memory for the records a driver's count asks for
/// could not be had (the query was then not made).
using TQueryResult = std::optional<MMRESULT>;

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
/// holds the records the driver says it filled, never more than it was handed. A line without
/// controls is not asked (winmm refuses a count of 0): no error and no records.
template <typename Control>
TQueryResult QueryLineControls(IMixer& Mixer, HMIXEROBJ Object, DWORD LineId, DWORD Count,
                               std::vector<Control>& Controls)
{
    Controls.clear();
    if (Count == 0)
        return MMSYSERR_NOERROR;
    if (!TryZeroFill(Controls, Count))
        return std::nullopt;
    typename TLineControlsFor<Control>::Type request{};
    request.cbStruct = sizeof request;
    request.dwLineID = LineId;
    request.cControls = Count;
    request.cbmxctrl = sizeof(Control);
    request.pamxctrl = Controls.data();
    const MMRESULT result = Mixer.GetLineControls(Object, &request, MIXER_GETLINECONTROLSF_ALL);
    Controls.resize(
        result == MMSYSERR_NOERROR ? std::min<std::size_t>(request.cControls, Controls.size()) : 0);
    return result;
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
        return std::nullopt;
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = ControlId;
    details.cChannels = Channels;
    details.cMultipleItems = MultipleItems.value_or(0);
    details.cbDetails = sizeof(Record);
    details.paDetails = Records.data();
    return Mixer.GetControlDetails(Object, &details, Flags);
}
