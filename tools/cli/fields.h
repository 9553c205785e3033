// The keys the command line shows and sets, and each key's value as the
// window shows it, taken from the texts the header library decodes
// (header/field_texts.h). Values are UTF-8 with stand-ins (text.h).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "header/field_texts.h"
#include "header/pic2_header.h"

namespace cli {

enum class Key {
  Author, Subtitle, Title, Saver, Number, Date, Aspect,
  FileDate, PaletteBits, PaletteMode, Width, Height, Comment, Header,
};
inline constexpr std::size_t kKeyCount = 14;

struct KeyEntry {
  Key key;
  std::string_view name;  // in JSON, CSV and the options (--NAME)
  bool number;            // a JSON number
  bool settable;
};

inline constexpr std::array<KeyEntry, kKeyCount> kKeys = {{
    {Key::Author, "author", false, true},
    {Key::Subtitle, "subtitle", false, true},
    {Key::Title, "title", false, true},
    {Key::Saver, "saver", false, true},
    {Key::Number, "number", true, true},
    {Key::Date, "date", false, true},
    {Key::Aspect, "aspect", false, true},
    {Key::FileDate, "file_date", false, false},
    {Key::PaletteBits, "palette_bits", true, false},
    {Key::PaletteMode, "palette_mode", false, false},
    {Key::Width, "width", true, false},
    {Key::Height, "height", true, false},
    {Key::Comment, "comment", false, false},
    {Key::Header, "header", false, false},
}};

namespace key_check {
constexpr bool IndexedByKey() {
  for (std::size_t i = 0; i < kKeys.size(); ++i)
    if (static_cast<std::size_t>(kKeys[i].key) != i) return false;
  return true;
}
}  // namespace key_check
static_assert(key_check::IndexedByKey(), "kKeys must list the keys in Key order");

constexpr const KeyEntry& SpecOf(Key k) { return kKeys[static_cast<std::size_t>(k)]; }

std::optional<Key> KeyNamed(std::string_view name);

// The one text field behind a key that has one (author to saver, number).
std::optional<TextField> TextFieldOf(Key k);

struct Shown {
  std::array<std::string, kKeyCount> value;
  std::string& operator[](Key k) { return value[static_cast<std::size_t>(k)]; }
  const std::string& operator[](Key k) const { return value[static_cast<std::size_t>(k)]; }
};

// Every key's value for a header shown as `texts`.
void ShowValues(const Pic2Header& header, const HeaderTexts& texts, Shown& out);

}  // namespace cli
