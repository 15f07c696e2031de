// The whole of every mixer: its capabilities, every destination line, every source line under
// each, every control of every line with its current value, per channel and per item. What the
// console tool's --tree and --json show. Read through the seam's wide calls, so names are UTF-8
// text in their own characters. A failed call is kept at the node where it happened and the walk
// goes on with the next node.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "mixer/MMUtils.h"
#include "mixer/MediaNames.h"
#include "mixer/Mixer.h"
#include "mixer/MixerQueries.h"

// What a failure names instead of a call when memory could not be had for what a driver claimed.
inline constexpr char kMemoryFailure[] = "memory";
// What a failure names when the walk's reads (kMostReads) ran out: the walk stopped there.
inline constexpr char kWalkLimit[] = "walk";

/// Something a node could not read: a mixer call that failed; memory that could not be had for
/// what a driver claimed; a call that succeeded but claimed a count over its limit (Count, Claimed
/// and Limit say which, how many and the limit; for kWalkLimit the reads that were left); or a call
/// that reported success without writing the records it was given (Code success, no Count).
struct TMixerFailure {
    std::string Call; // one of the call names of MMUtils.h, kMemoryFailure or kWalkLimit
    MMRESULT Code = MMSYSERR_NOERROR;
    std::string Count; // the field claimed, such as "cDestinations"
    DWORD Claimed = 0, Limit = 0;

    TMixerFailure(std::string FailedCall, MMRESULT Result)
        : Call(std::move(FailedCall)), Code(Result)
    {
    }
    TMixerFailure(std::string Caller, std::string CountClaimed, DWORD ClaimedCount,
                  DWORD CountLimit)
        : Call(std::move(Caller)), Count(std::move(CountClaimed)), Claimed(ClaimedCount),
          Limit(CountLimit)
    {
    }

    bool Unwritten() const { return Code == MMSYSERR_NOERROR && Count.empty(); }
};

struct TMixerControlNode {
    DWORD Id = 0;
    DWORD Type = 0;
    DWORD Flags = 0;
    DWORD MultipleItems = 0;
    std::string ShortName, Name;
    std::int64_t Minimum = 0, Maximum = 0; // signed or unsigned, as the units say
    DWORD Steps = 0;
    /// Values read: for each channel, one per item (one for a control without items). Empty for a
    /// custom control (listed, not read) and when the read failed.
    DWORD Channels = 0;
    std::vector<std::int64_t> Values;
    std::vector<std::string> ItemTexts; // a multiple-item control's items
    std::vector<TMixerFailure> Failures;

    DWORD Items() const { return Flags & MIXERCONTROL_CONTROLF_MULTIPLE ? MultipleItems : 1; }
    /// The value of Item on Channel.
    std::int64_t Value(DWORD Channel, DWORD Item) const { return Values[Channel * Items() + Item]; }
    DWORD Units() const { return Type & MIXERCONTROL_CT_UNITS_MASK; }
    /// Whether a value has a place in the range worth giving as a percentage: not for switches,
    /// custom data or an empty range.
    bool HasPercent() const;
    /// Value's place in the range, in tenths of a percent; for a control that HasPercent.
    std::int64_t PercentTenths(std::int64_t Value) const;
    /// False for a number outside the range the driver gives (a switch's values are any number).
    bool InRange(std::int64_t Value) const;
    /// Whether some value read lies outside the range.
    bool AnyOutOfRange() const;
};

struct TMixerLineNode {
    bool Read = false; // the line's own record was read: without it, only its place is known
    bool IsSource = false;
    DWORD Destination = 0;
    DWORD Source = 0; // for a source line
    DWORD LineId = 0;
    DWORD Flags = 0;
    DWORD ComponentType = 0;
    DWORD Channels = 0;
    DWORD Connections = 0;
    DWORD ControlCount = 0;
    std::string ShortName, Name;
    struct {
        DWORD Type = 0;
        DWORD DeviceId = 0;
        WORD Mid = 0, Pid = 0;
        DWORD DriverVersion = 0;
        std::string Name;
    } Target;
    std::vector<TMixerFailure> Failures; // the line's own query, then its controls' query
    std::vector<TMixerControlNode> Controls;
    std::vector<TMixerLineNode> Sources;
};

