// File time conversions under their Windows names, over the C library.
//
// A FILETIME counts 100-ns ticks since 1601-01-01 00:00:00, in UTC or, for a
// "local file time", in the local time zone. Local time is the C library's
// zone: TZ is read again on every call, so a change made while running
// counts. Like localtime, UTC to local uses the offset in force at that
// instant (daylight saving included), not today's offset as Windows does.
// Local to UTC goes through mktime, which picks one reading of a local time
// that occurs twice and moves one in a skipped hour forward.
//
// The calendar conversions are pure arithmetic on the proleptic Gregorian
// calendar, for years 1601 to 30827. Leap seconds do not exist here. All
// BOOL results are nonzero on success; on failure the output is untouched.
#pragma once

#include <cstdint>

#include "platform/os/windows_types.h"

BOOL FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local);
BOOL LocalFileTimeToFileTime(const FILETIME* local, FILETIME* utc);

// Day of week 0 is Sunday. Fails when the top bit is set (as Windows does),
// that is after 30828-09-14.
BOOL FileTimeToSystemTime(const FILETIME* time, SYSTEMTIME* system);

// Fails on any field out of range (month 13, February 30, hour 24, 1000 ms,
// year before 1601 or after 30827). wDayOfWeek is ignored.
BOOL SystemTimeToFileTime(const SYSTEMTIME* system, FILETIME* time);

// The two halves as one tick count, and back.
std::uint64_t FileTimeTicks(const FILETIME& time);
FILETIME FileTimeFromTicks(std::uint64_t ticks);

// POSIX time (seconds and nanoseconds since 1970, nanoseconds may be any
// value and are folded in) to a FILETIME, truncating to whole ticks. Times
// before 1601 give tick 0.
FILETIME UnixToFileTime(std::int64_t sec, std::int64_t nsec);

// The inverse: nsec is always 0 to 999999999, also before 1970.
struct UnixTime {
  std::int64_t sec = 0;
  std::int64_t nsec = 0;
};
UnixTime FileTimeToUnix(const FILETIME& time);
