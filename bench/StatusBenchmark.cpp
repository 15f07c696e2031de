// CPU cost of one refresh of the information window's status lines, next to its floor: the
// platform queries it cannot do without (memory, process memory, time zone, process times, local
// time, the locale's separators), measured in the same run.
//   StatusBenchmark [refreshes]     (run under Wine by tools/measure.sh status)
// The refresh is the timer's (RefreshStatus) against the real queries, but with their answers
// changing as they do in real use, where a refresh comes every 500 ms: the process time in every
// refresh, the memory now and then.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>

#include "info/Info.h"
#include "info/InfoForm.h"
#include "info/SystemPlatform.h"

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

// The system's answers, changed as half a second would change them.
class TRealUseQueries final : public IStatusQueries {
public:
    explicit TRealUseQueries(IStatusQueries& System) : m_system(System) {}

    bool QueryMemoryStatusEx(MEMORYSTATUSEX& Status) override
    {
        return m_system.QueryMemoryStatusEx(Status);
    }
    void QueryMemoryStatus(MEMORYSTATUS& Status) override { m_system.QueryMemoryStatus(Status); }
    bool QueryProcessMemory(PROCESS_MEMORY_COUNTERS& Counters) override
    {
        const bool answered = m_system.QueryProcessMemory(Counters);
        Counters.WorkingSetSize += (m_refresh / 8) * 65536; // grows every eighth refresh
        return answered;
    }
    DWORD QueryTimeZone(TIME_ZONE_INFORMATION& Zone) override
    {
        return m_system.QueryTimeZone(Zone);
    }
    bool QueryProcessTimes(FILETIME& Creation, FILETIME& Exit, FILETIME& Kernel,
                           FILETIME& User) override
    {
        const bool answered = m_system.QueryProcessTimes(Creation, Exit, Kernel, User);
        // One more second of kernel time every refresh: that line changes each time.
        ULARGE_INTEGER kernel{};
        kernel.LowPart = Kernel.dwLowDateTime;
        kernel.HighPart = Kernel.dwHighDateTime;
        kernel.QuadPart += 10000000ull * ++m_refresh;
        Kernel.dwLowDateTime = kernel.LowPart;
        Kernel.dwHighDateTime = kernel.HighPart;
        return answered;
    }
    void QueryLocalTime(SYSTEMTIME& Now) override { m_system.QueryLocalTime(Now); }

private:
    IStatusQueries& m_system;
    unsigned long long m_refresh = 0;
};

// The platform queries of one refresh, and nothing else.
void QueryOnly(IStatusQueries& Queries)
{
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    Queries.QueryMemoryStatusEx(memory);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    Queries.QueryProcessMemory(counters);
    TIME_ZONE_INFORMATION zone{};
    Queries.QueryTimeZone(zone);
    FILETIME creation, exit, kernel, user;
    Queries.QueryProcessTimes(creation, exit, kernel, user);
    SYSTEMTIME now{};
    Queries.QueryLocalTime(now);
    UserNumberSeparators();
}

template <class Action>
double CpuMicrosecondsEach(int Times, Action&& Act)
{
    const double start = CpuMilliseconds();
    for (int time = 0; time < Times; ++time)
        Act();
    return 1000.0 * (CpuMilliseconds() - start) / Times;
}

} // namespace

int main(int Argc, char** Argv)
{
    const int refreshes = Argc > 1 ? std::max(10, std::atoi(Argv[1])) : 2000;
    const TInfoUnit info;
    TInfoForm form(nullptr); // no owner, never shown; FormCreate has made the first refresh
    IStatusQueries& system = SystemStatusQueries();
    TRealUseQueries realUse(system);
    form.RefreshStatus(realUse); // binds the process-status library
    // Alternated in rounds, so that both see the same load.
    double floor = 0, refresh = 0;
    const int rounds = 10;
    for (int round = 0; round < rounds; ++round) {
        floor += CpuMicrosecondsEach(refreshes / rounds, [&] { QueryOnly(system); }) / rounds;
        refresh +=
            CpuMicrosecondsEach(refreshes / rounds, [&] { form.RefreshStatus(realUse); }) / rounds;
    }
    std::printf("status refresh: %.1f us CPU; its platform queries alone: %.1f us; ratio %.2f "
                "(%d refreshes); at one refresh every 500 ms that is %.3f%% of one core\n",
                refresh, floor, refresh / floor, refreshes, 100.0 * refresh / 1000.0 / 500.0);
    return 0;
}
