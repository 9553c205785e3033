#include "header/conversions.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "platform/text/cp932.h"

namespace {

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::int32_t DecimalTextToLong(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Unsigned arithmetic makes the wrap well defined; a NUL is not a digit.
  std::uint32_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

std::string DecodeTextField(const Pic2Header& header, int offset, int width, int keptPrefix) {
  assert(offset >= 0 && width >= 0 && offset + width <= kPic2HeaderSize);
  // Cut in place, so that only the shown text is copied.
  std::string_view text(reinterpret_cast<const char*>(header.bytes.data()) + offset,
                        static_cast<std::size_t>(width));
  // Trailing spaces go first, stopping at any other byte (a NUL included), so
  // spaces just before a NUL survive; then the text ends at its first NUL.
  std::size_t end = text.size();
  const std::size_t kept = static_cast<std::size_t>(std::max(keptPrefix, 0));
  while (end > kept && text[end - 1] == ' ') --end;
  text = text.substr(0, end);
  return std::string(text.substr(0, text.find('\0')));
}

void EncodeTextField(Pic2Header& header, std::string_view text, int offset, int width) {
  assert(offset >= 0 && width >= 0 && offset + width <= kPic2HeaderSize);
  for (int i = 0; i < width; ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    header.bytes[offset + i] = at < text.size() ? static_cast<std::uint8_t>(text[at]) : ' ';
  }
}

std::uint16_t FieldValue16(const Pic2Header& header, int offset) {
  return static_cast<std::uint16_t>(ReadBigEndian(header, offset, 2));
}

void EncodeNumber(Pic2Header& header, std::string_view text, int offset) {
  const std::int32_t n = std::clamp(DecimalTextToLong(text), std::int32_t{1}, std::int32_t{65535});
  WriteBigEndian(header, offset, 2, static_cast<std::uint32_t>(n));
}

AspectPair AspectDisplay(unsigned x, unsigned y) {
  if (x > 99 || y > 99) return {1, 1};
  return {x, y};
}

std::string PaletteModeText(std::uint8_t mode) {
  if ((mode & 1u) == 0) return "No Palette";
  static constexpr std::array<std::string_view, 4> kModels = {"RGB", "YUV", "HSV", "CMY"};
  const unsigned model = (mode >> 1) & 7u;
  if (model < kModels.size()) return std::string(kModels[model]);
  static const std::string kUndefined = cp932::FromUtf8("未定義");
  return kUndefined;
}

std::string ImageSizeText(unsigned width, unsigned height) {
  return DecimalText(width) + " \x81\x7E " + DecimalText(height);
}

std::string DecimalText(long long v) { return std::to_string(v); }
