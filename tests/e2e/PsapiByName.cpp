// Loads PSAPI.dll by its bare name, the careless way, and exits 0 when the copy it got reports the
// planted DLL's tell-tale page-fault count: proof that a planted DLL would be found.
#include <windows.h>
#include <psapi.h>

int main()
{
    const HMODULE psapi = LoadLibraryW(L"PSAPI.dll");
    if (!psapi)
        return 2;
    using Query = BOOL WINAPI(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
    auto* query = reinterpret_cast<Query*>(
        reinterpret_cast<void*>(GetProcAddress(psapi, "GetProcessMemoryInfo")));
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!query || !query(GetCurrentProcess(), &counters, sizeof counters))
        return 3;
    return counters.PageFaultCount == 424242 ? 0 : 1;
}
