// Calendar arithmetic of the header's creation time (bytes 102..105), in both
// directions, and the time-zone rule applied when a time is stored.
//
// The stored value is an unsigned 32-bit count of seconds since 1970-01-01
// 00:00:00 UTC. It is always shown in UTC+9; storing shifts it by the offset
// the TZ value gives, so with TZ unset a time reads back as entered. All
// arithmetic on the count is modulo 2^32: dates past early 2106 wrap.
// The calendar is Gregorian with one more rule: years divisible by 4000 are
// not leap years. Reading TZ from the environment is left to the caller.
#pragma once

#include <cstdint>
#include <string_view>

#include "header/pic2_header.h"
#include "platform/os/windows_types.h"

bool IsLeapYear(int year);

// Days with 0001-01-01 as day 1; the proleptic Gregorian day number before
// the year 4000. Months are 1..12 (lengths from MonthLength's table).
std::int32_t DayCount(int year, int month, int day);

// Days in `month` (1..12) of `year`; 0 for a month outside 1..12.
int MonthLength(int year, int month);

struct HeaderTime {
  int year, month, day, hour, minute, second;
  friend bool operator==(const HeaderTime&, const HeaderTime&) = default;
};

// The stored count shown in UTC+9. Counts of 2^32 - 32400 or more wrap to
// 1970-01-01 before 09:00:00.
HeaderTime DecodeHeaderTime(std::uint32_t seconds);

// The texts of the six date and time edits.
struct HeaderTimeTexts {
  std::string_view year, month, day, hour, min, sec;
};

// Clamps the six texts (year 1980..4000, month 1..12, day 1..month length,
// hour 0..23, minute and second 0..59), sets `stamp` year..second to them and
// its milliseconds to 0 (day of week untouched), and writes the count to bytes
// 102..105. `tz` is the value of TZ, or nullptr when it is not set.
void EncodeHeaderTime(Pic2Header& header, SYSTEMTIME& stamp, const HeaderTimeTexts& texts,
                      const char* tz);

// Hours added on storing: -9 unless `tz` begins with "JST", in which case up
// to five spaces after it are skipped and the number in at most the next five
// characters is taken ("JST" alone gives 0). nullptr means TZ is not set.
int TimeZoneOffset(const char* tz);
