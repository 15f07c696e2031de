// The Core Audio endpoints over answers made of the fuzzer's bytes, as text and as JSON: one line
// per line, every failure in the JSON, the JSON ASCII and well formed.
#include "FuzzInput.h"
#include "FuzzedEndpoints.h"
#include "JsonCheck.h"
#include "audio/EndpointList.h"
#include "platform/Json.h"

namespace {

std::size_t JsonErrors(const nlohmann::json& Document)
{
    std::size_t count = Document.at("errors").size();
    if (Document.at("endpoints").is_array())
        for (const nlohmann::json& endpoint : Document.at("endpoints")) {
            count += endpoint.at("errors").size();
            if (endpoint.at("sessions").is_array())
                for (const nlohmann::json& session : endpoint.at("sessions"))
                    count += session.at("errors").size();
        }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    TFuzzInput input(Data, Size);
    const DWORD windowsMajor = input.Byte() % 11u;
    const bool withAudio = input.Byte() & 1;
    const std::unique_ptr<IEndpointEnumerator> enumerator = MakeFuzzedEndpoints(input);
    TEndpointList list = ReadEndpoints(*enumerator, withAudio);
    for (TEndpointNode& endpoint : list.Endpoints)
        if (input.Byte() & 1)
            endpoint.MixerDevices.push_back(input.Count());
    if (list.Available())
        SelectEndpoint(list, input.Byte() & 1 ? "default-render" : "Speakers");

    std::size_t lines = 0;
    WriteEndpointsText(list, "KorvaleReport 1.0 on Windows", windowsMajor,
                       [&lines](const std::string& Line) {
                           CheckLine(Line);
                           ++lines;
                       });
    FuzzCheck(lines >= 1 + list.Endpoints.size(), "an endpoint missing from the text");

    TJsonWriter json;
    json.Begin("", '{');
    WriteEndpointsJson(json, list, windowsMajor);
    json.End('}');
    const nlohmann::json document = ParsedJson(json.Text());
    FuzzCheck(JsonErrors(document) == static_cast<std::size_t>(CountFailures(list)),
              "a failure missing from the JSON");
    return 0;
}
