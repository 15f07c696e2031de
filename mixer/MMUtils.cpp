#include "mixer/MMUtils.h"

namespace {

// Built by concatenation: a name is data and never part of a format.
std::string UnknownResultText(std::string_view Name)
{
    return "Not " + std::string(Name) + " Result";
}

} // namespace

std::string OverLimitText(std::string_view Call, std::string_view Count, DWORD Claimed, DWORD Limit)
{
    return std::string(Call) + " claims " + std::string(Count) + " = " + std::to_string(Claimed) +
           ", over the limit of " + std::to_string(Limit);
}

std::string UnwrittenText(std::string_view Call)
{
    return std::string(Call) + " reported success but left its records unwritten";
}

std::string WalkLimitText(DWORD Limit)
{
    return "not read, nor anything after it: the walk makes at most " + std::to_string(Limit) +
           " reads";
}

std::string MixerDevCapsResultText(MMRESULT Code, std::string_view Name)
{
    switch (Code) {
    case MMSYSERR_NOERROR:
        return {};
    case MMSYSERR_BADDEVICEID:
        return "MMSYSERR_BADDEVICEID: The specified device identifier is out of range.";
    case MMSYSERR_INVALHANDLE:
        return "MMSYSERR_INVALHANDLE: The mixer device handle is invalid.";
    case MMSYSERR_INVALPARAM:
        return "MMSYSERR_INVALPARAM: One or more parameters are invalid.";
    default:
        return UnknownResultText(Name);
    }
}

std::string MixerOpenResultText(MMRESULT Code, std::string_view Name)
{
    switch (Code) {
    case MMSYSERR_NOERROR:
        return {};
    case MMSYSERR_BADDEVICEID:
        return "MMSYSERR_BADDEVICEID: The uMxId parameter specifies an invalid device identifier.";
    case MMSYSERR_ALLOCATED:
        return "MMSYSERR_ALLOCATED: The specified resource is already allocated by the maximum "
               "number of clients possible.";
    case MMSYSERR_INVALHANDLE:
        return "MMSYSERR_INVALHANDLE: The uMxId parameter specifies an invalid handle.";
    case MMSYSERR_NODRIVER:
        // Two blanks before "- 1", as the program has always printed it.
        return "MMSYSERR_NODRIVER: No mixer device is available for the object specified by "
               "uMxId. Note that the location referenced by uMxId will also contain the value  - "
               "1.";
    case MMSYSERR_NOMEM:
        return "MMSYSERR_NOMEM: Unable to allocate resources.";
    case MMSYSERR_INVALFLAG:
        return "MMSYSERR_INVALFLAG: One or more flags are invalid.";
    case MMSYSERR_INVALPARAM:
        return "MMSYSERR_INVALPARAM: One or more parameters are invalid.";
    default:
        return UnknownResultText(Name);
    }
}

std::string MixerLineInfoResultText(MMRESULT Code, std::string_view Name)
{
    switch (Code) {
    case MMSYSERR_NOERROR:
        return {};
    case MMSYSERR_BADDEVICEID:
        return "MMSYSERR_BADDEVICEID: The hmxobj parameter specifies an invalid device identifier.";
    case MMSYSERR_INVALHANDLE:
        return "MMSYSERR_INVALHANDLE: The hmxobj parameter specifies an invalid handle.";
    case MMSYSERR_NODRIVER:
        return "MMSYSERR_NODRIVER: No mixer device is available for the object specified by "
               "hmxobj.";
    case MMSYSERR_INVALFLAG:
        return "MMSYSERR_INVALFLAG: One or more flags are invalid.";
    case MMSYSERR_INVALPARAM:
        return "MMSYSERR_INVALPARAM: One or more parameters are invalid.";
    case MIXERR_INVALLINE:
        return "MIXERR_INVALLINE: The audio line reference is invalid.";
    default:
        return UnknownResultText(Name);
    }
}

std::string MixerLineControlsResultText(MMRESULT Code, std::string_view Name)
{
    if (Code == MIXERR_INVALCONTROL)
        return "MIXERR_INVALCONTROL: The control reference is invalid.";
    return MixerLineInfoResultText(Code, Name);
}

std::string MixerControlDetailsResultText(MMRESULT Code, std::string_view Name)
{
    return MixerLineControlsResultText(Code, Name);
}
