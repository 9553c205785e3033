// The settings file beside the executable, read once while the main window
// is built (after its controls, OpDialog and LastFolder exist; Fm1 already
// names it). On success the loader creates the settings dialog hidden, fills
// it, and sets LastFolder and OpDialog's initial folder to the default
// folder; otherwise it returns the message of the first fault, which the
// caller shows, and no dialog is created. The file is never written.
//
// On Linux the file is the executable's path with ".cfg" appended, or, for a
// path ending in ".exe", with those last three bytes replaced by "cfg".
#pragma once

#include <optional>
#include <string>

#include "settings/settings_reader.h"

std::optional<std::string> LoadSettingsFile();

// What the load returned at start: empty while it has not failed. The
// commands that need the dialog show it when the dialog does not exist.
const std::string& SettingsLoadMessage();

std::string SettingsFilePath(const std::string& executablePath);

// Open, one read of at most 8192 bytes, close, the byte test and the 22
// lines, into `values`; nothing, or the message of the first fault.
std::optional<std::string> ReadSettingsFile(const std::string& path, SettingsRecord& values);
