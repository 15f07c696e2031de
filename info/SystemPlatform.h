// Unit Info's platform seams as Windows itself answers them.
#pragma once

#include "info/InfoPlatform.h"

/// The system's ANSI code page.
const IAnsiCodePage& SystemCodePage();
/// version.dll, bound from the system folder on first use; throws std::runtime_error when it
/// cannot be.
IVersionResources& SystemVersionResources();
/// GetVersionExA, the registry and lstrcmpiA.
IOsQueries& SystemOsQueries();
