#include "tools/cli/fields.h"

#include <cstdio>

#include "header/conversions.h"
#include "platform/text/cp932.h"

namespace cli {
namespace {

// "YYYY-MM-DD hh:mm:ss" from six texts from `first` on, each a decimal number.
std::string DateText(const HeaderTexts& t, TextField first) {
  int part[6];
  for (int i = 0; i < 6; ++i)
    part[i] = DecimalTextToLong(t[static_cast<TextField>(static_cast<int>(first) + i)]);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", part[0], part[1], part[2],
                part[3], part[4], part[5]);
  return buffer;
}

}  // namespace

std::optional<Key> KeyNamed(std::string_view name) {
  for (const KeyEntry& s : kKeys)
    if (s.name == name) return s.key;
  return std::nullopt;
}

std::optional<TextField> TextFieldOf(Key k) {
  switch (k) {
    case Key::Author: return TextField::Author;
    case Key::Subtitle: return TextField::SubTitle;
    case Key::Title: return TextField::MainTitle;
    case Key::Saver: return TextField::SaverName;
    case Key::Number: return TextField::Number;
    default: return std::nullopt;
  }
}

void ShowValues(const Pic2Header& h, const HeaderTexts& t, Shown& out) {
  for (const Key k : {Key::Author, Key::Subtitle, Key::Title, Key::Saver})
    out[k] = cp932::ToUtf8(t[*TextFieldOf(k)]);
  out[Key::Number] = t[TextField::Number];
  out[Key::Date] = DateText(t, TextField::Year);
  out[Key::Aspect] = t[TextField::AspX] + ":" + t[TextField::AspY];
  out[Key::FileDate] = DateText(t, TextField::FileYear);
  out[Key::PaletteBits] = t[TextField::PalBits];
  out[Key::PaletteMode] = cp932::ToUtf8(t[TextField::PalMode]);
  out[Key::Width] = DecimalText(FieldValue16(h, Span(HeaderField::ImageWidth).offset));
  out[Key::Height] = DecimalText(FieldValue16(h, Span(HeaderField::ImageHeight).offset));
  out[Key::Comment] = "System Reserved.";
  out[Key::Header] = HeaderHex(h);
}

}  // namespace cli
