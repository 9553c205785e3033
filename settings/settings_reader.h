// The settings file's bytes and their 22-line layout.
//
// The bytes come from one read of at most 8192 bytes, kept with a zero after
// them. A line ends at its first CR; the byte after the CR is passed over
// unseen (it is expected to be the LF), so a lone LF is an ordinary byte of
// a line's text. The line reader copies a line with its CR into a fixed line
// buffer and shows two messages itself through the ErrorBox: once per line
// when a text reaches 256 bytes, and when a line runs past the 8192nd byte.
// It never writes past the line buffer: a text longer than 259 bytes is kept
// to its first 259 bytes, still followed by its CR.
//
// ParseSettings walks lines 1 to 22 and fills the record; it assumes the byte
// test has passed. Reading the file and filling the dialog are the loader's
// (settings_file.h). All storage is fixed: nothing is allocated per line.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int kSettingsReadSize = 8192;
inline constexpr int kSettingsLineSize = 260;
inline constexpr int kSettingsTextLimit = 255;

struct SettingsData {
  char bytes[kSettingsReadSize + 1];  // the bytes read, then a zero
  int length;                         // 0 to kSettingsReadSize
};

// A line's text followed by its CR; not cleared between lines, no zero after
// the CR.
using SettingsLine = std::array<char, kSettingsLineSize>;

// The values the file gives, as the loader hands them to the dialog.
struct SettingsRecord {
  char DefAuthor[19];  // 18 bytes, space-padded, then a zero
  char DefDir[257];    // up to 256 bytes, the rest zero
  std::int32_t DefAspX;
  std::int32_t DefAspY;
  char DefPreset1[16];  // up to 13 bytes, the rest zero
  char DefPreset2[16];
  char DefPreset3[16];
  char DefPreset4[16];
};

// Filled only by the loader, read only by it when it fills the dialog.
extern SettingsRecord SettingsValues;

// Copies the line that begins at `position` into `line`, CR included, and
// returns where the next line begins; -1 when the data ends before a CR.
// A position at or past the end of the data (after a CR that was the last
// byte) is the end of the data.
int ReadSettingsLine(const SettingsData& data, SettingsLine& line, int position);
// The same read into a scratch buffer of its own; the text is dropped.
int SkipSettingsLine(const SettingsData& data, int position);
// The bytes of `line` before its CR.
std::string_view LineText(const SettingsLine& line);

// Only LF, CR and 0x20 to 0xFF pass.
bool SettingsBytesAllowed(const SettingsData& data);

// Lines 1 to 22 into `values`; nothing, or the message of the first fault.
std::optional<std::string> ParseSettings(const SettingsData& data, SettingsRecord& values);
