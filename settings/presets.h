// One-shot presets: a short letter code that fills several header fields of
// the main window at once, and the default-author button. A preset changes
// only the edits' texts; writing encodes them later.
//
// Of a code only the first 14 bytes count, and of those only the bytes
// before the first space; each is one letter, applied in order, so a later
// letter sees what an earlier one set. Bytes that are no letter (all from
// 0x80 up among them) do nothing, so the second byte of a double-byte
// character acts when it equals a letter. The stems come from the current
// text of EFileName, once per run. The commands need the settings dialog;
// without it (the settings file failed to load) they show the message the
// load returned and change nothing.
#pragma once

#include <string>
#include <string_view>

class TFm1;
class TFConfig;

struct FileNameStems {
  std::string title;     // up to 30 bytes
  std::string subtitle;  // up to 8 bytes
};

// The name after the last path delimiter (a delimiter that is the second
// byte of a double-byte character does not count), without its extension:
// cut at the last "." from the second byte on, so ".p2" stays ".p2". Both
// cuts count bytes and may divide a double-byte character.
FileNameStems StemsOf(std::string_view fileName);

void ApplyPreset(TFm1& window, const TFConfig& dialog, std::string_view code);

// The pointer onto the top edge of PHeader at the window's horizontal centre
// (with equal left, right and bottom frames).
void PointToHeaderPanel(const TFm1& window);
