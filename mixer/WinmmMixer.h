// The mixer seam's Windows side: every operation is the winmm call of the same name.
//
// winmm is not one of the DLLs Windows always takes from its own folder, so it is bound at run
// time from the system folder rather than imported (see SystemLibrary).
#pragma once

#include "mixer/Mixer.h"
#include "platform/WinHandles.h"

class WinmmMixer final : public IMixer {
public:
    /// Binds the calls; throws TError when winmm or one of them is missing.
    WinmmMixer();

    UINT GetNumDevs() override { return m_getNumDevs(); }
    MMRESULT GetDevCaps(UINT_PTR DeviceId, MIXERCAPSA* Caps, UINT CapsSize) override
    {
        return m_getDevCapsA(DeviceId, Caps, CapsSize);
    }
    MMRESULT GetDevCaps(UINT_PTR DeviceId, MIXERCAPS2W* Caps, UINT CapsSize) override
    {
        return m_getDevCapsW(DeviceId, reinterpret_cast<MIXERCAPSW*>(Caps), CapsSize);
    }
    MMRESULT Open(HMIXER* Mixer, UINT DeviceId, DWORD_PTR Callback, DWORD_PTR Instance,
                  DWORD Flags) override
    {
        return m_open(Mixer, DeviceId, Callback, Instance, Flags);
    }
    MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEA* Line, DWORD Flags) override
    {
        return m_getLineInfoA(Mixer, Line, Flags);
    }
    MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEW* Line, DWORD Flags) override
    {
        return m_getLineInfoW(Mixer, Line, Flags);
    }
    MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSA* Controls, DWORD Flags) override
    {
        return m_getLineControlsA(Mixer, Controls, Flags);
    }
    MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSW* Controls, DWORD Flags) override
    {
        return m_getLineControlsW(Mixer, Controls, Flags);
    }
    MMRESULT GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags) override
    {
        return m_getControlDetailsW(Mixer, Details, Flags);
    }
    MMRESULT Close(HMIXER Mixer) override { return m_close(Mixer); }
    MMRESULT GetID(HMIXEROBJ Object, UINT* MixerId, DWORD Flags) override
    {
        return m_getId(Object, MixerId, Flags);
    }
    UINT WaveOutGetNumDevs() override { return m_waveOutGetNumDevs(); }
    UINT WaveInGetNumDevs() override { return m_waveInGetNumDevs(); }
    MMRESULT WaveOutMessage(HWAVEOUT Device, UINT Message, DWORD_PTR First,
                            DWORD_PTR Second) override
    {
        return m_waveOutMessage(Device, Message, First, Second);
    }
    MMRESULT WaveInMessage(HWAVEIN Device, UINT Message, DWORD_PTR First, DWORD_PTR Second) override
    {
        return m_waveInMessage(Device, Message, First, Second);
    }

private:
    UniqueModule m_winmm;
    decltype(&mixerGetNumDevs) m_getNumDevs;
    decltype(&mixerGetDevCapsA) m_getDevCapsA;
    decltype(&mixerGetDevCapsW) m_getDevCapsW;
    decltype(&mixerOpen) m_open;
    decltype(&mixerGetLineInfoA) m_getLineInfoA;
    decltype(&mixerGetLineInfoW) m_getLineInfoW;
    decltype(&mixerGetLineControlsA) m_getLineControlsA;
    decltype(&mixerGetLineControlsW) m_getLineControlsW;
    decltype(&mixerGetControlDetailsW) m_getControlDetailsW;
    decltype(&mixerClose) m_close;
    decltype(&mixerGetID) m_getId;
    decltype(&waveOutGetNumDevs) m_waveOutGetNumDevs;
    decltype(&waveInGetNumDevs) m_waveInGetNumDevs;
    decltype(&waveOutMessage) m_waveOutMessage;
    decltype(&waveInMessage) m_waveInMessage;
};

/// The system's mixer for the program's reports: bound on first use, kept for the whole run.
IMixer& SystemMixer();
