// The Write command: after a confirmation, encode the edits into the header
// in memory, write the 120 bytes over the start of the file in place, set
// the file's last-write time from the stored date, then offer to close.
#include <cstdlib>

#include "app/main_window.h"
#include "app/program.h"
#include "header/conversions.h"
#include "header/header_time.h"
#include "header/pic2_file.h"

namespace {

void EncodeFields(TFm1& w) {
  using F = HeaderField;
  auto text = [](const TEdit* e, F f) {
    EncodeTextField(Header, e->Text(), Span(f).offset, Span(f).width);
  };
  text(w.Author, F::Author);
  text(w.SubTitle, F::SubTitle);
  text(w.MainTitle, F::MainTitle);
  text(w.SaverName, F::SaverName);
  EncodeNumber(Header, w.Number->Text(), Span(F::Number).offset);
  EncodeNumber(Header, w.AspX->Text(), Span(F::AspectX).offset);
  EncodeNumber(Header, w.AspY->Text(), Span(F::AspectY).offset);
  EncodeHeaderTime(Header, FileStamp,
                   {w.year->Text(), w.month->Text(), w.day->Text(), w.hour->Text(),
                    w.min->Text(), w.sec->Text()},
                   std::getenv("TZ"));
}

std::optional<std::string> WriteMessage(WriteError error) {
  switch (error) {
    case WriteError::None: return std::nullopt;
    case WriteError::Open: return Sj("Pic2 ファイルが開けません");
    case WriteError::Replaced: return Sj("読込後にファイルが置き換えられています！");
    case WriteError::NotPic2: return Sj("Pic2 ファイルではありません!!");
    case WriteError::ShortWrite: return Sj("Pic2 ヘッダの書き込みを失敗しました");
    case WriteError::Close: return Sj("Pic2 ファイルがクローズ出来ません");
  }
  return std::nullopt;
}

}  // namespace

void TFm1::BtWriteClick(TObject*) {
  if (!ConfirmBox(Sj("ヘッダに表示中の情報を書き込んでも構いませんか？"), Sj("ヘッダの書込")))
    return;
  PMain->SetEnabled(false);
  PHeader->SetEnabled(false);
  BtWrite->SetEnabled(false);
  Popup->SetAutoPopup(false);
  EncodeFields(*this);
  if (std::optional<std::string> message = WriteHeaderFile()) ErrorBox(*message);
  if (HeaderOpen()) {
    PHeader->SetEnabled(true);
    BtWrite->SetEnabled(true);
  }
  Popup->SetAutoPopup(true);
}

std::optional<std::string> TFm1::WriteHeaderFile() {
  const WriteError error = WritePic2File(EFileName->Text(), LoadedFile, Header, FileStamp);
  if (error != WriteError::None) return WriteMessage(error);
  DiscardHeader();
  return std::nullopt;
}
