// The Read command: load the first 120 bytes of the named file into the
// header, refuse what is not a plain, writable Pic2 file, record the file's
// last-write time, enter the open state and show every field.
#include "app/main_window.h"
#include "app/program.h"
#include "header/conversions.h"
#include "header/header_time.h"
#include "platform/os/files.h"
#include "platform/os/filetime.h"
#include "platform/os/stream.h"

namespace {

constexpr DWORD kRefusedAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                     FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY;

// Nothing here fails the load: when the time cannot be read, FileStamp keeps
// the value it had, so the date labels show that value.
void RecordFileStamp(const std::string& name) {
  HANDLE h = CreateFileA(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return;
  FILETIME written;
  const BOOL got = GetFileTime(h, nullptr, nullptr, &written);
  CloseHandle(h);
  FILETIME local;
  SYSTEMTIME stamp;
  if (got && FileTimeToLocalFileTime(&written, &local) && FileTimeToSystemTime(&local, &stamp))
    FileStamp = stamp;
}

}  // namespace

void TFm1::BtReadClick(TObject*) {
  Proceed = true;
  if (std::optional<std::string> message = LoadHeaderFile()) {
    ErrorBox(*message);
    return;
  }
  if (Proceed) ShowHeader();
}

std::optional<std::string> TFm1::LoadHeaderFile() {
  const std::string& name = EFileName->Text();
  if (name.empty()) {
    Proceed = false;
    return std::nullopt;
  }
  Stream* stream = OpenStream(name, "rb");
  if (!stream) return Sj("オブジェクトを開けません！");
  if (ReadStream(Header.bytes.data(), 1, kPic2HeaderSize, stream) < kPic2HeaderSize) {
    CloseStream(stream);
    return Sj("ファイル長が異常です！");
  }
  if (CloseStream(stream) != 0) {
    Proceed = false;
    return Sj("オブジェクトがクローズ出来ません！");
  }
  const DWORD attributes = GetFileAttributesA(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & kRefusedAttributes))
    return Sj("特殊属性のファイルは扱えません!!");
  if (!HasPic2Magic(Header)) return Sj("Pic2 ファイルではありません!!");

  PMain->SetEnabled(false);
  PHeader->SetEnabled(true);
  BtWrite->SetEnabled(true);
  RecordFileStamp(name);
  EnterOpenState();
  return std::nullopt;
}

void TFm1::ShowHeader() {
  using F = HeaderField;
  auto text = [](F f) {
    return DecodeTextField(Header, Span(f).offset, Span(f).width, KeptPrefix(f));
  };
  auto value = [](F f) { return ReadBigEndian(Header, Span(f).offset, Span(f).width); };

  Author->SetText(text(F::Author));
  SubTitle->SetText(text(F::SubTitle));
  MainTitle->SetText(text(F::MainTitle));
  SaverName->SetText(text(F::SaverName));
  Number->SetText(DecimalText(value(F::Number)));

  const HeaderTime t = DecodeHeaderTime(value(F::CreationTime));
  year->SetText(DecimalText(t.year));
  month->SetText(DecimalText(t.month));
  day->SetText(DecimalText(t.day));
  hour->SetText(DecimalText(t.hour));
  min->SetText(DecimalText(t.minute));
  sec->SetText(DecimalText(t.second));

  Fyear->SetCaption(DecimalText(FileStamp.wYear));
  Fmonth->SetCaption(DecimalText(FileStamp.wMonth));
  Fday->SetCaption(DecimalText(FileStamp.wDay));
  Fhour->SetCaption(DecimalText(FileStamp.wHour));
  Fmin->SetCaption(DecimalText(FileStamp.wMinute));
  Fsec->SetCaption(DecimalText(FileStamp.wSecond));

  PalBits->SetCaption(DecimalText(value(F::BitsPerPixel)));
  PalMode->SetCaption(PaletteModeText(static_cast<std::uint8_t>(value(F::Mode))));
  const AspectPair aspect = AspectDisplay(value(F::AspectX), value(F::AspectY));
  AspX->SetText(DecimalText(aspect.x));
  AspY->SetText(DecimalText(aspect.y));
  ImageSize->SetCaption(ImageSizeText(value(F::ImageWidth), value(F::ImageHeight)));
  year->SetFocus();
}
