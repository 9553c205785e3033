// Writing a header back through the driver: what reaches the file (and what
// never does), the file's times, every encoding through the real command,
// and every failure leaving the file as it was.
#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <random>

#include <gtest/gtest.h>

#include "tests/scenario/support.h"

namespace scenario {
namespace {

using F = HeaderField;

struct FileTimes {
  timespec access, modify;
};

FileTimes TimesOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(stat(path.c_str(), &st), 0);
  return {st.st_atim, st.st_mtim};
}

std::int64_t Utc(int y, int mo, int d, int h, int mi, int s) {
  std::tm t{};
  t.tm_year = y - 1900, t.tm_mon = mo - 1, t.tm_mday = d, t.tm_hour = h, t.tm_min = mi,
  t.tm_sec = s;
  return timegm(&t);
}

std::string Field(const std::string& bytes, F f) {
  return bytes.substr(static_cast<std::size_t>(Span(f).offset),
                      static_cast<std::size_t>(Span(f).width));
}

std::string Be(std::uint32_t v, int width) {
  std::string s;
  for (int i = width - 1; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

class Write : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(dir.File("vexmorel.cfg"), DefaultSettings(dir.Path()));
    file = dir.File("a.p2");
    WritePic2(file, ValidHeader());
  }
  // Loads a.p2 under `tz` (none: unset), runs `edits`, then writes,
  // declining the discard.
  RunResult WriteWith(std::string_view edits, const char* tz = "UTC",
                      std::string_view after = "") {
    std::string script = "exe \"$DIR/vexmorel\"\narg \"$DIR/a.p2\"\n";
    script += tz ? "env TZ \"" + std::string(tz) + "\"\n" : std::string("unsetenv TZ\n");
    script += "start\nkey Enter\n" + std::string(edits) + "answer yes\nanswer no\nclick BtWrite\n" +
              std::string(after);
    RunResult r = Drive(dir, script);
    EXPECT_EQ(r.status, 0) << r.err;
    return r;
  }
  TempDir dir;
  std::string file;
};

TEST_F(Write, OnlyTheEncodedFieldsChangeAndTheTimesFollowTheHeaderDate) {
  // Some megabytes of random image data behind the header.
  std::mt19937 random(20261211);
  std::string data(3 << 20, '\0');
  for (char& c : data) c = static_cast<char>(random());
  Pic2Header h = ValidHeader();
  WriteBytes(file, std::string(reinterpret_cast<const char*>(h.bytes.data()), 120) + data);
  const std::string before = ReadBytes(file);
  // A known last-write time at loading, a Monday: FileStamp keeps its day of
  // week through the write.
  const timespec monday[2] = {{0, UTIME_OMIT}, {Utc(2015, 6, 1, 12, 0, 0), 0}};
  utimensat(AT_FDCWD, file.c_str(), monday, 0);

  RunResult r = WriteWith(R"(run "touch -a -d '2011-11-11 11:11:11 UTC' '$DIR/a.p2'"
type Author "花子"
type SubTitle "S2"
type MainTitle "Main"
type SaverName "Saver2"
type Number "12"
type year "2020"
type month "2"
type day "30"
type hour "24"
type min "7"
type sec "8"
type AspX "16"
type AspY "9"
)",
                          "UTC", "text day\ntext hour\nfilestamp\nenabled PHeader\nautopopup\n");
  EXPECT_EQ(r.out, R"(pointer 757 379
box "ヘッダの書込" "ヘッダに表示中の情報を書き込んでも構いませんか？" question yes/no -> yes
box "ヘッダの破棄" "ヘッダを破棄し、閉じても構いませんか？" question yes/no -> no
day "30"
hour "24"
filestamp 2020 2 1 29 23 7 8 0
PHeader enabled=1 usable=1
autopopup 1
)");
  const FileTimes t = TimesOf(file);  // before reading the file again
  const std::string after = ReadBytes(file);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_TRUE(after.compare(120, std::string::npos, before, 120) == 0) << "image data changed";

