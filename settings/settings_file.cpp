#include "settings/settings_file.h"

#include <cstring>

#include "app/main_window.h"
#include "app/program.h"
#include "platform/os/process.h"
#include "platform/os/stream.h"
#include "settings/config_dialog.h"

namespace {

SettingsData data;
std::string loadMessage;

std::string Field(const char* bytes, std::size_t limit) {
  return std::string(bytes, strnlen(bytes, limit));
}

void FillDialog(const SettingsRecord& v) {
  FConfig = new TFConfig(Application);
  FConfig->EAuthor->SetText(std::string(v.DefAuthor, 18));
  FConfig->EDefDir->SetText(Field(v.DefDir, 256));
  FConfig->EIppatsu1->SetText(Field(v.DefPreset1, 13));
  FConfig->EIppatsu2->SetText(Field(v.DefPreset2, 13));
  FConfig->EIppatsu3->SetText(Field(v.DefPreset3, 13));
  FConfig->EIppatsu4->SetText(Field(v.DefPreset4, 13));
  FConfig->AspX->SetText(std::to_string(v.DefAspX));
  FConfig->AspY->SetText(std::to_string(v.DefAspY));
}

}  // namespace

std::string SettingsFilePath(const std::string& executablePath) {
  if (executablePath.ends_with(".exe"))
    return executablePath.substr(0, executablePath.size() - 3) + "cfg";
  return executablePath + ".cfg";
}

std::optional<std::string> ReadSettingsFile(const std::string& path, SettingsRecord& values) {
  Stream* stream = OpenStream(path, "rb");
  if (!stream) return Sj("設定ファイルが有りません！");
  data.length = static_cast<int>(ReadStream(data.bytes, 1, kSettingsReadSize, stream));
  if (CloseStream(stream) != 0) return Sj("設定ファイルがクローズ出来ません！");
  data.bytes[data.length] = '\0';
  if (!SettingsBytesAllowed(data)) return Sj("設定ファイルが異常です！");
  return ParseSettings(data, values);
}

std::optional<std::string> LoadSettingsFile() {
  std::optional<std::string> message =
      ReadSettingsFile(SettingsFilePath(ExecutablePath()), SettingsValues);
  if (message) {
    loadMessage = *message;
    return message;
  }
  FillDialog(SettingsValues);
  const std::string folder = Field(SettingsValues.DefDir, 256);
  Fm1->OpDialog->SetInitialDir(folder);
  LastFolder = folder;
  return std::nullopt;
}

const std::string& SettingsLoadMessage() { return loadMessage; }
