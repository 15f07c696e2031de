// The winmm mixer operations that the reports use, behind an interface: the seven the main
// window's reports call, and the wide forms that the console tool's full walk (MixerTree) reads
// names and list texts in any script with.
//
// WinmmMixer passes each call straight to winmm; tests script a mixer of their own. The seam
// carries the platform's own calls, records and result codes unchanged: callers fill the records
// exactly as they would for winmm and read the result codes with the texts of MMUtils.
#pragma once

#include "platform/WinCompat.h"

class IMixer {
public:
    virtual ~IMixer() = default;

    /// mixerGetNumDevs: device identifiers run from 0 to this number - 1.
    virtual UINT GetNumDevs() = 0;
    /// mixerGetDevCapsA
    virtual MMRESULT GetDevCaps(UINT_PTR DeviceId, MIXERCAPSA* Caps, UINT CapsSize) = 0;
    /// mixerOpen
    virtual MMRESULT Open(HMIXER* Mixer, UINT DeviceId, DWORD_PTR Callback, DWORD_PTR Instance,
                          DWORD Flags) = 0;
    /// mixerGetLineInfoA
    virtual MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEA* Line, DWORD Flags) = 0;
    /// mixerGetLineControlsA
    virtual MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSA* Controls,
                                     DWORD Flags) = 0;
    /// mixerGetControlDetailsA
    virtual MMRESULT GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details,
                                       DWORD Flags) = 0;
    /// mixerClose
    virtual MMRESULT Close(HMIXER Mixer) = 0;

    /// mixerGetDevCapsW, with the extended record (MIXERCAPS2W) or the plain one's size.
    virtual MMRESULT GetDevCapsW(UINT_PTR DeviceId, MIXERCAPS2W* Caps, UINT CapsSize) = 0;
    /// mixerGetLineInfoW
    virtual MMRESULT GetLineInfoW(HMIXEROBJ Mixer, MIXERLINEW* Line, DWORD Flags) = 0;
    /// mixerGetLineControlsW
    virtual MMRESULT GetLineControlsW(HMIXEROBJ Mixer, MIXERLINECONTROLSW* Controls,
                                      DWORD Flags) = 0;
    /// mixerGetControlDetailsW: list texts as MIXERCONTROLDETAILS_LISTTEXTW.
    virtual MMRESULT GetControlDetailsW(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details,
                                        DWORD Flags) = 0;

protected:
    IMixer() = default;
    IMixer(const IMixer&) = default;
    IMixer& operator=(const IMixer&) = default;
};
