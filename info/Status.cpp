#include "info/Status.h"

#include <cmath>

#include "platform/Format.h"

namespace {

constexpr double kMillisecondsPerDay = 86400000.0;

// Digits of a non-negative whole number with the thousands separator between groups of three.
std::string GroupedDigits(std::uint64_t Number, const std::string& Thousands)
{
    std::string digits = std::to_string(Number);
    for (int position = static_cast<int>(digits.size()) - 3; position > 0; position -= 3)
        digits.insert(static_cast<size_t>(position), Thousands);
    return digits;
}

// Days from 1899-12-30 to the given civil date (proleptic Gregorian calendar).
std::int64_t DaysSinceOrigin(std::int64_t Year, unsigned Month, unsigned Day)
{
    // Days from 1970-01-01, after Howard Hinnant's days_from_civil.
    Year -= Month <= 2;
    const std::int64_t era = (Year >= 0 ? Year : Year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(Year - era * 400);
    const unsigned dayOfYear = (153 * (Month > 2 ? Month - 3 : Month + 9) + 2) / 5 + Day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const std::int64_t unixDays = era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
    return unixDays + 25569; // 1970-01-01 is day 25569
}

// The six system amounts, from the Ex query where there is one: the old one caps or wraps
// amounts of 4 GB and more.
MEMORYSTATUSEX QueryMemory(IStatusQueries& Queries)
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (Queries.QueryMemoryStatusEx(status))
        return status;
    MEMORYSTATUS legacy{};
    legacy.dwLength = sizeof legacy;
    Queries.QueryMemoryStatus(legacy);
    status = MEMORYSTATUSEX{};
    status.ullAvailPhys = legacy.dwAvailPhys;
    status.ullTotalPhys = legacy.dwTotalPhys;
    status.ullAvailPageFile = legacy.dwAvailPageFile;
    status.ullTotalPageFile = legacy.dwTotalPageFile;
    status.ullAvailVirtual = legacy.dwAvailVirtual;
    status.ullTotalVirtual = legacy.dwTotalVirtual;
    return status;
}

// Minutes to add to local time for UTC: the bias in force, daylight saving included.
std::int64_t BiasInForce(IStatusQueries& Queries)
{
    TIME_ZONE_INFORMATION zone{};
    switch (Queries.QueryTimeZone(zone)) {
    case TIME_ZONE_ID_DAYLIGHT:
        return static_cast<std::int64_t>(zone.Bias) + zone.DaylightBias;
    case TIME_ZONE_ID_STANDARD:
        return static_cast<std::int64_t>(zone.Bias) + zone.StandardBias;
    default:
        return zone.Bias;
    }
}

std::string ProcessTimesLine(IStatusQueries& Queries)
{
    const std::int64_t bias = BiasInForce(Queries);
    FILETIME creation{}, exit{}, kernel{}, user{};
    Queries.QueryProcessTimes(creation, exit, kernel, user);
    const TDateTime created = DateTimeOf(creation);
    const TDateTime kernelTime = DateTimeOf(kernel);
    const TDateTime userTime = DateTimeOf(user);

    // Local time shifted by the bias stands for the current UTC time.
    SYSTEMTIME now{};
    Queries.QueryLocalTime(now);
    const TDateTime utcNow = ShiftByMinutes(DateTimeOf(now), bias);

    // Each count is passed on in its low 32 bits.
    auto seconds = [](std::int64_t Count) {
        return FormatSeconds(static_cast<std::int32_t>(static_cast<std::uint32_t>(Count)));
    };
    return Format("Kernel:%s; User:%s; Process:%s",
                  seconds(WholeSecondsBetween(kernelTime, kFileTimeOrigin)).c_str(),
                  seconds(WholeSecondsBetween(userTime, kFileTimeOrigin)).c_str(),
                  seconds(WholeSecondsBetween(created, utcNow)).c_str());
}

} // namespace

std::string FormatSize(TSizeUnit SizeUnit, std::int64_t Value, const TNumberSeparators& Separators)
{
    double amount = static_cast<double>(Value);
    if (SizeUnit == suKByte)
        amount /= 1024.0;
    if (SizeUnit == suMByte)
        amount = amount / 1024.0 / 1024.0;
    // Rounded to whole units (hundredths for megabytes), halves away from zero.
    const double scale = SizeUnit == suMByte ? 100.0 : 1.0;
    const auto rounded = static_cast<std::uint64_t>(std::llround(std::fabs(amount) * scale));
    const std::string sign = amount < 0 && rounded != 0 ? "-" : "";
    switch (SizeUnit) {
    case suMByte:
        return sign + GroupedDigits(rounded / 100, Separators.Thousands) + Separators.Decimal +
               Format("%02u", static_cast<unsigned>(rounded % 100)) + " MB";
    case suKByte:
        return sign + GroupedDigits(rounded, Separators.Thousands) + " KB";
    case suByte:
        return sign + GroupedDigits(rounded, Separators.Thousands) + " B";
    default:
        return sign + GroupedDigits(rounded, Separators.Thousands);
    }
}

