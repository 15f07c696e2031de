// Driving another program's windows the way UI automation does: find windows by class and text,
// read their texts and places, press, click and type.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

/// A program started from this test program's folder, ended when the object goes away.
class RunningProgram {
public:
    /// Starts FileName (beside this test program, or a full path) and waits (up to 30 s) for its
    /// visible top-level window of class WindowClass; throws std::runtime_error when it does not
    /// come.
    RunningProgram(const std::wstring& FileName, const wchar_t* WindowClass);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND MainWindow() const { return m_mainWindow; }
    HANDLE Process() const { return m_process.hProcess; }
    DWORD ThreadId() const { return m_process.dwThreadId; }

    /// Waits for the program to end; true and its exit code when it did within TimeoutMs.
    bool WaitForExit(DWORD TimeoutMs, DWORD& ExitCode);

private:
    PROCESS_INFORMATION m_process{};
    HWND m_mainWindow = nullptr;
};

/// Polls Condition every 10 ms until it holds or TimeoutMs has passed; returns its last value.
bool WaitUntil(const std::function<bool()>& Condition, DWORD TimeoutMs = 5000);

std::wstring WindowText(HWND Window);
/// The direct child of Parent with this class and, when Text is given, this text; or null.
HWND FindChild(HWND Parent, const wchar_t* ClassName, const wchar_t* Text = nullptr);
/// The child of Parent whose text begins with Prefix; or null.
HWND ChildStartingWith(HWND Parent, const std::wstring& Prefix);
/// Window's rectangle in the client coordinates of Reference.
RECT RectIn(HWND Window, HWND Reference);

/// Sends Message to Window of another process with LParam pointing at a copy of Rect in that
/// process's memory (for messages the system passes on as they are, such as WM_DPICHANGED).
LRESULT SendWithRect(HANDLE Process, HWND Window, UINT Message, WPARAM WParam, const RECT& Rect);

/// The caption of tab Index of a tab control in another process.
std::wstring TabText(HANDLE Process, HWND TabControl, int Index);
/// Clicks tab Index of a tab control in another process with the left mouse button.
void ClickTab(HANDLE Process, HWND TabControl, int Index);

/// The window that has the keyboard focus in the given thread of another process.
HWND FocusedWindow(DWORD ThreadId);
/// Presses and releases Key, with Shift and/or Ctrl held down, as real keyboard input.
void PressKey(WORD Key, bool Shift = false, bool Control = false);
