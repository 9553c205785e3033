// Fuzz target: 120 arbitrary header bytes through the decodings and
// ShowHeader, and back through the encodings the write step applies to what
// the window shows. Extra input bytes after the 120 give FileStamp's fields
// and a TZ value.
//
// Checks that showing a header and writing it back unedited loses nothing
// but what the conversions document:
//  - a text field without a NUL comes back byte for byte (a NUL ends the
//    shown text, and what follows it is written as spaces);
//  - the number comes back, 0 as 1;
//  - an aspect within 0 to 99 comes back, 0 as 1; one above 99 is shown,
//    and so written, as 1:1;
//  - a creation time from 1980 on comes back to the second;
//  - every shown text fits its edit's MaxLength.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "fuzz/program_state.h"
#include "header/conversions.h"

namespace {

using F = HeaderField;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "header_fuzz: %s\n", what);
  std::abort();
}

void Check(bool ok, const char* what) {
  if (!ok) Fail(what);
}

std::uint32_t Value(const Pic2Header& h, F f) {
  return ReadBigEndian(h, Span(f).offset, Span(f).width);
}

bool HasNul(const Pic2Header& h, F f) {
  const auto* begin = h.bytes.data() + Span(f).offset;
  return std::memchr(begin, 0, static_cast<std::size_t>(Span(f).width)) != nullptr;
}

void CheckTextRoundTrip(const Pic2Header& h, F f, const TEdit& shown) {
  Pic2Header back = h;
  EncodeTextField(back, shown.Text(), Span(f).offset, Span(f).width);
  if (!HasNul(h, f)) Check(back.bytes == h.bytes, "a text field did not come back");
  Check(shown.Text() == DecodeTextField(h, Span(f).offset, Span(f).width, KeptPrefix(f)),
        "the window shows another text than the decoding");
}

void CheckNumberRoundTrip(const Pic2Header& h, F f, const TEdit& shown, std::uint32_t expected) {
  Pic2Header back = h;
  EncodeNumber(back, shown.Text(), Span(f).offset);
  Check(Value(back, f) == expected, "a number did not come back");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::StartProgram();
  // ShowHeader ends by focusing the year edit, which the open state allows.
  Fm1->PHeader->SetEnabled(true);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kPic2HeaderSize) return -1;
  Pic2Header h;
  std::memcpy(h.bytes.data(), data, kPic2HeaderSize);
  data += kPic2HeaderSize;
  size -= kPic2HeaderSize;
  WORD stamp[8] = {};
  for (std::size_t i = 0; i < 8 && 2 * i + 1 < size; ++i)
    stamp[i] = static_cast<WORD>(data[2 * i] << 8 | data[2 * i + 1]);
  FileStamp = {stamp[0], stamp[1], stamp[2], stamp[3], stamp[4], stamp[5], stamp[6], stamp[7]};
  const std::string tz = size > 16 ? std::string(reinterpret_cast<const char*>(data) + 16,
                                                 size - 16)
                                   : std::string();

  Header = h;
  TFm1& w = *Fm1;
  w.ShowHeader();
  Check(Header.bytes == h.bytes, "showing changed the header");

  for (TEdit* e : {w.Author, w.SubTitle, w.MainTitle, w.SaverName, w.Number, w.year, w.month,
                   w.day, w.hour, w.min, w.sec, w.AspX, w.AspY})
    Check(e->MaxLength() == 0 || e->Text().size() <= static_cast<std::size_t>(e->MaxLength()),
          "a shown text is longer than its edit takes");

  CheckTextRoundTrip(h, F::Author, *w.Author);
  CheckTextRoundTrip(h, F::SubTitle, *w.SubTitle);
  CheckTextRoundTrip(h, F::MainTitle, *w.MainTitle);
  CheckTextRoundTrip(h, F::SaverName, *w.SaverName);

  const std::uint32_t number = Value(h, F::Number);
  CheckNumberRoundTrip(h, F::Number, *w.Number, number == 0 ? 1 : number);
  const std::uint32_t x = Value(h, F::AspectX), y = Value(h, F::AspectY);
  const bool oneToOne = x > 99 || y > 99;
  CheckNumberRoundTrip(h, F::AspectX, *w.AspX, oneToOne || x == 0 ? 1 : x);
  CheckNumberRoundTrip(h, F::AspectY, *w.AspY, oneToOne || y == 0 ? 1 : y);

  // Stored with TZ unset, the shown UTC+9 time goes back unshifted.
  const HeaderTime shown = DecodeHeaderTime(Value(h, F::CreationTime));
  Pic2Header back = h;
  SYSTEMTIME written = FileStamp;
  EncodeHeaderTime(back, written,
                   {w.year->Text(), w.month->Text(), w.day->Text(), w.hour->Text(),
                    w.min->Text(), w.sec->Text()},
                   nullptr);
  if (shown.year >= 1980)
    Check(Value(back, F::CreationTime) == Value(h, F::CreationTime), "the time did not come back");
  Check(written.wYear >= 1980 && written.wYear <= 4000 && written.wMonth >= 1 &&
            written.wMonth <= 12 && written.wDay >= 1 &&
            written.wDay <= MonthLength(written.wYear, written.wMonth) && written.wHour <= 23 &&
            written.wMinute <= 59 && written.wSecond <= 59 && written.wMilliseconds == 0,
        "the stored date is out of range");

  // Any TZ value: the offset is read from at most five characters.
  const int offset = TimeZoneOffset(tz.c_str());
  Check(offset >= -99999 && offset <= 99999, "time zone offset beyond five characters");
  return 0;
}
