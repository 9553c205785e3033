#include "app/main_window.h"

#include "app/fm1_bindings.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/settings_load.h"
#include "forms/fm1_definition.h"
#include "platform/os/names.h"
#include "platform/os/pointer.h"
#include "platform/os/process.h"
#include "platform/text/cp932.h"
#include "settings/config_dialog.h"

TFm1* Fm1 = nullptr;

TFm1::TFm1(TComponent* owner) : TForm(owner) {
  RegisterCuteButton();
  BuildForm(*this, kFm1Form, Fm1Components());
  ResolveMembers();
  BindEvents<TFm1>(*this, Fm1Bindings());
  OnDropFiles = [this](const std::vector<std::string>& names) { FormDropFiles(names); };
  if (std::optional<std::string> message = LoadSettingsFile()) ErrorBox(*message);
}

TFm1::~TFm1() {
  if (Fm1 == this) Fm1 = nullptr;
}

void TFm1::ResolveMembers() {
  VX_MEMBER(PMain); VX_MEMBER(PHeader); VX_MEMBER(GrHeader); VX_MEMBER(HeaderExist);
  VX_MEMBER(EFileName); VX_MEMBER(BtOpen); VX_MEMBER(BtRead); VX_MEMBER(BtConfig);
  VX_MEMBER(BtWrite); VX_MEMBER(LShori);
  VX_MEMBER(Author); VX_MEMBER(SubTitle); VX_MEMBER(MainTitle); VX_MEMBER(SaverName);
  VX_MEMBER(Number); VX_MEMBER(year); VX_MEMBER(month); VX_MEMBER(day); VX_MEMBER(hour);
  VX_MEMBER(min); VX_MEMBER(sec); VX_MEMBER(AspX); VX_MEMBER(AspY);
  VX_MEMBER(BtClose); VX_MEMBER(BtAuDef); VX_MEMBER(BtVexmorel); VX_MEMBER(Bt_Ichi);
  VX_MEMBER(BtTime); VX_MEMBER(BtKyohsei);
  VX_MEMBER(Ippatsu1); VX_MEMBER(Ippatsu2); VX_MEMBER(Ippatsu3); VX_MEMBER(Ippatsu4);
  VX_MEMBER(Fyear); VX_MEMBER(Fmonth); VX_MEMBER(Fday); VX_MEMBER(Fhour); VX_MEMBER(Fmin);
  VX_MEMBER(Fsec); VX_MEMBER(PalBits); VX_MEMBER(PalMode); VX_MEMBER(ImageSize);
  VX_MEMBER(ComExist);
  VX_MEMBER(Popup); VX_MEMBER(Sanshow); VX_MEMBER(Yomikomi); VX_MEMBER(Kakikomi);
  VX_MEMBER(Tojiru); VX_MEMBER(Config); VX_MEMBER(Kanni); VX_MEMBER(Nichiji);
  VX_MEMBER(Kyohsei_sikkoh); VX_MEMBER(Kanni1); VX_MEMBER(Kanni2); VX_MEMBER(Kanni3);
  VX_MEMBER(Kanni4); VX_MEMBER(About); VX_MEMBER(Shuwryoh); VX_MEMBER(OpDialog);
  for (const TextFieldEntry& s : kTextFields)
    TextControls[static_cast<std::size_t>(s.field)] = Member<TControl>(*this, s.control);
}

HeaderTexts TFm1::ShownTexts() const {
  HeaderTexts texts;
  for (std::size_t i = 0; i < kTextFieldCount; ++i) texts.text[i] = TextControls[i]->Text();
  return texts;
}

void TFm1::ShowTexts(const HeaderTexts& texts) {
  for (std::size_t i = 0; i < kTextFieldCount; ++i) TextControls[i]->SetText(texts.text[i]);
}

