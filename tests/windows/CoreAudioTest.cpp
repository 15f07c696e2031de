// The Core Audio side's wrappers over what the system hands back, given objects of the test's own:
// Wine's endpoint volume is a stub that is never muted, so only these show what is passed on.
#include <gtest/gtest.h>

#include <windows.h>

#include <endpointvolume.h>

#include "audio/CoreAudio.h"

namespace {

/// An endpoint volume that is muted and whose scalar answers S_OK without writing; every other
/// call is not implemented. Counts its references.
class MutedVolume : public IAudioEndpointVolume {
public:
    ULONG References = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** Object) override
    {
        *Object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++References; }
    ULONG STDMETHODCALLTYPE Release() override { return --References; }

    HRESULT STDMETHODCALLTYPE GetMute(BOOL* Muted) override
    {
        *Muted = TRUE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetMasterVolumeLevelScalar(float*) override { return S_OK; }

    HRESULT STDMETHODCALLTYPE RegisterControlChangeNotify(IAudioEndpointVolumeCallback*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE UnregisterControlChangeNotify(IAudioEndpointVolumeCallback*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetChannelCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMasterVolumeLevel(float, LPCGUID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMasterVolumeLevelScalar(float, LPCGUID) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetMasterVolumeLevel(float*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetChannelVolumeLevel(UINT, float, LPCGUID) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetChannelVolumeLevelScalar(UINT, float, LPCGUID) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetChannelVolumeLevel(UINT, float*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetChannelVolumeLevelScalar(UINT, float*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetMute(BOOL, LPCGUID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetVolumeStepInfo(UINT*, UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE VolumeStepUp(LPCGUID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE VolumeStepDown(LPCGUID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryHardwareSupport(DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetVolumeRange(float*, float*, float*) override { return E_NOTIMPL; }
};

// What the volume answers arrives as it was written, what it did not write is marked so, and the
// reference taken over is released with the wrapper.
TEST(CoreAudio, TheVolumeIsPassedOnAsWrittenAndReleased)
{
    MutedVolume volume;
    {
        const std::unique_ptr<IEndpointVolume> wrapped = WrapEndpointVolume(&volume);
        bool muted = false;
        EXPECT_EQ(wrapped->GetMute(muted), S_OK);
        EXPECT_TRUE(muted);
        float scalar = 0.5f;
        EXPECT_EQ(wrapped->GetMasterVolumeLevelScalar(scalar), S_OK);
        EXPECT_TRUE(IsUnwritten(scalar));
    }
    EXPECT_EQ(volume.References, 0u);
}

} // namespace