/// A wave device and what it belongs to: the mixer device winmm gives it and the identifier of
/// the Core Audio endpoint it plays to or records from (Windows Vista and later).
struct TWaveLink {
    bool Capture = false; // a wave input device; else a wave output device
    UINT WaveIndex = 0;
    std::optional<UINT> MixerIndex;          // nothing: no mixer device, or mixerGetID failed
    std::optional<std::string> EndpointId;   // UTF-8; nothing: none given, or not read
    std::optional<std::string> EndpointName; // its friendly name, where Core Audio lists it
    std::vector<TMixerFailure> Failures;     // at most one: mixerGetID, or a query of the id
};

struct TMixerDeviceNode {
    UINT Index = 0;
    bool CapsRead = false; // without the capabilities, only the index is known
    WORD Mid = 0, Pid = 0;
    DWORD DriverVersion = 0;
    DWORD Support = 0;
    DWORD Destinations = 0;
    std::string Name;                    // as the device reports it, at most 31 characters
    bool NameCut = false;                // the name fills all 31 characters
    std::optional<std::string> FullName; // where Windows keeps the whole of a cut name
    std::string Manufacturer, Product, DriverVersionText; // from the built-in registry
    std::vector<TMixerFailure> Failures;                  // capabilities, then opening
    std::vector<TWaveLink> WaveLinks;                     // the wave devices that are its own
    std::vector<TMixerLineNode> DestinationLines;
};

/// The devices, and the device counts claimed over kMostCounted (those past it are not read).
struct TMixerTree {
    std::vector<TMixerFailure> Failures;
    std::vector<TMixerDeviceNode> Devices;
};

/// Every device's capabilities, without opening any: what --device chooses from.
TMixerTree ReadMixerDevices(IMixer& Mixer, IMediaNames& Names);

/// Opens Device and reads its lines and controls into it, as far as Budget (shared by every device
/// of one walk) goes; every mixer opened is closed. A count over kMostCounted is kept as a failure
/// at its node: lines past it are not read, nor controls or values whose count it is.
void WalkMixerDevice(IMixer& Mixer, TMixerDeviceNode& Device, TReadBudget& Budget);

/// The most an endpoint identifier's size may claim (in bytes; a real one is under 200): a larger
/// one is a claim over the limit.
inline constexpr DWORD kLargestEndpointId = 4 * 1024;

/// Every wave output device, then every wave input device, each with its mixer device and, for
/// those that have one, its endpoint identifier, read no further than the buffer it was given.
/// Without WithEndpointIds (Windows before Vista, which has no endpoints and no messages that
/// name them) the identifiers are not asked for. A device count over kMostCounted goes to Claims.
std::vector<TWaveLink> ReadWaveLinks(IMixer& Mixer, bool WithEndpointIds = true,
                                     std::vector<TMixerFailure>* Claims = nullptr);

/// Gives each of Devices the links whose mixer device it is, in the order of Links (moved there:
/// pass a copy to keep them).
void AttachWaveLinks(std::vector<TMixerDeviceNode>& Devices, std::vector<TWaveLink> Links);

/// Picks the failures to count; null counts every one.
using TFailureFilter = bool (*)(const TMixerFailure&);

/// How many calls failed in the device's tree, its wave links' included (of those Counted picks).
int CountFailures(const TMixerDeviceNode& Device, TFailureFilter Counted = nullptr);
int CountFailures(const TMixerTree& Tree);

/// The device a --device argument names: an index, or a whole name or a unique part of one
/// (case-insensitive). Nothing when none or several match.
std::optional<std::size_t> SelectMixerDevice(const std::vector<TMixerDeviceNode>& Devices,
                                             const std::string& Selector);
