// Small helpers for building windows out of child controls.
#pragma once

#include <windows.h>

#include <string>

#include "platform/WinHandles.h"

/// What a window class of the program is made of.
struct TWindowClass {
    const wchar_t* Name;
    WNDPROC Procedure;
    UINT Style = 0;
    int WindowExtra = 0; // bytes
    HICON Icon = nullptr;
    HICON SmallIcon = nullptr;
    LPCWSTR Cursor = reinterpret_cast<LPCWSTR>(IDC_ARROW);
    HBRUSH Background = nullptr;
};

/// Registers Class for this program, once per process; throws TError when the system
/// refuses it.
void RegisterWindowClass(const TWindowClass& Class);

/// Registers (once per process) a plain container window class, used for tab pages and panels,
/// painted with Background (by default the button-face colour). It hands the commands,
/// notifications and label colour requests of its controls on to the top-level window, so that
/// window's handlers see every click however deep the control sits.
void RegisterContainerClass(const wchar_t* ClassName,
                            HBRUSH Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));

/// Creates a visible-or-not child window; throws TError when the system refuses.
HWND CreateChild(const wchar_t* ClassName, const wchar_t* Text, DWORD Style, DWORD ExStyle,
                 HWND Parent, int Left, int Top, int Width, int Height);

/// Gives Font to Window's every descendant.
void SetFontOfChildren(HWND Window, HFONT Font);

/// The text of Window.
std::wstring WindowTextOf(HWND Window);

/// A font of Face whose characters are Height pixels high, of Weight (FW_NORMAL, FW_BOLD),
/// underlined or not, in Charset; throws TError when the system refuses.
UniqueFont MakeFont(const wchar_t* Face, int Height, int Weight, bool Underline, BYTE Charset);
