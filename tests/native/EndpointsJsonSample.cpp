// Prints the endpoints' JSON document of the scripted endpoints, which hold what Wine never gives
// (sessions, channels, steps, hardware support, every state, a value not written, an unnamed
// code), so that the schema is checked against all of it: native.endpoints-json-schema.
#include <cstdio>

#include "FakeEndpoints.h"
#include "audio/EndpointList.h"
#include "mixer/TreeReport.h"
#include "platform/Json.h"

int main()
{
    const auto fake = FourEndpoints();
    fake->Endpoints[0].Volume.Scalar = kUnwritten;
    fake->Endpoints[1].PropertyResults[TEndpointKey::DeviceDesc] = static_cast<HRESULT>(0x80001234);
    fake->Endpoints[0].Sessions[1].Results["GetMasterVolume"] = static_cast<HRESULT>(0x80004005);
    TJsonWriter json;
    json.Begin("", '{');
    WriteJsonHead(json, {"KorvaleReport", "1.0", 10, 0, 19045});
    WriteEndpointsJson(json, ReadEndpoints(*fake), 10);
    json.End('}');
    return std::fputs(json.Text().c_str(), stdout) < 0;
}
