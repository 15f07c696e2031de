#include "mixer/WinmmMixer.h"

#include <type_traits>

#include "platform/Error.h"
#include "platform/SystemLibrary.h"

namespace {

UniqueModule LoadWinmm()
{
    UniqueModule winmm = LoadSystemLibrary(L"winmm.dll");
    if (!winmm)
        throw TError("The multimedia library winmm.dll could not be loaded.");
    return winmm;
}

// The winmm function Name as a pointer of its own declared type.
template <typename Pointer>
void Bind(HMODULE Module, const char* Name, Pointer& Function)
{
    Function = RequireProc<std::remove_pointer_t<Pointer>>(Module, "winmm.dll", Name);
}

} // namespace

WinmmMixer::WinmmMixer() : m_winmm(LoadWinmm())
{
    const HMODULE winmm = m_winmm.get();
    Bind(winmm, "mixerGetNumDevs", m_getNumDevs);
    Bind(winmm, "mixerGetDevCapsA", m_getDevCapsA);
    Bind(winmm, "mixerGetDevCapsW", m_getDevCapsW);
    Bind(winmm, "mixerOpen", m_open);
    Bind(winmm, "mixerGetLineInfoA", m_getLineInfoA);
    Bind(winmm, "mixerGetLineInfoW", m_getLineInfoW);
    Bind(winmm, "mixerGetLineControlsA", m_getLineControlsA);
    Bind(winmm, "mixerGetLineControlsW", m_getLineControlsW);
    Bind(winmm, "mixerGetControlDetailsW", m_getControlDetailsW);
    Bind(winmm, "mixerClose", m_close);
    Bind(winmm, "mixerGetID", m_getId);
    Bind(winmm, "waveOutGetNumDevs", m_waveOutGetNumDevs);
    Bind(winmm, "waveInGetNumDevs", m_waveInGetNumDevs);
    Bind(winmm, "waveOutMessage", m_waveOutMessage);
    Bind(winmm, "waveInMessage", m_waveInMessage);
}

IMixer& SystemMixer()
{
    static WinmmMixer mixer;
    return mixer;
}
