// The mixer seam's Windows side: every operation is the winmm call of the same name.
//
// winmm is not one of the DLLs Windows always takes from its own folder, so it is bound at run
// time from the system folder rather than imported (see SystemLibrary).
#pragma once

#include "mixer/Mixer.h"
#include "mixer/MixerTree.h"
#include "platform/WinHandles.h"

class WinmmMixer final : public IMixer {
public:
    /// Binds the calls; throws TError when winmm or one of them is missing.
    WinmmMixer();

    UINT GetNumDevs() override;
    MMRESULT GetDevCaps(UINT_PTR DeviceId, MIXERCAPSA* Caps, UINT CapsSize) override;
    MMRESULT Open(HMIXER* Mixer, UINT DeviceId, DWORD_PTR Callback, DWORD_PTR Instance,
                  DWORD Flags) override;
    MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEA* Line, DWORD Flags) override;
    MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSA* Controls, DWORD Flags) override;
    MMRESULT GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags) override;
    MMRESULT Close(HMIXER Mixer) override;
    MMRESULT GetDevCapsW(UINT_PTR DeviceId, MIXERCAPS2W* Caps, UINT CapsSize) override;
    MMRESULT GetLineInfoW(HMIXEROBJ Mixer, MIXERLINEW* Line, DWORD Flags) override;
    MMRESULT GetLineControlsW(HMIXEROBJ Mixer, MIXERLINECONTROLSW* Controls, DWORD Flags) override;
    MMRESULT GetControlDetailsW(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details,
                                DWORD Flags) override;

private:
    UniqueModule m_winmm;
    decltype(&mixerGetNumDevs) m_getNumDevs;
    decltype(&mixerGetDevCapsA) m_getDevCaps;
    decltype(&mixerOpen) m_open;
    decltype(&mixerGetLineInfoA) m_getLineInfo;
    decltype(&mixerGetLineControlsA) m_getLineControls;
    decltype(&mixerGetControlDetailsA) m_getControlDetails;
    decltype(&mixerClose) m_close;
    decltype(&mixerGetDevCapsW) m_getDevCapsW;
    decltype(&mixerGetLineInfoW) m_getLineInfoW;
    decltype(&mixerGetLineControlsW) m_getLineControlsW;
    decltype(&mixerGetControlDetailsW) m_getControlDetailsW;
};

/// Full device names as Windows keeps them: the Name value of the GUID's key under
/// HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\MediaCategories.
class RegistryMediaNames final : public IMediaNames {
public:
    std::optional<std::string> NameOf(const GUID& Guid) override;
};

/// The system's mixer for the program's reports: bound on first use, kept for the whole run.
IMixer& SystemMixer();
