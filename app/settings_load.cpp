#include "app/settings_load.h"

#include "app/main_window.h"
#include "app/messages.h"
#include "app/program.h"
#include "platform/os/pointer.h"
#include "platform/os/process.h"
#include "settings/config_dialog.h"
#include "settings/settings_file.h"

namespace {

std::string loadMessage;

void FillDialog(const SettingsRecord& v) {
  FConfig = new TFConfig(Application);
  FConfig->EAuthor->SetText(DefaultAuthorText(v));
  FConfig->EDefDir->SetText(DefaultFolderText(v));
  FConfig->EIppatsu1->SetText(PresetText(v, 1));
  FConfig->EIppatsu2->SetText(PresetText(v, 2));
  FConfig->EIppatsu3->SetText(PresetText(v, 3));
  FConfig->EIppatsu4->SetText(PresetText(v, 4));
  FConfig->AspX->SetText(std::to_string(v.DefAspX));
  FConfig->AspY->SetText(std::to_string(v.DefAspY));
}

}  // namespace

std::optional<std::string> LoadSettingsFile() {
  SettingsNotices notices;
  const SettingsError error =
      ReadSettingsFile(SettingsFileToRead(ExecutablePath()), SettingsValues, &notices);
  for (const SettingsNotice n : notices) ErrorBox(Message(n));
  if (error != SettingsError::None) {
    loadMessage = Message(error);
    return loadMessage;
  }
  FillDialog(SettingsValues);
  const std::string folder = DefaultFolderText(SettingsValues);
  Fm1->OpDialog->SetInitialDir(folder);
  LastFolder = folder;
  return std::nullopt;
}

const std::string& SettingsLoadMessage() { return loadMessage; }

void TFm1::BtConfigClick(TObject*) {
  if (!FConfig) {
    ErrorBox(SettingsLoadMessage());
    return;
  }
  TFConfig& d = *FConfig;
  // Placed again if the dialog finds another frame once it is shown.
  d.Place([this, &d] {
    d.SetTop(Top());
    d.SetLeft(Left());
    // The frame sum is halved once; vertically the point lies one
    // bottom-frame thickness below the centre of BClose.
    SetCursorPos(d.Left() + d.BClose->Left() + (d.BClose->Width() + d.Width() - d.ClientWidth()) / 2,
                 d.Top() + (d.Height() - d.ClientHeight()) + d.BClose->Top() +
                     d.BClose->Height() / 2);
  });
  d.ShowModal();
}
