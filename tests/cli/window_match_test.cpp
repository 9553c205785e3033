// `set` against the window: for each field and each preset letter, the same
// edit made in the window (vexmorel-drive, reading the file, editing,
// writing) and with vexmorel-cli on a copy of the same file must leave the
// same bytes and the same last-write time.
#include <gtest/gtest.h>

#include "header/conversions.h"
#include "platform/text/cp932.h"
#include "tests/cli/cli_support.h"

namespace clitest {
namespace {

using scenario::ReadBytes;
using scenario::WritePic2;

constexpr long long kFileTime = 1582982055;  // 2020-02-29 13:14:15 UTC
constexpr const char* kLongName = "abcdefghijklmnopqrstuvwxyz0123456789ABCD.p2";

// A header the window's Write does not reproduce as it is: a NUL inside the
// author, a cut double-byte character in the main title, a kanji of the NEC
// row (0xED40) in the subtitle, number 0, a date before 1980, aspect 200:3.
Pic2Header OddHeader() {
  Pic2Header h = scenario::ValidHeader();
  const std::string author("Ab\0cd", 5);
  EncodeTextField(h, author, Span(HeaderField::Author).offset, Span(HeaderField::Author).width);
  EncodeTextField(h, "T\x81", Span(HeaderField::MainTitle).offset,
                  Span(HeaderField::MainTitle).width);
  EncodeTextField(h, "\xED\x40x", Span(HeaderField::SubTitle).offset,
                  Span(HeaderField::SubTitle).width);
  scenario::SetNumber(h, HeaderField::Number, 0);
  scenario::SetNumber(h, HeaderField::CreationTime, 86400);
  scenario::SetNumber(h, HeaderField::AspectX, 200);
  return h;
}

struct Case {
  const char* label;
  const char* tz;       // nullptr: TZ unset
  bool odd;             // the odd header instead of the valid one
  const char* file;     // the file's name
  const char* code;     // typed into the dialog's first preset before reading
  const char* window;   // driver lines after reading ("key F5" applies the code)
  std::vector<std::string> cli;  // the same edits for `set`
};

class WindowMatch : public ::testing::Test {
 protected:
  void SetUp() override {
    scenario::WriteBytes(dir.File("vexmorel.cfg"), scenario::DefaultSettings(dir.Path()));
  }

  void Check(const Case& c) {
    SCOPED_TRACE(c.label);
    const std::string window = dir.File(std::string("w/") + c.file);
    const std::string cli = dir.File(std::string("c/") + c.file);
    mkdir(dir.File("w").c_str(), 0755);
    mkdir(dir.File("c").c_str(), 0755);
    for (const std::string& path : {window, cli}) {
      WritePic2(path, c.odd ? OddHeader() : scenario::ValidHeader());
      SetTimes(path, kFileTime);
    }
    std::string script = "exe \"$DIR/vexmorel\"\n";
    script += c.tz ? "env TZ \"" + std::string(c.tz) + "\"\n" : "unsetenv TZ\n";
    script += "arg \"" + window + "\"\nstart\n";
    if (*c.code) script += "click BtConfig\ntype EIppatsu1 \"" + std::string(c.code) + "\"\nclick BClose\n";
    script += "click BtRead\n" + std::string(c.window) + "answer yes\nanswer no\nclick BtWrite\n";
    const scenario::RunResult drive = scenario::Drive(dir, script);
    ASSERT_EQ(drive.status, 0) << drive.err;
    ASSERT_EQ(drive.out.find("Error!"), std::string::npos) << drive.out;

    std::vector<std::string> args = {"set", "--settings", dir.File("vexmorel.cfg")};
    args.insert(args.end(), c.cli.begin(), c.cli.end());
    args.push_back(cli);
    EnvChanges env;
    if (c.tz) env.push_back({"TZ", c.tz});
    const CliResult r = RunCli(dir, args, "", env);
    ASSERT_EQ(r.status, 0) << r.err;

    EXPECT_EQ(ReadBytes(cli), ReadBytes(window));
    const struct stat w = StatOf(window), s = StatOf(cli);
    EXPECT_EQ(s.st_mtim.tv_sec, w.st_mtim.tv_sec);
    EXPECT_EQ(s.st_mtim.tv_nsec, w.st_mtim.tv_nsec);
  }

