// Reading a header through the driver: every outcome of the loader with its
// exact message, and what the display shows.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/scenario/support.h"

namespace scenario {
namespace {

class Load : public ::testing::Test {
 protected:
  void SetUp() override { WriteBytes(dir.File("vexmorel.cfg"), DefaultSettings(dir.Path())); }
  // Starts on `file`, presses Enter and asks what the window shows.
  std::string Read(const std::string& file, std::string_view questions = "text HeaderExist\n") {
    RunResult r = Drive(dir, "exe \"$DIR/vexmorel\"\narg \"" + file + "\"\nstart\nkey Enter\n" +
                                 std::string(questions));
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  }
  static std::string Box(std::string_view text) {
    return "box \"Error!\" \"" + std::string(text) + "\" information ok -> ok\n";
  }
  TempDir dir;
};

TEST_F(Load, OutcomesInTheirOrder) {
  const std::string header = [] {
    Pic2Header h = ValidHeader();
    return std::string(reinterpret_cast<const char*>(h.bytes.data()), h.bytes.size());
  }();
  std::string lower = header;
  lower.replace(0, 4, "p2dt");
  WriteBytes(dir.File("exact.p2"), header);
  WriteBytes(dir.File("short.p2"), header.substr(0, 119));
  WriteBytes(dir.File("lower.p2"), lower);
  WriteBytes(dir.File(".hidden.p2"), header);
  WriteBytes(dir.File(".tiny"), "P2DT12");
  WriteBytes(dir.File("ro.p2"), header);
  WriteBytes(dir.File("ro-text"), std::string(200, 'x'));
  chmod(dir.File("ro.p2").c_str(), 0444);
  chmod(dir.File("ro-text").c_str(), 0444);
  mkdir(dir.File("folder.p2").c_str(), 0755);
  mkfifo(dir.File("fifo.p2").c_str(), 0644);

  struct Case {
    const char* file;
    const char* message;  // null: loads
  };
  const Case cases[] = {
      {"exact.p2", nullptr},
      {"missing.p2", "オブジェクトを開けません！"},
      {"folder.p2", "オブジェクトを開けません！"},
      {"fifo.p2", "オブジェクトを開けません！"},
      {"short.p2", "ファイル長が異常です！"},
      {".tiny", "ファイル長が異常です！"},  // the length test comes before attributes
      {"ro.p2", "特殊属性のファイルは扱えません!!"},
      {"ro-text", "特殊属性のファイルは扱えません!!"},  // attributes before the magic
      {".hidden.p2", "特殊属性のファイルは扱えません!!"},
      {"lower.p2", "Pic2 ファイルではありません!!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string out = Read(dir.File(c.file), "text HeaderExist\nenabled BtWrite\n");
    if (c.message)
      EXPECT_EQ(out, "pointer 757 379\n" + Box(c.message) +
                         "HeaderExist \"No File\"\nBtWrite enabled=0 usable=0\n");
    else
      EXPECT_EQ(out, "pointer 757 379\nHeaderExist \"Open !\"\nBtWrite enabled=1 usable=1\n");
  }
  // A refused file is not held open: it can go at once.
  EXPECT_EQ(std::remove(dir.File("short.p2").c_str()), 0);
}

TEST_F(Load, EmptyFileNameDoesNothing) {
  RunResult r = Drive(dir, "exe \"$DIR/vexmorel\"\nstart\nkey Enter\nclick BtRead\nkey Ctrl+M\n"
                           "text HeaderExist\nfocused\n");
  EXPECT_EQ(r.out, "pointer 757 379\nHeaderExist \"No File\"\nfocused BtRead\n");
}

TEST_F(Load, TypedPathAndEnterReadsThenFocusIsOnYear) {
  WritePic2(dir.File("a.p2"), ValidHeader());
  RunResult r = Drive(dir, "exe \"$DIR/vexmorel\"\nstart\ntype EFileName \"$DIR/a.p2\"\n"
                           "key Enter\nfocused\ntext Author\n");
  EXPECT_EQ(r.out, "pointer 757 379\nfocused year\nAuthor \"Taro\"\n");
}

TEST_F(Load, DisplayShowsEveryField) {
  Pic2Header h = ValidHeader();
  SetText(h, HeaderField::Author, "山田 花子");
  SetText(h, HeaderField::SaverName, "S");  // the saving software keeps two bytes
  WritePic2(dir.File("a.p2"), h);
  EXPECT_EQ(Read(dir.File("a.p2"), R"(text Author
text SubTitle
text MainTitle
text SaverName
text Number
text year
text month
text day
text hour
text min
text sec
text PalBits
text PalMode
text AspX
text AspY
text ImageSize
text ComExist
)"),
            R"(pointer 757 379
Author "山田 花子"
SubTitle "Sub"
MainTitle "Title"
SaverName "S "
Number "7"
year "2001"
month "9"
day "9"
hour "10"
min "46"
sec "40"
PalBits "8"
PalMode "RGB"
AspX "4"
AspY "3"
ImageSize "640 × 400"
ComExist "System Reserved."
)");
}

TEST_F(Load, DisplayEdgesAreShownUnclamped) {
  struct Case {
    const char* label;
    std::uint8_t mode;
    std::uint32_t aspectX, aspectY, number, time;
    const char* expected;
  };
  const Case cases[] = {
      {"YUV, aspect over 99", 0x03, 100, 1, 0, 0,
       "PalMode \"YUV\"\nAspX \"1\"\nAspY \"1\"\nNumber \"0\"\nyear \"1970\"\nhour \"9\"\n"},
      {"no palette, aspect 0", 0x02, 0, 0, 65535, 4294967295u,
       "PalMode \"No Palette\"\nAspX \"0\"\nAspY \"0\"\nNumber \"65535\"\nyear \"1970\"\n"
       "hour \"8\"\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Pic2Header h = ValidHeader();
    h.bytes[Span(HeaderField::Mode).offset] = c.mode;
    SetNumber(h, HeaderField::AspectX, c.aspectX);
    SetNumber(h, HeaderField::AspectY, c.aspectY);
    SetNumber(h, HeaderField::Number, c.number);
    SetNumber(h, HeaderField::CreationTime, c.time);
    WritePic2(dir.File("a.p2"), h);
    EXPECT_EQ(Read(dir.File("a.p2"),
                   "text PalMode\ntext AspX\ntext AspY\ntext Number\ntext year\ntext hour\n"),
              "pointer 757 379\n" + std::string(c.expected));
  }
}

TEST_F(Load, FileDateIsTheLastWriteTimeInLocalTime) {
  WritePic2(dir.File("a.p2"), ValidHeader());
  // 2021-03-04 05:06:07 UTC, shown in UTC+9.
  RunResult r = Drive(dir, R"(exe "$DIR/vexmorel"
env TZ "JST-9"
arg "$DIR/a.p2"
run "touch -m -d '2021-03-04 05:06:07 UTC' '$DIR/a.p2'"
start
key Enter
text Fyear
text Fmonth
text Fday
text Fhour
text Fmin
text Fsec
filestamp
)");
  EXPECT_EQ(r.out, R"(pointer 757 379
Fyear "2021"
Fmonth "3"
Fday "4"
Fhour "14"
Fmin "6"
Fsec "7"
filestamp 2021 3 4 4 14 6 7 0
)");
}

}  // namespace
}  // namespace scenario
