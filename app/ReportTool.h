// KorvaleReport: Korvale's mixer reports on standard output, for scripts and support staff, and
// the whole mixer tree, as text or JSON.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "audio/Endpoints.h"
#include "mixer/Mixer.h"
#include "mixer/TreeReport.h"

/// The exit codes.
enum TReportExit : int {
    rxDone = 0,
    rxFailed = 1,          // the output could not be written, or the mixer library not loaded
    rxUsage = 2,           // arguments not understood
    rxNoSuchDevice = 3,    // --device or --endpoint matches none, or several
    rxSomeCallsFailed = 4, // --tree, --json or --endpoints written, but some calls failed
};

/// What the tool takes from the system it runs on.
struct TReportToolSystem {
    /// Called only when a report is to be printed.
    std::function<std::unique_ptr<IMixer>()> OpenMixer;
    /// Called only when the Core Audio endpoints are to be printed, or the tree's wave devices
    /// name endpoints; COM is initialised then.
    std::function<std::unique_ptr<IEndpointEnumerator>()> OpenEndpoints;
    /// Where full device names are kept; none: no full names.
    IMediaNames* MediaNames = nullptr;
    /// The program's version and the running Windows, for the tree.
    TTreeContext Context;
    /// Writes UTF-8 text (the tree) to a stream, the console's own way where the stream is one;
    /// false when it could not. Not set: written as it is.
    std::function<bool(std::FILE* Stream, const std::string& Utf8)> WriteUtf8;
};

/// Runs the report tool for the command-line Arguments (without the program name): prints the
/// chosen reports to Out, one line per report line, or the usage; messages go to Err. Returns the
/// exit code.
int RunReportTool(const std::vector<std::string>& Arguments, const TReportToolSystem& System,
                  std::FILE* Out, std::FILE* Err);
