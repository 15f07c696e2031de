// The operating system description's decision tree, against scripted version records and
// registries.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>

#include "info/OSDescription.h"
#include "InfoFakes.h"

namespace {

constexpr BYTE kNoProductType = 0;

struct OsCase {
    const char* Situation;
    DWORD Platform, Major, Minor, Build;
    const char* ServicePack;
    BYTE ProductType;
    WORD Suite;
    const char* Expected;
};

FakeOs MakeOs(const OsCase& Tested)
{
    FakeOs os;
    os.Version.dwPlatformId = Tested.Platform;
    os.Version.dwMajorVersion = Tested.Major;
    os.Version.dwMinorVersion = Tested.Minor;
    os.Version.dwBuildNumber = Tested.Build;
    std::strncpy(os.Version.szCSDVersion, Tested.ServicePack, sizeof os.Version.szCSDVersion - 1);
    os.Version.wProductType = Tested.ProductType;
    os.Version.wSuiteMask = Tested.Suite;
    return os;
}

// Systems that answer the extended version query.
const OsCase kExtendedCases[] = {
    {"Win32s", 0, 3, 10, 0, "Win32s 1.3", 0, 0, "Microsoft Win32s"},
    {"95 OSR2 (C)", 1, 4, 0, 0x040003B6, " C", 0, 0, "Microsoft Windows 95 OSR2 "},
    {"95 OSR2 (B)", 1, 4, 0, 0x040003B6, " B", 0, 0, "Microsoft Windows 95 OSR2 "},
    {"95", 1, 4, 0, 0x040003B6, "", 0, 0, "Microsoft Windows 95 "},
    {"95, edition mark in the wrong place", 1, 4, 0, 0, "C", 0, 0, "Microsoft Windows 95 "},
    {"98 SE", 1, 4, 10, 0x040A08AE, " A ", 0, 0, "Microsoft Windows 98 SE "},
    {"98", 1, 4, 10, 0x040A07CE, "", 0, 0, "Microsoft Windows 98 "},
    {"Me", 1, 4, 90, 0x045A0BB8, " ", 0, 0, "Microsoft Windows Millennium Edition"},
    {"unknown 9x version", 1, 4, 3, 0, " C", 0, 0, "Unknown"},
    {"unknown platform", 3, 5, 1, 2600, "Service Pack 2", 1, 0, "Unknown"},
    {"XP Home", 2, 5, 1, 2600, "Service Pack 2", VER_NT_WORKSTATION, 0x0300,
     "Microsoft Windows XP Home Edition Service Pack 2 (Build 2600)"},
    {"XP Professional, no service pack", 2, 5, 1, 2600, "", VER_NT_WORKSTATION, 0x0100,
     "Microsoft Windows XP Professional  (Build 2600)"},
    {"build with high bits", 2, 5, 1, 0x0A280A28, "Service Pack 3", VER_NT_WORKSTATION, 0,
     "Microsoft Windows XP Professional Service Pack 3 (Build 2600)"},
    {"2003 Datacenter", 2, 5, 2, 3790, "Service Pack 2", VER_NT_SERVER, 0x0082,
     "Microsoft Windows .NET Server 2003 family, Datacenter Edition Service Pack 2 (Build 3790)"},
    {"2003 Enterprise", 2, 5, 2, 3790, "", VER_NT_SERVER, 0x0002,
     "Microsoft Windows .NET Server 2003 family, Enterprise Edition  (Build 3790)"},
    {"2003 Web", 2, 5, 2, 3790, "", VER_NT_SERVER, 0x0400,
     "Microsoft Windows .NET Server 2003 family, Web Edition  (Build 3790)"},
    {"2003, web bit with another", 2, 5, 2, 3790, "", VER_NT_SERVER, 0x0410,
     "Microsoft Windows .NET Server 2003 family, Standard Edition  (Build 3790)"},
    {"2003 domain controller", 2, 5, 2, 3790, "", VER_NT_DOMAIN_CONTROLLER, 0x0002,
     "Microsoft Windows .NET Server 2003 family,  (Build 3790)"},
    {"2000 Datacenter", 2, 5, 0, 2195, "Service Pack 4", VER_NT_SERVER, 0x0082,
     "Microsoft Windows 2000 Datacenter Server Service Pack 4 (Build 2195)"},
    {"2000 Advanced Server", 2, 5, 0, 2195, "Service Pack 4", VER_NT_SERVER, 0x0002,
     "Microsoft Windows 2000 Advanced Server Service Pack 4 (Build 2195)"},
    {"2000 Server", 2, 5, 0, 2195, "Service Pack 4", VER_NT_SERVER, 0,
     "Microsoft Windows 2000 Server Service Pack 4 (Build 2195)"},
    {"2000 domain controller", 2, 5, 0, 2195, "Service Pack 4", VER_NT_DOMAIN_CONTROLLER, 0,
     "Microsoft Windows 2000 Service Pack 4 (Build 2195)"},
    {"2000 Professional", 2, 5, 0, 2195, "Service Pack 4", VER_NT_WORKSTATION, 0,
     "Microsoft Windows 2000 Professional Service Pack 4 (Build 2195)"},
    {"Vista", 2, 6, 0, 6002, "Service Pack 2", VER_NT_WORKSTATION, 0x0100,
     "Windows NT product family? Professional Service Pack 2 (Build 6002)"},
    {"Vista Home", 2, 6, 0, 6002, "Service Pack 2", VER_NT_WORKSTATION, 0x0300,
     "Windows NT product family? Home Edition Service Pack 2 (Build 6002)"},
    {"Server 2008", 2, 6, 0, 6002, "Service Pack 2", VER_NT_SERVER, 0,
     "Windows NT product family? Server 4.0 Service Pack 2 (Build 6002)"},
    {"5.3", 2, 5, 3, 1, "", VER_NT_WORKSTATION, 0,
     "Windows NT product family? Professional  (Build 1)"},
    {"NT 4 Server Enterprise", 2, 4, 0, 1381, "Service Pack 5", VER_NT_SERVER, 0x0002,
     "Microsoft Windows NT Server 4.0, Enterprise Edition Service Pack 5 (Build 1381)"},
    {"NT 3.51", 2, 3, 51, 1057, "Service Pack 5", VER_NT_WORKSTATION, 0,
     "Microsoft Windows NT Professional Service Pack 5 (Build 1057)"},
    {"NT 4 without product type", 2, 4, 0, 1381, "Service Pack 6a", kNoProductType, 0,
     "Microsoft Windows NT Service Pack 6a (Build 1381)"},
};

TEST(GetFullOSDescription, FollowsTheDecisionTree)
{
    for (const OsCase& tested : kExtendedCases) {
        FakeOs os = MakeOs(tested);
        std::string description = "previous";
        GetFullOSDescription(os, description);
        EXPECT_EQ(description, tested.Expected) << tested.Situation;
        EXPECT_EQ(os.KeysOpen, 0) << tested.Situation;
    }
}

TEST(GetFullOSDescription, TellsServicePack6aByItsHotfix)
{
    const OsCase nt4 = {"NT 4 SP6", 2, 4, 0, 1381, "Service Pack 6", VER_NT_WORKSTATION, 0, ""};
    struct {
        const char* ServicePack;
        bool Hotfix;
        const char* Expected;
    } cases[] = {
        {"Service Pack 6", true,
         "Microsoft Windows NT Workstation 4.0 Service Pack 6a (Build 1381)"},
        {"Service Pack 6", false,
         "Microsoft Windows NT Workstation 4.0 Service Pack 6 (Build 1381)"},
        {"SERVICE PACK 6", true,
         "Microsoft Windows NT Workstation 4.0 Service Pack 6a (Build 1381)"},
        {"SERVICE PACK 6", false,
         "Microsoft Windows NT Workstation 4.0 SERVICE PACK 6 (Build 1381)"},
        {"Service Pack 6a", true,
         "Microsoft Windows NT Workstation 4.0 Service Pack 6a (Build 1381)"},
    };
    for (const auto& tested : cases) {
        FakeOs os = MakeOs(nt4);
        std::strcpy(os.Version.szCSDVersion, tested.ServicePack);
        os.HotfixKeyExists = tested.Hotfix;
        std::string description;
        GetFullOSDescription(os, description);
        EXPECT_EQ(description, tested.Expected)
            << tested.ServicePack << ", hotfix " << tested.Hotfix;
        EXPECT_EQ(os.KeysOpen, 0);
    }
    // Only NT 4 asks for the hotfix.
    FakeOs xp = MakeOs({"", 2, 5, 1, 2600, "Service Pack 6", VER_NT_WORKSTATION, 0, ""});
    xp.HotfixKeyExists = true;
    std::string description;
    GetFullOSDescription(xp, description);
    EXPECT_EQ(description, "Microsoft Windows XP Professional Service Pack 6 (Build 2600)");
    EXPECT_TRUE(xp.KeysOpened.empty());
}

// Systems that refuse the extended record: the edition comes from the registry.
TEST(GetFullOSDescription, ReadsTheEditionFromTheRegistryWithoutTheExtendedRecord)
{
    const OsCase nt4 = {"NT 4", 2, 4, 0, 1381, "Service Pack 5", 0, 0, ""};
    struct {
        std::optional<std::string> ProductType;
        bool KeyExists;
        const char* Expected;
    } cases[] = {
        {std::string("WinNT", 6), true,
         "Microsoft Windows NT Workstation 4.0 Service Pack 5 (Build 1381)"},
        {std::string("LanmanNT", 9), true,
         "Microsoft Windows NT Server 4.0 Service Pack 5 (Build 1381)"},
        {std::string("SERVERNT", 9), true,
         "Microsoft Windows NT Advanced Server 4.0 Service Pack 5 (Build 1381)"},
        {std::string("Other", 6), true, "Microsoft Windows NT 4.0 Service Pack 5 (Build 1381)"},
        // Text after the NUL is not part of the value.
        {std::string("WinNT\0Junk", 10), true,
         "Microsoft Windows NT Workstation 4.0 Service Pack 5 (Build 1381)"},
        // A value that fills the buffer without a NUL is read up to the buffer's end, no further.
        {std::string(255, 'W'), true, "Microsoft Windows NT 4.0 Service Pack 5 (Build 1381)"},
        {std::string(256, 'W'), true, "Microsoft Windows NT "},
        {std::nullopt, true, "Microsoft Windows NT "},
        {std::string("WinNT", 6), false, "Microsoft Windows NT "},
    };
    for (const auto& tested : cases) {
        FakeOs os = MakeOs(nt4);
        os.ExtendedQueryWorks = false;
        os.ProductType = tested.ProductType;
        os.ProductOptionsKeyExists = tested.KeyExists;
        std::string description;
        GetFullOSDescription(os, description);
        EXPECT_EQ(description, tested.Expected) << tested.ProductType.value_or("(none)").size();
        EXPECT_EQ(os.KeysOpen, 0);
    }

    FakeOs neither = MakeOs(nt4);
    neither.ExtendedQueryWorks = neither.BasicQueryWorks = false;
    std::string description = "previous";
    GetFullOSDescription(neither, description);
    EXPECT_EQ(description, "Unknown");
}

TEST(GetShortOSDescription, NamesPlatformVersionWholeBuildAndServicePack)
{
    const struct {
        OsCase Os;
        const char* Expected;
    } cases[] = {
        {{"XP", 2, 5, 1, 2600, "Service Pack 2", 1, 0, ""},
         "Windows NT Version 5.1 (Build 2600 : Service Pack 2)"},
        {{"98", 1, 4, 10, 0x040A08AE, " A ", 0, 0, ""},
         "Windows 95 Version 4.10 (Build 67766446 :  A )"},
        {{"Win32s", 0, 3, 10, 0, "", 0, 0, ""}, "Windows 3.1 Version 3.10 (Build 0 : )"},
        {{"platform 3", 3, 1, 2, 0xFFFFFFFF, "x", 0, 0, ""}, " Version 1.2 (Build -1 : x)"},
    };
    for (const auto& tested : cases) {
        FakeOs os = MakeOs(tested.Os);
        std::string description;
        GetShortOSDescription(os, description);
        EXPECT_EQ(description, tested.Expected) << tested.Os.Situation;
    }
    FakeOs failing = MakeOs(cases[0].Os);
    failing.BasicQueryWorks = false;
    std::string description;
    GetShortOSDescription(failing, description);
    // A failed query leaves the record zero-filled: platform 0.
    EXPECT_EQ(description, "Windows 3.1 Version 0.0 (Build 0 : )");
}

TEST(GetOSDescription, FallsBackToTheShortTextThenToMicrosoftWindows)
{
    const OsCase xp = {"XP", 2, 5, 1, 2600, "Service Pack 2", 1, 0, ""};
    FakeOs full = MakeOs(xp);
    std::string description;
    GetOSDescription(full, description);
    EXPECT_EQ(description, "Microsoft Windows XP Professional Service Pack 2 (Build 2600)");

    FakeOs failingFull = MakeOs(xp);
    failingFull.ThrowAtQuery = 1;
    GetOSDescription(failingFull, description);
    EXPECT_EQ(description, "Windows NT Version 5.1 (Build 2600 : Service Pack 2)");

    struct AlwaysFailing : FakeOs {
        BOOL QueryVersion(OSVERSIONINFOA*) override { throw std::runtime_error("out of memory"); }
    } failingBoth;
    EXPECT_NO_THROW(GetOSDescription(failingBoth, description));
    EXPECT_EQ(description, "Microsoft Windows");
}

TEST(PlatformName, NamesTheThreePlatformsAndLeavesOthersAlone)
{
    const struct {
        DWORD Id;
        const char* Expected;
    } cases[] = {{0, "Windows 3.1"},
                 {1, "Windows 95"},
                 {2, "Windows NT"},
                 {3, "kept"},
                 {0xFFFFFFFF, "kept"}};
    for (const auto& tested : cases) {
        std::string name = "kept";
        PlatformName(tested.Id, name);
        EXPECT_EQ(name, tested.Expected) << tested.Id;
    }
}

} // namespace
