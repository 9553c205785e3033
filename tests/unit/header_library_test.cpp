// The header library on its own, with no form and no backend: the field
// table's decoding and encoding, the preset letters over the texts, and the
// error kinds of loading and writing a file.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "header/conversions.h"
#include "header/field_texts.h"
#include "header/pic2_file.h"
#include "header/presets.h"
#include "platform/os/faults.h"
#include "platform/text/cp932.h"

namespace {

Pic2Header Sample() {
  Pic2Header h;
  const std::string bytes = "P2DT";
  std::copy(bytes.begin(), bytes.end(), h.bytes.begin());
  EncodeTextField(h, "Taro", Span(HeaderField::Author).offset, 18);
  EncodeTextField(h, "Sub", Span(HeaderField::SubTitle).offset, 8);
  EncodeTextField(h, cp932::FromUtf8("主題"), Span(HeaderField::MainTitle).offset, 30);
  EncodeTextField(h, "Saver", Span(HeaderField::SaverName).offset, 30);
  WriteBigEndian(h, Span(HeaderField::Mode).offset, 1, 0x01);
  WriteBigEndian(h, Span(HeaderField::Number).offset, 2, 7);
  WriteBigEndian(h, Span(HeaderField::CreationTime).offset, 4, 1000000000);
  WriteBigEndian(h, Span(HeaderField::BitsPerPixel).offset, 2, 8);
  WriteBigEndian(h, Span(HeaderField::AspectX).offset, 2, 4);
  WriteBigEndian(h, Span(HeaderField::AspectY).offset, 2, 3);
  WriteBigEndian(h, Span(HeaderField::ImageWidth).offset, 2, 640);
  WriteBigEndian(h, Span(HeaderField::ImageHeight).offset, 2, 400);
  return h;
}

SYSTEMTIME Stamp() {
  SYSTEMTIME s{};
  s.wYear = 2021, s.wMonth = 3, s.wDay = 4, s.wHour = 5, s.wMinute = 6, s.wSecond = 7;
  return s;
}

TEST(FieldTexts, DecodeShowsEveryFieldAndEncodeGivesTheSameBytesBack) {
  const Pic2Header h = Sample();
  HeaderTexts t;
  DecodeHeaderTexts(h, Stamp(), t);
  const std::pair<TextField, const char*> shown[] = {
      {TextField::Author, "Taro"},     {TextField::SubTitle, "Sub"},
      {TextField::MainTitle, "主題"},  {TextField::SaverName, "Saver"},
      {TextField::Number, "7"},        {TextField::Year, "2001"},
      {TextField::Hour, "10"},         {TextField::Sec, "40"},
      {TextField::AspX, "4"},          {TextField::AspY, "3"},
      {TextField::FileYear, "2021"},   {TextField::FileSec, "7"},
      {TextField::PalBits, "8"},       {TextField::PalMode, "RGB"},
      {TextField::ImageSize, "640 × 400"},
  };
  for (const auto& [field, text] : shown) {
    SCOPED_TRACE(FieldEntry(field).control);
    EXPECT_EQ(t[field], cp932::FromUtf8(text));
  }
  // A header in the form the Write command produces comes back byte for byte.
  Pic2Header again = h;
  again.bytes[Span(HeaderField::Author).offset] = 'X';
  SYSTEMTIME stamp = Stamp();
  EncodeHeaderTexts(t, again, stamp, nullptr);
  EXPECT_EQ(again.bytes, h.bytes);
  EXPECT_EQ(stamp.wYear, 2001);
  EXPECT_EQ(stamp.wHour, 10);

  HeaderTexts cleared = t;
  ClearHeaderTexts(cleared);
  EXPECT_EQ(cleared[TextField::Author], "");
  EXPECT_EQ(cleared[TextField::ImageSize], cp932::FromUtf8("0 × 0"));
}

TEST(PresetLetters, ActOnTheTextsInOrder) {
  struct Case {
    const char* code;
    TextField field;
    const char* expected;
  };
  static constexpr Case kCases[] = {
      {"O", TextField::Author, "Hanako"},
      {"o", TextField::Author, "Hanako"},
      {"A", TextField::AspX, "2"},
      {"F", TextField::MainTitle, "picture"},
      {"f", TextField::SubTitle, "picture"},
      {"Ft", TextField::MainTitle, "Sub"},       // t copies the subtitle back
      {"FT", TextField::SubTitle, "picture"},    // T: the main title's first 8 bytes
      {"N", TextField::Number, "1"},
      {"S", TextField::SaverName, "Vexmorelix  ver.0.1/Win32/Rumo"},
      {"D", TextField::Year, "2021"},
      {"X", TextField::Hour, "12"},
      {"Xx", TextField::Hour, "0"},
      {"N O", TextField::Author, "Taro"},        // a space ends the code
      {"..............O", TextField::Author, "Taro"},  // only 14 bytes count
      {"\x82O", TextField::Author, "Hanako"},    // a second byte equal to a letter acts
  };
  const PresetDefaults defaults{"Hanako", "2", "5"};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.code);
    HeaderTexts t;
    DecodeHeaderTexts(Sample(), Stamp(), t);
    ApplyPresetLetters(t, c.code, defaults, "/pics/picture.p2");
    EXPECT_EQ(t[c.field], c.expected);
  }
  EXPECT_TRUE(PresetNeedsDefaults("NSa"));
  EXPECT_FALSE(PresetNeedsDefaults("NS Fa"));
  EXPECT_FALSE(PresetNeedsDefaults("DdFfTtXxNS"));
}

