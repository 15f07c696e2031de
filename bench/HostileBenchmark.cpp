// The reports against a driver that claims the most of everything and answers every call with
// success: 4294967295 devices, destinations and source lines, and each line at the limits (256
// channels, 256 controls, every other one a list of 256 items), every name filling its field
// without a terminator, every wave device with an endpoint id of the largest size believed. What
// it shows is the bound the limits put on time and output, whatever a driver claims; run it under
// /usr/bin/time -v for the peak memory.
//   tools/benchmark.sh --benchmark_filter=Claiming
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "mixer/MixerQueries.h"
#include "mixer/MixerTree.h"
#include "mixer/Reports.h"
#include "mixer/TreeReport.h"

namespace {

constexpr DWORD kEverything = 0xFFFFFFFF;

template <typename Character, std::size_t Size>
void FillName(Character (&Name)[Size])
{
    std::fill(Name, Name + Size, Character('N'));
}

class TClaimingMixer final : public IMixer {
public:
    UINT GetNumDevs() override { return kEverything; }
    MMRESULT GetDevCaps(UINT_PTR, MIXERCAPSA* Caps, UINT) override { return Caps_(*Caps); }
    MMRESULT GetDevCaps(UINT_PTR, MIXERCAPS2W* Caps, UINT) override { return Caps_(*Caps); }
    MMRESULT Open(HMIXER* Mixer, UINT Id, DWORD_PTR, DWORD_PTR, DWORD) override
    {
        *Mixer = reinterpret_cast<HMIXER>(UINT_PTR{Id} + 1);
        return MMSYSERR_NOERROR;
    }
    MMRESULT GetLineInfo(HMIXEROBJ, MIXERLINEA* Line, DWORD) override { return Line_(*Line); }
    MMRESULT GetLineInfo(HMIXEROBJ, MIXERLINEW* Line, DWORD) override { return Line_(*Line); }
    MMRESULT GetLineControls(HMIXEROBJ, MIXERLINECONTROLSA* Controls, DWORD) override
    {
        return Controls_(*Controls);
    }
    MMRESULT GetLineControls(HMIXEROBJ, MIXERLINECONTROLSW* Controls, DWORD) override
    {
        return Controls_(*Controls);
    }
    MMRESULT GetControlDetails(HMIXEROBJ, MIXERCONTROLDETAILS* Details, DWORD Flags) override
    {
        const std::size_t records = std::size_t{std::max<DWORD>(Details->cChannels, 1)} *
                                    std::max<DWORD>(Details->cMultipleItems, 1);
        if (Flags == MIXER_GETCONTROLDETAILSF_LISTTEXT) {
            auto* texts = static_cast<MIXERCONTROLDETAILS_LISTTEXTW*>(Details->paDetails);
            std::for_each(texts, texts + records, [](auto& Text) { FillName(Text.szName); });
        } else {
            auto* values = static_cast<DWORD*>(Details->paDetails);
            std::fill(values, values + records, 40000);
        }
        return MMSYSERR_NOERROR;
    }
    MMRESULT Close(HMIXER) override { return MMSYSERR_NOERROR; }
    MMRESULT GetID(HMIXEROBJ, UINT* MixerId, DWORD) override
    {
        *MixerId = 0;
        return MMSYSERR_NOERROR;
    }
    UINT WaveOutGetNumDevs() override { return kEverything; }
    UINT WaveInGetNumDevs() override { return kEverything; }
    MMRESULT WaveOutMessage(HWAVEOUT, UINT Message, DWORD_PTR First, DWORD_PTR Second) override
    {
        return Wave(Message, First, Second);
    }
    MMRESULT WaveInMessage(HWAVEIN, UINT Message, DWORD_PTR First, DWORD_PTR Second) override
    {
        return Wave(Message, First, Second);
    }

private:
    template <typename Caps>
    MMRESULT Caps_(Caps& Answer)
    {
        Answer.cDestinations = kEverything;
        FillName(Answer.szPname);
        return MMSYSERR_NOERROR;
    }
    template <typename Line>
    MMRESULT Line_(Line& Answer)
    {
        Answer.dwLineID = Answer.dwDestination;
        Answer.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
        Answer.cChannels = kMostCounted;
        Answer.cConnections = kEverything;
        Answer.cControls = kMostCounted;
        FillName(Answer.szShortName);
        FillName(Answer.szName);
        return MMSYSERR_NOERROR;
    }
    template <typename Request>
    MMRESULT Controls_(Request& Controls)
    {
        for (DWORD index = 0; index < Controls.cControls; ++index) {
            auto& control = Controls.pamxctrl[index];
            control.cbStruct = sizeof control;
            control.dwControlID = index;
            const bool list = index % 2;
            control.dwControlType =
                list ? MIXERCONTROL_CONTROLTYPE_MUX : MIXERCONTROL_CONTROLTYPE_VOLUME;
            control.fdwControl = list ? MIXERCONTROL_CONTROLF_MULTIPLE : 0;
            control.cMultipleItems = list ? kMostCounted : 0;
            control.Bounds.dwMaximum = 65535;
            FillName(control.szShortName);
            FillName(control.szName);
        }
        return MMSYSERR_NOERROR;
    }
    static MMRESULT Wave(UINT Message, DWORD_PTR First, DWORD_PTR Second)
    {
        if (Message == kQueryFunctionInstanceIdSize) {
            *reinterpret_cast<DWORD_PTR*>(First) = kLargestEndpointId;
        } else {
            auto* text = reinterpret_cast<WCHAR*>(First);
            std::fill(text, text + Second / sizeof(WCHAR), WCHAR(0x4E2D));
        }
        return MMSYSERR_NOERROR;
    }
};

const TTreeContext kContext{"KorvaleReport", "1.0", 10, 0, 19045};

// The whole --tree --json run: devices, wave devices, walk, JSON.
void ClaimingTreeJson(benchmark::State& State)
{
    TClaimingMixer mixer;
    std::size_t bytes = 0;
    for (auto _ : State) {
        TMixerTree tree = ReadMixerDevices(mixer, NoMediaNames());
        AttachWaveLinks(tree.Devices, ReadWaveLinks(mixer, true, &tree.Failures));
        TReadBudget budget;
        for (TMixerDeviceNode& device : tree.Devices)
            WalkMixerDevice(mixer, device, budget);
        bytes = TreeJson(tree, kContext).size();
    }
    State.counters["json_bytes"] = static_cast<double>(bytes);
}

// The main window's two reports, as its buttons make them.
void ClaimingClassicReports(benchmark::State& State)
{
    TClaimingMixer mixer;
    std::size_t lines = 0;
    const TLineSink count = [&](const std::string&) { ++lines; };
    for (auto _ : State) {
        lines = 0;
        RunDevCapsReport(mixer, count);
        RunVolumeReport(mixer, count);
    }
    State.counters["lines"] = static_cast<double>(lines);
}

} // namespace

BENCHMARK(ClaimingTreeJson)->Unit(benchmark::kMillisecond);
BENCHMARK(ClaimingClassicReports)->Unit(benchmark::kMillisecond);
