#include "header/header_time.h"

#include <algorithm>
#include <array>

#include "header/conversions.h"

namespace {

constexpr std::array<int, 12> kMonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr std::uint32_t kSecondsPerDay = 86400;
constexpr std::uint32_t kShownZoneSeconds = 9 * 3600;

// Division rounding down, also for years before 1.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

std::uint32_t YearSeconds(int year) {
  return (IsLeapYear(year) ? 366u : 365u) * kSecondsPerDay;
}

int ClampedNumber(std::string_view text, int low, int high) {
  return std::clamp<std::int32_t>(DecimalTextToLong(text), low, high);
}

}  // namespace

bool IsLeapYear(int year) {
  bool leap = year % 4 == 0;
  if (year % 100 == 0) leap = false;
  if (year % 400 == 0) leap = true;
  if (year % 4000 == 0) leap = false;
  return leap;
}

int MonthLength(int year, int month) {
  if (month < 1 || month > 12) return 0;
  return kMonthLengths[static_cast<std::size_t>(month - 1)] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

std::int32_t DayCount(int year, int month, int day) {
  // 64-bit so that no int year overflows on the way; the result for the
  // years in use (up to 4000) is far inside 32 bits.
  const std::int64_t y = std::int64_t{year} - 1;
  std::int64_t count = 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400) -
                       FloorDiv(y, 4000);
  for (int m = 1; m < month && m <= 12; ++m) count += kMonthLengths[static_cast<std::size_t>(m - 1)];
  if (month > 2 && IsLeapYear(year)) count += 1;
  count += day;
  return static_cast<std::int32_t>(count);
}

HeaderTime DecodeHeaderTime(std::uint32_t seconds) {
  std::uint32_t x = seconds + kShownZoneSeconds;
  HeaderTime t{};
  t.year = 1970;
  while (x >= YearSeconds(t.year)) {
    x -= YearSeconds(t.year);
    ++t.year;
  }
  t.month = 1;
  while (x >= static_cast<std::uint32_t>(MonthLength(t.year, t.month)) * kSecondsPerDay) {
    x -= static_cast<std::uint32_t>(MonthLength(t.year, t.month)) * kSecondsPerDay;
    ++t.month;
  }
  t.day = static_cast<int>(1 + x / kSecondsPerDay);
  x %= kSecondsPerDay;
  t.hour = static_cast<int>(x / 3600);
  x %= 3600;
  t.minute = static_cast<int>(x / 60);
  t.second = static_cast<int>(x % 60);
  return t;
}

void EncodeHeaderTime(Pic2Header& header, SYSTEMTIME& stamp, const HeaderTimeTexts& texts,
                      const char* tz) {
  const int year = ClampedNumber(texts.year, 1980, 4000);
  const int month = ClampedNumber(texts.month, 1, 12);
  const int day = ClampedNumber(texts.day, 1, MonthLength(year, month));
  const int hour = ClampedNumber(texts.hour, 0, 23);
  const int minute = ClampedNumber(texts.min, 0, 59);
  const int second = ClampedNumber(texts.sec, 0, 59);

  stamp.wYear = static_cast<WORD>(year);
  stamp.wMonth = static_cast<WORD>(month);
  stamp.wDay = static_cast<WORD>(day);
  stamp.wHour = static_cast<WORD>(hour);
  stamp.wMinute = static_cast<WORD>(minute);
  stamp.wSecond = static_cast<WORD>(second);
  stamp.wMilliseconds = 0;

  // Modulo 2^32 throughout: late dates wrap exactly as the stored files do.
  const auto days = static_cast<std::uint32_t>(DayCount(year, month, day) - DayCount(1970, 1, 1));
  std::uint32_t v = days * kSecondsPerDay + static_cast<std::uint32_t>(hour) * 3600u +
                    static_cast<std::uint32_t>(minute) * 60u + static_cast<std::uint32_t>(second);
  v += static_cast<std::uint32_t>(TimeZoneOffset(tz)) * 3600u;

  const FieldSpan field = Span(HeaderField::CreationTime);
  WriteBigEndian(header, field.offset, field.width, v);
}

int TimeZoneOffset(const char* tz) {
  constexpr int kDefault = -9;
  if (tz == nullptr) return kDefault;
  const std::string_view value(tz);
  if (!value.starts_with("JST")) return kDefault;
  std::size_t at = 3;
  for (int skipped = 0; skipped < 5 && at < value.size() && value[at] == ' '; ++skipped) ++at;
  return DecimalTextToLong(value.substr(at, 5));
}
