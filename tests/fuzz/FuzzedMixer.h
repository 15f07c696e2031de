// A mixer whose every answer comes from the fuzzer's bytes: counts, names, result codes, records
// written whole, in part or not at all, counts written back other than asked. It behaves as a
// driver that respects the record sizes and array lengths it is handed and may write any values
// into them; a failed call leaves garbage behind. It checks how it is used (record sizes, handles
// opened, used and closed) and counts the failures it answered with where the tree keeps them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "FuzzInput.h"
#include "mixer/MediaNames.h"
#include "mixer/Mixer.h"

class FuzzedMixer : public IMixer, public IMediaNames {
public:
    explicit FuzzedMixer(TFuzzInput& Input) : m_in(Input) {}

    /// Failures answered by calls whose failure the tree keeps at a node that it shows: the
    /// capabilities, opening, line, control and details queries, and the endpoint identifier's
    /// messages of wave devices that belong to a listed mixer device.
    int ShownFailures() const;
    /// Mixers opened and not closed.
    int OpenHandles() const;
    /// The ANSI name each device's last successful capabilities query left in the caller's record,
    /// up to its first NUL: what a report may show of it and no more.
    const std::map<UINT_PTR, std::string>& AnsiNames() const { return m_ansiNames; }

    UINT GetNumDevs() override;
    MMRESULT GetDevCaps(UINT_PTR DeviceId, MIXERCAPSA* Caps, UINT CapsSize) override;
    MMRESULT GetDevCaps(UINT_PTR DeviceId, MIXERCAPS2W* Caps, UINT CapsSize) override;
    MMRESULT Open(HMIXER* Mixer, UINT DeviceId, DWORD_PTR Callback, DWORD_PTR Instance,
                  DWORD Flags) override;
    MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEA* Line, DWORD Flags) override;
    MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEW* Line, DWORD Flags) override;
    MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSA* Controls, DWORD Flags) override;
    MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSW* Controls, DWORD Flags) override;
    MMRESULT GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags) override;
    MMRESULT Close(HMIXER Mixer) override;
    MMRESULT GetID(HMIXEROBJ Object, UINT* MixerId, DWORD Flags) override;
    UINT WaveOutGetNumDevs() override;
    UINT WaveInGetNumDevs() override;
    MMRESULT WaveOutMessage(HWAVEOUT Device, UINT Message, DWORD_PTR First,
                            DWORD_PTR Second) override;
    MMRESULT WaveInMessage(HWAVEIN Device, UINT Message, DWORD_PTR First,
                           DWORD_PTR Second) override;

    std::optional<std::string> NameOf(const GUID& Guid) override;

    /// How a call answers: its code, and how much of what it hands back it writes.
    enum class THow { Whole, Nothing, Part, Garbage };
    struct TReply {
        MMRESULT Code = MMSYSERR_NOERROR;
        THow How = THow::Whole;
        std::size_t Part = 0; // bytes or records written, for Part
    };

private:
    TReply Reply();
    template <typename Caps>
    MMRESULT DevCaps(UINT_PTR DeviceId, Caps* Out, UINT CapsSize);
    template <typename Line>
    MMRESULT LineInfo(HMIXEROBJ Mixer, Line* Out, DWORD Flags);
    template <typename Request>
    MMRESULT LineControls(HMIXEROBJ Mixer, Request* Controls, DWORD Flags);
    MMRESULT WaveMessage(bool Capture, UINT_PTR Device, UINT Message, DWORD_PTR First,
                         DWORD_PTR Second);
    void UseHandle(HMIXEROBJ Mixer);
    void Injected(const TReply& Reply);

    TFuzzInput& m_in;
    UINT m_devices = 0;
    std::map<UINT_PTR, std::string> m_ansiNames;
    std::map<std::uintptr_t, bool> m_handles; // every handle given: true while open
    std::uintptr_t m_nextHandle = 0x1000;
    int m_injected = 0;
    std::map<std::pair<bool, UINT_PTR>, UINT> m_waveMixers; // what mixerGetID left, by wave device
    std::map<UINT, int> m_waveFailures;                     // failed messages, by mixer device
};
