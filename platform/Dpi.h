// Screens of every density. The windows are designed in pixels at 96 dots per inch; each lays
// itself out for the DPI of the monitor it is on by scaling its design lengths with Scaled.
//
// The program runs from Windows XP on, so the calls of later systems are bound at run time:
// GetDpiForWindow and its kin exist from Windows 10 1607. Without them there is one DPI, the
// screen's.
#pragma once

#include <windows.h>

/// The density the windows' constants are designed for.
inline constexpr UINT kDesignDpi = 96;

/// Sent to a top-level window moved to a monitor of another DPI (Windows 8.1 and later): the
/// new DPI in WPARAM's low word, the window's suggested rectangle (RECT*) in LPARAM.
inline constexpr UINT kDpiChangedMessage = 0x02E0;

/// Length, in pixels at 96 DPI, in pixels at Dpi, rounded to the nearest.
inline int Scaled(int Length, UINT Dpi)
{
    return MulDiv(Length, static_cast<int>(Dpi), static_cast<int>(kDesignDpi));
}

inline POINT Scaled(POINT Point, UINT Dpi)
{
    return {Scaled(Point.x, Dpi), Scaled(Point.y, Dpi)};
}

/// Rect's edges scaled: neighbours that touch at 96 DPI still touch.
inline RECT Scaled(const RECT& Rect, UINT Dpi)
{
    return {Scaled(Rect.left, Dpi), Scaled(Rect.top, Dpi), Scaled(Rect.right, Dpi),
            Scaled(Rect.bottom, Dpi)};
}

/// The screen's DPI: the one the whole system runs at before per-monitor DPI. On Windows XP, 96:
/// the windows keep the design's pixels there.
UINT ScreenDpi();

/// The DPI Window is shown at: that of its monitor where the system tells it, else the screen's.
UINT WindowDpi(HWND Window);

/// Has the system scale Window's caption and frame with its monitor's DPI, as it does by itself
/// from Windows 10 1703 (per-monitor awareness v2). Windows 10 1607 knows only v1, where a window
/// must ask for it; call in WM_NCCREATE.
void ScaleFrameWithDpi(HWND Window);

/// Grows Rect, a client area, to the window rectangle of a window of Style and ExStyle (no menu)
/// at Dpi.
void AdjustFrameForDpi(RECT& Rect, DWORD Style, DWORD ExStyle, UINT Dpi);

/// The program's icon resource Name at Size pixels square, or null. Each size is loaded once and
/// kept for the process's life: windows come and go, and a few sizes are all there are
/// (LoadImage's own sharing would hand back the first size loaded, whatever the size asked).
HICON ProgramIcon(const wchar_t* Name, int Size);

/// Gives Window the program's icon Name at the sizes for Dpi in its caption and the task
/// switcher; at the screen's DPI, its class's icons, which are that size.
void SetWindowIconsForDpi(HWND Window, const wchar_t* Name, UINT Dpi);
