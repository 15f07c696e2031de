// The published names of the mixer's numbers, as the console tool's tree shows them: control
// types, their classes and units, line component types, target types and result codes.
#pragma once

#include <string>

#include "platform/WinCompat.h"

/// "VOLUME", "MUTE", ... (MIXERCONTROL_CONTROLTYPE_ less its prefix); "0x........" for others.
std::string ControlTypeName(DWORD Type);
/// "FADER", "SWITCH", ... (MIXERCONTROL_CT_CLASS_).
std::string ControlClassName(DWORD Type);
/// "BOOLEAN", "SIGNED", "UNSIGNED", "DECIBELS", "PERCENT" or "CUSTOM" (MIXERCONTROL_CT_UNITS_).
std::string ControlUnitsName(DWORD Type);
/// "DST_SPEAKERS", "SRC_WAVEOUT", ... (MIXERLINE_COMPONENTTYPE_ less its prefix).
std::string ComponentTypeName(DWORD Type);
/// "UNDEFINED", "WAVEOUT", "WAVEIN", "MIDIOUT", "MIDIIN", "AUX" (MIXERLINE_TARGETTYPE_).
std::string TargetTypeName(DWORD Type);
/// "MMSYSERR_NOERROR", "MIXERR_INVALLINE", ...; "MMRESULT <n>" for a code without a name.
std::string MixerResultName(MMRESULT Code);
