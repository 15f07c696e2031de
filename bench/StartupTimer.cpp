// Start-up time of window programs: from CreateProcess until the program's visible top-level
// window answers a message (its message loop runs), then the time from WM_CLOSE to process end.
//   StartupTimer <runs> <program.exe>...   (programs are looked up beside StartupTimer)
// One unmeasured run of each program first warms the system's caches.
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
    int status = 0;
    for (int program = 2; program < Argc; ++program) {
        const std::wstring path = Beside(Argv[program]);
        Timing timing{};
        RunOnce(path, timing); // warm-up
        std::vector<double> starts, closes;
        for (int run = 0; run < runs; ++run) {
            if (!RunOnce(path, timing)) {
                std::fwprintf(stderr, L"%ls: no window answered\n", Argv[program]);
                status = 1;
                break;
            }
            starts.push_back(timing.StartMs);
            closes.push_back(timing.CloseMs);
        }
        if (starts.empty())
            continue;
        std::wprintf(L"%-20ls start: median %6.1f ms, min %6.1f ms, max %6.1f ms;"
                     L" close: median %6.1f ms  (%d runs)\n",
                     Argv[program], Median(starts), *std::min_element(starts.begin(), starts.end()),
                     *std::max_element(starts.begin(), starts.end()), Median(closes),
                     static_cast<int>(starts.size()));
    }
    return status;
}
