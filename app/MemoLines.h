// The line-append step of the main window's text boxes.
#pragma once

#include <windows.h>

#include <string>

/// Appends Line (ANSI code page) to the multi-line edit Memo as a new last line. Never clears or
/// changes what is there: a last line the user typed without ending it stays a line of its own.
void AppendLine(HWND Memo, const std::string& Line);
