// The calendar arithmetic of the creation time and the time-zone rule.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "header/header_time.h"

namespace {

using namespace std::chrono;

std::string Format(const HeaderTime& t) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return buf;
}

std::string Format(const SYSTEMTIME& s) {
  return Format(HeaderTime{s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond});
}

// The reference calendar: the standard library's proleptic Gregorian one.
HeaderTime FromSysSeconds(sys_seconds t) {
  const sys_days day = floor<days>(t);
  const year_month_day ymd{day};
  const hh_mm_ss hms{t - day};
  return {static_cast<int>(ymd.year()),          static_cast<int>(unsigned{ymd.month()}),
          static_cast<int>(unsigned{ymd.day()}), static_cast<int>(hms.hours().count()),
          static_cast<int>(hms.minutes().count()), static_cast<int>(hms.seconds().count())};
}

std::uint32_t StoredTime(const Pic2Header& h) { return ReadBigEndian(h, 102, 4); }

// Encodes numeric fields through their decimal texts.
std::uint32_t Store(const HeaderTime& t, const char* tz, SYSTEMTIME* stamp = nullptr) {
  const std::string y = std::to_string(t.year), mo = std::to_string(t.month),
                    d = std::to_string(t.day), h = std::to_string(t.hour),
                    mi = std::to_string(t.minute), s = std::to_string(t.second);
  Pic2Header header;
  SYSTEMTIME local{};
  EncodeHeaderTime(header, stamp ? *stamp : local, {y, mo, d, h, mi, s}, tz);
  return StoredTime(header);
}

}  // namespace

TEST(HeaderTime, LeapYearRule) {
  struct Case {
    int year;
    bool leap;
  };
  static constexpr Case kCases[] = {{1900, false}, {1980, true}, {1996, true}, {2000, true},
                                    {2023, false}, {2100, false}, {2400, true}, {4000, false},
                                    {8000, false}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(IsLeapYear(c.year), c.leap);
    EXPECT_EQ(MonthLength(c.year, 2), c.leap ? 29 : 28);
  }
}

TEST(HeaderTime, DayCountIsGregorianBeforeTheYear4000) {
  EXPECT_EQ(DayCount(1, 1, 1), 1);
  EXPECT_EQ(DayCount(1970, 1, 1), 719163);

  // Every day from 0001-01-01 to 3999-12-31 against the reference calendar.
  const sys_days first = year{1} / January / 1;
  const sys_days last = year{3999} / December / 31;
  for (sys_days d = first; d <= last; d += days{1}) {
    const year_month_day ymd{d};
    const int y = static_cast<int>(ymd.year());
    const int m = static_cast<int>(unsigned{ymd.month()});
    const int dd = static_cast<int>(unsigned{ymd.day()});
    ASSERT_EQ(DayCount(y, m, dd), (d - first).count() + 1) << y << "-" << m << "-" << dd;
  }
}

TEST(HeaderTime, DayCountSkipsFebruary29Of4000) {
  EXPECT_EQ(DayCount(4000, 3, 1) - DayCount(4000, 2, 28), 1);
  EXPECT_EQ(DayCount(4001, 1, 1) - DayCount(4000, 1, 1), 365);
  EXPECT_EQ(DayCount(4000, 1, 1) - DayCount(3999, 12, 31), 1);
}

