// Small helpers for building windows out of child controls.
#pragma once

#include <windows.h>

/// Registers (once per process) a plain container window class in the button-face colour, used
/// for tab pages and panels. It hands the commands and notifications of its controls on to the
/// top-level window, so that window's handlers see every click however deep the control sits.
void RegisterContainerClass(const wchar_t* ClassName);

/// Creates a visible-or-not child window; throws std::runtime_error when the system refuses.
HWND CreateChild(const wchar_t* ClassName, const wchar_t* Text, DWORD Style, DWORD ExStyle,
                 HWND Parent, int Left, int Top, int Width, int Height);

/// Gives Font to Window's every descendant.
void SetFontOfChildren(HWND Window, HFONT Font);
