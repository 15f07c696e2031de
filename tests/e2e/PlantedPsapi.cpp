// A PSAPI.dll of our own, as someone might plant one beside Korvale.exe: its
// GetProcessMemoryInfo reports tell-tale counts, so a window that shows them used it.
#include <windows.h>

namespace {

// PROCESS_MEMORY_COUNTERS, laid out as Windows has it.
struct TCounters {
    DWORD cb;
    DWORD PageFaultCount;
    SIZE_T PeakWorkingSetSize, WorkingSetSize, QuotaPeakPagedPoolUsage, QuotaPagedPoolUsage,
        QuotaPeakNonPagedPoolUsage, QuotaNonPagedPoolUsage, PagefileUsage, PeakPagefileUsage;
};

} // namespace

extern "C" __declspec(dllexport) BOOL WINAPI
    GetProcessMemoryInfo(HANDLE, TCounters* Counters, DWORD Size)
{
    if (!Counters || Size < sizeof *Counters)
        return FALSE;
    Counters->PageFaultCount = 424242;
    Counters->WorkingSetSize = Counters->PeakWorkingSetSize = 4242 * 1024;
    return TRUE;
}
