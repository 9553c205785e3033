// The Write command: after a confirmation, encode the edits into the header
// in memory and hand it to the header library, which writes it to the file
// that was loaded and sets the file time; then offer to close.
#include <cstdlib>

#include "app/main_window.h"
#include "app/messages.h"
#include "app/program.h"
#include "header/pic2_file.h"
#include "platform/os/names.h"

void TFm1::BtWriteClick(TObject*) {
  if (!ConfirmBox(Sj("ヘッダに表示中の情報を書き込んでも構いませんか？"), Sj("ヘッダの書込")))
    return;
  PMain->SetEnabled(false);
  PHeader->SetEnabled(false);
  BtWrite->SetEnabled(false);
  Popup->SetAutoPopup(false);
  EncodeHeaderTexts(ShownTexts(), Header, FileStamp, std::getenv("TZ"));
  if (std::optional<std::string> message = WriteHeaderFile()) ErrorBox(*message);
  if (HeaderOpen()) {
    PHeader->SetEnabled(true);
    BtWrite->SetEnabled(true);
  }
  Popup->SetAutoPopup(true);
}

std::optional<std::string> TFm1::WriteHeaderFile() {
  const std::optional<std::string> path = SystemFileName(EFileName->Text());
  const WriteError error =
      path ? WritePic2File(*path, LoadedFile, Header, FileStamp) : WriteError::Open;
  if (error != WriteError::None) return Message(error);
  DiscardHeader();
  return std::nullopt;
}
