#include "settings/config_dialog.h"

#include "app/main_window.h"
#include "app/program.h"
#include "forms/fconfig_bindings.h"
#include "forms/fconfig_definition.h"
#include "platform/os/pointer.h"
#include "settings/settings_file.h"

TFConfig* FConfig = nullptr;

TFConfig::TFConfig(TComponent* owner) : TForm(owner) {
  BuildForm(*this, kFConfigForm, FConfigComponents());
  ResolveMembers();
  BindEvents<TFConfig>(*this, FConfigBindings());
}

TFConfig::~TFConfig() {
  if (FConfig == this) FConfig = nullptr;
}

void TFConfig::ResolveMembers() {
  VX_MEMBER(LAuthor); VX_MEMBER(EAuthor); VX_MEMBER(LAsp); VX_MEMBER(AspX); VX_MEMBER(AspY);
  VX_MEMBER(Lsep); VX_MEMBER(LIppatsu1); VX_MEMBER(EIppatsu1); VX_MEMBER(LIppatsu2);
  VX_MEMBER(EIppatsu2); VX_MEMBER(LIppatsu3); VX_MEMBER(EIppatsu3); VX_MEMBER(LIppatsu4);
  VX_MEMBER(EIppatsu4); VX_MEMBER(BKiroku); VX_MEMBER(BClose); VX_MEMBER(LDefDir);
  VX_MEMBER(EDefDir); VX_MEMBER(BtLastAcc);
}

void TFConfig::BCloseClick(TObject*) { Close(); }

void TFConfig::BtLastAccClick(TObject*) { EDefDir->SetText(LastFolder); }

void TFConfig::BKirokuClick(TObject*) {
  Application->MessageBox(Sj("この機能は、未だインプリメントされていません。\r\n御免なさい m(_ _)m 。"),
                          Sj("お侘び"), MB_OK | MB_ICONINFORMATION);
}

void TFm1::BtConfigClick(TObject*) {
  if (!FConfig) {
    ErrorBox(SettingsLoadMessage());
    return;
  }
  TFConfig& d = *FConfig;
  d.SetTop(Top());
  d.SetLeft(Left());
  // The frame sum is halved once; vertically the point lies one bottom-frame
  // thickness below the centre of BClose.
  SetCursorPos(d.Left() + d.BClose->Left() + (d.BClose->Width() + d.Width() - d.ClientWidth()) / 2,
               d.Top() + (d.Height() - d.ClientHeight()) + d.BClose->Top() +
                   d.BClose->Height() / 2);
  d.ShowModal();
}
