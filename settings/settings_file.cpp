#include "settings/settings_file.h"

#include <cstdlib>
#include <cstring>

#include "platform/os/files.h"
#include "platform/os/stream.h"

namespace {

SettingsData data;

std::string Field(const char* bytes, std::size_t limit) {
  return std::string(bytes, strnlen(bytes, limit));
}

}  // namespace

std::string SettingsFilePath(const std::string& executablePath) {
  if (executablePath.ends_with(".exe"))
    return executablePath.substr(0, executablePath.size() - 3) + "cfg";
  return executablePath + ".cfg";
}

std::string UserSettingsPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && *config) return std::string(config) + "/vexmorel/vexmorel.cfg";
  const char* home = std::getenv("HOME");
  if (home && *home) return std::string(home) + "/.config/vexmorel/vexmorel.cfg";
  return {};
}

std::string SettingsFileToRead(const std::string& executablePath) {
  const std::string user = UserSettingsPath();
  if (!user.empty() && PathExists(user)) return user;
  return SettingsFilePath(executablePath);
}

SettingsError ReadSettingsFile(const std::string& path, SettingsRecord& values,
                               SettingsNotices* notices) {
  Stream* stream = OpenStream(path, "rb");
  if (!stream) return SettingsError::Missing;
  data.length = static_cast<int>(ReadStream(data.bytes, 1, kSettingsReadSize, stream));
  if (CloseStream(stream) != 0) return SettingsError::Close;
  data.bytes[data.length] = '\0';
  if (!SettingsBytesAllowed(data)) return SettingsError::BadBytes;
  return ParseSettings(data, values, notices);
}

std::string DefaultAuthorText(const SettingsRecord& v) { return std::string(v.DefAuthor, 18); }

std::string DefaultFolderText(const SettingsRecord& v) { return Field(v.DefDir, 256); }

std::string PresetText(const SettingsRecord& v, int n) {
  const char* const presets[] = {v.DefPreset1, v.DefPreset2, v.DefPreset3, v.DefPreset4};
  return Field(presets[n - 1], 13);
}

PresetDefaults PresetDefaultsOf(const SettingsRecord& v) {
  return {DefaultAuthorText(v), std::to_string(v.DefAspX), std::to_string(v.DefAspY)};
}
