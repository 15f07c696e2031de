// The program's main window, as the lower layers need it: the owner of what the system shows on
// the program's behalf (the shell's windows and messages). The program entry sets it; nothing
// below the application fetches the main window any other way.
#pragma once

#include <windows.h>

/// Sets the window (null: none any more).
void SetApplicationWindow(HWND Window);

/// The window set last; null before the program has one.
HWND ApplicationWindow();
