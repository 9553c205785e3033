// The settings file as the window uses it: read once while the main window
// is built (after its controls and OpDialog exist; Fm1 already names it),
// and the settings command. On success the load creates the settings dialog
// hidden, fills it, and sets LastFolder and OpDialog's initial folder to the
// default folder; otherwise it returns the message of the first fault, which
// the caller shows, and no dialog is created. Notices of the reading are
// shown as they arose, before that message.
#pragma once

#include <optional>
#include <string>

std::optional<std::string> LoadSettingsFile();

// What the load returned at start: empty while it has not failed. The
// commands that need the dialog show it when the dialog does not exist.
const std::string& SettingsLoadMessage();
