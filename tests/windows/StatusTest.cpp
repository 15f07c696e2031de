// The status report against the real system: nine lines in their formats, with real amounts.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "info/SystemPlatform.h"

namespace {

TEST(StatusOnWindows, NineLinesWithRealAmounts)
{
    std::vector<std::string> lines;
    ComputeStatusLines(SystemStatusQueries(), UserNumberSeparators(),
                       [&](int, const std::string& Text) { lines.push_back(Text); });
    ASSERT_EQ(lines.size(), 9u);

    const std::string kb = "([0-9]{1,3}(,[0-9]{3})*) KB";
    const std::string seconds = "[0-9]+:[0-5][0-9]:[0-5][0-9]";
    const std::regex patterns[] = {
        std::regex("Free Physical Memory:" + kb + "; Total:" + kb),
        std::regex("Free Paging File:" + kb + "; Total:" + kb),
        std::regex("Free Virtual Memory:" + kb + "; Total:" + kb),
        std::regex("Memory Usage:" + kb + "; Peak:" + kb),
        std::regex("Page Fault:[0-9]{1,3}(,[0-9]{3})*"),
        std::regex("Pagefile Usage:" + kb + "; Peak:" + kb),
        std::regex("Paged Pool Usage:" + kb + "; Peak:" + kb),
        std::regex("NonPaged Pool Usage:" + kb + "; Peak:" + kb),
        std::regex("Kernel:" + seconds + "; User:" + seconds + "; Process:" + seconds),
    };
    for (size_t line = 0; line < lines.size(); ++line)
        EXPECT_TRUE(std::regex_match(lines[line], patterns[line])) << lines[line];

    // Totals, and this process's working set, are never zero on a real system.
    for (size_t line : {0u, 2u, 3u})
        EXPECT_EQ(lines[line].find(":0 KB"), std::string::npos) << lines[line];
    EXPECT_EQ(lines[0].find("Total:0 KB"), std::string::npos);

    // The address space is the process's own: at most 4 GB for a 32-bit program (2 GB unless
    // it is large-address aware), far more for a 64-bit one.
    std::string total = lines[2].substr(lines[2].find("Total:") + 6);
    total.erase(std::remove(total.begin(), total.end(), ','), total.end());
    const unsigned long long totalKb = std::stoull(total);
    if (sizeof(void*) == 4)
        EXPECT_LE(totalKb, 4194304ull) << lines[2];
    else
        EXPECT_GT(totalKb, 4194304ull) << lines[2];
}

// The user's own settings: no thousands separator is no separator, not a comma.
TEST(StatusOnWindows, TheUsersEmptyThousandsSeparatorMeansNone)
{
    wchar_t saved[16] = {};
    ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, saved, 16), 0);
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, L""));
    const TNumberSeparators separators = UserNumberSeparators();
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, saved);
    EXPECT_EQ(separators.Thousands, "");
    EXPECT_EQ(FormatSize(suNone, 1234567, separators), "1234567");
}

} // namespace
