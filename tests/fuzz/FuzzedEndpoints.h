// Core Audio endpoints whose every answer comes from the fuzzer's bytes: counts, identifiers,
// names, property types and blobs, floats of any bits (NaN, infinities, the unwritten marker),
// success and failure codes at every call. A failed call leaves garbage in what it hands back; a
// successful one may leave a float unwritten. An interface is handed back with every success, as
// the Windows side's wrappers do.
#pragma once

#include <memory>

#include "FuzzInput.h"
#include "audio/Endpoints.h"

std::unique_ptr<IEndpointEnumerator> MakeFuzzedEndpoints(TFuzzInput& Input);