  // The encoded fields, and nothing else of the header.
  std::string expected = before.substr(0, 120);
  auto put = [&](F f, const std::string& bytes) {
    expected.replace(static_cast<std::size_t>(Span(f).offset), bytes.size(), bytes);
  };
  put(F::Author, "\x89\xd4\x8e\x71" + std::string(14, ' '));
  put(F::SubTitle, "S2      ");
  put(F::MainTitle, "Main" + std::string(26, ' '));
  put(F::SaverName, "Saver2" + std::string(24, ' '));
  put(F::Number, Be(12, 2));
  put(F::AspectX, Be(16, 2));
  put(F::AspectY, Be(9, 2));
  const std::int64_t stored = Utc(2020, 2, 29, 23, 7, 8);
  put(F::CreationTime, Be(static_cast<std::uint32_t>(stored - 9 * 3600), 4));
  EXPECT_EQ(after.substr(0, 120), expected);

  // Last write: the clamped header date read as local time, whole seconds;
  // the access time as it was.
  EXPECT_EQ(t.modify.tv_sec, stored);
  EXPECT_EQ(t.modify.tv_nsec, 0);
  EXPECT_EQ(t.access.tv_sec, Utc(2011, 11, 11, 11, 11, 11));
}

TEST_F(Write, EncodingsThroughTheCommand) {
  struct Case {
    const char* label;
    const char* edits;
    const char* tz;  // null: unset
    F field;
    std::string bytes;
  };
  auto time = [](int y, int mo, int d, int h, int mi, int s, int extraHours = 0) {
    return Be(static_cast<std::uint32_t>(Utc(y, mo, d, h, mi, s) - 9 * 3600 + extraHours * 3600),
              4);
  };
  const char* date = "type year \"2021\"\ntype month \"4\"\ntype day \"31\"\ntype hour \"5\"\n"
                     "type min \"6\"\ntype sec \"7\"\n";
  const Case cases[] = {
      {"day 31 in April", date, "UTC", F::CreationTime, time(2021, 4, 30, 5, 6, 7)},
      {"February 29 2100", "type year \"2100\"\ntype month \"2\"\ntype day \"29\"\n", "UTC",
       F::CreationTime, time(2100, 2, 28, 10, 46, 40)},
      {"February 29 2000", "type year \"2000\"\ntype month \"2\"\ntype day \"29\"\n", "UTC",
       F::CreationTime, time(2000, 2, 29, 10, 46, 40)},
      {"year 1975", "type year \"1975\"\n", "UTC", F::CreationTime, time(1980, 9, 9, 10, 46, 40)},
      {"empty hour, 00 minute", "type hour \"\"\ntype min \"00\"\n", "UTC", F::CreationTime,
       time(2001, 9, 9, 0, 0, 40)},
      {"TZ unset", date, nullptr, F::CreationTime, time(2021, 4, 30, 5, 6, 7)},
      {"TZ JST-9", date, "JST-9", F::CreationTime, time(2021, 4, 30, 5, 6, 7)},
      {"TZ JST", date, "JST", F::CreationTime, time(2021, 4, 30, 5, 6, 7, 9)},
      {"TZ JST-8", date, "JST-8", F::CreationTime, time(2021, 4, 30, 5, 6, 7, 1)},
      {"TZ EST5", date, "EST5", F::CreationTime, time(2021, 4, 30, 5, 6, 7)},
      {"number 0", "type Number \"0\"\n", "UTC", F::Number, Be(1, 2)},
      {"number -5", "type Number \"-5\"\n", "UTC", F::Number, Be(1, 2)},
      {"number of letters", "type Number \"abc\"\n", "UTC", F::Number, Be(1, 2)},
      {"number 65536", "type Number \"65536\"\n", "UTC", F::Number, Be(65535, 2)},
      {"number \" 12x\"", "type Number \" 12x\"\n", "UTC", F::Number, Be(12, 2)},
      {"aspect 0", "type AspX \"0\"\n", "UTC", F::AspectX, Be(1, 2)},
      {"empty author", "type Author \"\"\n", "UTC", F::Author, std::string(18, ' ')},
      {"subtitle over its width", "type SubTitle \"123456789\"\n", "UTC", F::SubTitle,
       "12345678"},
      {"signature", "click BtVexmorel\n", "UTC", F::SaverName, "Vexmorelix  ver.0.1/Win32/Rumo"},
      {"number one", "type Number \"9\"\nclick Bt_Ichi\n", "UTC", F::Number, Be(1, 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    WritePic2(file, ValidHeader());
    WriteWith(c.edits, c.tz);
    EXPECT_EQ(Field(ReadBytes(file), c.field), c.bytes);
  }
}

TEST_F(Write, BytesUnicodeCannotShowSurviveAnUneditedWrite) {
  // A double-byte character cut at the author's end, an invalid pair in the
  // main title.
  Pic2Header h = ValidHeader();
  std::string author = std::string(17, 'a') + "\x82";
  std::copy(author.begin(), author.end(), h.bytes.begin() + Span(F::Author).offset);
  const std::string title = "\x81\x20\xfd" + std::string(27, 'z');
  std::copy(title.begin(), title.end(), h.bytes.begin() + Span(F::MainTitle).offset);
  WritePic2(file, h);
  WriteWith("", "UTC");
  const std::string after = ReadBytes(file);
  EXPECT_EQ(Field(after, F::Author), author);
  EXPECT_EQ(Field(after, F::MainTitle), title);
}

TEST_F(Write, DecliningTheQuestionChangesNothing) {
  const std::string before = ReadBytes(file);
  const FileTimes t0 = TimesOf(file);
  RunResult r = Drive(dir, R"(exe "$DIR/vexmorel"
arg "$DIR/a.p2"
start
key Enter
header
filestamp
type Author "X"
answer no
key Ctrl+S
header
filestamp
text Author
enabled BtWrite
)");
  const auto lines = r.out;
  // The header and FileStamp read after the declined question are those
  // read before it.
  const std::size_t h1 = lines.find("header "), h2 = lines.find("header ", h1 + 1);
  ASSERT_NE(h2, std::string::npos);
  EXPECT_EQ(lines.substr(h1 + 7, 240), lines.substr(h2 + 7, 240));
  const std::size_t f1 = lines.find("filestamp "), f2 = lines.find("filestamp ", f1 + 1);
  EXPECT_EQ(lines.substr(f1, lines.find('\n', f1) - f1), lines.substr(f2, lines.find('\n', f2) - f2));
  EXPECT_NE(lines.find("Author \"X\"\nBtWrite enabled=1 usable=1\n"), std::string::npos);
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_EQ(TimesOf(file).modify.tv_sec, t0.modify.tv_sec);
}

TEST_F(Write, AcceptingTheDiscardReturnsToNoFile) {
  RunResult r = Drive(dir, R"(exe "$DIR/vexmorel"
arg "$DIR/a.p2"
start
move Fm1 100 50
key Enter
answer yes
answer yes
key Ctrl+S
enabled PMain
enabled PHeader
enabled BtWrite
text Author
text EFileName
autopopup
)");
  EXPECT_EQ(r.out, WithDir(dir, R"(pointer 757 379
box "ヘッダの書込" "ヘッダに表示中の情報を書き込んでも構いませんか？" question yes/no -> yes
box "ヘッダの破棄" "ヘッダを破棄し、閉じても構いませんか？" question yes/no -> yes
pointer 156 92
PMain enabled=1 usable=1
PHeader enabled=0 usable=0
BtWrite enabled=0 usable=0
Author ""
EFileName "$DIR/a.p2"
autopopup 1
)"));
}

TEST_F(Write, FailuresReportLoseNothingAndRestoreTheOpenState) {
  struct Case {
    const char* label;
    const char* setup;  // between loading and writing
    const char* message;
    const char* before = "";  // before loading
  };
  // Another Pic2 file: 24 bits per pixel, 1024 x 768, which the loaded
  // header would turn into 8 bits and 640 x 400.
  Pic2Header other = ValidHeader();
  SetNumber(other, HeaderField::BitsPerPixel, 24);
  SetNumber(other, HeaderField::ImageWidth, 1024);
  SetNumber(other, HeaderField::ImageHeight, 768);
  WritePic2(dir.File("other.p2"), other, 200);
  const Case cases[] = {
      {"read-only since loading", "run \"chmod 444 '$DIR/a.p2'\"\n", "Pic2 ファイルが開けません"},
      {"gone", "run \"rm '$DIR/a.p2'\"\n", "Pic2 ファイルが開けません"},
      {"now a FIFO", "run \"rm '$DIR/a.p2' && mkfifo '$DIR/a.p2'\"\n", "Pic2 ファイルが開けません"},
      {"short write", "fault write 1\n", "Pic2 ヘッダの書き込みを失敗しました"},
      {"close fails", "fault close 1\n", "Pic2 ファイルがクローズ出来ません"},
      {"magic gone", "run \"printf 'GIF89a' | dd of='$DIR/a.p2' conv=notrunc 2>/dev/null\"\n",
       "Pic2 ファイルではありません!!"},
      {"another Pic2 file moved over it", "run \"cp -p '$DIR/other.p2' '$DIR/b.p2' && mv '$DIR/b.p2' '$DIR/a.p2'\"\n",
       "読込後にファイルが置き換えられています！"},
      {"a symbolic link turned to another Pic2 file",
       "run \"cp -p '$DIR/other.p2' '$DIR/y.p2' && ln -sfn y.p2 '$DIR/a.p2'\"\n",
       "読込後にファイルが置き換えられています！",
       "run \"mv '$DIR/a.p2' '$DIR/x.p2' && ln -s x.p2 '$DIR/a.p2'\"\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    chmod(file.c_str(), 0644);
    std::remove(file.c_str());
    WritePic2(file, ValidHeader());
    RunResult r = Drive(dir, "exe \"$DIR/vexmorel\"\narg \"$DIR/a.p2\"\n" + std::string(c.before) +
                                 "start\nkey Enter\ntype Author \"Changed\"\n" +
                                 std::string(c.setup) +
                                 "run \"[ ! -f '$DIR/a.p2' ] || cp -p '$DIR/a.p2' '$DIR/copy'\"\n"
                                 "answer yes\nkey Ctrl+S\n"
                                 "enabled PMain\nenabled PHeader\nenabled BtWrite\nautopopup\n"
                                 "text Author\n");
    EXPECT_EQ(r.out, WithDir(dir, std::string(R"(pointer 757 379
box "ヘッダの書込" "ヘッダに表示中の情報を書き込んでも構いませんか？" question yes/no -> yes
box "Error!" ")") + c.message + R"(" information ok -> ok
PMain enabled=0 usable=0
PHeader enabled=1 usable=1
BtWrite enabled=1 usable=1
autopopup 1
Author "Changed"
)"));
    // The file is exactly as the failure found it: bytes and last-write time.
    struct stat now {}, copy {};
    if (stat(dir.File("copy").c_str(), &copy) == 0 && S_ISREG(copy.st_mode)) {
      EXPECT_EQ(ReadBytes(file), ReadBytes(dir.File("copy")));
      ASSERT_EQ(stat(file.c_str(), &now), 0);
      EXPECT_EQ(now.st_mtim.tv_sec, copy.st_mtim.tv_sec);
      // Times put back after an undone write hold what a FILETIME holds.
      EXPECT_EQ(now.st_mtim.tv_nsec / 100, copy.st_mtim.tv_nsec / 100);
    }
    std::remove(dir.File("copy").c_str());
  }
}

// The same file (same inode) rewritten by another program is still the file
// that was loaded: the write goes ahead, over the bytes it now holds.
TEST_F(Write, TheSameFileRewrittenInPlaceIsStillWritten) {
  Pic2Header other = ValidHeader();
  SetNumber(other, HeaderField::BitsPerPixel, 24);
  WritePic2(dir.File("other.p2"), other, 100);
  RunResult r = Drive(dir, "exe \"$DIR/vexmorel\"\narg \"$DIR/a.p2\"\nstart\nkey Enter\n"
                           "type Author \"Changed\"\nrun \"cat '$DIR/other.p2' > '$DIR/a.p2'\"\n"
                           "answer yes\nanswer no\nkey Ctrl+S\ntext HeaderExist\n");
  EXPECT_EQ(r.out, R"(pointer 757 379
box "ヘッダの書込" "ヘッダに表示中の情報を書き込んでも構いませんか？" question yes/no -> yes
box "ヘッダの破棄" "ヘッダを破棄し、閉じても構いませんか？" question yes/no -> no
HeaderExist "Open !"
)");
  const std::string bytes = ReadBytes(file);
  const std::string before = ReadBytes(dir.File("other.p2"));
  EXPECT_EQ(bytes.substr(Span(HeaderField::Author).offset, 18), "Changed" + std::string(11, ' '));
  // The loaded header went in whole, the other file's tail stayed.
  EXPECT_EQ(static_cast<unsigned char>(bytes[Span(HeaderField::BitsPerPixel).offset + 1]), 8);
  EXPECT_EQ(bytes.substr(kPic2HeaderSize), before.substr(kPic2HeaderSize));
}

TEST_F(Write, WrittenTimeReadsBackTheSameInBothRows) {
  RunResult r = WriteWith("type year \"2019\"\ntype month \"12\"\ntype day \"31\"\n"
                          "type hour \"23\"\ntype min \"59\"\ntype sec \"58\"\n",
                          "JST-9",
                          "answer yes\nclick BtClose\nkey Enter\ntext year\ntext Fyear\ntext hour\n"
                          "text Fhour\ntext sec\ntext Fsec\n");
  EXPECT_NE(r.out.find("year \"2019\"\nFyear \"2019\"\nhour \"23\"\nFhour \"23\"\nsec \"58\"\n"
                       "Fsec \"58\"\n"),
            std::string::npos)
      << r.out;
}

TEST_F(Write, SpaceOrEnterOnTheWriteButtonStaysWithIt) {
  // After writing and closing from the keyboard, the key that pressed Write
  // is not typed into the file name, nor does Enter press Read as well.
  for (const char* key : {"Space", "Enter"}) {
    SCOPED_TRACE(key);
    RunResult r = Drive(dir, "exe \"$DIR/vexmorel\"\narg \"$DIR/a.p2\"\nstart\nkey Enter\n"
                             "focus BtWrite\nanswer yes\nanswer yes\nkey " +
                                 std::string(key) + "\ntext EFileName\ntext HeaderExist\n");
    EXPECT_NE(r.out.find(WithDir(dir, "EFileName \"$DIR/a.p2\"\nHeaderExist \"No File\"\n")),
              std::string::npos)
        << r.out;
  }
}

TEST_F(Write, ADoubleByteCharacterCutInHalfIsStoredAsCut) {
  // Preset T copies the first 8 bytes of the main title into the subtitle,
  // which here ends with the first byte of え; writing stores exactly that.
  RunResult r = Drive(dir, R"(exe "$DIR/vexmorel"
arg "$DIR/a.p2"
start
click BtConfig
type EIppatsu1 "T"
key Enter
click BtRead
type MainTitle "aあいうえ"
click Ippatsu1
text SubTitle
answer yes
answer no
click BtWrite
)");
  EXPECT_NE(r.out.find("SubTitle \"aあいう\\x82\"\n"), std::string::npos) << r.out;
  EXPECT_EQ(Field(ReadBytes(file), F::SubTitle), "a\x82\xa0\x82\xa2\x82\xa4\x82");
}

}  // namespace
}  // namespace scenario
