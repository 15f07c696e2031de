// The main window's capabilities report over a mixer made of the fuzzer's bytes: one line per
// line, and of each name no more than the device left in its record up to the first NUL.
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
    std::vector<std::string> lines;
    RunDevCapsReport(mixer, [&lines](const std::string& Line) {
        CheckLine(Line);
        lines.push_back(Line);
    });
    FuzzCheck(!lines.empty() && lines.front().rfind("mixerGetNumDevs() = ", 0) == 0,
              "the report does not start with the device count");
    const std::string header = "----------   mixerGetDevCaps(";
    const std::string name = "MixerCaps.szPname = ";
    long device = -1;
    for (const std::string& line : lines) {
        if (line.rfind(header, 0) == 0)
            device = std::stol(line.substr(header.size()));
        if (line.rfind(name, 0) != 0)
            continue;
        const auto expected = mixer.AnsiNames().find(static_cast<UINT_PTR>(device));
        FuzzCheck(expected != mixer.AnsiNames().end(), "a name shown of a device that failed");
        FuzzCheck(ShowsName(line.substr(name.size()), expected->second),
                  "a name shown other than the device wrote it");
    }
    return 0;
}
