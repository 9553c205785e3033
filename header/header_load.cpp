// The Read command: load the first 120 bytes of the named file into the
// header, refuse what is not a plain, writable Pic2 file, record the file's
// last-write time, enter the open state and show every field.
#include "app/main_window.h"
#include "app/program.h"
#include "header/conversions.h"
#include "header/header_time.h"
#include "header/pic2_file.h"

namespace {

std::optional<std::string> LoadMessage(LoadError error) {
  switch (error) {
    case LoadError::None:
    case LoadError::NoName: return std::nullopt;
    case LoadError::Open: return Sj("オブジェクトを開けません！");
    case LoadError::TooShort:
    case LoadError::Read: return Sj("ファイル長が異常です！");
    case LoadError::Close: return Sj("オブジェクトがクローズ出来ません！");
    case LoadError::SpecialAttributes: return Sj("特殊属性のファイルは扱えません!!");
    case LoadError::NotPic2: return Sj("Pic2 ファイルではありません!!");
  }
  return std::nullopt;
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
  LoadResult r = LoadPic2File(EFileName->Text());
  if (r.error != LoadError::None) {
    Proceed = false;
    return LoadMessage(r.error);
  }
  Header = r.file.header;
  // When the time cannot be read, FileStamp keeps the value it had, so the
  // date labels show that value.
  if (r.file.fileStamp) FileStamp = *r.file.fileStamp;
  LoadedFile = r.file.identity;
  PMain->SetEnabled(false);
  PHeader->SetEnabled(true);
  BtWrite->SetEnabled(true);
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
