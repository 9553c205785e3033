// The quick-set commands and the preset letters, as changes to the texts a
// header is shown as (field_texts.h). Writing encodes those texts later; none
// of this touches a header or a file.
//
// A preset code counts only its first 14 bytes, and of those only the bytes
// before the first space; each byte is one letter, applied in order, so a
// later letter sees what an earlier one set. Bytes that are no letter (all
// from 0x80 up among them) do nothing, so the second byte of a double-byte
// character acts when it equals a letter. A D N O S X act in either case; F
// f T t are four different letters. A and O take the settings' default
// aspect and author; F and f the stems of the file's name.
#pragma once

#include <string>
#include <string_view>

#include "header/field_texts.h"

// What the settings give the letters A and O: texts as the settings dialog's
// edits hold them.
struct PresetDefaults {
  std::string author;
  std::string aspX, aspY;
};

struct FileNameStems {
  std::string title;     // up to the main title's width
  std::string subtitle;  // up to the subtitle's width
};

// The name after the last path delimiter (a delimiter that is the second
// byte of a double-byte character does not count), without its extension:
// cut at the last "." from the second byte on, so ".p2" stays ".p2". Both
// cuts count bytes and may divide a double-byte character.
FileNameStems StemsOf(std::string_view fileName);

// The quick-sets.
void CopyFileDate(HeaderTexts& t);           // the file date's six parts into the date
void ToggleNoonMidnight(HeaderTexts& t);     // 0:0:0 and 12:0:0 in turn
void SetNumberOne(HeaderTexts& t);
void SetSaverName(HeaderTexts& t);           // this program's name as the saving software

// True when `code` holds a letter that takes the settings' defaults.
bool PresetNeedsDefaults(std::string_view code);

// True when `code` holds a letter that takes a stem of the file's name.
bool PresetNeedsFileName(std::string_view code);

// Applies the letters of `code`; the stems come from `fileName` once.
void ApplyPresetLetters(HeaderTexts& t, std::string_view code, const PresetDefaults& defaults,
                        std::string_view fileName);
