// The Read command: load the named file's header through the header
// library, enter the open state and show every field; or show why not.
#include "app/main_window.h"
#include "app/messages.h"
#include "app/program.h"
#include "header/pic2_file.h"
#include "platform/os/names.h"

void TFm1::BtReadClick(TObject*) {
  const LoadError error = LoadHeaderFile();
  if (error == LoadError::None)
    ShowHeader();
  else if (const std::string& message = Message(error); !message.empty())
    ErrorBox(message);
}

LoadError TFm1::LoadHeaderFile() {
  // A name the system cannot take is a file that cannot be opened; an empty
  // one stays empty, which the library answers with NoName.
  const std::optional<std::string> path = SystemFileName(EFileName->Text());
  if (!path) return LoadError::Open;
  const LoadResult r = LoadPic2File(*path);
  if (r.error != LoadError::None) return r.error;
  Header = r.file.header;
  // When the time cannot be read, FileStamp keeps the value it had, so the
  // date labels show that value.
  if (r.file.fileStamp) FileStamp = *r.file.fileStamp;
  LoadedFile = r.file.identity;
  PMain->SetEnabled(false);
  PHeader->SetEnabled(true);
  BtWrite->SetEnabled(true);
  EnterOpenState();
  return LoadError::None;
}

void TFm1::ShowHeader() {
  // Decoded into texts kept from the last load, whose strings already have
  // room: a load then allocates only what the controls take.
  DecodeHeaderTexts(Header, FileStamp, DecodedTexts);
  ShowTexts(DecodedTexts);
  year->SetFocus();
}
