// The settings file's bytes and their 22-line layout.
//
// The bytes come from one read of at most 8192 bytes, kept with a zero after
// them. A line ends at its first CR; the byte after the CR is passed over
// unseen (it is expected to be the LF), so a lone LF is an ordinary byte of
// a line's text. The line reader copies a line with its CR into a fixed line
// buffer and notes two things on the way, in the order they happen: once per
// line a text that reaches 256 bytes, and a line that runs past the 8192nd
// byte. Neither stops the reading; the caller decides what to show.
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
#include <vector>

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

// What makes a settings file unusable.
enum class SettingsError {
  None,
  Missing,     // cannot be opened
  Close,
  BadBytes,    // a byte other than LF, CR or 0x20 to 0xFF
  Cut,         // ends before line 22
  AspectX,     // line 12 empty or not 0 to 99
  AspectY,     // line 13 likewise
};

// What the reading notes and goes on.
enum class SettingsNotice {
  LongLine,  // a text of 256 bytes or more (kept to its first 259)
  TooLarge,  // a line runs past the 8192nd byte
};
using SettingsNotices = std::vector<SettingsNotice>;

// Filled only by the loader, read only by it when it fills the dialog.
extern SettingsRecord SettingsValues;

// Copies the line that begins at `position` into `line`, CR included, and
// returns where the next line begins; -1 when the data ends before a CR.
// A position at or past the end of the data (after a CR that was the last
// byte) is the end of the data. Notices go to `notices` when given.
int ReadSettingsLine(const SettingsData& data, SettingsLine& line, int position,
                     SettingsNotices* notices = nullptr);
// The same read into a scratch buffer of its own; the text is dropped.
int SkipSettingsLine(const SettingsData& data, int position, SettingsNotices* notices = nullptr);
// The bytes of `line` before its CR.
std::string_view LineText(const SettingsLine& line);

// Only LF, CR and 0x20 to 0xFF pass.
bool SettingsBytesAllowed(const SettingsData& data);

// Lines 1 to 22 into `values`; the first fault, or None.
SettingsError ParseSettings(const SettingsData& data, SettingsRecord& values,
                            SettingsNotices* notices = nullptr);
