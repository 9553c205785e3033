#include "platform/text/cp932.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

struct DecodeCase {
  const char* label;
  std::string_view bytes;
  std::string_view utf8;
  bool exact;  // every byte decodes, so ToUtf8Exact agrees with ToUtf8
};

constexpr DecodeCase kDecodeCases[] = {
    {"ASCII keeps backslash and tilde", "a\\b~c"sv, "a\\b~c"sv, true},
    {"kanji", "\x93\xFA\x96\x7B\x8C\xEA"sv, "日本語"sv, true},
    {"0x5C as second byte", "\x95\x5C\x8E\xA6"sv, "表示"sv, true},
    {"half-width katakana", "\xB1\xB2\xB3"sv, "ｱｲｳ"sv, true},
    {"NEC special character", "\x87\x40"sv, "①"sv, true},
    {"user-defined character", "\xF0\x40"sv, "\uE000"sv, true},
    {"NUL inside", "a\0b"sv, "a\0b"sv, true},
    {"lone lead byte at the end", "A\x81"sv, "A\uF781"sv, false},
    {"lead byte before a non-trail byte", "\x81 x"sv, "\uF781 x"sv, false},
    {"pair that maps to nothing", "\x85\x40"sv, "\uF785@"sv, false},
    {"pair that maps to nothing before 0x5C", "\xEB\x5C"sv, "\uF7EB\\"sv, false},
    {"bytes that never start a character", "\x80\xA0\xFD\xFE\xFF"sv,
     "\uF780\uF7A0\uF7FD\uF7FE\uF7FF"sv, false},
};

TEST(Cp932Decode, CasesAndRoundTrip) {
  for (const DecodeCase& c : kDecodeCases) {
    SCOPED_TRACE(c.label);
    const std::string utf8 = cp932::ToUtf8(c.bytes);
    EXPECT_EQ(utf8, c.utf8);
    EXPECT_EQ(cp932::TryFromUtf8(utf8), std::string(c.bytes));
    const std::optional<std::string> exact = cp932::ToUtf8Exact(c.bytes);
    if (c.exact) {
      EXPECT_EQ(exact, std::string(c.utf8));
    } else {
      EXPECT_EQ(exact, std::nullopt);
    }
  }
}

TEST(Cp932Decode, EverySingleByteSurvivesRoundTrip) {
  for (int b = 0; b <= 0xFF; ++b) {
    SCOPED_TRACE(b);
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(cp932::TryFromUtf8(cp932::ToUtf8(byte)), byte);
  }
}

struct RefusedCase {
  const char* label;
  std::string_view utf8;
};

constexpr RefusedCase kRefusedCases[] = {
    {"yen sign (iconv would make it 0x5C)", "C:\u00A5pics"sv},
    {"overline (iconv would make it 0x7E)", "\u203E"sv},
    {"euro sign", "\u20AC"sv},
    {"emoji", "\U0001F600"sv},
    {"C1 control", "\u0085"sv},
    {"truncated sequence", "ok\xE3\x81"sv},
    {"overlong slash", "\xC0\xAF"sv},
    {"surrogate", "\xED\xA0\x80"sv},
    {"stray continuation byte", "\x80"sv},
};

TEST(Cp932Encode, RefusesWhatHasNoForm) {
  for (const RefusedCase& c : kRefusedCases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(cp932::TryFromUtf8(c.utf8), std::nullopt);
  }
}

TEST(Cp932Encode, PrivateUseCharactersBecomeTheirByte) {
  EXPECT_EQ(cp932::TryFromUtf8("\uF700\uF741\uF781\uF7FF"), "\x00\x41\x81\xFF"sv);
  // Joined again, a stray lead byte and a backslash are the pair ソ.
  EXPECT_EQ(cp932::ToUtf8(*cp932::TryFromUtf8("\uF783\\")), "ソ");
}

TEST(Cp932EncodeDeathTest, FromUtf8ConvertsLiteralsAndStopsOnTheUnrepresentable) {
  EXPECT_EQ(cp932::FromUtf8("開く\\"), "\x8A\x4A\x82\xAD\x5C"sv);
  EXPECT_DEATH(cp932::FromUtf8("\u00A5"), "code page 932");
}

struct DelimiterCase {
  const char* label;
  std::string_view s;
  std::string_view delimiters;
  std::size_t expected;
};

constexpr DelimiterCase kDelimiterCases[] = {
    {"second byte of ソ is not a backslash", "C:\\pics\\\x83\x5C.p2"sv, "\\:"sv, 7},
    {"ソ with the slash delimiter", "/pics/\x83\x5C.p2"sv, "/"sv, 5},
    {"backslashes but slash wanted", "C:\\pics\\\x83\x5C.p2"sv, "/"sv, std::string_view::npos},
    {"drive colon only", "C:\x83\x5C"sv, "\\:"sv, 1},
    {"delimiter last", "/pics/"sv, "/"sv, 5},
    {"lone lead byte before a delimiter", "a\x81/b"sv, "/"sv, 2},
    {"lead byte cut off at the end", "a/\x83"sv, "/"sv, 1},
    {"half-width katakana is single-byte", "\xB1\\x"sv, "\\:"sv, 1},
    {"no delimiter", "name.p2"sv, "/"sv, std::string_view::npos},
    {"empty", ""sv, "/"sv, std::string_view::npos},
};

TEST(Cp932LastDelimiter, SkipsSecondBytes) {
  for (const DelimiterCase& c : kDelimiterCases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(cp932::LastDelimiter(c.s, c.delimiters), c.expected);
  }
}

}  // namespace

TEST(Cp932ApplyEdit, KeepsTheBytesOfWhatTheEditLeftAlone) {
  struct Case {
    const char* label;
    std::string old;
    const char* edited;  // UTF-8
    std::string expected;
  };
  // ED 40 and FA 5C are two codes of one kanji (U+7E8A); EE alone is a
  // stray lead byte shown as U+F7EE.
  const Case cases[] = {
      {"append after a NEC-selected kanji", "\xed\x40", "\xe7\xba\x8a" "a", "\xed\x40" "a"},
      {"delete in the middle", "a\x82\xa0" "b", "ab", "ab"},
      {"type a kanji", "ab", "a\xe3\x81\x82" "b", "a\x82\xa0" "b"},
      {"replace everything", "\xed\x40", "z", "z"},
      {"unchanged", "\xff\x81", "\xef\x9f\xbf\xef\x9e\x81", "\xff\x81"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(cp932::ApplyEdit(c.old, c.edited), c.expected);
  }
  // An edit between two texts whose Unicode forms have other codes.
  const std::string old = "\xee\xed\x5c" "x" "\xed\x40" "\x82";
  std::string edited = cp932::ToUtf8(old);
  edited.replace(edited.find('x'), 1, "y");
  EXPECT_EQ(cp932::ApplyEdit(old, edited), "\xee\xed\x5c" "y" "\xed\x40" "\x82");
  EXPECT_EQ(cp932::ApplyEdit("ab", "a\xe2\x82\xac" "b"), std::nullopt);  // the euro sign
}
