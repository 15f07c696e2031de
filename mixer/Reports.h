// The two reports of the main window, written as lines of text through a sink. They know nothing
// of windows: the window passes its text box's append step, the console tool its output stream,
// the tests a scripted mixer and a list.
#pragma once

#include <functional>
#include <string>

#include "mixer/Mixer.h"

/// Receives one line of a report, without a line break: the main window's reports in the system's
/// ANSI code page (the names as the ANSI calls give them), the tree in UTF-8.
using TLineSink = std::function<void(const std::string& Line)>;

/// The device capabilities report: the device count, then for every device a header line and
/// either its six capability lines or the text of its failed query.
void RunDevCapsReport(IMixer& Mixer, const TLineSink& AppendLine);

/// The master volume query: for every device its name and destination count, then the short
/// name and first-channel value of every volume control on its speaker lines. A failing call is
/// reported by its one line and skips only what depends on it; every mixer opened is closed.
void RunVolumeReport(IMixer& Mixer, const TLineSink& AppendLine);
