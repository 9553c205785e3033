// What the command line says, through gettext: English texts in the source,
// a catalogue per language (po/). In a Japanese locale the reason a file
// failed is the window's own message for that failure, so both programs
// say the same thing. Header data (such as 未定義) is never translated.
#pragma once

#include <string>

#include "header/pic2_file.h"
#include "settings/settings_reader.h"

namespace cli {

// Binds the catalogue beside the program (the build tree's locale/, or the
// installed share/locale/) and selects the user's locale for messages.
void InitMessages(const std::string& executablePath);

// The translation of an English text, in the locale's encoding.
std::string Tr(const char* english);

// The reason a file or the settings failed.
std::string Reason(LoadError error);
std::string Reason(WriteError error);
std::string Reason(SettingsError error);
std::string Reason(SettingsNotice notice);

}  // namespace cli
