#include "platform/Dpi.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/SystemLibrary.h"
#include "platform/WinHandles.h"

namespace {

// The per-monitor DPI calls of Windows 10 1607 and later, from user32.dll, which every window
// program has loaded already; null where the system lacks them.
struct TDpiCalls {
    UINT(WINAPI* GetDpiForWindow)(HWND);
    BOOL(WINAPI* AdjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT);
    int(WINAPI* GetSystemMetricsForDpi)(int, UINT);
    BOOL(WINAPI* EnableNonClientDpiScaling)(HWND);
};

const TDpiCalls& DpiCalls()
{
    static const TDpiCalls calls = [] {
        const HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return TDpiCalls{
            GetProc<UINT WINAPI(HWND)>(user32, "GetDpiForWindow"),
            GetProc<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>(user32,
                                                                  "AdjustWindowRectExForDpi"),
            GetProc<int WINAPI(int, UINT)>(user32, "GetSystemMetricsForDpi"),
            GetProc<BOOL WINAPI(HWND)>(user32, "EnableNonClientDpiScaling"),
        };
    }();
    return calls;
}

// GetSystemMetrics at Dpi: the system's own figure for that DPI where it has one.
int SystemMetricForDpi(int Index, UINT Dpi)
{
    if (DpiCalls().GetSystemMetricsForDpi)
        return DpiCalls().GetSystemMetricsForDpi(Index, Dpi);
    return MulDiv(GetSystemMetrics(Index), static_cast<int>(Dpi), static_cast<int>(ScreenDpi()));
}

// Windows XP knows no DPI awareness and scales no program: there the windows keep the design's
// pixels, as they always have. Vista and later scale those that do not declare themselves aware.
bool SystemScalesPrograms()
{
    return LOBYTE(LOWORD(GetVersion())) >= 6;
}

} // namespace

// The system's DPI is fixed for a process's life: asked once.
UINT ScreenDpi()
{
    static const UINT dpi = [] {
        if (!SystemScalesPrograms())
            return kDesignDpi;
        const ScopedWindowDC screen(nullptr);
        const int logPixels = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
        return logPixels > 0 ? static_cast<UINT>(logPixels) : kDesignDpi;
    }();
    return dpi;
}

UINT WindowDpi(HWND Window)
{
    if (SystemScalesPrograms() && DpiCalls().GetDpiForWindow) {
        if (const UINT dpi = DpiCalls().GetDpiForWindow(Window))
            return dpi;
    }
    return ScreenDpi();
}

void ScaleFrameWithDpi(HWND Window)
{
    if (DpiCalls().EnableNonClientDpiScaling)
        DpiCalls().EnableNonClientDpiScaling(Window);
}

void AdjustFrameForDpi(RECT& Rect, DWORD Style, DWORD ExStyle, UINT Dpi)
{
    // At the screen's DPI the system's own metrics are the frame's, whatever the system.
    if (Dpi != ScreenDpi() && DpiCalls().AdjustWindowRectExForDpi &&
        DpiCalls().AdjustWindowRectExForDpi(&Rect, Style, FALSE, ExStyle, Dpi))
        return;
    AdjustWindowRectEx(&Rect, Style, FALSE, ExStyle);
}

HICON ProgramIcon(const wchar_t* Name, int Size)
{
    struct TLoadedIcon {
        std::wstring Name;
        int Size;
        UniqueIcon Icon;
    };
    static std::vector<TLoadedIcon> loaded;
    for (const TLoadedIcon& icon : loaded)
        if (icon.Size == Size && icon.Name == Name)
            return icon.Icon.get();
    UniqueIcon icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), Name, IMAGE_ICON, Size, Size, LR_DEFAULTCOLOR)));
    if (!icon)
        return nullptr;
    loaded.push_back({Name, Size, std::move(icon)});
    return loaded.back().Icon.get();
}

void SetWindowIconsForDpi(HWND Window, const wchar_t* Name, UINT Dpi)
{
    for (auto [which, metric] :
         {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        // A window's own icon of null shows its class's. A window that has none keeps it so:
        // setting an icon costs the window manager a round trip.
        const HICON icon =
            Dpi == ScreenDpi() ? nullptr : ProgramIcon(Name, SystemMetricForDpi(metric, Dpi));
        if (icon || SendMessageW(Window, WM_GETICON, which, 0))
            SendMessageW(Window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    }
}
