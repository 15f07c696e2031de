// The status report: number and duration formats, date-times, and the nine lines from scripted
// memory, process and clock answers.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "info/Status.h"
#include "InfoFakes.h"

namespace {

const TNumberSeparators kEnglish{",", "."};
const TNumberSeparators kGerman{".", ","};

TEST(FormatSize, RoundsHalvesAwayFromZeroAndGroupsThousands)
{
    const struct {
        TSizeUnit Unit;
        std::int64_t Value;
        const TNumberSeparators* Separators;
        const char* Expected;
    } cases[] = {
        {suKByte, 0, &kEnglish, "0 KB"},
        {suKByte, 511, &kEnglish, "0 KB"},
        {suKByte, 512, &kEnglish, "1 KB"},
        {suKByte, 1536, &kEnglish, "2 KB"},
        {suKByte, 4294967295, &kEnglish, "4,194,304 KB"},
        {suKByte, 17179869184, &kEnglish, "16,777,216 KB"},
        {suKByte, 1048576, &kGerman, "1.024 KB"},
        {suNone, 1234567, &kEnglish, "1,234,567"},
        {suNone, 999, &kEnglish, "999"},
        {suNone, 1000, &kEnglish, "1,000"},
        {suNone, 1234567, &kGerman, "1.234.567"},
        {suByte, 1234, &kEnglish, "1,234 B"},
        {suMByte, 1572864, &kEnglish, "1.50 MB"},
        {suMByte, 1572864, &kGerman, "1,50 MB"},
        {suMByte, 0, &kEnglish, "0.00 MB"},
        {suMByte, 5243, &kEnglish, "0.01 MB"}, // 0.005000... rounds up
        {suMByte, 5242, &kEnglish, "0.00 MB"},
        {suMByte, 1099511627776, &kEnglish, "1,048,576.00 MB"},
        {suNone, -1234, &kEnglish, "-1,234"},
    };
    for (const auto& tested : cases)
        EXPECT_EQ(FormatSize(tested.Unit, tested.Value, *tested.Separators), tested.Expected)
            << tested.Value;
}

TEST(FormatSeconds, HoursUnwrappedMinutesAndSecondsInTwoDigits)
{
    const struct {
        std::int32_t Seconds;
        const char* Expected;
    } cases[] = {{0, "0:00:00"},           {59, "0:00:59"},     {60, "0:01:00"},
                 {3600, "1:00:00"},        {86399, "23:59:59"}, {90061, "25:01:01"},
                 {INT_MAX, "596523:14:07"}};
    for (const auto& tested : cases)
        EXPECT_EQ(FormatSeconds(tested.Seconds), tested.Expected) << tested.Seconds;
}

SYSTEMTIME Time(WORD Year, WORD Month, WORD Day, WORD Hour = 0, WORD Minute = 0, WORD Second = 0,
                WORD Millisecond = 0)
{
    SYSTEMTIME time{};
    time.wYear = Year;
    time.wMonth = Month;
    time.wDay = Day;
    time.wHour = Hour;
    time.wMinute = Minute;
    time.wSecond = Second;
    time.wMilliseconds = Millisecond;
    return time;
}

FILETIME FileTimeOfMilliseconds(std::uint64_t Milliseconds, std::uint64_t ExtraTicks = 0)
{
    const std::uint64_t ticks = Milliseconds * 10000 + ExtraTicks;
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// The FILETIME of a UTC moment given as a calendar time (whole milliseconds).
FILETIME FileTimeOf(const SYSTEMTIME& Utc)
{
    const double days = DateTimeOf(Utc) - kFileTimeOrigin;
    return FileTimeOfMilliseconds(static_cast<std::uint64_t>(days * 86400000.0 + 0.5));
}

TEST(DateTime, CountsDaysFrom18991230)
{
    EXPECT_EQ(DateTimeOf(Time(1899, 12, 30)), 0.0);
    EXPECT_EQ(DateTimeOf(Time(1601, 1, 1)), kFileTimeOrigin);
    EXPECT_EQ(DateTimeOf(Time(2000, 1, 1)), 36526.0);
    EXPECT_EQ(DateTimeOf(Time(2000, 3, 1)), 36586.0); // after a leap day
    EXPECT_EQ(DateTimeOf(Time(1900, 3, 1)), 61.0);    // 1900 was no leap year
    EXPECT_EQ(DateTimeOf(Time(2026, 12, 8, 12)), 46364.5);
    // The time of day is added on both sides of the origin.
    EXPECT_EQ(DateTimeOf(Time(1899, 12, 29, 18)), -0.25);

    EXPECT_EQ(DateTimeOf(FileTimeOfMilliseconds(0)), kFileTimeOrigin);
    EXPECT_EQ(DateTimeOf(FileTimeOfMilliseconds(86400000)), kFileTimeOrigin + 1);
    EXPECT_EQ(DateTimeOf(FileTimeOf(Time(2026, 7, 1, 3))), DateTimeOf(Time(2026, 7, 1, 3)));
    // Below a millisecond is dropped, as FileTimeToSystemTime does.
    EXPECT_EQ(DateTimeOf(FileTimeOfMilliseconds(1, 9999)), DateTimeOf(FileTimeOfMilliseconds(1)));
}

TEST(DateTime, SpansAreAbsoluteAndWholeSecondsTruncate)
{
    EXPECT_EQ(DateTimeDaySpan(1.5, 3.0), 1.5);
    EXPECT_EQ(DateTimeDaySpan(3.0, 1.5), 1.5);
    EXPECT_EQ(DateTimeSecondSpan(0.0, 0.5), 43200.0);
    EXPECT_EQ(WholeSecondsBetween(0.0, 1.5 / 86400), 1);
    EXPECT_EQ(WholeSecondsBetween(1.5 / 86400, 0.0), 1);
    EXPECT_EQ(ShiftByMinutes(1.0, 720), 1.5);
    EXPECT_EQ(ShiftByMinutes(1.0, -1440), 0.0);
}

// A 16 GB machine, with amounts the legacy query could not hold.
MEMORYSTATUSEX SixteenGigabytes()
{
    MEMORYSTATUSEX memory{};
    memory.ullAvailPhys = 1048576;
    memory.ullTotalPhys = 17179869184;
    memory.ullAvailPageFile = 8589934592;
    memory.ullTotalPageFile = 25769803776;
    memory.ullAvailVirtual = 2147483648;
    memory.ullTotalVirtual = 4294967295;
    return memory;
}

std::vector<std::string> Lines(FakeStatus& Status, const TNumberSeparators& Separators = kEnglish)
{
    std::vector<std::string> lines;
    ComputeStatusLines(Status, Separators, [&](int Line, const std::string& Text) {
        EXPECT_EQ(Line, static_cast<int>(lines.size()));
        lines.push_back(Text);
    });
    return lines;
}

TEST(StatusLines, NineLinesInOrderFromTheSixtyFourBitMemoryQuery)
{
    FakeStatus status;
    status.MemoryEx = SixteenGigabytes();
    PROCESS_MEMORY_COUNTERS process{};
    process.cb = sizeof process;
    process.WorkingSetSize = 10485760;
    process.PeakWorkingSetSize = 20971520;
    process.PageFaultCount = 0xFFFFFFFF; // a 32-bit count stays positive
    process.PagefileUsage = 4096;
    process.PeakPagefileUsage = 8192;
    process.QuotaPagedPoolUsage = 1024;
    process.QuotaPeakPagedPoolUsage = 2048;
    process.QuotaNonPagedPoolUsage = 512;
    process.QuotaPeakNonPagedPoolUsage = 1536;
    status.Process = process;
    status.Now = Time(2026, 12, 8, 9, 0, 0, 500);
    status.Creation = FileTimeOf(Time(2026, 12, 8, 9));
    EXPECT_EQ(Lines(status), (std::vector<std::string>{
                                 "Free Physical Memory:1,024 KB; Total:16,777,216 KB",
                                 "Free Paging File:8,388,608 KB; Total:25,165,824 KB",
                                 "Free Virtual Memory:2,097,152 KB; Total:4,194,304 KB",
                                 "Memory Usage:10,240 KB; Peak:20,480 KB",
                                 "Page Fault:4,294,967,295",
                                 "Pagefile Usage:4 KB; Peak:8 KB",
                                 "Paged Pool Usage:1 KB; Peak:2 KB",
                                 "NonPaged Pool Usage:1 KB; Peak:2 KB",
                                 "Kernel:0:00:00; User:0:00:00; Process:0:00:00",
                             }));
}

TEST(StatusLines, TheLegacyMemoryQueryAndAMissingProcessStatusLibrary)
{
    FakeStatus status;
    status.Memory.dwAvailPhys = 1048576;
    status.Memory.dwTotalPhys = 536870912;
    status.Memory.dwAvailPageFile = 3;
    status.Memory.dwTotalPageFile = 4;
    status.Memory.dwAvailVirtual = 5;
    status.Memory.dwTotalVirtual = 2147483648;
    const std::vector<std::string> lines = Lines(status, kGerman);
    EXPECT_EQ(lines[0], "Free Physical Memory:1.024 KB; Total:524.288 KB");
    EXPECT_EQ(lines[2], "Free Virtual Memory:0 KB; Total:2.097.152 KB");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.begin() + 8),
              (std::vector<std::string>{
                  "Memory Usage:0 KB; Peak:0 KB", "Page Fault:0", "Pagefile Usage:0 KB; Peak:0 KB",
                  "Paged Pool Usage:0 KB; Peak:0 KB", "NonPaged Pool Usage:0 KB; Peak:0 KB"}));
}

