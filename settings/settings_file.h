// The settings file: where it is, and reading it into a record. The file is
// never written.
//
// On Linux the installed file is the executable's path with ".cfg" appended,
// or, for a path ending in ".exe", with those last three bytes replaced by
// "cfg". Each user may have a file of his own, which is read instead where
// it exists: $XDG_CONFIG_HOME/vexmorel/vexmorel.cfg, or
// ~/.config/vexmorel/vexmorel.cfg when XDG_CONFIG_HOME is unset or empty.
// Paths are in the system's form.
// Reading is one open, one read of at most 8192 bytes and a close, then the
// byte test and the 22 lines (settings_reader.h). What a failure or a notice
// means to a person is the caller's to say.
#pragma once

#include <string>

#include "header/presets.h"
#include "settings/settings_reader.h"

std::string SettingsFilePath(const std::string& executablePath);

// The per-user file's path whether or not it exists; empty when neither
// XDG_CONFIG_HOME nor HOME says where it would be.
std::string UserSettingsPath();

// The file to read: the per-user one where something of that name exists
// (a faulty one is reported, never passed over), else the installed one.
std::string SettingsFileToRead(const std::string& executablePath);

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
