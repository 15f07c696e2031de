// Start-up time of window programs: from CreateProcess until the program's visible top-level
// window answers a message (its message loop runs), then the time from WM_CLOSE to process end.
//   StartupTimer <runs> <program.exe>...   (programs are looked up beside StartupTimer)
// One unmeasured run of each program first warms the system's caches; then the programs take
// turns, and the first is compared with each of the others.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Timing {
    double StartMs;
    double CloseMs;
};

double NowMs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return value;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Search {
    DWORD ProcessId;
    HWND Found;
};

BOOL CALLBACK FindVisibleWindow(HWND Window, LPARAM Param)
{
    auto* search = reinterpret_cast<Search*>(Param);
    DWORD processId = 0;
    GetWindowThreadProcessId(Window, &processId);
    if (processId == search->ProcessId && IsWindowVisible(Window) && !GetWindow(Window, GW_OWNER)) {
        search->Found = Window;
        return FALSE;
    }
    return TRUE;
}

std::wstring Beside(const wchar_t* FileName)
{
    wchar_t path[MAX_PATH];
    std::wstring folder(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + FileName;
}

bool RunOnce(const std::wstring& Program, Timing& Result)
{
    std::wstring commandLine = L"\"" + Program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = NowMs();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    Search search{process.dwProcessId, nullptr};
    DWORD_PTR answer;
    while (!search.Found && NowMs() - start < 30000) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.Found)
            Sleep(1);
    }
    const bool started = search.Found && SendMessageTimeoutW(search.Found, WM_NULL, 0, 0,
                                                             SMTO_NORMAL, 30000, &answer);
    Result.StartMs = NowMs() - start;
    const double closing = NowMs();
    if (search.Found)
        PostMessageW(search.Found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    Result.CloseMs = NowMs() - closing;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return started;
}

double Median(std::vector<double> Values)
{
    std::sort(Values.begin(), Values.end());
    const size_t middle = Values.size() / 2;
    return Values.size() % 2 ? Values[middle] : (Values[middle - 1] + Values[middle]) / 2;
}

} // namespace

int wmain(int Argc, wchar_t** Argv)
{
    if (Argc < 3) {
        std::fprintf(stderr, "usage: StartupTimer <runs> <program.exe>...\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(Argv[1]));
    std::vector<std::wstring> paths;
    for (int program = 2; program < Argc; ++program)
        paths.push_back(Beside(Argv[program]));

    Timing timing{};
    for (const std::wstring& path : paths)
        RunOnce(path, timing); // warm-up
    // The programs take turns, run by run, so that a drift in the machine's load falls on all.
    std::vector<std::vector<double>> starts(paths.size()), closes(paths.size());
    for (int run = 0; run < runs; ++run) {
        for (size_t program = 0; program < paths.size(); ++program) {
            if (!RunOnce(paths[program], timing)) {
                std::fwprintf(stderr, L"%ls: no window answered\n", Argv[program + 2]);
                return 1;
            }
            starts[program].push_back(timing.StartMs);
            closes[program].push_back(timing.CloseMs);
        }
    }

    for (size_t program = 0; program < paths.size(); ++program) {
        const std::vector<double>& start = starts[program];
        std::wprintf(L"%-20ls start: median %6.1f ms, min %6.1f ms, max %6.1f ms;"
                     L" close: median %6.1f ms  (%d runs)\n",
                     Argv[program + 2], Median(start),
                     *std::min_element(start.begin(), start.end()),
                     *std::max_element(start.begin(), start.end()), Median(closes[program]), runs);
    }
    // The first program against each other one: the ratio of the medians, and the median of the
    // ratios within each turn.
    for (size_t program = 1; program < paths.size(); ++program) {
        std::vector<double> ratios;
        for (int run = 0; run < runs; ++run)
            ratios.push_back(starts[0][run] / starts[program][run]);
        std::wprintf(L"%ls / %ls: %.3f (medians), %.3f (median of %d pairs)\n", Argv[2],
                     Argv[program + 2], Median(starts[0]) / Median(starts[program]), Median(ratios),
                     runs);
    }
    return 0;
}
