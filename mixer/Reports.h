// The two reports of the main window, written as lines of text through a sink. They know nothing
// of windows: the window passes its text box's append step, the console tool its output stream,
// the tests a scripted mixer and a list.
#pragma once

#include <functional>
#include <string>

#include "mixer/Mixer.h"

/// Receives one line of a report (ANSI code page, no line break).
using TLineSink = std::function<void(const std::string& Line)>;

/// The device capabilities report: the device count, then for every device a header line and
/// either its six capability lines or the text of its failed query.
void RunDevCapsReport(IMixer& Mixer, const TLineSink& AppendLine);
