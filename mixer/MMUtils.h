// Unit MMUtils: the one-line text a report prints for the result code of a mixer call.
//
// Each checked mixer operation has its own function and wording. Every function returns the empty
// string for MMSYSERR_NOERROR, one complete line for a code it knows, and "Not <Name> Result" for
// any other code. The line and control queries form a chain: each adds the codes of its own
// operation in front of the function it falls back on, and Name travels down the chain unchanged.
#pragma once

#include <string>
#include <string_view>

#include "platform/WinCompat.h"

// The checked calls' names, as the reports print them.
inline constexpr char kCapsCall[] = "mixerGetDevCaps";
inline constexpr char kOpenCall[] = "mixerOpen";
inline constexpr char kLineInfoCall[] = "mixerGetLineInfo";
inline constexpr char kLineControlsCall[] = "mixerGetLineControls";
inline constexpr char kControlDetailsCall[] = "mixerGetControlDetails";
inline constexpr char kGetIdCall[] = "mixerGetID";

/// "Call claims Count = Claimed, over the limit of Limit": a count a driver gave that is not
/// believed (what is past the limit is not read).
std::string OverLimitText(std::string_view Call, std::string_view Count, DWORD Claimed,
                          DWORD Limit);
/// "Call reported success but left its records unwritten".
std::string UnwrittenText(std::string_view Call);
/// What a walk says where it stops because its reads (Limit of them) ran out.
std::string WalkLimitText(DWORD Limit);

/// Text for mixerGetDevCapsA; knows only 2, 5 and 11.
std::string MixerDevCapsResultText(MMRESULT Code, std::string_view Name);
/// Text for mixerOpen.
std::string MixerOpenResultText(MMRESULT Code, std::string_view Name);
/// Text for mixerGetLineInfoA.
std::string MixerLineInfoResultText(MMRESULT Code, std::string_view Name);
/// Text for mixerGetLineControlsA: MIXERR_INVALCONTROL, then the line-info texts.
std::string MixerLineControlsResultText(MMRESULT Code, std::string_view Name);
/// Text for mixerGetControlDetailsA: the line-controls texts.
std::string MixerControlDetailsResultText(MMRESULT Code, std::string_view Name);
