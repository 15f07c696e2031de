// The reports' own share of their time, under Wine: each of the main window's two reports is made
// many times against the system's mixer, with every winmm call timed on its way through, so the
// time the report spends outside winmm (formatting, lookups, buffers) shows next to winmm's.
//   ReportBenchmark [runs]      (run under Wine by tools/measure.sh reports)
#include <windows.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "mixer/Reports.h"
#include "mixer/WinmmMixer.h"

namespace {

double NowUs()
{
    static const double ticksPerUs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerUs;
}

// Passes every call on to the system's mixer and adds up the time spent in it.
class TTimedMixer final : public IMixer {
public:
    double WinmmUs = 0;

    UINT GetNumDevs() override
    {
        return Timed([&] { return m_system.GetNumDevs(); });
    }
    MMRESULT GetDevCaps(UINT_PTR Id, MIXERCAPSA* Caps, UINT Size) override
    {
        return Timed([&] { return m_system.GetDevCaps(Id, Caps, Size); });
    }
    MMRESULT GetDevCaps(UINT_PTR Id, MIXERCAPS2W* Caps, UINT Size) override
    {
        return Timed([&] { return m_system.GetDevCaps(Id, Caps, Size); });
    }
    MMRESULT Open(HMIXER* Mixer, UINT Id, DWORD_PTR Callback, DWORD_PTR Instance,
                  DWORD Flags) override
    {
        return Timed([&] { return m_system.Open(Mixer, Id, Callback, Instance, Flags); });
    }
    MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEA* Line, DWORD Flags) override
    {
        return Timed([&] { return m_system.GetLineInfo(Mixer, Line, Flags); });
    }
    MMRESULT GetLineInfo(HMIXEROBJ Mixer, MIXERLINEW* Line, DWORD Flags) override
    {
        return Timed([&] { return m_system.GetLineInfo(Mixer, Line, Flags); });
    }
    MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSA* Controls, DWORD Flags) override
    {
        return Timed([&] { return m_system.GetLineControls(Mixer, Controls, Flags); });
    }
    MMRESULT GetLineControls(HMIXEROBJ Mixer, MIXERLINECONTROLSW* Controls, DWORD Flags) override
    {
        return Timed([&] { return m_system.GetLineControls(Mixer, Controls, Flags); });
    }
    MMRESULT GetControlDetails(HMIXEROBJ Mixer, MIXERCONTROLDETAILS* Details, DWORD Flags) override
    {
        return Timed([&] { return m_system.GetControlDetails(Mixer, Details, Flags); });
    }
    MMRESULT Close(HMIXER Mixer) override
    {
        return Timed([&] { return m_system.Close(Mixer); });
    }
    MMRESULT GetID(HMIXEROBJ Object, UINT* MixerId, DWORD Flags) override
    {
        return Timed([&] { return m_system.GetID(Object, MixerId, Flags); });
    }
    UINT WaveOutGetNumDevs() override
    {
        return Timed([&] { return m_system.WaveOutGetNumDevs(); });
    }
    UINT WaveInGetNumDevs() override
    {
        return Timed([&] { return m_system.WaveInGetNumDevs(); });
    }
    MMRESULT WaveOutMessage(HWAVEOUT Device, UINT Message, DWORD_PTR First,
                            DWORD_PTR Second) override
    {
        return Timed([&] { return m_system.WaveOutMessage(Device, Message, First, Second); });
    }
    MMRESULT WaveInMessage(HWAVEIN Device, UINT Message, DWORD_PTR First, DWORD_PTR Second) override
    {
        return Timed([&] { return m_system.WaveInMessage(Device, Message, First, Second); });
    }

private:
    template <class Call>
    auto Timed(Call&& Make) -> decltype(Make())
    {
        const double start = NowUs();
        auto result = Make();
        WinmmUs += NowUs() - start;
        return result;
    }

    IMixer& m_system = SystemMixer();
};

template <class Report>
void Measure(const char* Name, int Runs, Report&& Make)
{
    TTimedMixer mixer;
    size_t lines = 0;
    const TLineSink count = [&lines](const std::string&) { ++lines; };
    Make(mixer, count); // the first run loads and opens what winmm needs
    mixer.WinmmUs = 0;
    lines = 0;
    const double start = NowUs();
    for (int run = 0; run < Runs; ++run)
        Make(mixer, count);
    const double total = (NowUs() - start) / Runs;
    const double winmm = mixer.WinmmUs / Runs;
    std::printf("%-15s %6.1f us a report (%zu lines), of which winmm %6.1f us; the report's own "
                "%5.1f us = %4.1f%% of winmm's\n",
                Name, total, lines / static_cast<size_t>(Runs), winmm, total - winmm,
                100.0 * (total - winmm) / winmm);
}

} // namespace

int main(int Argc, char** Argv)
{
    const int runs = Argc > 1 ? std::max(1, std::atoi(Argv[1])) : 2000;
    Measure("capabilities", runs,
            [](IMixer& Mixer, const TLineSink& Sink) { RunDevCapsReport(Mixer, Sink); });
    Measure("speaker volume", runs,
            [](IMixer& Mixer, const TLineSink& Sink) { RunVolumeReport(Mixer, Sink); });
    return 0;
}
