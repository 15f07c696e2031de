// Unit Info's platform seams as Windows itself answers them.
#pragma once

#include "info/InfoPlatform.h"
#include "info/Status.h"

/// version.dll, bound from the system folder on first use; throws TError when it
/// cannot be.
IVersionResources& SystemVersionResources();
/// GetVersionExA, the registry and lstrcmpiA.
IOsQueries& SystemOsQueries();
/// GlobalMemoryStatus(Ex), PSAPI's GetProcessMemoryInfo (bound from the system folder on first
/// use; zeros when it cannot be), the time zone, this process's times and the local time.
IStatusQueries& SystemStatusQueries();
/// The user's locale separators for numbers, in UTF-8.
TNumberSeparators UserNumberSeparators();
/// Unit Info's shell routines, as the information window's links use them.
IInfoShell& SystemShell();
