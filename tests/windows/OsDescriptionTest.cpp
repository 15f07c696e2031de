// The operating system description on the Windows versions Wine pretends to be. Each suite runs
// alone, with Wine set to that version for this program (tests/windows/as-windows-version.sh).
// The expected texts follow the decision tree from what each version reports:
//   win98   platform 1, 4.10, service pack " A "
//   nt40    platform 2, 4.0, build 1381, "Service Pack 6a", workstation
//   win2k   platform 2, 5.0, build 2195, "Service Pack 4", workstation
//   winxp   platform 2, 5.1, build 2600, "Service Pack 3", workstation, suite 0x100
//   win7    platform 2, 6.1, build 7601, "Service Pack 1", product type 3 (server) as Wine 8
//           reports it, suite 0x100
#include <gtest/gtest.h>

#include <string>

#include "info/Info.h"
#include "info/SystemPlatform.h"

namespace {

std::string Description()
{
    std::string description;
    GetOSDescription(description);
    return description;
}

TEST(AsWin98, Description)
{
    EXPECT_EQ(Description(), "Microsoft Windows 98 SE ");
}

TEST(AsNt40, Description)
{
    EXPECT_EQ(Description(), "Microsoft Windows NT Workstation 4.0 Service Pack 6a (Build 1381)");
}

TEST(AsWin2k, Description)
{
    EXPECT_EQ(Description(), "Microsoft Windows 2000 Professional Service Pack 4 (Build 2195)");
}

TEST(AsWinXp, Description)
{
    EXPECT_EQ(Description(), "Microsoft Windows XP Professional Service Pack 3 (Build 2600)");
    std::string shortDescription;
    GetShortOSDescription(SystemOsQueries(), shortDescription);
    EXPECT_EQ(shortDescription, "Windows NT Version 5.1 (Build 2600 : Service Pack 3)");
}

TEST(AsWin7, Description)
{
    EXPECT_EQ(Description(), "Windows NT product family? Server 4.0 Service Pack 1 (Build 7601)");
}

} // namespace
