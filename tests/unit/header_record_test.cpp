// The header record: magic, byte order, and the text and number fields.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "header/conversions.h"
#include "header/pic2_header.h"

using namespace std::literals;

namespace {

// Every byte distinct from its neighbours, so a stray write shows.
Pic2Header Patterned() {
  Pic2Header h;
  for (int i = 0; i < kPic2HeaderSize; ++i) h.bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return h;
}

void ExpectUntouchedOutside(const Pic2Header& before, const Pic2Header& after, int offset,
                            int width) {
  for (int i = 0; i < kPic2HeaderSize; ++i) {
    if (i >= offset && i < offset + width) continue;
    EXPECT_EQ(before.bytes[i], after.bytes[i]) << "byte " << i;
  }
}

std::string FieldBytes(const Pic2Header& h, FieldSpan s) {
  return std::string(reinterpret_cast<const char*>(h.bytes.data()) + s.offset,
                     static_cast<std::size_t>(s.width));
}

// `lead` followed by spaces up to the field's width.
std::string Padded(std::string_view lead, int width) {
  std::string s(lead);
  s.resize(static_cast<std::size_t>(width), ' ');
  return s;
}

}  // namespace

TEST(HeaderRecord, MagicIsExactlyP2DT) {
  struct Case {
    const char* label;
    std::string_view first4;
    bool expected;
  };
  static constexpr Case kCases[] = {
      {"P2DT", "P2DT", true},
      {"lower case", "p2dt", false},
      {"last byte differs", "P2DU", false},
      {"all zero", "\0\0\0\0"sv, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    Pic2Header h;
    for (int i = 0; i < 4; ++i) h.bytes[i] = static_cast<std::uint8_t>(c.first4[i]);
    EXPECT_EQ(HasPic2Magic(h), c.expected);
  }
}

TEST(HeaderRecord, BigEndianByteOrder) {
  Pic2Header h = Patterned();
  const Pic2Header before = h;
  WriteBigEndian(h, 102, 4, 0x01020304u);
  EXPECT_EQ(FieldBytes(h, Span(HeaderField::CreationTime)), "\x01\x02\x03\x04"sv);
  EXPECT_EQ(ReadBigEndian(h, 102, 4), 0x01020304u);
  ExpectUntouchedOutside(before, h, 102, 4);

  h.bytes[116] = 0xFF;
  h.bytes[117] = 0xFE;
  EXPECT_EQ(FieldValue16(h, 116), 0xFFFEu);
}

TEST(HeaderRecord, DecimalTextToLong) {
  struct Case {
    const char* label;
    std::string_view text;
    std::int32_t expected;
  };
  static constexpr Case kCases[] = {
      {"empty", "", 0},
      {"letters", "abc", 0},
      {"plain", "1234", 1234},
      {"every C white space skipped", " \t\n\v\f\r42", 42},
      {"plus sign", "+7", 7},
      {"minus sign", "-12", -12},
      {"stops at first non-digit", "12x3", 12},
      {"two signs", "--5", 0},
      {"space after sign", "- 5", 0},
      {"stops at NUL", "1\0" "2"sv, 1},
      {"largest int32", "2147483647", 2147483647},
      {"one past int32 wraps negative", "2147483648", INT32_MIN},
      {"2^32 + 1 wraps to 1", "4294967297", 1},
      {"negated wrap", "-4294967295", 1},
      {"long digit run wraps", "99999999999999999999", 1661992959},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(DecimalTextToLong(c.text), c.expected);
  }
  // A view ends where it ends, not at the next NUL of the underlying string.
  EXPECT_EQ(DecimalTextToLong("12345"sv.substr(0, 3)), 123);
}

TEST(HeaderRecord, TextFieldDecodingAndReencoding) {
  struct Case {
    const char* label;
    HeaderField field;
    std::string_view lead;  // the field is this, then spaces up to its width
    std::string_view shown;
  };
  static constexpr Case kCases[] = {
      {"three letters then spaces", HeaderField::Author, "ABC", "ABC"},
      {"author all spaces keeps one", HeaderField::Author, "", " "},
      {"subtitle all spaces keeps one", HeaderField::SubTitle, "", " "},
      {"saver all spaces keeps two", HeaderField::SaverName, "", "  "},
      {"saver one letter keeps a space", HeaderField::SaverName, "A", "A "},
      {"saver two letters", HeaderField::SaverName, "AB", "AB"},
      {"full width, no padding", HeaderField::SubTitle, "ABCDEFGH", "ABCDEFGH"},
      {"leading and inner spaces stay", HeaderField::MainTitle, " A B", " A B"},
      {"double-byte text", HeaderField::Author, "\x8A\xBF\x8E\x9A", "\x8A\xBF\x8E\x9A"},
      {"NUL at byte 2", HeaderField::MainTitle, "AB\0CD"sv, "AB"},
      {"NUL at byte 0", HeaderField::Author, "\0X"sv, ""},
      {"space before NUL stays", HeaderField::MainTitle, "AB \0"sv, "AB "},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    const FieldSpan s = Span(c.field);
    Pic2Header h = Patterned();
    const std::string field = Padded(c.lead, s.width);
    EncodeTextField(h, field, s.offset, s.width);
    const std::string shown = DecodeTextField(h, s.offset, s.width, KeptPrefix(c.field));
    EXPECT_EQ(shown, c.shown);

    // Saving what is shown gives the field back, unless a NUL cut it short.
    if (c.lead.find('\0') == std::string_view::npos) {
      Pic2Header again = Patterned();
      EncodeTextField(again, shown, s.offset, s.width);
      EXPECT_EQ(again.bytes, h.bytes);
    }
  }
}

TEST(HeaderRecord, TextFieldEncoding) {
  struct Case {
    const char* label;
    HeaderField field;
    std::string_view text;
    std::string_view stored;  // followed by spaces up to the width
  };
  static constexpr Case kCases[] = {
      {"empty text gives spaces", HeaderField::SaverName, "", ""},
      {"short text padded", HeaderField::Author, "Taro", "Taro"},
      {"trailing spaces of the text kept", HeaderField::Author, "Taro  ", "Taro"},
      {"exact width", HeaderField::SubTitle, "ABCDEFGH", "ABCDEFGH"},
      {"nine bytes in the subtitle keep eight", HeaderField::SubTitle, "ABCDEFGHI", "ABCDEFGH"},
      {"double-byte character cut at the width", HeaderField::SubTitle, "ABCDEFG\x8A\xBF",
       "ABCDEFG\x8A"},
      {"longest field cut", HeaderField::MainTitle, "123456789012345678901234567890XYZ",
       "123456789012345678901234567890"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    const FieldSpan s = Span(c.field);
    const Pic2Header before = Patterned();
    Pic2Header h = before;
    EncodeTextField(h, c.text, s.offset, s.width);
    EXPECT_EQ(FieldBytes(h, s), Padded(c.stored, s.width));
    ExpectUntouchedOutside(before, h, s.offset, s.width);
  }
}

TEST(HeaderRecord, NumberEncoding) {
  struct Case {
    const char* label;
    std::string_view text;
    std::uint16_t stored;
  };
  static constexpr Case kCases[] = {
      {"zero gives 1", "0", 1},
      {"negative gives 1", "-5", 1},
      {"empty gives 1", "", 1},
      {"letters give 1", "abc", 1},
      {"one", "1", 1},
      {"high byte only", "256", 0x0100},
      {"largest", "65535", 0xFFFF},
      {"one above largest", "65536", 0xFFFF},
      {"far above largest", "1000000", 0xFFFF},
      {"space, digits, letter", " 12x", 12},
      {"wraps to 1 before clamping", "4294967297", 1},
      {"wraps negative before clamping", "2147483648", 1},
  };
  for (const HeaderField f : {HeaderField::Number, HeaderField::AspectX, HeaderField::AspectY}) {
    const FieldSpan s = Span(f);
    for (const Case& c : kCases) {
      SCOPED_TRACE(std::string(c.label) + " at offset " + std::to_string(s.offset));
      const Pic2Header before = Patterned();
      Pic2Header h = before;
      EncodeNumber(h, c.text, s.offset);
      EXPECT_EQ(h.bytes[s.offset], c.stored >> 8);
      EXPECT_EQ(h.bytes[s.offset + 1], c.stored & 0xFF);
      EXPECT_EQ(FieldValue16(h, s.offset), c.stored);
      ExpectUntouchedOutside(before, h, s.offset, s.width);
    }
  }
}
