// How long the main window's text boxes take to show a report, under Wine: a report of 1,000 lines
// appended to a visible box, and a 15-line report appended 1,000 times to a hidden one (the cost
// of the first presses next to that of the last). Each in two ways: the lines one by one, each
// appended on its own as the window once did, and the report in one step.
//   MemoBenchmark        (run under Wine by tools/measure.sh memo)
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/MemoLines.h"

namespace {

double NowMs()
{
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

// A box as the window makes it, in a window of its own.
struct TBox {
    HWND Window;
    HWND Memo;

    explicit TBox(bool Visible)
    {
        Window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | (Visible ? WS_VISIBLE : 0), 0, 0,
                                 526, 293, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        Memo = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                               WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                                   ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                               0, 0, 526, 293, Window, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(Memo, EM_SETLIMITTEXT, 0, 0);
        Pump();
    }
    ~TBox() { DestroyWindow(Window); }
};

std::string LineOf(int Number)
{
    return "MixerCaps.szPname = Speakers (High Definition Audio) " + std::to_string(Number);
}

// Milliseconds to append Count lines and show them, one by one or as one report.
double AppendAndShow(const TBox& Box, int Count, bool OneStep)
{
    const double start = NowMs();
    if (OneStep) {
        AppendReport(Box.Memo, [Count](const TLineSink& Append) {
            for (int line = 0; line < Count; ++line)
                Append(LineOf(line));
        });
    } else {
        for (int line = 0; line < Count; ++line)
            AppendReport(Box.Memo, [line](const TLineSink& Append) { Append(LineOf(line)); });
    }
    UpdateWindow(Box.Window);
    Pump();
    return NowMs() - start;
}

} // namespace

int main()
{
    for (const bool oneStep : {false, true}) {
        const char* how = oneStep ? "in one step" : "line by line";
        {
            const TBox box(true);
            std::printf("1,000-line report, visible box, %s: %.0f ms\n", how,
                        AppendAndShow(box, 1000, oneStep));
        }
        const TBox box(false);
        double first = 0, last = 0;
        const int presses = oneStep ? 1000 : 200; // line by line, 1,000 would take minutes
        for (int press = 1; press <= presses; ++press) {
            const double ms = AppendAndShow(box, 15, oneStep);
            if (press <= 10)
                first += ms / 10;
            if (press > presses - 10)
                last += ms / 10;
        }
        std::printf("15-line report pressed %d times, hidden box, %s: first presses %.2f ms, "
                    "last presses %.2f ms each (box of %d characters)\n",
                    presses, how, first, last, GetWindowTextLengthW(box.Memo));
    }
    return 0;
}
