#include "settings/settings_reader.h"

#include <algorithm>
#include <cstring>

#include "header/conversions.h"
#include "platform/text/sj.h"

SettingsRecord SettingsValues;

namespace {

// The CR always has a slot: text bytes stop one short of the buffer's end.
constexpr int kLastTextSlot = kSettingsLineSize - 2;

SettingsLine lineBuffer;
SettingsLine scratchBuffer;

// Copies the text's bytes over `field` until the text ends or `limit`
// bytes are copied; the rest of `field` stays as it was.
void CopyText(std::string_view text, char* field, std::size_t limit) {
  std::memcpy(field, text.data(), std::min(text.size(), limit));
}

// Lines 12 and 13: an empty text or a number outside 0 to 99 is a fault.
// The number is read as a 32-bit C library would (see DecimalTextToLong): a
// number too large for 32 bits wraps, so 4294967297 reads as 1.
std::optional<std::int32_t> Aspect(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const std::int32_t v = DecimalTextToLong(text);
  if (v < 0 || v > 99) return std::nullopt;
  return v;
}

}  // namespace

int ReadSettingsLine(const SettingsData& data, SettingsLine& line, int position,
                     SettingsNotices* notices) {
  auto note = [notices](SettingsNotice n) {
    if (notices) notices->push_back(n);
  };
  int count = 0;
  bool warned = false;
  for (;;) {
    // Also past the terminating zero, where a CR that was the last byte
    // sends the next line.
    if (position < 0 || position >= data.length) return -1;
    const char byte = data.bytes[position];
    if (byte == '\r') {
      line[static_cast<std::size_t>(std::min(count, kSettingsLineSize - 1))] = byte;
      return position + 2;  // the byte after the CR, expected LF, unseen
    }
    if (count <= kLastTextSlot) line[static_cast<std::size_t>(count)] = byte;
    ++position;
    ++count;
    if (count > kSettingsTextLimit && !warned) {
      warned = true;
      note(SettingsNotice::LongLine);
    }
    if (position > kSettingsReadSize - 1) note(SettingsNotice::TooLarge);
  }
}

int SkipSettingsLine(const SettingsData& data, int position, SettingsNotices* notices) {
  return ReadSettingsLine(data, scratchBuffer, position, notices);
}

std::string_view LineText(const SettingsLine& line) {
  const auto cr = std::find(line.begin(), line.end(), '\r');
  return {line.data(), static_cast<std::size_t>(cr - line.begin())};
}

bool SettingsBytesAllowed(const SettingsData& data) {
  for (int i = 0; i < data.length; ++i) {
    const auto b = static_cast<unsigned char>(data.bytes[i]);
    if (b != 0x0A && b != 0x0D && b < 0x20) return false;
  }
  return true;
}

SettingsError ParseSettings(const SettingsData& data, SettingsRecord& v,
                            SettingsNotices* notices) {
  int position = 0;
  auto skip = [&](int lines) {
    for (int i = 0; i < lines && position >= 0; ++i) position = SkipSettingsLine(data, position, notices);
    return position >= 0;
  };
  auto read = [&] {
    position = ReadSettingsLine(data, lineBuffer, position, notices);
    return position >= 0;
  };
  constexpr SettingsError cut = SettingsError::Cut;

  if (!skip(7)) return cut;
  std::memset(v.DefAuthor, ' ', 18);
  v.DefAuthor[18] = '\0';
  if (!read()) return cut;
  if (LineText(lineBuffer).empty())
    CopyText(Sj("(作者不明)        "), v.DefAuthor, 18);
  else
    CopyText(LineText(lineBuffer), v.DefAuthor, 18);

  if (!skip(1)) return cut;
  std::memset(v.DefDir, 0, sizeof v.DefDir);
  if (!read()) return cut;
  CopyText(LineText(lineBuffer), v.DefDir, 256);

  if (!skip(1) || !read()) return cut;
  const std::optional<std::int32_t> x = Aspect(LineText(lineBuffer));
  if (!x) return SettingsError::AspectX;
  v.DefAspX = *x;
  if (!read()) return cut;
  const std::optional<std::int32_t> y = Aspect(LineText(lineBuffer));
  if (!y) return SettingsError::AspectY;
  v.DefAspY = *y;

  if (!skip(2)) return cut;
  char* const presets[] = {v.DefPreset1, v.DefPreset2, v.DefPreset3, v.DefPreset4};
  for (int n = 0; n < 4; ++n) {
    if (n > 0 && !skip(1)) return cut;
    std::memset(presets[n], 0, 16);
    if (!read()) return cut;
    CopyText(LineText(lineBuffer), presets[n], 13);
  }
  return SettingsError::None;
}
