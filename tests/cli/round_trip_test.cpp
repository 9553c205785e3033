// show --json, then apply: bytes that code page 932 cannot decode and names
// that are not UTF-8 come back as they were; a file in the form the
// window's Write leaves changes nothing, not even its change time; any
// other file gets what the window's Write would write.
#include <gtest/gtest.h>

#include "header/conversions.h"
#include "tests/cli/cli_support.h"

namespace clitest {
namespace {

using scenario::ReadBytes;

// The stand-in of byte 0x81 (U+F781) in UTF-8.
constexpr const char* kStandIn81 = "\xEF\x9E\x81";

Pic2Header OddTexts() {
  Pic2Header h = scenario::ValidHeader();
  EncodeTextField(h, "T\x81", Span(HeaderField::MainTitle).offset,
                  Span(HeaderField::MainTitle).width);
  // 0xED40 and 0xFA5C are one kanji in two rows of code page 932.
  EncodeTextField(h, "\xED\x40\xFA\x5C", Span(HeaderField::SubTitle).offset,
                  Span(HeaderField::SubTitle).width);
  EncodeTextField(h, "a\\b\x01", Span(HeaderField::Author).offset,
                  Span(HeaderField::Author).width);
  return h;
}

class RoundTrip : public ::testing::Test {
 protected:
  TempDir dir;
};

TEST_F(RoundTrip, UndecodableBytesAndNamesComeBack) {
  const std::string odd = dir.File("odd-\xFF\xFE.p2");
  scenario::WritePic2(odd, OddTexts());
  // Made in the window's form by a first write.
  ASSERT_EQ(RunCli(dir, {"set", "--number", "7", odd}).status, 0);
  const std::string before = ReadBytes(odd);
  const struct stat was = StatOf(odd);

  const CliResult shown = RunCli(dir, {"show", "--json", odd});
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_NE(shown.out.find(std::string("\"path\":\"") + dir.Path() + "/odd-\xEF\x9F\xBF\xEF\x9F\xBE.p2\""),
            std::string::npos)
      << shown.out;
  EXPECT_NE(shown.out.find(std::string("\"title\":\"T") + kStandIn81 + "\""), std::string::npos);
  EXPECT_NE(shown.out.find("\"author\":\"a\\\\b\\u0001\""), std::string::npos) << shown.out;

  // Plain output: the stand-in, the backslash and the control byte escaped.
  const CliResult plain = RunCli(dir, {"show", odd});
  EXPECT_NE(plain.out.find("odd-\\xff\\xfe.p2\n"), std::string::npos) << plain.out;
  EXPECT_NE(plain.out.find("  title: T\\x81\n"), std::string::npos) << plain.out;
  EXPECT_NE(plain.out.find("  author: a\\\\b\\x01\n"), std::string::npos) << plain.out;

  const CliResult applied = RunCli(dir, {"apply", "-"}, shown.out);
  EXPECT_EQ(applied.status, 0) << applied.err;
  EXPECT_EQ(applied.err, "1 files, 0 changed, 1 unchanged, 0 failed\n");
  EXPECT_EQ(ReadBytes(odd), before);
  const struct stat now = StatOf(odd);
  EXPECT_EQ(now.st_ctim.tv_sec, was.st_ctim.tv_sec);
  EXPECT_EQ(now.st_ctim.tv_nsec, was.st_ctim.tv_nsec);
  EXPECT_EQ(now.st_mtim.tv_nsec, was.st_mtim.tv_nsec);

  // An edited line changes its field and keeps the odd bytes of the others.
  std::string edited = shown.out;
  edited.replace(edited.find("\"number\":7"), 10, "\"number\":9");
  ASSERT_EQ(RunCli(dir, {"apply", "-"}, edited).status, 0);
  std::string expected = before;
  expected[100] = 0;
  expected[101] = 9;
  EXPECT_EQ(ReadBytes(odd), expected);
}

TEST_F(RoundTrip, AFileNotInTheWindowsFormGetsWhatTheWindowWrites) {
  scenario::WriteBytes(dir.File("vexmorel.cfg"), scenario::DefaultSettings(dir.Path()));
  Pic2Header h = OddTexts();
  scenario::SetNumber(h, HeaderField::CreationTime, 86400);  // before 1980
  scenario::SetNumber(h, HeaderField::AspectX, 200);
  for (const char* name : {"w.p2", "c.p2"}) {
    scenario::WritePic2(dir.File(name), h);
    SetTimes(dir.File(name), 1582982055);
  }
  const scenario::RunResult drive = scenario::Drive(
      dir, "exe \"$DIR/vexmorel\"\nunsetenv TZ\narg \"$DIR/w.p2\"\nstart\nclick BtRead\n"
           "answer yes\nanswer no\nclick BtWrite\n");
  ASSERT_EQ(drive.status, 0) << drive.err;
  const CliResult shown = RunCli(dir, {"show", "--json", dir.File("c.p2")});
  const CliResult applied = RunCli(dir, {"apply", "-"}, shown.out);
  EXPECT_EQ(applied.err, "1 files, 1 changed, 0 unchanged, 0 failed\n");
  EXPECT_EQ(ReadBytes(dir.File("c.p2")), ReadBytes(dir.File("w.p2")));
  EXPECT_EQ(StatOf(dir.File("c.p2")).st_mtim.tv_sec, StatOf(dir.File("w.p2")).st_mtim.tv_sec);
}

TEST_F(RoundTrip, CsvQuotesWhatNeedsIt) {
  Pic2Header h = scenario::ValidHeader();
  EncodeTextField(h, "a,\"b\"", Span(HeaderField::Author).offset, Span(HeaderField::Author).width);
  scenario::WritePic2(dir.File("a.p2"), h);
  SetTimes(dir.File("a.p2"), 1582982055);
  const CliResult r = RunCli(dir, {"show", "--csv", dir.File("a.p2")}, "", {{"TZ", "UTC"}});
  EXPECT_EQ(r.out,
            "path,author,subtitle,title,saver,number,date,aspect,file_date,palette_bits,"
            "palette_mode,width,height,comment\r\n" +
                dir.File("a.p2") +
                ",\"a,\"\"b\"\"\",Sub,Title,Saver,7,2001-09-09 10:46:40,4:3,2020-02-29 13:14:15,8,"
                "RGB,640,400,System Reserved.\r\n");
}

TEST_F(RoundTrip, MalformedLinesFailAmongGoodOnes) {
  scenario::WritePic2(dir.File("a.p2"), scenario::ValidHeader());
  const std::string a = dir.File("a.p2");
  struct Case {
    const char* label;
    std::string line;
    const char* reason;
  };
  const Case cases[] = {
      {"not JSON", "author", "not a JSON object"},
      {"an array", "[1]", "not a JSON object"},
      {"trailing text", "{\"path\":\"" + a + "\"} x", "not a JSON object"},
      {"no path", "{\"author\":\"x\"}", "no \"path\""},
      {"path not a string", "{\"path\":1}", "\"path\" must be a non-empty string"},
      {"unknown key", "{\"path\":\"" + a + "\",\"colour\":\"red\"}", "unknown key: colour"},
      {"key twice", "{\"path\":\"" + a + "\",\"author\":\"x\",\"author\":\"y\"}",
       "a key appears twice"},
      {"a lone surrogate", "{\"path\":\"" + a + "\",\"author\":\"\\ud800\"}", "malformed JSON"},
      {"no code page 932 form", "{\"path\":\"" + a + "\",\"author\":\"\xF0\x9F\x98\x80\"}",
       "author \"\xF0\x9F\x98\x80\" has no code page 932 form"},
      {"a bad date", "{\"path\":\"" + a + "\",\"date\":\"2024-01-01\"}",
       "date \"2024-01-01\" is not a date of the form \"Y-M-D h:m:s\""},
      {"a number as a string is taken", "{\"path\":\"" + a + "\",\"number\":\"8\"}", nullptr},
      {"read-only keys are ignored",
       "{\"path\":\"" + a + "\",\"width\":1,\"header\":\"00\",\"file_date\":null}", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const CliResult r = RunCli(dir, {"apply", "-"}, "\n" + c.line + "\n");
    if (c.reason) {
      EXPECT_EQ(r.status, 1);
      EXPECT_EQ(r.err, "line 2: " + std::string(c.reason) +
                           "\n1 files, 0 changed, 0 unchanged, 1 failed\n");
    } else {
      EXPECT_EQ(r.status, 0) << r.err;
    }
  }
}

}  // namespace
}  // namespace clitest
