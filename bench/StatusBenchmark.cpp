// CPU cost of one refresh of the information window's status lines (UpdateStatus): the memory,
// process and time queries, the formatting, and the nine label texts.
//   StatusBenchmark [refreshes]     (run under Wine by tools/measure-status.sh)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>

#include "info/Info.h"
#include "info/InfoForm.h"

namespace {

double CpuMilliseconds()
{
    FILETIME creation, exit, kernel, user;
    GetThreadTimes(GetCurrentThread(), &creation, &exit, &kernel, &user);
    const auto ticks = [](const FILETIME& Time) {
        return static_cast<double>(static_cast<unsigned long long>(Time.dwHighDateTime) << 32 |
                                   Time.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 10000.0;
}

double WallMilliseconds()
{
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int Argc, char** Argv)
{
    const int refreshes = Argc > 1 ? std::max(1, std::atoi(Argv[1])) : 2000;
    const TInfoUnit info;
    TInfoForm form(nullptr); // no owner, never shown; FormCreate has made the first refresh
    form.UpdateStatus();     // binds the process-status library
    const double cpuStart = CpuMilliseconds();
    const double wallStart = WallMilliseconds();
    for (int refresh = 0; refresh < refreshes; ++refresh)
        form.UpdateStatus();
    const double cpu = CpuMilliseconds() - cpuStart;
    const double wall = WallMilliseconds() - wallStart;
    std::printf("UpdateStatus: %.1f us CPU and %.1f us wall per refresh (%d refreshes); at one"
                " refresh every 500 ms that is %.3f%% of one core\n",
                1000.0 * cpu / refreshes, 1000.0 * wall / refreshes, refreshes,
                100.0 * cpu / refreshes / 500.0);
    return 0;
}