TEST(HeaderTime, DecodingShowsUtcPlus9) {
  struct Case {
    const char* label;
    std::uint32_t stored;
    const char* shown;
  };
  static constexpr Case kCases[] = {
      {"zero", 0, "1970-01-01 09:00:00"},
      {"one day", 86400, "1970-01-02 09:00:00"},
      {"1980 start", 315532800, "1980-01-01 09:00:00"},
      {"leap day", 951795296, "2000-02-29 12:34:56"},
      {"last second of a leap year", 1735657199, "2024-12-31 23:59:59"},
      {"last value before the wrap", 4294934895u, "2106-02-07 06:28:15"},
      {"first value that wraps", 4294934896u, "1970-01-01 00:00:00"},
      {"largest value wraps", 4294967295u, "1970-01-01 08:59:59"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(Format(DecodeHeaderTime(c.stored)), c.shown);
  }
}

TEST(HeaderTime, DecodingAgreesWithTheReferenceCalendar) {
  for (std::uint64_t s = 0; s <= 0xFFFFFFFFu; s += 999983) {
    const auto stored = static_cast<std::uint32_t>(s);
    const std::uint32_t shifted = stored + 32400u;
    ASSERT_EQ(Format(DecodeHeaderTime(stored)),
              Format(FromSysSeconds(sys_seconds{seconds{shifted}})))
        << "stored " << stored;
  }
}

TEST(HeaderTime, EncodingWithTzUnsetReadsBackAsEntered) {
  // 1980 to the last day whose count still fits in 32 bits.
  const sys_days first = year{1980} / January / 1;
  const sys_days last = year{2106} / February / 6;
  int step = 0;
  for (sys_days d = first; d <= last; d += days{11}, ++step) {
    const sys_seconds local = d + seconds{(step * 7919) % 86400};
    const HeaderTime entered = FromSysSeconds(local);
    SYSTEMTIME stamp{};
    const std::uint32_t stored = Store(entered, nullptr, &stamp);
    // The entered time is taken as UTC+9.
    ASSERT_EQ(stored, static_cast<std::uint32_t>((local - hours{9}).time_since_epoch().count()))
        << Format(entered);
    ASSERT_EQ(DecodeHeaderTime(stored), entered) << Format(entered);
    ASSERT_EQ(Format(stamp), Format(entered));
  }
}

TEST(HeaderTime, EncodingWrapsPast32Bits) {
  EXPECT_EQ(Store({2106, 2, 7, 15, 28, 15}, nullptr), 0xFFFFFFFFu);
  EXPECT_EQ(Store({2106, 2, 7, 15, 28, 16}, nullptr), 0u);
  EXPECT_EQ(Format(DecodeHeaderTime(Store({2106, 2, 7, 15, 28, 16}, nullptr))),
            "1970-01-01 09:00:00");
}

TEST(HeaderTime, EncodingClampsTheTexts) {
  struct Case {
    const char* label;
    const char *year, *month, *day, *hour, *min, *sec;
    const char* stored;
  };
  static constexpr Case kCases[] = {
      {"all empty", "", "", "", "", "", "", "1980-01-01 00:00:00"},
      {"April 31", "2023", "4", "31", "12", "0", "0", "2023-04-30 12:00:00"},
      {"Feb 29 2023", "2023", "2", "29", "0", "0", "0", "2023-02-28 00:00:00"},
      {"Feb 29 2100", "2100", "2", "29", "0", "0", "0", "2100-02-28 00:00:00"},
      {"Feb 29 4000", "4000", "2", "29", "0", "0", "0", "4000-02-28 00:00:00"},
      {"Feb 29 2000", "2000", "2", "29", "0", "0", "0", "2000-02-29 00:00:00"},
      {"Feb 29 2024", "2024", "2", "29", "0", "0", "0", "2024-02-29 00:00:00"},
      {"Feb 30 2024", "2024", "2", "30", "0", "0", "0", "2024-02-29 00:00:00"},
      {"day 0", "2024", "5", "0", "0", "0", "0", "2024-05-01 00:00:00"},
      {"month 0", "2024", "0", "5", "0", "0", "0", "2024-01-05 00:00:00"},
      {"month 13", "2024", "13", "5", "0", "0", "0", "2024-12-05 00:00:00"},
      {"hour 24", "2024", "1", "1", "24", "0", "0", "2024-01-01 23:00:00"},
      {"hour -1", "2024", "1", "1", "-1", "0", "0", "2024-01-01 00:00:00"},
      {"minute 60", "2024", "1", "1", "0", "60", "0", "2024-01-01 00:59:00"},
      {"second 60", "2024", "1", "1", "0", "0", "60", "2024-01-01 00:00:59"},
      {"negative minute and second", "2024", "1", "1", "0", "-3", "-4", "2024-01-01 00:00:00"},
      {"year 1975 keeps month and day", "1975", "6", "15", "10", "20", "30",
       "1980-06-15 10:20:30"},
      {"day limit uses the clamped year", "1900", "2", "29", "0", "0", "0",
       "1980-02-29 00:00:00"},
      {"year 5000", "5000", "3", "1", "0", "0", "0", "4000-03-01 00:00:00"},
      {"texts read like numbers", " 2001x", "+7", "08", "\t9h", "5m", "6s",
       "2001-07-08 09:05:06"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    Pic2Header header;
    SYSTEMTIME stamp{};
    stamp.wDayOfWeek = 5;
    stamp.wMilliseconds = 999;
    EncodeHeaderTime(header, stamp, {c.year, c.month, c.day, c.hour, c.min, c.sec}, nullptr);
    EXPECT_EQ(Format(stamp), c.stored);
    EXPECT_EQ(stamp.wDayOfWeek, 5);
    EXPECT_EQ(stamp.wMilliseconds, 0);
    if (stamp.wYear < 2106) {
      EXPECT_EQ(Format(DecodeHeaderTime(StoredTime(header))), c.stored);
    }
  }
}

TEST(HeaderTime, EncodingWritesOnlyTheCreationTime) {
  Pic2Header before;
  for (int i = 0; i < kPic2HeaderSize; ++i) before.bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  Pic2Header h = before;
  SYSTEMTIME stamp{};
  EncodeHeaderTime(h, stamp, {"2024", "2", "29", "12", "34", "56"}, "JST");
  for (int i = 0; i < kPic2HeaderSize; ++i) {
    if (i < 102 || i > 105) {
      EXPECT_EQ(h.bytes[i], before.bytes[i]) << "byte " << i;
    }
  }
  EXPECT_NE(StoredTime(h), StoredTime(before));
}

TEST(HeaderTime, TimeZoneOffsetRule) {
  struct Case {
    const char* label;
    const char* tz;
    int offset;
  };
  static constexpr Case kCases[] = {
      {"not set", nullptr, -9},
      {"empty", "", -9},
      {"JST-9", "JST-9", -9},
      {"JST, space, -9", "JST -9", -9},
      {"JST alone", "JST", 0},
      {"JST, six spaces, -9", "JST      -9", -9},
      {"JST, ten spaces, -9: five taken are spaces", "JST          -9", 0},
      {"JST, six spaces: the sixth is one of the five", "JST      12345", 1234},
      {"JST-8", "JST-8", -8},
      {"JST+3", "JST+3", 3},
      {"JST9", "JST9", 9},
      {"at most five characters", "JST-123456", -1234},
      {"JST and letters", "JSTabc", 0},
      {"other zone", "EST5", -9},
      {"lower case", "jst-9", -9},
      {"leading space", " JST-9", -9},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(TimeZoneOffset(c.tz), c.offset);
  }
}

TEST(HeaderTime, StoredValueMovesWithTheOffset) {
  struct Case {
    const char* tz;
    std::uint32_t moreThanUnset;
  };
  static constexpr Case kCases[] = {
      {"JST-9", 0},   {"JST -9", 0},   {"EST5", 0},           {"JST", 32400},
      {"JST-8", 3600}, {"JST+3", 43200}, {"JST-10", 0u - 3600u},
  };
  const HeaderTime t{1980, 1, 1, 9, 0, 0};
  const std::uint32_t unset = Store(t, nullptr);
  EXPECT_EQ(Format(DecodeHeaderTime(unset)), "1980-01-01 09:00:00");
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.tz);
    EXPECT_EQ(Store(t, c.tz) - unset, c.moreThanUnset);
  }
}

TEST(HeaderTime, RewritingATimeBefore1980KeepsAllButTheYear) {
  const std::uint32_t stored = 172056030;  // 1975-06-15 18:20:30 in UTC+9
  const HeaderTime shown = DecodeHeaderTime(stored);
  ASSERT_EQ(Format(shown), "1975-06-15 18:20:30");
  EXPECT_EQ(Format(DecodeHeaderTime(Store(shown, nullptr))), "1980-06-15 18:20:30");
}
