// Conversions between the header's fields and the texts the main window shows
// or the user types.
//
// Texts are code page 932 byte strings and every width counts bytes. None of
// these conversions fails: out-of-range values are clamped or wrap, and long
// texts are cut, as each function says. Offsets and widths are assumed to lie
// inside the 120 header bytes (take them from Span()). The calendar arithmetic
// of the creation time lives in header_time.h, included here so that one
// include gives every conversion. Which edit a value comes from or goes to is
// the field table's (field_texts.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "header/header_time.h"
#include "header/pic2_header.h"

// Text to long integer as a 32-bit C library would do it: leading white space
// (space, \t, \n, \v, \f, \r), one optional sign, decimal digits up to the
// first non-digit or NUL. No digits gives 0. Overflow wraps modulo 2^32.
std::int32_t DecimalTextToLong(std::string_view text);

// Bytes to show for a space-padded text field: trailing spaces are dropped,
// but never from the first `keptPrefix` bytes (1 for author, subtitle and
// main title, 2 for the saving software), and the text ends at a NUL.
std::string DecodeTextField(const Pic2Header& header, int offset, int width, int keptPrefix);

// The kept prefix DecodeTextField takes for each of the four text fields.
constexpr int KeptPrefix(HeaderField f) { return f == HeaderField::SaverName ? 2 : 1; }

// Writes exactly `width` bytes: the text cut after `width` bytes (even inside
// a double-byte character) or padded with spaces. No NUL is stored.
void EncodeTextField(Pic2Header& header, std::string_view text, int offset, int width);

// The unsigned big-endian 16-bit value at `offset`.
std::uint16_t FieldValue16(const Pic2Header& header, int offset);

// Stores the number in `text`, clamped to 1..65535, big-endian at `offset`.
// So 0, negative numbers and texts without digits are all stored as 1.
void EncodeNumber(Pic2Header& header, std::string_view text, int offset);

struct AspectPair {
  unsigned x;
  unsigned y;
};

// An aspect with either part above 99 is shown as 1:1; otherwise as stored.
AspectPair AspectDisplay(unsigned x, unsigned y);

// "No Palette" when bit 0 is clear, else the colour model of bits 1..3
// ("RGB", "YUV", "HSV", "CMY", or "未定義" for 4..7).
std::string PaletteModeText(std::uint8_t mode);

// "<width> × <height>", the sign being the code page 932 bytes 0x81 0x7E.
std::string ImageSizeText(unsigned width, unsigned height);

// Plain decimal: no leading zeros, no grouping, no plus sign.
std::string DecimalText(long long v);
