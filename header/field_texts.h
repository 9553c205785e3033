// The texts a header is shown as: one per edit and label of the main window,
// code page 932 bytes, and the one table that says for each where it comes
// from in the header, how it is turned into text (and back, for the fields
// that are written) and which control shows it.
//
// Decoding fills every text from a header and a file time; encoding writes
// the written fields into a header in the order the Write command encodes
// them (the four texts, the number, the aspect, then the date, which also
// becomes the new file time). Encoding only reads the texts: what a clamp
// changed in the header is not written back. Neither fails. Which control
// holds a text is the caller's business; the table only names it.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "header/pic2_header.h"
#include "platform/os/windows_types.h"

enum class TextField {
  Author, SubTitle, MainTitle, SaverName, Number,
  Year, Month, Day, Hour, Min, Sec,
  AspX, AspY,
  FileYear, FileMonth, FileDay, FileHour, FileMin, FileSec,
  PalBits, PalMode, ImageSize,
};
inline constexpr std::size_t kTextFieldCount = 22;

// How a text is made from the header, and, for the edits, put back.
enum class Codec {
  Text,          // space-padded bytes, cut or padded to the field's width
  Number,        // 16-bit value as decimal, written clamped to 1..65535
  Aspect,        // as Number, shown as 1:1 when either part is above 99
  HeaderTime,    // one part of the creation time (shown in UTC+9)
  FileTime,      // one part of the file's last-write time (local)
  PaletteBits,   // read only
  PaletteMode,   // read only
  ImageSize,     // read only, from width and height
};

struct TextFieldEntry {
  TextField field;
  const char* control;  // the component that shows it, as the window names it
  HeaderField source;   // where its bytes are (the date's parts share one)
  Codec codec;
  bool edit;            // an edit the user types in; else a label
};

inline constexpr std::array<TextFieldEntry, kTextFieldCount> kTextFields = {{
    {TextField::Author, "Author", HeaderField::Author, Codec::Text, true},
    {TextField::SubTitle, "SubTitle", HeaderField::SubTitle, Codec::Text, true},
    {TextField::MainTitle, "MainTitle", HeaderField::MainTitle, Codec::Text, true},
    {TextField::SaverName, "SaverName", HeaderField::SaverName, Codec::Text, true},
    {TextField::Number, "Number", HeaderField::Number, Codec::Number, true},
    {TextField::Year, "year", HeaderField::CreationTime, Codec::HeaderTime, true},
    {TextField::Month, "month", HeaderField::CreationTime, Codec::HeaderTime, true},
    {TextField::Day, "day", HeaderField::CreationTime, Codec::HeaderTime, true},
    {TextField::Hour, "hour", HeaderField::CreationTime, Codec::HeaderTime, true},
    {TextField::Min, "min", HeaderField::CreationTime, Codec::HeaderTime, true},
    {TextField::Sec, "sec", HeaderField::CreationTime, Codec::HeaderTime, true},
    {TextField::AspX, "AspX", HeaderField::AspectX, Codec::Aspect, true},
    {TextField::AspY, "AspY", HeaderField::AspectY, Codec::Aspect, true},
    {TextField::FileYear, "Fyear", HeaderField::CreationTime, Codec::FileTime, false},
    {TextField::FileMonth, "Fmonth", HeaderField::CreationTime, Codec::FileTime, false},
    {TextField::FileDay, "Fday", HeaderField::CreationTime, Codec::FileTime, false},
    {TextField::FileHour, "Fhour", HeaderField::CreationTime, Codec::FileTime, false},
    {TextField::FileMin, "Fmin", HeaderField::CreationTime, Codec::FileTime, false},
    {TextField::FileSec, "Fsec", HeaderField::CreationTime, Codec::FileTime, false},
    {TextField::PalBits, "PalBits", HeaderField::BitsPerPixel, Codec::PaletteBits, false},
    {TextField::PalMode, "PalMode", HeaderField::Mode, Codec::PaletteMode, false},
    {TextField::ImageSize, "ImageSize", HeaderField::ImageWidth, Codec::ImageSize, false},
}};

namespace text_field_check {
constexpr bool IndexedByField() {
  for (std::size_t i = 0; i < kTextFields.size(); ++i)
    if (static_cast<std::size_t>(kTextFields[i].field) != i) return false;
  return true;
}
}  // namespace text_field_check
static_assert(text_field_check::IndexedByField(),
              "kTextFields must list the fields in TextField order");

constexpr const TextFieldEntry& FieldEntry(TextField f) {
  return kTextFields[static_cast<std::size_t>(f)];
}

// The byte width of a text field in the header (18, 8, 30 or 30).
constexpr int TextWidth(TextField f) { return Span(FieldEntry(f).source).width; }

struct HeaderTexts {
  std::array<std::string, kTextFieldCount> text;
  std::string& operator[](TextField f) { return text[static_cast<std::size_t>(f)]; }
  const std::string& operator[](TextField f) const { return text[static_cast<std::size_t>(f)]; }
  friend bool operator==(const HeaderTexts&, const HeaderTexts&) = default;
};

// Every text as the window shows a loaded header with last-write time
// `fileStamp` (local).
void DecodeHeaderTexts(const Pic2Header& header, const SYSTEMTIME& fileStamp, HeaderTexts& out);

// The texts of the window with no header open: every field empty and the
// image size "0 × 0".
void ClearHeaderTexts(HeaderTexts& out);

// The edits' texts into `header`, as the Write command encodes them; `stamp`
// receives the clamped date and time (milliseconds 0), the new last-write
// time. `tz` is the value of TZ, or nullptr when it is not set.
void EncodeHeaderTexts(const HeaderTexts& texts, Pic2Header& header, SYSTEMTIME& stamp,
                       const char* tz);
