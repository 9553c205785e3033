// The 120-byte header at the start of a Pic2 image file, held as raw bytes.
//
// The record is the header exactly as read from the file; the conversions in
// conversions.h and header_time.h change single fields of it in place, and
// every byte they do not touch goes back to the file unchanged. The layout
// table names every byte range, the uninterpreted ones included, so that a
// field is always reached by its entry and never by a struct overlay.
// Integers in the header are unsigned and big-endian. Assumes callers pass
// spans that lie inside the 120 bytes (the layout table's spans always do).
// Reading and writing the file is pic2_file.h's; the texts the fields are
// shown as, field_texts.h's.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr int kPic2HeaderSize = 120;

struct Pic2Header {
  std::array<std::uint8_t, kPic2HeaderSize> bytes{};
};

enum class HeaderField {
  Magic,
  Author,
  SubTitle,
  Reserved30,
  MainTitle,
  Reserved62,
  SaverName,
  Reserved94,
  Mode,
  Number,
  CreationTime,
  Reserved106,
  BitsPerPixel,
  AspectX,
  AspectY,
  ImageWidth,
  ImageHeight,
};

struct FieldSpan {
  HeaderField field;
  int offset;
  int width;
};

// In file order and in the order of HeaderField, so Span() can index it.
inline constexpr std::array<FieldSpan, 17> kHeaderLayout = {{
    {HeaderField::Magic, 0, 4},
    {HeaderField::Author, 4, 18},
    {HeaderField::SubTitle, 22, 8},
    {HeaderField::Reserved30, 30, 2},
    {HeaderField::MainTitle, 32, 30},
    {HeaderField::Reserved62, 62, 2},
    {HeaderField::SaverName, 64, 30},
    {HeaderField::Reserved94, 94, 5},
    {HeaderField::Mode, 99, 1},
    {HeaderField::Number, 100, 2},
    {HeaderField::CreationTime, 102, 4},
    {HeaderField::Reserved106, 106, 4},
    {HeaderField::BitsPerPixel, 110, 2},
    {HeaderField::AspectX, 112, 2},
    {HeaderField::AspectY, 114, 2},
    {HeaderField::ImageWidth, 116, 2},
    {HeaderField::ImageHeight, 118, 2},
}};

namespace pic2_layout_check {

constexpr bool IndexedByField() {
  for (std::size_t i = 0; i < kHeaderLayout.size(); ++i) {
    if (static_cast<std::size_t>(kHeaderLayout[i].field) != i) return false;
  }
  return true;
}

// Each span starts where the previous one ends: no gap, no overlap.
constexpr bool Contiguous() {
  int next = 0;
  for (const FieldSpan& s : kHeaderLayout) {
    if (s.offset != next || s.width <= 0) return false;
    next = s.offset + s.width;
  }
  return next == kPic2HeaderSize;
}

}  // namespace pic2_layout_check

static_assert(pic2_layout_check::IndexedByField(),
              "kHeaderLayout must list the fields in HeaderField order");
static_assert(pic2_layout_check::Contiguous(),
              "kHeaderLayout must cover the 120 header bytes without gap or overlap");

constexpr FieldSpan Span(HeaderField f) {
  return kHeaderLayout[static_cast<std::size_t>(f)];
}

// Bytes 0..3 are exactly "P2DT".
bool HasPic2Magic(const Pic2Header& header);

// Unsigned big-endian integer of `width` bytes (1..4) at `offset`.
std::uint32_t ReadBigEndian(const Pic2Header& header, int offset, int width);

// Stores the low `width` bytes (1..4) of `value` big-endian at `offset`.
void WriteBigEndian(Pic2Header& header, int offset, int width, std::uint32_t value);

// The 120 bytes as 240 lower-case hex digits.
std::string HeaderHex(const Pic2Header& header);
