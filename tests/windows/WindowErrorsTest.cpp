// Errors inside the program's windows, made to happen by failing an allocation: none reaches the
// system, a window that fails while being made is not made, the user is told, and the device
// contexts borrowed on the way are given back.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "FailingAllocations.h"
#include "info/InfoForm.h"
#include "platform/Controls.h"
#include "platform/Label.h"
#include "platform/WinText.h"

namespace {

// Answers the program's error boxes from another thread, as a user would, and keeps their texts.
class ErrorBoxes {
public:
    ErrorBoxes() : m_watcher([this] { Watch(); }) {}
    ~ErrorBoxes()
    {
        m_stop = true;
        m_watcher.join();
    }

    std::vector<std::string> Texts()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_texts;
    }

private:
    static BOOL CALLBACK Visit(HWND Window, LPARAM Self)
    {
        DWORD process = 0;
        GetWindowThreadProcessId(Window, &process);
        wchar_t className[16] = {}, title[16] = {};
        GetClassNameW(Window, className, 16);
        GetWindowTextW(Window, title, 16);
        if (process == GetCurrentProcessId() && IsWindowVisible(Window) &&
            lstrcmpW(className, L"#32770") == 0 && lstrcmpW(title, L"Korvale") == 0)
            reinterpret_cast<ErrorBoxes*>(Self)->Answer(Window);
        return TRUE;
    }

    void Answer(HWND Box)
    {
        std::wstring text;
        for (HWND child = GetWindow(Box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t className[16] = {};
            GetClassNameW(child, className, 16);
            if (lstrcmpiW(className, L"Static") == 0 && GetWindowTextLengthW(child) > 0)
                text = WindowTextOf(child);
        }
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_texts.push_back(WideToUtf8(text));
        }
        SendMessageW(Box, WM_COMMAND, IDOK, 0);
    }

    void Watch()
    {
        while (!m_stop) {
            EnumWindows(Visit, reinterpret_cast<LPARAM>(this));
            Sleep(20);
        }
    }

    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<std::string> m_texts;
    std::thread m_watcher;
};

// The device context a cache probe on Window gets. The system hands a window the context it had
// last when that one is free again, so a different answer later means one was kept.
HDC ProbeDeviceContext(HWND Window)
{
    const HDC context = GetDC(Window);
    ReleaseDC(Window, context);
    return context;
}

// Runs Action with the Failing-th allocation failing; the number of the allocation that failed
// counts from 1 at the first allocation of Action.
template <class Action>
void WithAllocationFailing(long Failing, Action&& Act)
{
    FailAllocationAfter(Failing);
    try {
        Act();
    } catch (...) {
        FailAllocationAfter(0);
        throw;
    }
    FailAllocationAfter(0);
}

TEST(WindowErrors, AnInformationWindowThatFailsWhileBeingMadeIsNotMade)
{
    const long first = AllocationsSoFar();
    {
        TInfoForm made(nullptr);
    }
    const long allocations = AllocationsSoFar() - first;
    ASSERT_GT(allocations, 10);

    ErrorBoxes boxes;
    int failures = 0;
    for (long failing = 1; failing <= allocations; ++failing) {
        try {
            WithAllocationFailing(failing, [] { TInfoForm form(nullptr); });
        } catch (const std::bad_alloc&) {
            ++failures; // reached the code that asked for the window
        }
        EXPECT_EQ(FindWindowW(L"TInfoForm", nullptr), nullptr)
            << "a window was left after allocation " << failing << " failed";
    }
    // Some failures are answered where they happen (a fall-back description of the system).
    EXPECT_GT(failures, allocations / 2);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>()) << "an error was shown, not passed on";
}

TEST(WindowErrors, AFailingLabelPaintIsShownAndGivesItsDeviceContextBack)
{
    RegisterLabelClasses();
    const HWND label =
        CreateWindowExW(0, kLabelClass, std::wstring(100, L'x').c_str(), WS_POPUP | WS_VISIBLE, 0,
                        0, 300, 20, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(label, nullptr);
    UpdateWindow(label);
    const HDC before = ProbeDeviceContext(label);

    ErrorBoxes boxes;
    InvalidateRect(label, nullptr, TRUE);
    // The paint copies the label's text: that allocation fails, between BeginPaint and EndPaint.
    WithAllocationFailing(1, [&] { UpdateWindow(label); });
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{std::bad_alloc().what()});
    EXPECT_EQ(ProbeDeviceContext(label), before) << "the paint kept its device context";
    DestroyWindow(label);
}

} // namespace
