// The winmm mixer operations the program uses, behind an interface.
//
// WinmmMixer passes each call straight to winmm; tests script a mixer of their own. The seam
// carries the platform's own calls, records and result codes unchanged: callers fill the records
// exactly as they would for winmm and read the result codes with the texts of MMUtils. Where
// winmm has an ANSI and a wide form, both are here as overloads on the record: the main window's
// reports print the ANSI names, the console tool's tree reads names in any script. The wave
// calls serve only to find which mixer device and which Core Audio endpoint a wave device is.
#pragma once

#include "platform/WinCompat.h"

// The messages of mmddk.h that ask a wave device for its Core Audio endpoint's identifier
// (Windows Vista and later): its size in bytes, terminator included, then the wide text.
inline constexpr UINT kQueryFunctionInstanceId = DRV_RESERVED + 17;
inline constexpr UINT kQueryFunctionInstanceIdSize = DRV_RESERVED + 18;

class IMixer {
public:
    virtual ~IMixer() = default;

    /// mixerGetNumDevs: device identifiers run from 0 to this number - 1.
    virtual UINT GetNumDevs() = 0;
    /// mixerGetDevCapsA
    virtual MMRESULT GetDevCaps(UINT_PTR DeviceId, MIXERCAPSA* Caps, UINT CapsSize) = 0;
    /// mixerGetDevCapsW, with the extended record (MIXERCAPS2W) or the plain one's size.
    virtual MMRESULT GetDevCaps(UINT_PTR DeviceId, MIXERCAPS2W* Caps, UINT CapsSize) = 0;
    /// mixerOpen
    virtual MMRESULT Open(HMIXER* Mixer, UINT DeviceId, DWORD_PTR Callback, DWORD_PTR Instance,
                          DWORD Flags) = 0;
    /// mixerGetLineInfoA
    virtual MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEA* Line, DWORD Flags) = 0;
    /// mixerGetLineInfoW
    virtual MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEW* Line, DWORD Flags) = 0;
    /// mixerGetLineControlsA
    virtual MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSA* Controls,
                                     DWORD Flags) = 0;
    /// mixerGetLineControlsW
    virtual MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSW* Controls,
                                     DWORD Flags) = 0;
    /// mixerGetControlDetailsW: values (the same records in both forms) and list texts as
    /// MIXERCONTROLDETAILS_LISTTEXTW.
    virtual MMRESULT GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details,
                                       DWORD Flags) = 0;
    /// mixerClose
    virtual MMRESULT Close(HMIXER Mixer) = 0;
    /// mixerGetID: the mixer device of Object, here a wave device's identifier cast to the handle
    /// type (Flags MIXER_OBJECTF_WAVEOUT or _WAVEIN).
    virtual MMRESULT GetID(HMIXEROBJ Object, UINT* MixerId, DWORD Flags) = 0;
    /// waveOutGetNumDevs, waveInGetNumDevs
    virtual UINT WaveOutGetNumDevs() = 0;
    virtual UINT WaveInGetNumDevs() = 0;
    /// waveOutMessage, waveInMessage, to a device identifier cast to the handle type.
    virtual MMRESULT WaveOutMessage(HWAVEOUT Device, UINT Message, DWORD_PTR First,
                                    DWORD_PTR Second) = 0;
    virtual MMRESULT WaveInMessage(HWAVEIN Device, UINT Message, DWORD_PTR First,
                                   DWORD_PTR Second) = 0;

protected:
    IMixer() = default;
    IMixer(const IMixer&) = default;
    IMixer& operator=(const IMixer&) = default;
};
