// The settings file beside the executable: read once while the main window
// is built. On success it creates the settings dialog, fills it and sets the
// default folder; otherwise it returns the message to show.
#pragma once

#include <optional>
#include <string>

std::optional<std::string> LoadSettingsFile();
