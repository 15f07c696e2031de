// The information window's nine status lines: memory of the system, memory and times of the
// program's own process; and the number, duration and date-time routines behind them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "info/InfoPlatform.h"

/// The unit FormatSize writes an amount in; the caller chooses it.
enum TSizeUnit : std::uint8_t { suNone, suByte, suKByte, suMByte };

/// The user's locale separators for numbers. The lines are text in whatever encoding these are in
/// (the window passes UTF-8), the rest of every line being ASCII.
struct TNumberSeparators {
    std::string Thousands = ",";
    std::string Decimal = ".";
};

/// Value in SizeUnit: "#,##0" for suNone, "#,##0 B", "#,##0 KB" (Value / 1024), or
/// "#,##0.00 MB" (Value / 1024 / 1024); halves round away from zero.
std::string FormatSize(TSizeUnit SizeUnit, std::int64_t Value, const TNumberSeparators& Separators);

/// "h:mm:ss", the hours neither padded nor wrapped at 24.
std::string FormatSeconds(std::int32_t Seconds);

/// A date-time: days since 1899-12-30 00:00, the time of day as the fraction.
using TDateTime = double;

/// The date-time of 1601-01-01 00:00, where FILETIMEs count from.
constexpr TDateTime kFileTimeOrigin = -109205.0;

TDateTime DateTimeOf(const SYSTEMTIME& Time);
/// A FILETIME as FileTimeToSystemTime would give it, milliseconds kept, as a date-time.
TDateTime DateTimeOf(const FILETIME& Time);

double DateTimeDaySpan(TDateTime A, TDateTime B);
double DateTimeSecondSpan(TDateTime A, TDateTime B);
std::int64_t WholeSecondsBetween(TDateTime A, TDateTime B);
TDateTime ShiftByMinutes(TDateTime Value, std::int64_t Minutes);

constexpr int kStatusLineCount = 9;

/// Computes the nine lines in their order and hands each to WriteLine (0 to 8) as soon as it is
/// made: physical memory, paging file, virtual memory, working set, page faults, pagefile usage,
/// paged pool, non-paged pool, process times.
void ComputeStatusLines(IStatusQueries& Queries, const TNumberSeparators& Separators,
                        const std::function<void(int Line, const std::string& Text)>& WriteLine);
