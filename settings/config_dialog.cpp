#include "settings/config_dialog.h"

#include "forms/fconfig_definition.h"
#include "platform/text/sj.h"
#include "settings/fconfig_bindings.h"

TFConfig* FConfig = nullptr;
std::string LastFolder;

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
