// The settings file: where it is, and reading it into a record. The file is
// never written.
//
// On Linux the file is the executable's path with ".cfg" appended, or, for a
// path ending in ".exe", with those last three bytes replaced by "cfg".
// Reading is one open, one read of at most 8192 bytes and a close, then the
// byte test and the 22 lines (settings_reader.h). What a failure or a notice
// means to a person is the caller's to say.
#pragma once

#include <string>

#include "header/presets.h"
#include "settings/settings_reader.h"

std::string SettingsFilePath(const std::string& executablePath);

// Fills `values`; the first fault, or None. Notices go to `notices`, in the
// order they arose, when given.
SettingsError ReadSettingsFile(const std::string& path, SettingsRecord& values,
                               SettingsNotices* notices = nullptr);

// The texts the settings dialog's edits start with.
std::string DefaultAuthorText(const SettingsRecord& values);  // 18 bytes
std::string DefaultFolderText(const SettingsRecord& values);
std::string PresetText(const SettingsRecord& values, int n);  // n = 1..4

// What the preset letters A and O take from a settings file as loaded.
PresetDefaults PresetDefaultsOf(const SettingsRecord& values);
