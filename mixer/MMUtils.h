// Unit MMUtils: the one-line text a report prints for the result code of a mixer call.
//
// Each checked mixer operation has its own function and wording. Every function returns the empty
// string for MMSYSERR_NOERROR, one complete line for a code it knows, and "Not <Name> Result" for
// any other code. The line and control queries form a chain: each adds the codes of its own
// operation in front of the function it falls back on, and Name travels down the chain unchanged.
#pragma once

#include <string>

#include "platform/WinCompat.h"

/// Text for mixerGetDevCapsA; knows only 2, 5 and 11.
std::string MixerDevCapsResultText(MMRESULT Code, const std::string& Name);
/// Text for mixerOpen.
std::string MixerOpenResultText(MMRESULT Code, const std::string& Name);
/// Text for mixerGetLineInfoA.
std::string MixerLineInfoResultText(MMRESULT Code, const std::string& Name);
/// Text for mixerGetLineControlsA: MIXERR_INVALCONTROL, then the line-info texts.
std::string MixerLineControlsResultText(MMRESULT Code, const std::string& Name);
/// Text for mixerGetControlDetailsA: the line-controls texts.
std::string MixerControlDetailsResultText(MMRESULT Code, const std::string& Name);