class Pic2Files : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearFaults();
    char pattern[] = "/tmp/vexmorel-library-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string Make(const std::string& name, const std::string& bytes) {
    const std::string path = dir + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string Valid() {
    const Pic2Header h = Sample();
    return std::string(h.bytes.begin(), h.bytes.end()) + "data";
  }
  std::string dir;
};

TEST_F(Pic2Files, LoadGivesTheHeaderOrWhyNot) {
  const std::string readOnly = Make("ro.p2", Valid());
  chmod(readOnly.c_str(), 0444);
  std::filesystem::create_directory(dir + "/folder");
  const std::pair<std::string, LoadError> cases[] = {
      {Make("a.p2", Valid()), LoadError::None},
      {"", LoadError::NoName},
      {dir + "/missing.p2", LoadError::Open},
      {dir + "/folder", LoadError::Open},
      {Make("short.p2", "P2DT"), LoadError::TooShort},
      {readOnly, LoadError::SpecialAttributes},
      {Make(".hidden.p2", Valid()), LoadError::SpecialAttributes},
      {Make("gif.p2", "GIF89a" + Valid()), LoadError::NotPic2},
  };
  for (const auto& [path, error] : cases) {
    SCOPED_TRACE(path);
    const LoadResult r = LoadPic2File(path);
    EXPECT_EQ(r.error, error);
    if (error == LoadError::None) {
      EXPECT_EQ(r.file.header.bytes, Sample().bytes);
      EXPECT_TRUE(r.file.fileStamp.has_value());
    }
  }
  InjectFault(FileOp::StreamRead, 1);
  EXPECT_EQ(LoadPic2File(dir + "/a.p2").error, LoadError::Read);
}

TEST_F(Pic2Files, WriteGoesOnlyToTheFileThatWasLoaded) {
  const std::string path = Make("a.p2", Valid());
  const LoadResult loaded = LoadPic2File(path);
  ASSERT_EQ(loaded.error, LoadError::None);
  Pic2Header changed = loaded.file.header;
  EncodeTextField(changed, "Changed", Span(HeaderField::Author).offset, 18);
  SYSTEMTIME stamp = Stamp();

  // Another file moved to the name: refused, untouched.
  Make("b.p2", Valid());
  std::filesystem::rename(dir + "/b.p2", path);
  EXPECT_EQ(WritePic2File(path, loaded.file.identity, changed, stamp), WriteError::Replaced);
  EXPECT_EQ(LoadPic2File(path).file.header.bytes, Sample().bytes);

  // The file loaded, no longer a Pic2 file: refused.
  const LoadResult again = LoadPic2File(path);
  std::ofstream(path, std::ios::binary | std::ios::in | std::ios::out) << "GIF8";
  EXPECT_EQ(WritePic2File(path, again.file.identity, changed, stamp), WriteError::NotPic2);

  // Written, with the stamp as the last-write time, and the rest kept.
  std::ofstream(path, std::ios::binary | std::ios::in | std::ios::out) << "P2DT";
  EXPECT_EQ(WritePic2File(path, again.file.identity, changed, stamp), WriteError::None);
  const LoadResult written = LoadPic2File(path);
  EXPECT_EQ(written.file.header.bytes, changed.bytes);
  ASSERT_TRUE(written.file.fileStamp.has_value());
  EXPECT_EQ(written.file.fileStamp->wYear, 2021);
  EXPECT_EQ(written.file.fileStamp->wSecond, 7);
}

}  // namespace
