#include "settings/presets.h"

#include "app/main_window.h"
#include "app/program.h"
#include "platform/os/pointer.h"
#include "platform/text/cp932.h"
#include "settings/config_dialog.h"
#include "settings/settings_file.h"

namespace {

constexpr std::size_t kCodeLimit = 14;

void RunPreset(TFm1& window, TEdit* TFConfig::*field) {
  if (!FConfig) {
    ErrorBox(SettingsLoadMessage());
    return;
  }
  ApplyPreset(window, *FConfig, (FConfig->*field)->Text());
  PointToHeaderPanel(window);
}

}  // namespace

FileNameStems StemsOf(std::string_view fileName) {
  const std::size_t delimiter = cp932::LastDelimiter(fileName, cp932::kPathDelimiters);
  std::string_view name =
      delimiter == std::string_view::npos ? fileName : fileName.substr(delimiter + 1);
  if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos && dot > 0)
    name = name.substr(0, dot);
  return {std::string(name.substr(0, 30)), std::string(name.substr(0, 8))};
}

void ApplyPreset(TFm1& w, const TFConfig& dialog, std::string_view code) {
  code = code.substr(0, kCodeLimit);
  code = code.substr(0, code.find(' '));
  const FileNameStems stems = StemsOf(w.EFileName->Text());
  auto time = [&](const char* hour) {
    w.hour->SetText(hour);
    w.min->SetText("0");
    w.sec->SetText("0");
  };
  for (const char letter : code) {
    switch (letter) {
      case 'A': case 'a':
        w.AspX->SetText(dialog.AspX->Text());
        w.AspY->SetText(dialog.AspY->Text());
        break;
      case 'D': case 'd': w.CopyFileDate(); break;
      case 'F': w.MainTitle->SetText(stems.title); break;
      case 'f': w.SubTitle->SetText(stems.subtitle); break;
      case 'N': case 'n': w.Bt_IchiClick(nullptr); break;
      case 'O': case 'o': w.Author->SetText(dialog.EAuthor->Text()); break;
      case 'S': case 's': w.BtVexmorelClick(nullptr); break;
      case 'T': w.SubTitle->SetText(w.MainTitle->Text().substr(0, 8)); break;
      case 't': w.MainTitle->SetText(w.SubTitle->Text()); break;
      case 'X': time("12"); break;
      case 'x': time("0"); break;
      default: break;
    }
  }
}

void PointToHeaderPanel(const TFm1& w) {
  SetCursorPos(w.Left() + w.Width() / 2,
               w.Top() + (w.Height() - w.ClientHeight()) - (w.Width() - w.ClientWidth()) / 2 +
                   w.PHeader->Top());
}

void TFm1::BtAuDefClick(TObject*) {
  if (!FConfig) {
    ErrorBox(SettingsLoadMessage());
    return;
  }
  Author->SetText(FConfig->EAuthor->Text());
}

void TFm1::Ippatsu1Click(TObject*) { RunPreset(*this, &TFConfig::EIppatsu1); }
void TFm1::Ippatsu2Click(TObject*) { RunPreset(*this, &TFConfig::EIppatsu2); }
void TFm1::Ippatsu3Click(TObject*) { RunPreset(*this, &TFConfig::EIppatsu3); }
void TFm1::Ippatsu4Click(TObject*) { RunPreset(*this, &TFConfig::EIppatsu4); }