  TempDir dir;
};

TEST_F(WindowMatch, EachFieldAsTheWindowWritesIt) {
  const Case cases[] = {
      {"author", nullptr, false, "a.p2", "", "type Author \"Hanako\"\n", {"--author", "Hanako"}},
      {"author in kanji", nullptr, false, "a.p2", "", "type Author \"山田花子\"\n",
       {"--author", "山田花子"}},
      {"author emptied", nullptr, false, "a.p2", "", "type Author \"\"\n", {"--author", ""}},
      {"subtitle of its full width", nullptr, false, "a.p2", "", "type SubTitle \"12345678\"\n",
       {"--subtitle", "12345678"}},
      {"title", nullptr, false, "a.p2", "", "type MainTitle \"Sunset over the sea\"\n",
       {"--title", "Sunset over the sea"}},
      {"saver", nullptr, false, "a.p2", "", "type SaverName \"Paint 2\"\n", {"--saver", "Paint 2"}},
      {"number", nullptr, false, "a.p2", "", "type Number \"12\"\n", {"--number", "12"}},
      {"number 0 is stored as 1", nullptr, false, "a.p2", "", "type Number \"0\"\n",
       {"--number", "0"}},
      {"number above 65535", nullptr, false, "a.p2", "", "type Number \"70000\"\n",
       {"--number", "70000"}},
      {"number of letters", nullptr, false, "a.p2", "", "type Number \"ab\"\n", {"--number", "ab"}},
      {"date", nullptr, false, "a.p2", "",
       "type year \"2024\"\ntype month \"5\"\ntype day \"6\"\ntype hour \"7\"\ntype min \"8\"\n"
       "type sec \"9\"\n",
       {"--date", "2024-5-6 7:8:9"}},
      {"date clamped", nullptr, false, "a.p2", "",
       "type year \"2023\"\ntype month \"2\"\ntype day \"30\"\ntype hour \"25\"\ntype min \"61\"\n"
       "type sec \"61\"\n",
       {"--date", "2023-2-30 25:61:61"}},
      {"date before 1980", nullptr, false, "a.p2", "",
       "type year \"1975\"\ntype month \"3\"\ntype day \"4\"\ntype hour \"5\"\ntype min \"6\"\n"
       "type sec \"7\"\n",
       {"--date", "1975-03-04 05:06:07"}},
      {"date with TZ=JST", "JST", false, "a.p2", "",
       "type year \"2024\"\ntype month \"5\"\ntype day \"6\"\ntype hour \"7\"\ntype min \"8\"\n"
       "type sec \"9\"\n",
       {"--date", "2024-5-6 7:8:9"}},
      {"date with TZ=JST-8", "JST-8", false, "a.p2", "", "type hour \"23\"\n",
       {"--date", "2001-9-9 23:46:40"}},
      {"date with TZ=Asia/Tokyo", "Asia/Tokyo", false, "a.p2", "", "type day \"10\"\n",
       {"--date", "2001-09-10 10:46:40"}},
      {"aspect", nullptr, false, "a.p2", "", "type AspX \"16\"\ntype AspY \"9\"\n",
       {"--aspect", "16:9"}},
      {"aspect 0:0", nullptr, false, "a.p2", "", "type AspX \"0\"\ntype AspY \"0\"\n",
       {"--aspect", "0:0"}},
      {"the shown text keeps an odd header's bytes", nullptr, true, "a.p2", "", "",
       {"--author", "Ab", "--title", "T\xEF\x9E\x81", "--subtitle", "\xE7\xBA\x8A" "x"}},
      {"an odd header, one field edited", nullptr, true, "a.p2", "", "type Number \"3\"\n",
       {"--number", "3"}},
      {"edits left to right", nullptr, false, "a.p2", "",
       "type Author \"One\"\ntype Author \"Two\"\n", {"--author", "One", "--author", "Two"}},
  };
  for (const Case& c : cases) Check(c);
}

TEST_F(WindowMatch, EachPresetLetterAsTheWindowAppliesIt) {
  const Case cases[] = {
      {"A", nullptr, false, "a.p2", "A", "key F5\n", {"--preset", "A"}},
      {"D", nullptr, false, "a.p2", "D", "key F5\n", {"--preset", "D"}},
      {"D with TZ=JST", "JST", false, "a.p2", "D", "key F5\n", {"--preset", "D"}},
      {"F", nullptr, false, "sample.p2", "F", "key F5\n", {"--preset", "F"}},
      {"f", nullptr, false, "sample.p2", "f", "key F5\n", {"--preset", "f"}},
      {"F and f of a long name", nullptr, false, kLongName, "Ff", "key F5\n", {"--preset", "Ff"}},
      {"F of a Japanese name", nullptr, false, "夕焼けの海辺の写真.p2", "Ff", "key F5\n",
       {"--preset", "Ff"}},
      {"inner dot kept", nullptr, false, "archive.tar.p2", "Ff", "key F5\n", {"--preset", "Ff"}},
      {"N", nullptr, false, "a.p2", "N", "key F5\n", {"--preset", "N"}},
      {"O", nullptr, false, "a.p2", "O", "key F5\n", {"--preset", "O"}},
      {"S", nullptr, false, "a.p2", "S", "key F5\n", {"--preset", "S"}},
      {"T", nullptr, false, "a.p2", "T", "key F5\n", {"--preset", "T"}},
      {"t", nullptr, false, "a.p2", "t", "key F5\n", {"--preset", "t"}},
      {"X", nullptr, false, "a.p2", "X", "key F5\n", {"--preset", "X"}},
      {"x", nullptr, false, "a.p2", "x", "key F5\n", {"--preset", "x"}},
      {"lower case as capitals", nullptr, false, "a.p2", "adnos", "key F5\n",
       {"--preset", "adnos"}},
      {"the shipped first preset", nullptr, false, "sample.p2", "OFfSNDx", "key F5\n",
       {"--preset", "OFfSNDx"}},
      {"TF copies the old title", nullptr, false, kLongName, "TF", "key F5\n", {"--preset", "TF"}},
      {"a space ends the code", nullptr, false, "sample.p2", "F T", "key F5\n",
       {"--preset", "F T"}},
      {"14 bytes count, no more", nullptr, false, "a.p2", "zzzzzzzzzzzzzX", "key F5\n",
       {"--preset", "zzzzzzzzzzzzzXN"}},
      {"second bytes of double-byte characters", nullptr, false, "a.p2", "アハ", "key F5\n",
       {"--preset", "アハ"}},
      {"a text, then a letter", nullptr, false, "a.p2", "T", "type MainTitle \"New\"\nkey F5\n",
       {"--title", "New", "--preset", "T"}},
      {"a letter, then a text", nullptr, false, "sample.p2", "F", "key F5\ntype MainTitle \"New\"\n",
       {"--preset", "F", "--title", "New"}},
      {"letters on an odd header", nullptr, true, "sample.p2", "OFSNX", "key F5\n",
       {"--preset", "OFSNX"}},
  };
  for (const Case& c : cases) Check(c);
}

}  // namespace
}  // namespace clitest
