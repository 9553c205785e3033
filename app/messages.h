// What the window says for each kind of failure of the header library and
// the settings file: one table per kind, every text exactly as the ErrorBox
// shows it (code page 932). Empty for a kind that shows nothing.
#pragma once

#include <string>

#include "header/pic2_file.h"
#include "settings/settings_reader.h"

const std::string& Message(LoadError error);
const std::string& Message(WriteError error);
const std::string& Message(SettingsError error);
const std::string& Message(SettingsNotice notice);
