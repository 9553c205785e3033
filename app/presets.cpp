#include "app/presets.h"

#include "app/main_window.h"
#include "app/program.h"
#include "app/settings_load.h"
#include "header/presets.h"
#include "platform/os/pointer.h"
#include "settings/config_dialog.h"

namespace {

void RunPreset(TFm1& window, TEdit* TFConfig::*field) {
  if (!FConfig) {
    ErrorBox(SettingsLoadMessage());
    return;
  }
  ApplyPreset(window, *FConfig, (FConfig->*field)->Text());
  PointToHeaderPanel(window);
}

}  // namespace

void ApplyPreset(TFm1& w, const TFConfig& dialog, std::string_view code) {
  const PresetDefaults defaults{dialog.EAuthor->Text(), dialog.AspX->Text(),
                                dialog.AspY->Text()};
  HeaderTexts texts = w.ShownTexts();
  ApplyPresetLetters(texts, code, defaults, w.EFileName->Text());
  w.ShowTexts(texts);
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
