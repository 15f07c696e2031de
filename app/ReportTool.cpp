#include "app/ReportTool.h"

#include <exception>

#include "mixer/Reports.h"

namespace {

const char kUsage[] = "Usage: KorvaleReport [--caps] [--volume] [--help]\n"
                      "Prints Korvale's mixer reports to standard output.\n"
                      "  --caps     the device capabilities report\n"
                      "  --volume   the master volume query\n"
                      "  --help     this text\n"
                      "With no argument, both reports are printed, capabilities first.\n";

struct TReportRequest {
    bool Caps = false;
    bool Volume = false;
    bool Help = false;
    std::string Unknown; // the first argument not understood
};

TReportRequest ParseArguments(const std::vector<std::string>& Arguments)
{
    TReportRequest request;
    for (const std::string& argument : Arguments) {
        if (argument == "--caps")
            request.Caps = true;
        else if (argument == "--volume")
            request.Volume = true;
        else if (argument == "--help")
            request.Help = true;
        else if (request.Unknown.empty())
            request.Unknown = argument;
    }
    if (Arguments.empty())
        request.Caps = request.Volume = true;
    return request;
}

void Write(std::FILE* Stream, const std::string& Text)
{
    std::fwrite(Text.data(), 1, Text.size(), Stream);
}

// True when everything written so far reached its destination.
bool Flushed(std::FILE* Stream)
{
    return std::fflush(Stream) == 0 && !std::ferror(Stream);
}

} // namespace

int RunReportTool(const std::vector<std::string>& Arguments,
                  const std::function<std::unique_ptr<IMixer>()>& OpenMixer, std::FILE* Out,
                  std::FILE* Err)
{
    const TReportRequest request = ParseArguments(Arguments);
    if (!request.Unknown.empty()) {
        Write(Err, "KorvaleReport: unknown argument \"" + request.Unknown + "\"\n" + kUsage);
        return 2;
    }
    if (request.Help) {
        Write(Out, kUsage);
        if (Flushed(Out))
            return 0;
        Write(Err, "KorvaleReport: the help could not be written\n");
        return 1;
    }
    try {
        const std::unique_ptr<IMixer> mixer = OpenMixer();
        const TLineSink print = [&](const std::string& Line) { Write(Out, Line + "\n"); };
        if (request.Caps)
            RunDevCapsReport(*mixer, print);
        if (request.Volume)
            RunVolumeReport(*mixer, print);
    } catch (const std::exception& error) {
        Flushed(Out);
        Write(Err, std::string("KorvaleReport: ") + error.what() + "\n");
        return 1;
    }
    if (!Flushed(Out)) {
        Write(Err, "KorvaleReport: the report could not be written\n");
        return 1;
    }
    return 0;
}