std::string FormatSeconds(std::int32_t Seconds)
{
    const std::int32_t s = Seconds % 60;
    const std::int32_t m = ((Seconds - s) / 60) % 60;
    const std::int32_t h = ((Seconds - s) / 60) / 60;
    return Format("%d:%2.2d:%2.2d", h, m, s);
}

TDateTime DateTimeOf(const SYSTEMTIME& Time)
{
    const double elapsed = (Time.wHour * 3600000.0 + Time.wMinute * 60000.0 +
                            Time.wSecond * 1000.0 + Time.wMilliseconds) /
                           kMillisecondsPerDay;
    return static_cast<double>(DaysSinceOrigin(Time.wYear, Time.wMonth, Time.wDay)) + elapsed;
}

TDateTime DateTimeOf(const FILETIME& Time)
{
    const std::uint64_t ticks =
        static_cast<std::uint64_t>(Time.dwHighDateTime) << 32 | Time.dwLowDateTime;
    const std::uint64_t milliseconds = ticks / 10000;
    const auto days = static_cast<std::int64_t>(milliseconds / 86400000);
    return (kFileTimeOrigin + static_cast<double>(days)) +
           static_cast<double>(milliseconds % 86400000) / kMillisecondsPerDay;
}

double DateTimeDaySpan(TDateTime A, TDateTime B)
{
    return A < B ? B - A : A - B;
}

double DateTimeSecondSpan(TDateTime A, TDateTime B)
{
    return DateTimeDaySpan(A, B) * 86400.0;
}

std::int64_t WholeSecondsBetween(TDateTime A, TDateTime B)
{
    return static_cast<std::int64_t>(DateTimeSecondSpan(A, B));
}

TDateTime ShiftByMinutes(TDateTime Value, std::int64_t Minutes)
{
    return (Value * 1440.0 + static_cast<double>(Minutes)) / 1440.0;
}

void ComputeStatusLines(IStatusQueries& Queries, const TNumberSeparators& Separators,
                        const std::function<void(int Line, const std::string& Text)>& WriteLine)
{
    // Every count is widened to 64 bits without sign.
    auto kb = [&](std::uint64_t Bytes) {
        return FormatSize(suKByte, static_cast<std::int64_t>(Bytes), Separators);
    };
    const MEMORYSTATUSEX memory = QueryMemory(Queries);
    WriteLine(0, Format("Free Physical Memory:%s; Total:%s", kb(memory.ullAvailPhys).c_str(),
                        kb(memory.ullTotalPhys).c_str()));
    WriteLine(1, Format("Free Paging File:%s; Total:%s", kb(memory.ullAvailPageFile).c_str(),
                        kb(memory.ullTotalPageFile).c_str()));
    WriteLine(2, Format("Free Virtual Memory:%s; Total:%s", kb(memory.ullAvailVirtual).c_str(),
                        kb(memory.ullTotalVirtual).c_str()));

    // Zeros when the process-status library cannot be had.
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!Queries.QueryProcessMemory(counters)) {
        counters = PROCESS_MEMORY_COUNTERS{};
        counters.cb = sizeof counters;
    }
    WriteLine(3, Format("Memory Usage:%s; Peak:%s", kb(counters.WorkingSetSize).c_str(),
                        kb(counters.PeakWorkingSetSize).c_str()));
    WriteLine(4, Format("Page Fault:%s",
                        FormatSize(suNone, counters.PageFaultCount, Separators).c_str()));
    WriteLine(5, Format("Pagefile Usage:%s; Peak:%s", kb(counters.PagefileUsage).c_str(),
                        kb(counters.PeakPagefileUsage).c_str()));
    WriteLine(6, Format("Paged Pool Usage:%s; Peak:%s", kb(counters.QuotaPagedPoolUsage).c_str(),
                        kb(counters.QuotaPeakPagedPoolUsage).c_str()));
    WriteLine(7,
              Format("NonPaged Pool Usage:%s; Peak:%s", kb(counters.QuotaNonPagedPoolUsage).c_str(),
                     kb(counters.QuotaPeakNonPagedPoolUsage).c_str()));
    WriteLine(8, ProcessTimesLine(Queries));
}
