// The whole master volume query over a scripted mixer of 64 devices with 4 destinations each:
// time and heap allocations per device. The fake logs nothing, so what is counted is the query's.
//   tools/benchmark.sh --benchmark_filter=Volume
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "mixer/Reports.h"
#include "AllocationCounter.h"
#include "FakeMixer.h"

namespace {

constexpr int kDevices = 64;
constexpr DWORD kMuteControl = 0x20010002;
constexpr DWORD kWaveInDestination = 7;

TFakeLine Line(DWORD ComponentType, DWORD Channels, std::vector<TFakeControl> Controls)
{
    TFakeLine line;
    line.ComponentType = ComponentType;
    line.Channels = Channels;
    line.Controls = std::move(Controls);
    return line;
}

// Per device: a stereo speaker line with two volume controls and a mute, a mono speaker line with
// one volume control, a recording line, and a speaker line without a volume control.
FakeMixer SixtyFourDevices()
{
    const TFakeControl mute{kMuteControl, "Mute", {0}};
    FakeMixer mixer;
    mixer.LogCalls = false;
    for (int index = 0; index < kDevices; ++index) {
        TFakeDevice device;
        device.Caps = MakeCaps(1, 100, 0x00050001, "Speakers (High Definition Audio)", 0, 4);
        device.Destinations = {
            Line(MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, 2,
                 {mute,
                  {MIXERCONTROL_CONTROLTYPE_VOLUME, "Master Volume", {52428, 52428}},
                  {MIXERCONTROL_CONTROLTYPE_VOLUME, "Wave", {65535, 65535}}}),
            Line(MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, 1,
                 {{MIXERCONTROL_CONTROLTYPE_VOLUME, "Aux", {1000}}}),
            Line(kWaveInDestination, 2, {{MIXERCONTROL_CONTROLTYPE_VOLUME, "Recording", {0, 0}}}),
            Line(MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, 2, {mute}),
        };
        mixer.Devices.push_back(device);
    }
    return mixer;
}

void VolumeQuery64Devices(benchmark::State& State)
{
    FakeMixer mixer = SixtyFourDevices();
    size_t lines = 0;
    const TLineSink count = [&](const std::string& Line) { lines += !Line.empty(); };
    const size_t allocationsBefore = AllocationCounts().Allocations;
    for (auto _ : State)
        RunVolumeReport(mixer, count);
    const double devices = static_cast<double>(State.iterations()) * kDevices;
    State.counters["time_per_device"] =
        benchmark::Counter(devices, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    State.counters["allocations_per_device"] =
        static_cast<double>(AllocationCounts().Allocations - allocationsBefore) / devices;
    State.counters["lines_per_device"] = static_cast<double>(lines) / devices;
}

} // namespace

BENCHMARK(VolumeQuery64Devices)->Repetitions(15)->ReportAggregatesOnly(true);
