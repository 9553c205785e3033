#include "tools/cli/edits.h"

#include <array>

#include "platform/text/cp932.h"
#include "tools/cli/messages.h"

namespace cli {
namespace {

constexpr TextField kDateFields[] = {TextField::Year, TextField::Month, TextField::Day,
                                     TextField::Hour, TextField::Min,   TextField::Sec};

bool IsDigits(std::string_view s) {
  if (s.empty()) return false;
  for (const char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// Splits `text` at the separators, in order; each part must be digits.
template <std::size_t N>
bool SplitDigits(std::string_view text, const char (&separators)[N],
                 std::array<std::string_view, N>& parts) {
  for (std::size_t i = 0; i + 1 < N; ++i) {
    const std::size_t at = text.find(separators[i]);
    if (at == std::string_view::npos) return false;
    parts[i] = text.substr(0, at);
    text.remove_prefix(at + 1);
  }
  parts[N - 1] = text;
  for (const std::string_view p : parts)
    if (!IsDigits(p)) return false;
  return true;
}

// The separators between the six parts of a date, and the two of an aspect.
constexpr char kDateSeparators[6] = {'-', '-', ' ', ':', ':', '\0'};
constexpr char kAspectSeparators[2] = {':', '\0'};

void CopyLoaded(Key key, const HeaderTexts& loaded, HeaderTexts& texts) {
  if (key == Key::Date) {
    for (const TextField f : kDateFields) texts[f] = loaded[f];
  } else if (key == Key::Aspect) {
    texts[TextField::AspX] = loaded[TextField::AspX];
    texts[TextField::AspY] = loaded[TextField::AspY];
  } else {
    texts[*TextFieldOf(key)] = loaded[*TextFieldOf(key)];
  }
}

void PutText(const Edit& e, HeaderTexts& texts) {
  if (e.key == Key::Date) {
    std::array<std::string_view, 6> parts;
    SplitDigits(e.bytes, kDateSeparators, parts);
    for (std::size_t i = 0; i < parts.size(); ++i) texts[kDateFields[i]] = parts[i];
  } else if (e.key == Key::Aspect) {
    std::array<std::string_view, 2> parts;
    SplitDigits(e.bytes, kAspectSeparators, parts);
    texts[TextField::AspX] = parts[0];
    texts[TextField::AspY] = parts[1];
  } else {
    texts[*TextFieldOf(e.key)] = e.bytes;
  }
}

}  // namespace

std::optional<std::string> MakeEdit(std::optional<Key> key, std::string_view utf8, Edit& out) {
  out.preset = !key;
  out.key = key.value_or(Key::Author);
  out.given = utf8;
  std::optional<std::string> bytes = cp932::TryFromUtf8(utf8);
  if (!bytes) return Tr("has no code page 932 form");
  out.bytes = *std::move(bytes);
  if (key == Key::Date) {
    std::array<std::string_view, 6> parts;
    if (!SplitDigits(out.bytes, kDateSeparators, parts))
      return Tr("is not a date of the form \"Y-M-D h:m:s\"");
  } else if (key == Key::Aspect) {
    std::array<std::string_view, 2> parts;
    if (!SplitDigits(out.bytes, kAspectSeparators, parts))
      return Tr("is not an aspect of the form \"X:Y\"");
  }
  return std::nullopt;
}

bool NeedsDefaults(const std::vector<Edit>& edits) {
  for (const Edit& e : edits)
    if (e.preset && PresetNeedsDefaults(e.bytes)) return true;
  return false;
}

bool NeedsFileName(const std::vector<Edit>& edits) {
  for (const Edit& e : edits)
    if (e.preset && PresetNeedsFileName(e.bytes)) return true;
  return false;
}

void ApplyEdits(const std::vector<Edit>& edits, const HeaderTexts& loaded, const Shown& shown,
                const PresetDefaults& defaults, std::string_view fileName, HeaderTexts& texts) {
  for (const Edit& e : edits) {
    if (e.preset)
      ApplyPresetLetters(texts, e.bytes, defaults, fileName);
    else if (e.given == shown[e.key])
      CopyLoaded(e.key, loaded, texts);
    else
      PutText(e, texts);
  }
}

}  // namespace cli
