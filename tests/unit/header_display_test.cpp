// Texts and numbers the main window shows for the header's non-text fields.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "header/conversions.h"
#include "platform/text/cp932.h"

TEST(HeaderDisplay, AspectAbove99ShowsOneToOne) {
  struct Case {
    const char* label;
    unsigned x, y;
    unsigned shownX, shownY;
  };
  static constexpr Case kCases[] = {
      {"4:3 as stored", 4, 3, 4, 3},
      {"0:0 as stored", 0, 0, 0, 0},
      {"99:99 as stored", 99, 99, 99, 99},
      {"X above 99", 100, 1, 1, 1},
      {"Y above 99", 3, 100, 1, 1},
      {"both at the 16-bit limit", 65535, 65535, 1, 1},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    const AspectPair shown = AspectDisplay(c.x, c.y);
    EXPECT_EQ(shown.x, c.shownX);
    EXPECT_EQ(shown.y, c.shownY);
  }
}

TEST(HeaderDisplay, PaletteModeText) {
  struct Case {
    std::uint8_t mode;
    std::string_view utf8;
  };
  static constexpr Case kCases[] = {
      {0x00, "No Palette"}, {0x01, "RGB"},    {0x02, "No Palette"}, {0x03, "YUV"},
      {0x05, "HSV"},        {0x07, "CMY"},    {0x09, "未定義"},     {0x0B, "未定義"},
      {0x0D, "未定義"},     {0x0F, "未定義"}, {0x0E, "No Palette"}, {0xF1, "RGB"},
      {0xF0, "No Palette"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE("mode byte " + std::to_string(c.mode));
    EXPECT_EQ(PaletteModeText(c.mode), cp932::FromUtf8(c.utf8));
  }
}

TEST(HeaderDisplay, ImageSizeUsesTheCp932MultiplicationSign) {
  EXPECT_EQ(ImageSizeText(640, 400), "640 \x81\x7E 400");
  EXPECT_EQ(ImageSizeText(0, 65535), "0 \x81\x7E 65535");
  EXPECT_EQ(cp932::FromUtf8("×"), "\x81\x7E");
}

TEST(HeaderDisplay, DecimalTextIsPlain) {
  EXPECT_EQ(DecimalText(0), "0");
  EXPECT_EQ(DecimalText(7), "7");
  EXPECT_EQ(DecimalText(65535), "65535");
  EXPECT_EQ(DecimalText(4294967295LL), "4294967295");
  EXPECT_EQ(DecimalText(-9), "-9");
}
