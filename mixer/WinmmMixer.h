// The mixer seam's Windows side: every operation is the winmm call of the same name.
//
// winmm is not one of the DLLs Windows always takes from its own folder, so it is bound at run
// time from the system folder rather than imported (see SystemLibrary).
#pragma once

#include "mixer/Mixer.h"
#include "platform/WinHandles.h"

class WinmmMixer final : public IMixer {
public:
    /// Binds the seven calls; throws std::runtime_error when winmm or one of them is missing.
    WinmmMixer();

    UINT GetNumDevs() override;
    MMRESULT GetDevCaps(UINT_PTR DeviceId, MIXERCAPSA* Caps, UINT CapsSize) override;
    MMRESULT Open(HMIXER* Mixer, UINT DeviceId, DWORD_PTR Callback, DWORD_PTR Instance,
                  DWORD Flags) override;
    MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEA* Line, DWORD Flags) override;
    MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSA* Controls, DWORD Flags) override;
    MMRESULT GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags) override;
    MMRESULT Close(HMIXER Mixer) override;

private:
    UniqueModule m_winmm;
    decltype(&mixerGetNumDevs) m_getNumDevs;
    decltype(&mixerGetDevCapsA) m_getDevCaps;
    decltype(&mixerOpen) m_open;
    decltype(&mixerGetLineInfoA) m_getLineInfo;
    decltype(&mixerGetLineControlsA) m_getLineControls;
    decltype(&mixerGetControlDetailsA) m_getControlDetails;
    decltype(&mixerClose) m_close;
};

/// The system's mixer for the program's reports: bound on first use, kept for the whole run.
IMixer& SystemMixer();
