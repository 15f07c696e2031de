#include "mixer/WinmmMixer.h"

#include "platform/Format.h"
#include "platform/SystemLibrary.h"
#include "platform/WinText.h"
#include "platform/Error.h"

namespace {

UniqueModule LoadWinmm()
{
    UniqueModule winmm = LoadSystemLibrary(L"winmm.dll");
    if (!winmm)
        throw TError("The multimedia library winmm.dll could not be loaded.");
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
      m_close(Bind<decltype(mixerClose)>(m_winmm.get(), "mixerClose")),
      m_getDevCapsW(Bind<decltype(mixerGetDevCapsW)>(m_winmm.get(), "mixerGetDevCapsW")),
      m_getLineInfoW(Bind<decltype(mixerGetLineInfoW)>(m_winmm.get(), "mixerGetLineInfoW")),
      m_getLineControlsW(
          Bind<decltype(mixerGetLineControlsW)>(m_winmm.get(), "mixerGetLineControlsW")),
      m_getControlDetailsW(
          Bind<decltype(mixerGetControlDetailsW)>(m_winmm.get(), "mixerGetControlDetailsW"))
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

MMRESULT WinmmMixer::GetDevCapsW(UINT_PTR DeviceId, MIXERCAPS2W* Caps, UINT CapsSize)
{
    return m_getDevCapsW(DeviceId, reinterpret_cast<MIXERCAPSW*>(Caps), CapsSize);
}

MMRESULT WinmmMixer::GetLineInfoW(HMIXEROBJ Mixer, MIXERLINEW* Line, DWORD Flags)
{
    return m_getLineInfoW(Mixer, Line, Flags);
}

MMRESULT WinmmMixer::GetLineControlsW(HMIXEROBJ Mixer, MIXERLINECONTROLSW* Controls, DWORD Flags)
{
    return m_getLineControlsW(Mixer, Controls, Flags);
}

MMRESULT WinmmMixer::GetControlDetailsW(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags)
{
    return m_getControlDetailsW(Mixer, Details, Flags);
}

std::optional<std::string> RegistryMediaNames::NameOf(const GUID& Guid)
{
    const std::string key = Format("SYSTEM\\CurrentControlSet\\Control\\MediaCategories\\"
                                   "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                                   static_cast<unsigned long>(Guid.Data1), Guid.Data2, Guid.Data3,
                                   Guid.Data4[0], Guid.Data4[1], Guid.Data4[2], Guid.Data4[3],
                                   Guid.Data4[4], Guid.Data4[5], Guid.Data4[6], Guid.Data4[7]);
    UniqueKey category;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_QUERY_VALUE, category.put()) !=
        ERROR_SUCCESS)
        return std::nullopt;
    wchar_t name[256] = {};
    DWORD type = 0;
    DWORD size = sizeof name - sizeof name[0]; // room for a NUL the value may lack
    if (RegQueryValueExW(category.get(), L"Name", nullptr, &type, reinterpret_cast<BYTE*>(name),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    const std::wstring text(name, wcsnlen(name, size / sizeof name[0]));
    if (text.empty())
        return std::nullopt;
    return WideToUtf8(text);
}

IMixer& SystemMixer()
{
    static WinmmMixer mixer;
    return mixer;
}
