// KorvaleReport's command line: any arguments (split from the front of the input), over a mixer
// and Core Audio endpoints made of the rest. Whatever it is asked, it answers with one of its exit
// codes, writes JSON only as an ASCII document that parses, and closes every mixer it opened.
#include <cstdio>
#include <cstdlib>

#include "FuzzInput.h"
#include "FuzzedEndpoints.h"
#include "FuzzedMixer.h"
#include "JsonCheck.h"
#include "app/ReportTool.h"

namespace {

// A mixer that is checked when the tool lets it go.
class TClosingMixer final : public FuzzedMixer {
public:
    using FuzzedMixer::FuzzedMixer;
    ~TClosingMixer() override { FuzzCheck(OpenHandles() == 0, "a mixer left open"); }
};

// A stream into memory, its text read after the tool has finished with it.
class TMemoryStream {
public:
    TMemoryStream() : m_stream(open_memstream(&m_text, &m_size)) {}
    ~TMemoryStream()
    {
        if (m_stream)
            std::fclose(m_stream);
        std::free(m_text);
    }
    TMemoryStream(const TMemoryStream&) = delete;
    TMemoryStream& operator=(const TMemoryStream&) = delete;

    std::FILE* Stream() const { return m_stream; }
    std::string Text()
    {
        std::fflush(m_stream);
        return std::string(m_text, m_size);
    }

private:
    char* m_text = nullptr;
    std::size_t m_size = 0;
    std::FILE* m_stream;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    TFuzzInput input(Data, Size);
    std::vector<std::string> arguments(input.Byte() % 8u);
    for (std::string& argument : arguments)
        argument = input.Provider().ConsumeRandomLengthString(64);

    TReportToolSystem system;
    system.OpenMixer = [&input] { return std::make_unique<TClosingMixer>(input); };
    system.OpenEndpoints = [&input] { return MakeFuzzedEndpoints(input); };
    system.Context = {"KorvaleReport", "1.0", input.Byte() % 11u, 0, 2600};
    TMemoryStream out, err;
    FuzzCheck(out.Stream() && err.Stream(), "no memory stream");
    const int code = RunReportTool(arguments, system, out.Stream(), err.Stream());
    FuzzCheck(code >= rxDone && code <= rxSomeCallsFailed, "an exit code of no meaning");
    const std::string text = out.Text();
    if (!text.empty() && text.front() == '{')
        ParsedJson(text);
    FuzzCheck(code != rxUsage || (text.empty() && !err.Text().empty()),
              "a usage error without its message");
    return 0;
}
