// The endpoint seam (Endpoints.h) on the system's MMDevice API, reached only through COM, so the
// program still starts on Windows XP, where creating the enumerator simply fails.
#pragma once

#include <memory>

#include "audio/Endpoints.h"

/// An enumerator that initialises COM (apartment-threaded) on Create and uninitialises it when it
/// goes away, after releasing everything it holds.
std::unique_ptr<IEndpointEnumerator> OpenCoreAudio();

struct IAudioEndpointVolume;

/// The seam over an endpoint volume, which takes over the caller's reference: what an endpoint's
/// ActivateVolume hands back, here for the Windows tests to give it a volume of their own.
std::unique_ptr<IEndpointVolume> WrapEndpointVolume(IAudioEndpointVolume* Volume);
