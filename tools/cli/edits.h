// The edits of `set` and `apply`: a text for one key, or preset letters,
// put into the texts a header is shown as (header/field_texts.h) the way the
// window's edits and its preset interpreter take them. Encoding and writing
// are left to the header library.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "header/field_texts.h"
#include "header/presets.h"
#include "tools/cli/fields.h"

namespace cli {

struct Edit {
  bool preset = false;
  Key key = Key::Author;  // when not a preset: author to aspect
  std::string given;      // UTF-8, as the user gave it
  std::string bytes;      // the same in code page 932
};

// An edit of `key` to `utf8`, or a preset when `key` is empty; the reason
// when the text has no code page 932 form or a date or aspect is not of
// its shape ("Y-M-D h:m:s", "X:Y", each part decimal digits).
std::optional<std::string> MakeEdit(std::optional<Key> key, std::string_view utf8, Edit& out);

bool NeedsDefaults(const std::vector<Edit>& edits);
bool NeedsFileName(const std::vector<Edit>& edits);

// Puts the edits, left to right, into `texts`, which start as `loaded`
// (what reading the file showed, `shown` the same as values). A text equal
// to the shown value stands for the field's bytes as they were loaded.
// `fileName` is the file's name in code page 932, used by F and f.
void ApplyEdits(const std::vector<Edit>& edits, const HeaderTexts& loaded, const Shown& shown,
                const PresetDefaults& defaults, std::string_view fileName, HeaderTexts& texts);

}  // namespace cli
