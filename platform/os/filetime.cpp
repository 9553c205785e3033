#include "platform/os/filetime.h"

#include <time.h>

#include <chrono>
#include <limits>

namespace {

constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kSecondsPerDay = 86'400;
constexpr std::int64_t kSeconds1601To1970 = 11'644'473'600;
constexpr std::int64_t kDays1601To1970 = kSeconds1601To1970 / kSecondsPerDay;
constexpr std::uint64_t kMaxTicks = std::numeric_limits<std::uint64_t>::max();
constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;

// A day count from 1970-01-01 as a calendar date.
std::chrono::year_month_day DateOf(std::int64_t days_since_1970) {
  return std::chrono::year_month_day{std::chrono::sys_days{std::chrono::days{days_since_1970}}};
}

// Adds a signed number of seconds, false when the result leaves the range.
bool ShiftTicks(std::uint64_t ticks, std::int64_t seconds, std::uint64_t& out) {
  const std::uint64_t delta = static_cast<std::uint64_t>(seconds < 0 ? -seconds : seconds);
  if (delta > kMaxTicks / kTicksPerSecond) return false;
  const std::uint64_t delta_ticks = delta * kTicksPerSecond;
  if (seconds >= 0) {
    if (ticks > kMaxTicks - delta_ticks) return false;
    out = ticks + delta_ticks;
  } else {
    if (ticks < delta_ticks) return false;
    out = ticks - delta_ticks;
  }
  return true;
}

}  // namespace

std::uint64_t FileTimeTicks(const FILETIME& time) {
  return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

FILETIME FileTimeFromTicks(std::uint64_t ticks) {
  FILETIME time;
  time.dwLowDateTime = static_cast<DWORD>(ticks);
  time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  return time;
}

FILETIME UnixToFileTime(std::int64_t sec, std::int64_t nsec) {
  // Far outside what a FILETIME holds either way; keeps the sums below exact.
  constexpr std::int64_t kFar = std::int64_t{1} << 42;
  if (sec < -kFar) return FileTimeFromTicks(0);
  if (sec > kFar) return FileTimeFromTicks(kMaxTicks);
  constexpr std::int64_t kNanosPerSecond = 1'000'000'000;
  std::int64_t carry = nsec / kNanosPerSecond;
  std::int64_t nanos = nsec % kNanosPerSecond;
  if (nanos < 0) {
    nanos += kNanosPerSecond;
    --carry;
  }
  const std::int64_t since_1601 = sec + carry + kSeconds1601To1970;
  if (since_1601 < 0) return FileTimeFromTicks(0);
  std::uint64_t ticks = 0;
  if (!ShiftTicks(static_cast<std::uint64_t>(nanos / 100), since_1601, ticks)) {
    return FileTimeFromTicks(kMaxTicks);
  }
  return FileTimeFromTicks(ticks);
}

UnixTime FileTimeToUnix(const FILETIME& time) {
  const std::uint64_t ticks = FileTimeTicks(time);
  UnixTime unix_time;
  unix_time.sec = static_cast<std::int64_t>(ticks / kTicksPerSecond) - kSeconds1601To1970;
  unix_time.nsec = static_cast<std::int64_t>(ticks % kTicksPerSecond) * 100;
  return unix_time;
}

BOOL FileTimeToSystemTime(const FILETIME* time, SYSTEMTIME* system) {
  const std::uint64_t ticks = FileTimeTicks(*time);
  if (ticks & kTopBit) return 0;
  const auto seconds = static_cast<std::int64_t>(ticks / kTicksPerSecond);
  const std::int64_t days = seconds / kSecondsPerDay - kDays1601To1970;
  const std::int64_t second_of_day = seconds % kSecondsPerDay;
  const std::chrono::year_month_day date = DateOf(days);
  const std::chrono::weekday weekday{std::chrono::sys_days{date}};
  system->wYear = static_cast<WORD>(static_cast<int>(date.year()));
  system->wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
  system->wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
  system->wDayOfWeek = static_cast<WORD>(weekday.c_encoding());
  system->wHour = static_cast<WORD>(second_of_day / 3600);
  system->wMinute = static_cast<WORD>(second_of_day / 60 % 60);
  system->wSecond = static_cast<WORD>(second_of_day % 60);
  system->wMilliseconds = static_cast<WORD>(ticks % kTicksPerSecond / 10'000);
  return 1;
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* system, FILETIME* time) {
  const std::chrono::year_month_day date{std::chrono::year{system->wYear},
                                         std::chrono::month{system->wMonth},
                                         std::chrono::day{system->wDay}};
  if (system->wYear < 1601 || system->wYear > 30827 || !date.ok() || system->wHour > 23 ||
      system->wMinute > 59 || system->wSecond > 59 || system->wMilliseconds > 999) {
    return 0;
  }
  const std::int64_t days =
      std::chrono::sys_days{date}.time_since_epoch().count() + kDays1601To1970;
  const std::int64_t seconds =
      days * kSecondsPerDay + system->wHour * 3600 + system->wMinute * 60 + system->wSecond;
  *time = FileTimeFromTicks(static_cast<std::uint64_t>(seconds) * kTicksPerSecond +
                            system->wMilliseconds * std::uint64_t{10'000});
  return 1;
}

BOOL FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local) {
  const std::uint64_t ticks = FileTimeTicks(*utc);
  const time_t seconds = static_cast<time_t>(FileTimeToUnix(*utc).sec);
  tzset();
  struct tm fields {};
  if (!localtime_r(&seconds, &fields)) return 0;
  std::uint64_t shifted = 0;
  if (!ShiftTicks(ticks, fields.tm_gmtoff, shifted)) return 0;
  *local = FileTimeFromTicks(shifted);
  return 1;
}

BOOL LocalFileTimeToFileTime(const FILETIME* local, FILETIME* utc) {
  const std::uint64_t ticks = FileTimeTicks(*local);
  if (ticks & kTopBit) return 0;  // past the years the calendar types hold
  const auto seconds = static_cast<std::int64_t>(ticks / kTicksPerSecond);
  const std::chrono::year_month_day date = DateOf(seconds / kSecondsPerDay - kDays1601To1970);
  const std::int64_t second_of_day = seconds % kSecondsPerDay;
  struct tm fields {};
  fields.tm_year = static_cast<int>(date.year()) - 1900;
  fields.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
  fields.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
  fields.tm_hour = static_cast<int>(second_of_day / 3600);
  fields.tm_min = static_cast<int>(second_of_day / 60 % 60);
  fields.tm_sec = static_cast<int>(second_of_day % 60);
  fields.tm_isdst = -1;
  // mktime returns -1 both on failure and for 1969-12-31 23:59:59 UTC; only
  // a success fills in the day of the week.
  fields.tm_wday = -1;
  tzset();
  const time_t result = mktime(&fields);
  if (result == static_cast<time_t>(-1) && fields.tm_wday == -1) return 0;
  const std::int64_t since_1601 = static_cast<std::int64_t>(result) + kSeconds1601To1970;
  std::uint64_t shifted = 0;
  if (since_1601 < 0 || !ShiftTicks(ticks % kTicksPerSecond, since_1601, shifted)) return 0;
  *utc = FileTimeFromTicks(shifted);
  return 1;
}
