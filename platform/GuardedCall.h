// The program's last line of defence for errors: what an event handler does not catch itself is
// shown to the user, and the program goes on.
#pragma once

#include <functional>
#include <string>

/// Runs Action. If it throws, passes the error's message to ShowError and returns false;
/// otherwise returns true. Nothing escapes, so it can stand between a window procedure and the
/// system that called it.
bool RunGuarded(const std::function<void()>& Action,
                const std::function<void(const std::string& Message)>& ShowError);
