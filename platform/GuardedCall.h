// The program's last line of defence for errors: what an event handler does not catch itself is
// shown to the user, and the program goes on.
#pragma once

#include <exception>
#include <string>

/// Runs Action. If it throws, passes the error's message (UTF-8) to ShowError and returns false;
/// otherwise returns true. Nothing escapes, so it can stand between a window procedure or a
/// callback and the system that called it.
template <class Action, class ShowError>
bool RunGuarded(Action&& Act, ShowError&& Show) noexcept
{
    // The message is shown outside the handlers: showing may itself fail, and that must not be
    // taken for the action's error. If it fails there is nobody left to tell, so it is dropped.
    std::string message;
    try {
        Act();
        return true;
    } catch (const std::exception& error) {
        try {
            message = error.what();
        } catch (...) {
            // No memory even for the message: shown without one.
        }
    } catch (...) {
        message = "Unknown error";
    }
    try {
        Show(message);
    } catch (...) {
    }
    return false;
}
