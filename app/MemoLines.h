// The line-append step of the main window's text boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "mixer/Reports.h"

/// Runs Report, which writes its lines (ANSI code page) through the sink it is given, and appends
/// them all to the multi-line edit Memo below what is there, in one step: the box takes and
/// redraws them once, however many there are and however much it holds. Never clears or changes
/// what is there: a last line the user typed without ending it stays a line of its own. Lines
/// written before an error that ends the report are appended too, and the error passes on.
void AppendReport(HWND Memo, const std::function<void(const TLineSink& AppendLine)>& Report);
