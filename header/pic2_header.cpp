#include "header/pic2_header.h"

#include <cassert>

bool HasPic2Magic(const Pic2Header& header) {
  const FieldSpan magic = Span(HeaderField::Magic);
  constexpr std::array<std::uint8_t, 4> kMagic = {'P', '2', 'D', 'T'};
  for (int i = 0; i < magic.width; ++i) {
    if (header.bytes[magic.offset + i] != kMagic[i]) return false;
  }
  return true;
}

std::uint32_t ReadBigEndian(const Pic2Header& header, int offset, int width) {
  assert(width >= 1 && width <= 4 && offset >= 0 && offset + width <= kPic2HeaderSize);
  std::uint32_t value = 0;
  for (int i = 0; i < width; ++i) {
    value = (value << 8) | header.bytes[offset + i];
  }
  return value;
}

void WriteBigEndian(Pic2Header& header, int offset, int width, std::uint32_t value) {
  assert(width >= 1 && width <= 4 && offset >= 0 && offset + width <= kPic2HeaderSize);
  for (int i = width - 1; i >= 0; --i) {
    header.bytes[offset + i] = static_cast<std::uint8_t>(value & 0xFFu);
    value >>= 8;
  }
}

std::string HeaderHex(const Pic2Header& header) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(2 * header.bytes.size());
  for (const std::uint8_t b : header.bytes) {
    out += kDigits[b >> 4];
    out += kDigits[b & 0xF];
  }
  return out;
}
