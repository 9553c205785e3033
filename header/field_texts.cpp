#include "header/field_texts.h"

#include "header/conversions.h"
#include "header/header_time.h"
#include "platform/text/sj.h"

namespace {

std::uint32_t Value(const Pic2Header& h, HeaderField f) {
  return ReadBigEndian(h, Span(f).offset, Span(f).width);
}

// The date's parts in the order of the six edits and of the six labels.
int TimePart(const HeaderTime& t, std::size_t i) {
  const int parts[] = {t.year, t.month, t.day, t.hour, t.minute, t.second};
  return parts[i];
}

int StampPart(const SYSTEMTIME& s, std::size_t i) {
  const int parts[] = {s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond};
  return parts[i];
}

}  // namespace

void DecodeHeaderTexts(const Pic2Header& h, const SYSTEMTIME& fileStamp, HeaderTexts& out) {
  const HeaderTime time = DecodeHeaderTime(Value(h, HeaderField::CreationTime));
  const AspectPair aspect = AspectDisplay(Value(h, HeaderField::AspectX),
                                          Value(h, HeaderField::AspectY));
  for (const TextFieldEntry& s : kTextFields) {
    std::string& text = out[s.field];
    switch (s.codec) {
      case Codec::Text:
        text = DecodeTextField(h, Span(s.source).offset, Span(s.source).width,
                               KeptPrefix(s.source));
        break;
      case Codec::Number:
      case Codec::PaletteBits: text = DecimalText(Value(h, s.source)); break;
      case Codec::Aspect:
        text = DecimalText(s.field == TextField::AspX ? aspect.x : aspect.y);
        break;
      case Codec::HeaderTime:
        text = DecimalText(TimePart(time, static_cast<std::size_t>(s.field) -
                                              static_cast<std::size_t>(TextField::Year)));
        break;
      case Codec::FileTime:
        text = DecimalText(StampPart(fileStamp, static_cast<std::size_t>(s.field) -
                                                    static_cast<std::size_t>(TextField::FileYear)));
        break;
      case Codec::PaletteMode:
        text = PaletteModeText(static_cast<std::uint8_t>(Value(h, s.source)));
        break;
      case Codec::ImageSize:
        text = ImageSizeText(Value(h, HeaderField::ImageWidth), Value(h, HeaderField::ImageHeight));
        break;
    }
  }
}

void ClearHeaderTexts(HeaderTexts& out) {
  for (std::string& text : out.text) text.clear();
  out[TextField::ImageSize] = Sj("0 × 0");
}

void EncodeHeaderTexts(const HeaderTexts& t, Pic2Header& header, SYSTEMTIME& stamp,
                       const char* tz) {
  for (const TextFieldEntry& s : kTextFields) {
    if (s.codec == Codec::Text)
      EncodeTextField(header, t[s.field], Span(s.source).offset, Span(s.source).width);
    else if (s.codec == Codec::Number || s.codec == Codec::Aspect)
      EncodeNumber(header, t[s.field], Span(s.source).offset);
  }
  EncodeHeaderTime(header, stamp,
                   {t[TextField::Year], t[TextField::Month], t[TextField::Day],
                    t[TextField::Hour], t[TextField::Min], t[TextField::Sec]},
                   tz);
}