TEST(StatusLines, ProcessTimesUseTheBiasInForce)
{
    const std::uint64_t hour = 3600000;
    const FILETIME created = FileTimeOf(Time(2026, 7, 1, 3));
    // Half a second past each mark: the date-time arithmetic is exact to about a microsecond, and
    // whole seconds are truncated.
    const struct {
        const char* Situation;
        LONG Bias, StandardBias, DaylightBias;
        DWORD ZoneId;
        SYSTEMTIME Local;
        const char* Process;
    } cases[] = {
        // UTC = local + bias: Tokyo, 540 minutes ahead, no daylight saving.
        {"Tokyo", -540, 0, 0, TIME_ZONE_ID_UNKNOWN, Time(2026, 7, 1, 12, 30, 0, 500), "0:30:00"},
        // London in summer: the daylight bias of -60 minutes is in force.
        {"London, summer", 0, 0, -60, TIME_ZONE_ID_DAYLIGHT, Time(2026, 7, 1, 4, 30, 0, 500),
         "0:30:00"},
        {"London, winter", 0, 0, -60, TIME_ZONE_ID_STANDARD, Time(2026, 7, 1, 3, 30, 0, 500),
         "0:30:00"},
        {"a standard bias", 60, 15, -60, TIME_ZONE_ID_STANDARD, Time(2026, 7, 1, 2, 15, 0, 500),
         "0:30:00"},
        {"no time zone", 0, 0, 0, TIME_ZONE_ID_INVALID, Time(2026, 7, 1, 4, 0, 0, 500), "1:00:00"},
        {"a day later", -540, 0, 0, TIME_ZONE_ID_UNKNOWN, Time(2026, 7, 2, 13, 0, 0, 500),
         "25:00:00"},
    };
    for (const auto& tested : cases) {
        FakeStatus status;
        status.Zone.Bias = tested.Bias;
        status.Zone.StandardBias = tested.StandardBias;
        status.Zone.DaylightBias = tested.DaylightBias;
        status.ZoneId = tested.ZoneId;
        status.Creation = created;
        status.Now = tested.Local;
        status.Kernel = FileTimeOfMilliseconds(25 * hour);
        status.User = FileTimeOfMilliseconds(1900);
        EXPECT_EQ(Lines(status)[8],
                  std::string("Kernel:25:00:00; User:0:00:01; Process:") + tested.Process)
            << tested.Situation;
    }
}

} // namespace
