#include "platform/GuardedCall.h"

#include <exception>

bool RunGuarded(const std::function<void()>& Action,
                const std::function<void(const std::string& Message)>& ShowError)
{
    std::string message;
    try {
        Action();
        return true;
    } catch (const std::exception& error) {
        message = error.what();
    } catch (...) {
        message = "Unknown error";
    }
    // Shown outside the handlers: showing may itself fail, and that must not be caught as the
    // action's error. If it fails there is nobody left to tell, so it is dropped.
    try {
        ShowError(message);
    } catch (...) {
    }
    return false;
}
