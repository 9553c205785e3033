// The Write command: after a confirmation, encode the edits into the header
// in memory, write the 120 bytes over the start of the file in place, set
// the file's last-write time from the stored date, then offer to close.
#include <cstdlib>

#include "app/main_window.h"
#include "app/program.h"
#include "header/conversions.h"
#include "header/header_time.h"
#include "platform/os/files.h"
#include "platform/os/filetime.h"
#include "platform/os/stream.h"

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

// The file's times before the write, so that a failed write can put them
// back and a successful one leaves the access time as it was (reading the
// old header must not count as an access).
struct Times {
  bool known = false;
  FILETIME access, lastWrite;
};

HANDLE OpenForTimes(const std::string& name, DWORD access) {
  return CreateFileA(name.c_str(), access, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

Times ReadTimes(const std::string& name) {
  Times t;
  HANDLE h = OpenForTimes(name, GENERIC_READ);
  if (h == INVALID_HANDLE_VALUE) return t;
  t.known = GetFileTime(h, nullptr, &t.access, &t.lastWrite) != 0;
  CloseHandle(h);
  return t;
}

void SetTimes(const std::string& name, const FILETIME* access, const FILETIME* lastWrite) {
  HANDLE h = OpenForTimes(name, GENERIC_READ | GENERIC_WRITE);
  if (h == INVALID_HANDLE_VALUE) return;
  SetFileTime(h, nullptr, access, lastWrite);
  CloseHandle(h);
}

// FileStamp, read as local time, becomes the last-write time. Nothing here is
// reported: the bytes are already written.
void SetLastWriteTime(const std::string& name, const Times& before) {
  FILETIME local, utc;
  if (!SystemTimeToFileTime(&FileStamp, &local) || !LocalFileTimeToFileTime(&local, &utc)) return;
  SetTimes(name, before.known ? &before.access : nullptr, &utc);
}

// After a failed write: the old header goes back, and the old times with it,
// so that a failure loses nothing. Best effort: there is nothing more to do
// if this fails too.
void Restore(const std::string& name, const Pic2Header& old, const Times& before) {
  if (Stream* s = OpenStream(name, "r+b")) {
    WriteStream(old.bytes.data(), 1, kPic2HeaderSize, s);
    CloseStream(s);
  }
  if (before.known) SetTimes(name, &before.access, &before.lastWrite);
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
  const std::string name = EFileName->Text();
  const Times before = ReadTimes(name);
  Stream* stream = OpenStream(name, "r+b");
  if (!stream) return Sj("Pic2 ファイルが開けません");
  // The file may have been replaced since it was read: never write a header
  // over something that is not a Pic2 file. The old header is kept to undo
  // a write that fails half way.
  Pic2Header old;
  if (ReadStream(old.bytes.data(), 1, kPic2HeaderSize, stream) < kPic2HeaderSize ||
      !HasPic2Magic(old) || SeekStream(stream, 0, SEEK_SET) != 0) {
    CloseStream(stream);
    // Nothing was written, so the last-write time never moved; setting it
    // again would round it to the 100 ns a FILETIME holds.
    if (before.known) SetTimes(name, &before.access, nullptr);
    return Sj("Pic2 ファイルではありません!!");
  }
  if (WriteStream(Header.bytes.data(), 1, kPic2HeaderSize, stream) < kPic2HeaderSize) {
    CloseStream(stream);
    Restore(name, old, before);
    return Sj("Pic2 ヘッダの書き込みを失敗しました");
  }
  // Closing flushes and syncs the bytes to disk; a failure there is reported.
  if (CloseStream(stream) != 0) {
    Restore(name, old, before);
    return Sj("Pic2 ファイルがクローズ出来ません");
  }
  SetLastWriteTime(name, before);
  DiscardHeader();
  return std::nullopt;
}