void TFm1::FormCreate(TObject*) {
  if (const std::string arg = ParamStr(1); !arg.empty()) EFileName->SetText(arg);
  // Centre on the screen ("/ 2" truncates toward zero, as the arithmetic of
  // the class library does) and point at BtOpen; both read the frame, so
  // they run again if the window finds another one once it is shown.
  Place([this] {
    SetLeft((Screen->Width() - Width()) / 2);
    SetTop((Screen->Height() - Height()) / 2);
    PointToOpenButton();
  });
}

void TFm1::FormActivate(TObject*) {
  if (ParamRefused(1)) ErrorBox(Message(LoadError::Open));
}

void TFm1::PointToOpenButton() {
  const int frameX = (Width() - ClientWidth()) / 2;
  const int frameY = Height() - ClientHeight();
  SetCursorPos(Left() + frameX + BtOpen->Left() + BtOpen->Width() / 2,
               Top() + frameY - frameX + BtOpen->Top() + BtOpen->Height() / 2);
}

void TFm1::TakeChosenName(const std::string& name) {
  EFileName->SetText(name);
  const std::size_t cut = cp932::LastDelimiter(name, cp932::kPathDelimiters);
  LastFolder = cut == std::string::npos ? std::string() : name.substr(0, cut + 1);
  EFileName->SetFocus();
}

void TFm1::BtOpenClick(TObject*) {
  OpDialog->SetInitialDir(LastFolder);
  if (!OpDialog->Execute()) {
    // A name the window cannot hold exactly would open another file.
    if (OpDialog->Refused()) ErrorBox(Message(LoadError::Open));
    return;
  }
  TakeChosenName(OpDialog->FileName());
  // The sum is halved once, and no bottom frame is subtracted: the point
  // lies one bottom-frame thickness below the centre of BtRead.
  SetCursorPos(Left() + BtRead->Left() + (BtRead->Width() + Width() - ClientWidth()) / 2,
               Top() + BtRead->Top() + BtRead->Height() / 2 + Height() - ClientHeight());
}

void TFm1::FormDropFiles(const std::vector<std::string>& names) {
  // One file, while no header is open, counts as a choice in the open dialog;
  // anything else is not for this window.
  if (names.size() != 1 || HeaderOpen()) return;
  const std::optional<std::string> name = WindowFileName(names.front());
  if (!name) {
    ErrorBox(Message(LoadError::Open));
    return;
  }
  TakeChosenName(*name);
}

bool TFm1::HeaderOpen() const { return !PMain->Enabled(); }

void TFm1::DiscardHeader() {
  if (!ConfirmBox(Sj("ヘッダを破棄し、閉じても構いませんか？"), Sj("ヘッダの破棄"))) return;
  HeaderTexts cleared;
  ClearHeaderTexts(cleared);
  ShowTexts(cleared);
  HeaderExist->SetCaption("No File");
  HeaderExist->SetHint(Sj("ファイルは開かれていません"));
  PMain->SetEnabled(true);
  PHeader->SetEnabled(false);
  BtWrite->SetEnabled(false);
  Sanshow->SetEnabled(true);
  Yomikomi->SetEnabled(true);
  Config->SetEnabled(true);
  Kakikomi->SetEnabled(false);
  Tojiru->SetEnabled(false);
  Kanni->SetEnabled(false);
  PointToOpenButton();
}

void TFm1::EnterOpenState() {
  HeaderExist->SetCaption("Open !");
  HeaderExist->SetHint(Sj("ファイルを開きました"));
  Sanshow->SetEnabled(false);
  Yomikomi->SetEnabled(false);
  Config->SetEnabled(false);
  Kakikomi->SetEnabled(true);
  Tojiru->SetEnabled(true);
  Kanni->SetEnabled(true);
}

void TFm1::BtCloseClick(TObject*) { DiscardHeader(); }

void TFm1::ShuwryohClick(TObject*) { Close(); }

void TFm1::About_Me(TObject*) {
  Application->MessageBox("Vexmorel Ver.0.2", Sj("概要"), MB_OK | MB_ICONINFORMATION);
}
