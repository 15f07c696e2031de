// Drives a Korvale.exe that is already running, for the scripts that watch it from outside:
//   KorvalePilot open-info       presses Version and waits until the information window is up
//   KorvalePilot reports         presses both report buttons and prints what the two text boxes
//                                then hold, as UTF-8 (first the capabilities, then the volumes)
//   KorvalePilot soak <cycles>   opens and closes the information window <cycles> times, pressing
//                                both report buttons once per cycle and then emptying both text
//                                boxes (so only what leaks can grow); soak-info and soak-reports
//                                do one half of that
// Exits 0 when done, 1 when Korvale's windows do not behave.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "e2e/Automation.h"

namespace {

struct Korvale {
    HWND Form = FindWindowW(L"TForm1", L"Form1");
    HWND PageControl = FindChild(Form, WC_TABCONTROLW);
    HWND Version = FindChild(Form, L"Button", L"Version");
    HWND FirstPage = FindChild(PageControl, L"TTabSheet", L"Querying Devices");
    HWND SecondPage = FindChild(PageControl, L"TTabSheet", L"TabSheet2");
    HWND Caps = FindChild(FindChild(FirstPage, L"TPanel"), L"Button", L"mixerGetDevCaps");
    HWND Volume = FindChild(FindChild(SecondPage, L"TPanel"), L"Button", nullptr);
    HWND Memo1 = FindChild(FirstPage, L"Edit");
    HWND Memo2 = FindChild(SecondPage, L"Edit");

    bool AllFound() const { return Form && Version && Caps && Volume && Memo1 && Memo2; }
};

// Korvale as it is once its window has every control: the page not shown at start gets its
// controls just after the first paint.
Korvale FoundKorvale()
{
    Korvale program;
    WaitUntil(
        [&] {
            program = Korvale();
            return program.AllFound();
        },
        10000);
    return program;
}

HWND InfoWindow()
{
    return FindWindowW(L"TInfoForm", nullptr);
}

bool OpenInfo(const Korvale& Program)
{
    PostMessageW(Program.Version, BM_CLICK, 0, 0);
    return WaitUntil([] { return InfoWindow() && IsWindowVisible(InfoWindow()); }, 10000);
}

// The text of an edit control in another process (the system copies WM_GETTEXT across), as UTF-8.
std::string MemoText(HWND Memo)
{
    const std::wstring text = WindowText(Memo);
    const int length = static_cast<int>(text.size());
    std::string utf8(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), length,
                                                             nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, utf8.data(), static_cast<int>(utf8.size()),
                        nullptr, nullptr);
    return utf8;
}

bool CloseInfo()
{
    PostMessageW(InfoWindow(), WM_CLOSE, 0, 0);
    return WaitUntil([] { return InfoWindow() == nullptr; }, 10000);
}

} // namespace

int main(int Argc, char** Argv)
{
    const std::string command = Argc > 1 ? Argv[1] : "";
    const Korvale program = FoundKorvale();
    if (!program.AllFound()) {
        std::fprintf(stderr, "KorvalePilot: Korvale's main window was not found\n");
        return 1;
    }
    if (command == "open-info")
        return OpenInfo(program) ? 0 : 1;
    if (command == "reports") {
        SendMessageW(program.Caps, BM_CLICK, 0, 0);
        SendMessageW(program.Volume, BM_CLICK, 0, 0);
        const std::string text = MemoText(program.Memo1) + MemoText(program.Memo2);
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }
    const bool info = command == "soak" || command == "soak-info";
    const bool reports = command == "soak" || command == "soak-reports";
    if ((info || reports) && Argc > 2) {
        const int cycles = std::atoi(Argv[2]);
        for (int cycle = 0; cycle < cycles; ++cycle) {
            if (info && (!OpenInfo(program) || !CloseInfo())) {
                std::fprintf(stderr, "KorvalePilot: cycle %d failed\n", cycle);
                return 1;
            }
            if (reports) {
                SendMessageW(program.Caps, BM_CLICK, 0, 0);
                SendMessageW(program.Volume, BM_CLICK, 0, 0);
                SendMessageW(program.Memo1, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
                SendMessageW(program.Memo2, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
            }
        }
        return 0;
    }
    std::fprintf(
        stderr,
        "usage: KorvalePilot open-info | reports | soak | soak-info | soak-reports <cycles>\n");
    return 2;
}
