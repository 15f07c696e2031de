// The ownership kit: owners for the Windows handles the program holds (see UniqueHandle), and
// scoped owners for the device contexts it borrows and the objects it selects into them. Each is
// given back on every path out, also when an exception passes through.
#pragma once

#include <windows.h>
#include <objbase.h>

#include "platform/UniqueHandle.h"

namespace WinHandlesDetail {
template <typename Interface>
void Release(Interface* Object)
{
    Object->Release();
}
inline void FreeComMemory(void* Memory)
{
    CoTaskMemFree(Memory);
}
template <typename Memory>
void FreeLocal(Memory* Local)
{
    LocalFree(Local);
}
inline void CloseKernelHandle(HANDLE Handle)
{
    CloseHandle(Handle);
}
} // namespace WinHandlesDetail

using UniqueFont = UniqueHandle<HFONT, DeleteObject>;
using UniqueIcon = UniqueHandle<HICON, DestroyIcon>;
using UniqueModule = UniqueHandle<HMODULE, FreeLibrary>;
using UniqueMemoryDC = UniqueHandle<HDC, DeleteDC>;
using UniqueKey = UniqueHandle<HKEY, RegCloseKey>;
/// A process or thread handle, such as the one ShellExecuteEx may hand back.
using UniqueKernelHandle = UniqueHandle<HANDLE, WinHandlesDetail::CloseKernelHandle>;
/// A shell item identifier list, freed with the shell's (COM's) allocator.
template <typename List>
using UniqueComMemory = UniqueHandle<List, WinHandlesDetail::FreeComMemory>;
/// A buffer the system allocated with LocalAlloc, such as FormatMessage's.
template <typename Memory>
using UniqueLocalMemory = UniqueHandle<Memory*, WinHandlesDetail::FreeLocal<Memory>>;
/// A COM interface pointer: owner->Method().
template <typename Interface>
using UniqueInterface = UniqueHandle<Interface*, WinHandlesDetail::Release<Interface>>;

/// GetDC for Window (the screen for null), released with ReleaseDC.
class ScopedWindowDC {
public:
    explicit ScopedWindowDC(HWND Window) : m_window(Window), m_context(GetDC(Window)) {}
    ~ScopedWindowDC()
    {
        if (m_context)
            ReleaseDC(m_window, m_context);
    }
    ScopedWindowDC(const ScopedWindowDC&) = delete;
    ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;

    HDC get() const { return m_context; }

private:
    HWND m_window;
    HDC m_context;
};

/// BeginPaint for Window, ended with EndPaint.
class ScopedPaintDC {
public:
    explicit ScopedPaintDC(HWND Window) : m_window(Window), m_context(BeginPaint(Window, &m_paint))
    {
    }
    ~ScopedPaintDC() { EndPaint(m_window, &m_paint); }
    ScopedPaintDC(const ScopedPaintDC&) = delete;
    ScopedPaintDC& operator=(const ScopedPaintDC&) = delete;

    HDC get() const { return m_context; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_context;
};

/// SelectObject of Object into Context; the object it replaced is selected back.
class ScopedSelection {
public:
    ScopedSelection(HDC Context, HGDIOBJ Object)
        : m_context(Context), m_previous(SelectObject(Context, Object))
    {
    }
    ~ScopedSelection()
    {
        if (m_previous && m_previous != HGDI_ERROR)
            SelectObject(m_context, m_previous);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC m_context;
    HGDIOBJ m_previous;
};
