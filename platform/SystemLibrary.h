// Loading Windows' own DLLs at run time without trusting the program's folder.
//
// A DLL that the program imports by name is searched for beside the program first, where anyone
// who can drop a file there could plant one. DLLs outside the system's known set are therefore
// loaded here, from the system folder only.
#pragma once

#include <windows.h>

#include <string>

#include "platform/WinHandles.h"
#include "platform/Error.h"

/// Loads FileName (for example L"winmm.dll") from the Windows system folder, with its own
/// dependencies resolved from there too. The owner is empty when it cannot be loaded.
UniqueModule LoadSystemLibrary(const wchar_t* FileName);

/// The address of Module's export Name as a pointer of the type of its declaration, for example
/// GetProc<decltype(mixerGetNumDevs)>(winmm, "mixerGetNumDevs"); null when it is missing.
template <typename Function>
Function* GetProc(HMODULE Module, const char* Name)
{
    // FARPROC and the real function type are unrelated to the compiler; void* bridges them.
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(Module, Name)));
}

/// GetProc for an export the program cannot do without: throws TError naming
/// LibraryName and Name when it is missing.
template <typename Function>
Function* RequireProc(HMODULE Module, const char* LibraryName, const char* Name)
{
    Function* function = GetProc<Function>(Module, Name);
    if (!function)
        throw TError(std::string(LibraryName) + " lacks " + Name + ".");
    return function;
}
