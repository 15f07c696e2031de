// A window class in C++: the window procedure finds its object and calls its HandleMessage.
//
// Derived passes `this` as the creation parameter of CreateWindowExW; WM_NCCREATE stores it in the
// window and WM_NCDESTROY clears it. No C++ exception ever returns into the system: what a handler
// lets through is shown in a message box and the message counts as handled.
#pragma once

#include <windows.h>

#include <string>

#include "platform/GuardedCall.h"

/// Shows Message in the program's error box, owned by Owner.
void ShowErrorMessage(HWND Owner, const std::string& Message);

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
        RunGuarded([&] { result = self->HandleMessage(Message, WParam, LParam); },
                   [&](const std::string& Error) { ShowErrorMessage(Window, Error); });
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

    HWND m_hwnd = nullptr;
};
