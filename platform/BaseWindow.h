// A window class in C++: the window procedure finds its object and calls its HandleMessage.
//
// Derived creates its window with Create, which passes `this` to the system; WM_NCCREATE stores
// it in the window and WM_NCDESTROY clears it. No C++ exception ever returns into the system:
// what a handler lets through is shown in a message box and the message counts as handled, except
// during creation, where the window is not created and the error goes to the code that asked for
// it.
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <utility>

#include "platform/GuardedCall.h"
#include "platform/Error.h"

/// Shows Message (UTF-8) in the program's error box, owned by Owner's top-level window.
void ShowErrorMessage(HWND Owner, const std::string& Message);

/// Procedure as a window procedure that lets no exception reach the system: what it throws is
/// shown with ShowErrorMessage and the message answers 0 (FALSE to WM_NCCREATE: no window).
template <WNDPROC Procedure>
LRESULT CALLBACK GuardedWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    LRESULT result = 0;
    RunGuarded([&] { result = Procedure(Window, Message, WParam, LParam); },
               [&](const std::string& Error) { ShowErrorMessage(Window, Error); });
    return result;
}

template <class Derived>
class BaseWindow {
public:
    HWND Handle() const { return m_hwnd; }

    /// The window procedure to register for Derived's window class.
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
    {
        if (Message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(LParam);
            auto* self = static_cast<Derived*>(create->lpCreateParams);
            self->m_hwnd = Window;
            SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<Derived*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
        if (!self)
            return DefWindowProcW(Window, Message, WParam, LParam);

        LRESULT result = 0;
        if (Message == WM_NCCREATE || Message == WM_CREATE) {
            try {
                result = self->HandleMessage(Message, WParam, LParam);
            } catch (...) {
                // A half-built window is no use: creation fails, and Create hands the error on.
                self->m_creationError = std::current_exception();
                result = Message == WM_CREATE ? -1 : FALSE;
            }
        } else {
            RunGuarded([&] { result = self->HandleMessage(Message, WParam, LParam); },
                       [&](const std::string& Error) { ShowErrorMessage(Window, Error); });
        }
        if (Message == WM_NCDESTROY) {
            SetWindowLongPtrW(Window, GWLP_USERDATA, 0);
            self->m_hwnd = nullptr;
        }
        return result;
    }

protected:
    BaseWindow() = default;
    ~BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    /// CreateWindowExW with this object behind the window. When the window is not created,
    /// throws what its creation handler threw or, when the system refused, FailureMessage.
    void Create(DWORD ExStyle, const wchar_t* ClassName, const wchar_t* Caption, DWORD Style,
                int Left, int Top, int Width, int Height, HWND Owner, const char* FailureMessage)
    {
        m_creationError = nullptr;
        if (CreateWindowExW(ExStyle, ClassName, Caption, Style, Left, Top, Width, Height, Owner,
                            nullptr, GetModuleHandleW(nullptr), this))
            return;
        m_hwnd = nullptr;
        if (m_creationError)
            std::rethrow_exception(std::exchange(m_creationError, nullptr));
        throw TError(FailureMessage);
    }

    HWND m_hwnd = nullptr;

private:
    std::exception_ptr m_creationError;
};
