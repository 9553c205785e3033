#include "settings/settings_file.h"

std::optional<std::string> LoadSettingsFile() { return std::nullopt; }
