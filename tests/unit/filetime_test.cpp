#include "platform/os/filetime.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <time.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

constexpr std::uint64_t kTicksPerSecond = 10'000'000;
constexpr std::uint64_t kTicks1970 = 116'444'736'000'000'000;

SYSTEMTIME MakeSystemTime(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0,
                          WORD second = 0, WORD ms = 0, WORD day_of_week = 0) {
  SYSTEMTIME s;
  s.wYear = year;
  s.wMonth = month;
  s.wDay = day;
  s.wHour = hour;
  s.wMinute = minute;
  s.wSecond = second;
  s.wMilliseconds = ms;
  s.wDayOfWeek = day_of_week;
  return s;
}

struct CalendarCase {
  const char* label;
  SYSTEMTIME system;  // with its true day of the week
  std::uint64_t ticks;
};

const CalendarCase kCalendarCases[] = {
    {"epoch of FILETIME, a Monday", MakeSystemTime(1601, 1, 1, 0, 0, 0, 0, 1), 0},
    {"epoch of POSIX, a Thursday", MakeSystemTime(1970, 1, 1, 0, 0, 0, 0, 4), kTicks1970},
    {"leap day of a 400-year leap year", MakeSystemTime(2000, 2, 29, 12, 34, 56, 789, 2),
     125'963'012'967'890'000},
    {"last millisecond of a year", MakeSystemTime(2024, 12, 31, 23, 59, 59, 999, 2),
     133'801'631'999'990'000},
    {"last millisecond SystemTimeToFileTime takes",
     MakeSystemTime(30827, 12, 31, 23, 59, 59, 999, 5), 9'223'149'887'999'990'000u},
};

TEST(FileTimeCalendar, RoundTripsThroughFields) {
  for (const CalendarCase& c : kCalendarCases) {
    SCOPED_TRACE(c.label);
    FILETIME time;
    ASSERT_TRUE(SystemTimeToFileTime(&c.system, &time));
    EXPECT_EQ(FileTimeTicks(time), c.ticks);
    // Sub-millisecond ticks are dropped, not rounded.
    const FILETIME later = FileTimeFromTicks(c.ticks + 9'999);
    SYSTEMTIME back;
    ASSERT_TRUE(FileTimeToSystemTime(&later, &back));
    EXPECT_EQ(back.wYear, c.system.wYear);
    EXPECT_EQ(back.wMonth, c.system.wMonth);
    EXPECT_EQ(back.wDay, c.system.wDay);
    EXPECT_EQ(back.wDayOfWeek, c.system.wDayOfWeek);
    EXPECT_EQ(back.wHour, c.system.wHour);
    EXPECT_EQ(back.wMinute, c.system.wMinute);
    EXPECT_EQ(back.wSecond, c.system.wSecond);
    EXPECT_EQ(back.wMilliseconds, c.system.wMilliseconds);
  }
}

TEST(FileTimeCalendar, IgnoresTheGivenDayOfWeek) {
  const SYSTEMTIME wrong_weekday = MakeSystemTime(1970, 1, 1, 0, 0, 0, 0, 6);
  FILETIME time;
  ASSERT_TRUE(SystemTimeToFileTime(&wrong_weekday, &time));
  EXPECT_EQ(FileTimeTicks(time), kTicks1970);
}

TEST(FileTimeCalendar, RefusesTicksWithTheTopBitSet) {
  const FILETIME time = FileTimeFromTicks(std::uint64_t{1} << 63);
  SYSTEMTIME system;
  EXPECT_FALSE(FileTimeToSystemTime(&time, &system));
}

struct BadFieldCase {
  const char* label;
  SYSTEMTIME system;
};

const BadFieldCase kBadFieldCases[] = {
    {"month 0", MakeSystemTime(2024, 0, 1)},
    {"month 13", MakeSystemTime(2024, 13, 1)},
    {"day 0", MakeSystemTime(2024, 1, 0)},
    {"day 32", MakeSystemTime(2024, 1, 32)},
    {"April 31", MakeSystemTime(2024, 4, 31)},
    {"February 30 in a leap year", MakeSystemTime(2024, 2, 30)},
    {"February 29 in a century year", MakeSystemTime(1900, 2, 29)},
    {"February 29 in a common year", MakeSystemTime(2023, 2, 29)},
    {"hour 24", MakeSystemTime(2024, 1, 1, 24)},
    {"minute 60", MakeSystemTime(2024, 1, 1, 0, 60)},
    {"second 60", MakeSystemTime(2024, 1, 1, 0, 0, 60)},
    {"1000 ms", MakeSystemTime(2024, 1, 1, 0, 0, 0, 1000)},
    {"year before 1601", MakeSystemTime(1600, 12, 31, 23, 59, 59, 999)},
    {"year after 30827", MakeSystemTime(30828, 1, 1)},
};

TEST(FileTimeCalendar, RefusesOutOfRangeFields) {
  for (const BadFieldCase& c : kBadFieldCases) {
    SCOPED_TRACE(c.label);
    FILETIME time = FileTimeFromTicks(42);
    EXPECT_FALSE(SystemTimeToFileTime(&c.system, &time));
    EXPECT_EQ(FileTimeTicks(time), 42u);
  }
}

struct UnixCase {
  const char* label;
  std::int64_t sec;
  std::int64_t nsec;
  std::uint64_t ticks;
};

constexpr UnixCase kUnixCases[] = {
    {"1970", 0, 0, kTicks1970},
    {"tick after 1970", 0, 100, kTicks1970 + 1},
    {"half a second before 1970", -1, 500'000'000, kTicks1970 - kTicksPerSecond / 2},
    {"1601", -11'644'473'600, 0, 0},
    {"2038 and beyond 32 bits", 2'147'483'648, 999'999'900,
     kTicks1970 + 2'147'483'648 * kTicksPerSecond + 9'999'999},
};

TEST(FileTimeUnix, ConvertsBothWays) {
  for (const UnixCase& c : kUnixCases) {
    SCOPED_TRACE(c.label);
    const FILETIME time = UnixToFileTime(c.sec, c.nsec);
    EXPECT_EQ(FileTimeTicks(time), c.ticks);
    const UnixTime back = FileTimeToUnix(time);
    EXPECT_EQ(back.sec, c.sec);
    EXPECT_EQ(back.nsec, c.nsec);
  }
}

TEST(FileTimeUnix, FoldsNanosecondsAndClampsBefore1601) {
  EXPECT_EQ(FileTimeTicks(UnixToFileTime(1, -1'500'000'000)), kTicks1970 - kTicksPerSecond / 2);
  EXPECT_EQ(FileTimeTicks(UnixToFileTime(0, 199)), kTicks1970 + 1);
  EXPECT_EQ(FileTimeTicks(UnixToFileTime(-11'644'473'601, 0)), 0u);
}

// Sets TZ for its lifetime and puts the previous value (or its absence) back.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* tz) {
    if (const char* old = getenv("TZ")) old_ = old;
    setenv("TZ", tz, 1);
  }
  ~ScopedTimeZone() {
    if (old_) {
      setenv("TZ", old_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::optional<std::string> old_;
};

struct ZoneCase {
  const char* label;
  const char* tz;
  std::uint64_t utc;
  std::int64_t offset_seconds;
};

constexpr std::uint64_t kJuly2024 = 133'643'088'000'000'000;    // 2024-07-01 12:00 UTC
constexpr std::uint64_t kJanuary2024 = 133'497'936'000'000'000;  // 2024-01-15 12:00 UTC
constexpr std::uint64_t kSubSecond = 1'234'567;

// Run in this order, the cases also show that a TZ change while running counts.
constexpr ZoneCase kZoneCases[] = {
    {"UTC", "UTC", kJuly2024 + kSubSecond, 0},
    {"Tokyo by rule", "JST-9", kJuly2024 + kSubSecond, 9 * 3600},
    {"Tokyo by name", "Asia/Tokyo", kJanuary2024, 9 * 3600},
    {"New York winter", "EST5EDT,M3.2.0,M11.1.0", kJanuary2024 + kSubSecond, -5 * 3600},
    {"New York summer", "EST5EDT,M3.2.0,M11.1.0", kJuly2024 + kSubSecond, -4 * 3600},
    {"UTC again", "UTC", kJanuary2024, 0},
};

TEST(FileTimeLocal, FollowsTheZoneBothWays) {
  for (const ZoneCase& c : kZoneCases) {
    SCOPED_TRACE(c.label);
    const ScopedTimeZone zone(c.tz);
    const FILETIME utc = FileTimeFromTicks(c.utc);
    FILETIME local;
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
    EXPECT_EQ(static_cast<std::int64_t>(FileTimeTicks(local) - c.utc),
              c.offset_seconds * static_cast<std::int64_t>(kTicksPerSecond));
    FILETIME back;
    ASSERT_TRUE(LocalFileTimeToFileTime(&local, &back));
    EXPECT_EQ(FileTimeTicks(back), c.utc);
  }
}

TEST(FileTimeLocal, RepeatedHourResolvesToOneOfItsInstants) {
  const ScopedTimeZone zone("EST5EDT,M3.2.0,M11.1.0");
  // 2024-11-03 01:30 happens at 05:30 UTC (daylight) and again at 06:30 UTC.
  const FILETIME local = FileTimeFromTicks(133'750'710'000'000'000);
  FILETIME utc;
  ASSERT_TRUE(LocalFileTimeToFileTime(&local, &utc));
  const std::uint64_t ticks = FileTimeTicks(utc);
  EXPECT_TRUE(ticks == 133'750'854'000'000'000 || ticks == 133'750'890'000'000'000) << ticks;
}

TEST(FileTimeLocal, RefusesWhatLeavesTheRange) {
  const ScopedTimeZone zone("JST-9");
  const FILETIME far_future = FileTimeFromTicks(~std::uint64_t{0});
  FILETIME out;
  EXPECT_FALSE(FileTimeToLocalFileTime(&far_future, &out));
  EXPECT_FALSE(LocalFileTimeToFileTime(&far_future, &out));
  const FILETIME first_hour = FileTimeFromTicks(kTicksPerSecond);
  EXPECT_FALSE(LocalFileTimeToFileTime(&first_hour, &out));
}

}  // namespace
