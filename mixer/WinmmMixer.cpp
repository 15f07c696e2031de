#include "mixer/WinmmMixer.h"

#include <stdexcept>

#include "platform/SystemLibrary.h"

namespace {

UniqueModule LoadWinmm()
{
    UniqueModule winmm = LoadSystemLibrary(L"winmm.dll");
    if (!winmm)
        throw std::runtime_error("The multimedia library winmm.dll could not be loaded.");
    return winmm;
}

template <typename Function>
Function* Bind(HMODULE Module, const char* Name)
{
    return RequireProc<Function>(Module, "winmm.dll", Name);
}

} // namespace

WinmmMixer::WinmmMixer()
    : m_winmm(LoadWinmm()),
      m_getNumDevs(Bind<decltype(mixerGetNumDevs)>(m_winmm.get(), "mixerGetNumDevs")),
      m_getDevCaps(Bind<decltype(mixerGetDevCapsA)>(m_winmm.get(), "mixerGetDevCapsA")),
      m_open(Bind<decltype(mixerOpen)>(m_winmm.get(), "mixerOpen")),
      m_getLineInfo(Bind<decltype(mixerGetLineInfoA)>(m_winmm.get(), "mixerGetLineInfoA")),
      m_getLineControls(
          Bind<decltype(mixerGetLineControlsA)>(m_winmm.get(), "mixerGetLineControlsA")),
      m_getControlDetails(
          Bind<decltype(mixerGetControlDetailsA)>(m_winmm.get(), "mixerGetControlDetailsA")),
      m_close(Bind<decltype(mixerClose)>(m_winmm.get(), "mixerClose"))
{
}

UINT WinmmMixer::GetNumDevs()
{
    return m_getNumDevs();
}

MMRESULT WinmmMixer::GetDevCaps(UINT_PTR DeviceId, MIXERCAPSA* Caps, UINT CapsSize)
{
    return m_getDevCaps(DeviceId, Caps, CapsSize);
}

MMRESULT WinmmMixer::Open(HMIXER* Mixer, UINT DeviceId, DWORD_PTR Callback, DWORD_PTR Instance,
                          DWORD Flags)
{
    return m_open(Mixer, DeviceId, Callback, Instance, Flags);
}

MMRESULT WinmmMixer::GetLineInfo(HMIXEROBJ Mixer, MIXERLINEA* Line, DWORD Flags)
{
    return m_getLineInfo(Mixer, Line, Flags);
}

MMRESULT WinmmMixer::GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSA* Controls, DWORD Flags)
{
    return m_getLineControls(Mixer, Controls, Flags);
}

MMRESULT WinmmMixer::GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags)
{
    return m_getControlDetails(Mixer, Details, Flags);
}

MMRESULT WinmmMixer::Close(HMIXER Mixer)
{
    return m_close(Mixer);
}

IMixer& SystemMixer()
{
    static WinmmMixer mixer;
    return mixer;
}
