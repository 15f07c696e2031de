// KorvaleReport: Korvale's mixer reports on standard output, for scripts and support staff.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mixer/Mixer.h"

/// Runs the report tool for the command-line Arguments (without the program name): prints the
/// chosen reports to Out, one line per report line, or the usage. OpenMixer is called only when
/// a report is to be printed. Returns the exit code: 0 done, 1 failed, 2 bad arguments.
int RunReportTool(const std::vector<std::string>& Arguments,
                  const std::function<std::unique_ptr<IMixer>()>& OpenMixer, std::FILE* Out,
                  std::FILE* Err);
