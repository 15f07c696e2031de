// The line-append step of the main window's text boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "mixer/Reports.h"

/// Appends Line (ANSI code page) to the multi-line edit Memo as a new last line. Never clears or
/// changes what is there: a last line the user typed without ending it stays a line of its own.
void AppendLine(HWND Memo, const std::string& Line);

/// Runs Report, which writes its lines through the sink it is given, and appends them all to
/// Memo as AppendLine would one by one, but in one step: the box takes and redraws them once,
/// however many there are and however much it holds. Lines written before an error that ends the
/// report are appended too, and the error passes on.
void AppendReport(HWND Memo, const std::function<void(const TLineSink& AppendLine)>& Report);
