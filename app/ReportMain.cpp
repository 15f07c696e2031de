// KorvaleReport.exe: entry point of the console report tool.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/ReportTool.h"
#include "mixer/WinmmMixer.h"

int main(int Argc, char** Argv)
{
    const std::vector<std::string> arguments(Argv + 1, Argv + Argc);
    return RunReportTool(
        arguments, [] { return std::make_unique<WinmmMixer>(); }, stdout, stderr);
}
