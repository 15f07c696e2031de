// The main window's master volume query over a mixer made of the fuzzer's bytes: one line per
// line, each device's name no more than it left in its record, every mixer opened closed once.
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "FuzzedMixer.h"
#include "JsonCheck.h"
#include "mixer/Reports.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    TFuzzInput input(Data, Size);
    FuzzedMixer mixer(input);
    const std::string prefix = "DeviceName:";
    UINT_PTR device = 0;
    RunVolumeReport(mixer, [&](const std::string& Line) {
        CheckLine(Line);
        if (Line.rfind(prefix, 0) != 0)
            return;
        // The name, then " Desitination:" and the count.
        const std::string shown =
            Line.substr(prefix.size(), Line.rfind(" Desitination:") - prefix.size());
        const auto written = mixer.AnsiNames().find(device);
        FuzzCheck(
            ShowsName(shown, written != mixer.AnsiNames().end() ? written->second : std::string()),
            "a name shown other than the device wrote it");
        ++device;
    });
    FuzzCheck(mixer.OpenHandles() == 0, "a mixer left open");
    return 0;
}
