// Windows' own DLLs come from the system folder, never from the program's folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/SystemLibrary.h"

namespace {

std::wstring FolderOf(HMODULE Module)
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(Module, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

std::wstring SystemFolder()
{
    wchar_t folder[MAX_PATH];
    return std::wstring(folder, GetSystemDirectoryW(folder, MAX_PATH));
}

TEST(SystemLibrary, LoadsFromTheSystemFolder)
{
    UniqueModule winmm = LoadSystemLibrary(L"winmm.dll");
    ASSERT_TRUE(winmm);
    EXPECT_EQ(_wcsicmp(FolderOf(winmm.get()).c_str(), SystemFolder().c_str()), 0);
    EXPECT_NE(GetProc<decltype(mixerGetNumDevs)>(winmm.get(), "mixerGetNumDevs"), nullptr);
    EXPECT_EQ(GetProc<decltype(mixerGetNumDevs)>(winmm.get(), "NoSuchExport"), nullptr);
}

TEST(SystemLibrary, IgnoresADllPlantedBesideTheProgram)
{
    // The system-folder load must not find the probe, which the ordinary search then does find.
    // (In this order: a module once loaded is found by its name wherever it came from.)
    EXPECT_FALSE(LoadSystemLibrary(L"PlantedProbe.dll"));
    UniqueModule planted(LoadLibraryW(L"PlantedProbe.dll"));
    EXPECT_TRUE(planted) << "PlantedProbe.dll should be beside the test program";
}

} // namespace
