// Exit statuses, usage errors that touch nothing, and files refused among
// good ones, each with its path and reason while the others are done.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/cli/cli_support.h"

namespace clitest {
namespace {

using scenario::ReadBytes;

class Status : public ::testing::Test {
 protected:
  void SetUp() override {
    good = dir.File("good.p2");
    scenario::WritePic2(good, scenario::ValidHeader());
    SetTimes(good, 1582982055);
  }
  TempDir dir;
  std::string good;
};

TEST_F(Status, EachExitStatus) {
  const std::string missingSettings = dir.File("none.cfg");
  struct Case {
    const char* label;
    std::vector<std::string> args;
    int status;
    const char* err;  // the start of standard error
  };
  const Case cases[] = {
      {"show", {"show", good}, 0, ""},
      {"help", {"--help"}, 0, ""},
      {"version", {"--version"}, 0, ""},
      {"a file fails", {"show", good, dir.File("missing.p2")}, 1,
       "/missing.p2: cannot open the file\n"},
      {"no command", {}, 2, "vexmorel-cli: no command given\n"},
      {"unknown command", {"list", good}, 2, "vexmorel-cli: unknown command: list\n"},
      {"unknown option", {"set", "--colour", "red", good}, 2,
       "vexmorel-cli: unknown option: --colour\n"},
      {"an option of another command", {"show", "--backup", good}, 2,
       "vexmorel-cli: unknown option: --backup\n"},
      {"set without an edit", {"set", good}, 2, "vexmorel-cli: set needs an edit\n"},
      {"set without a path", {"set", "--author", "x"}, 2, "vexmorel-cli: no PATH given\n"},
      {"a value missing", {"set", good, "--author"}, 2, "vexmorel-cli: --author needs a value\n"},
      {"json and csv", {"show", "--json", "--csv", good}, 2,
       "vexmorel-cli: --json and --csv exclude each other\n"},
      {"jobs 0", {"set", "--jobs", "0", "--author", "x", good}, 2,
       "vexmorel-cli: --jobs takes a number from 1 to 256\n"},
      {"a date of another shape", {"set", "--date", "2024-01-01", good}, 2,
       "vexmorel-cli: --date \"2024-01-01\" is not a date of the form \"Y-M-D h:m:s\"\n"},
      {"a date with a sign", {"set", "--date", "2024-1-1 -1:0:0", good}, 2, "vexmorel-cli: --date"},
      {"an aspect of another shape", {"set", "--aspect", "4x3", good}, 2,
       "vexmorel-cli: --aspect \"4x3\" is not an aspect of the form \"X:Y\"\n"},
      {"a character code page 932 lacks", {"set", "--author", "\xF0\x9F\x98\x80", good}, 2,
       "vexmorel-cli: --author \"\xF0\x9F\x98\x80\" has no code page 932 form\n"},
      {"a letter that needs missing settings",
       {"set", "--settings", missingSettings, "--preset", "NO", good}, 2,
       "vexmorel-cli: "},
      {"apply without its input", {"apply", dir.File("none.jsonl")}, 2,
       "vexmorel-cli: cannot read the input: "},
      {"apply with two inputs", {"apply", "a", "b"}, 2,
       "vexmorel-cli: apply takes one input, a file or -\n"},
  };
  const std::string before = ReadBytes(good);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const CliResult r = RunCli(dir, c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    const std::string err = r.err;
    const std::string wanted = c.err;
    if (wanted.starts_with("/"))
      EXPECT_EQ(err, dir.Path() + wanted);
    else
      EXPECT_EQ(err.substr(0, wanted.size()), wanted);
    EXPECT_EQ(ReadBytes(good), before);
    EXPECT_EQ(StatOf(good).st_mtim.tv_sec, 1582982055);
  }
}

TEST_F(Status, SettingsAreReadOnlyForTheLettersThatNeedThem) {
  const std::string none = dir.File("none.cfg");
  const CliResult needs = RunCli(dir, {"set", "--settings", none, "--preset", "A", good});
  EXPECT_EQ(needs.status, 2);
  EXPECT_EQ(needs.err, "vexmorel-cli: " + none +
                           ": the settings file is missing\nTry 'vexmorel-cli --help'.\n");
  const CliResult without = RunCli(dir, {"set", "--settings", none, "--preset", "N", good});
  EXPECT_EQ(without.status, 0) << without.err;
  // The user's own file, where it exists, is read instead of the one
  // beside the program.
  mkdir(dir.File(".config").c_str(), 0755);
  mkdir(dir.File(".config/vexmorel").c_str(), 0755);
  std::string own = scenario::DefaultSettings(dir.Path());
  own.replace(own.find("Taro"), 4, "Jiro");
  scenario::WriteBytes(dir.File(".config/vexmorel/vexmorel.cfg"), own);
  ASSERT_EQ(RunCli(dir, {"set", "--preset", "O", good}).status, 0);
  EXPECT_EQ(ReadBytes(good).substr(4, 18), "Jiro              ");
}

TEST_F(Status, RefusalsAmongGoodFiles) {
  const std::string tree = dir.File("tree");
  mkdir(tree.c_str(), 0755);
  mkdir((tree + "/sub").c_str(), 0755);
  mkdir((tree + "/.hidden").c_str(), 0755);
  const Pic2Header h = scenario::ValidHeader();
  for (const char* name : {"a.p2", "B.P2", "sub/c.p2", ".hidden/d.p2", ".e.p2", "f.txt"})
    scenario::WritePic2(tree + "/" + name, h);
  scenario::WritePic2(tree + "/readonly.p2", h);
  chmod((tree + "/readonly.p2").c_str(), 0444);
  scenario::WriteBytes(tree + "/short.p2", "P2DT short");
  scenario::WriteBytes(tree + "/other.p2", std::string(200, 'x'));
  ASSERT_EQ(symlink("nowhere.p2", (tree + "/dangling.p2").c_str()), 0);
  ASSERT_EQ(symlink("a.p2", (tree + "/link.p2").c_str()), 0);
  ASSERT_EQ(symlink("sub", (tree + "/subfolder.p2").c_str()), 0);
  ASSERT_EQ(mkfifo((tree + "/fifo.p2").c_str(), 0644), 0);
  const std::string before = ReadBytes(tree + "/readonly.p2");

  const CliResult r = RunCli(dir, {"set", "-r", "--number", "9", tree, dir.File("tree/.e.p2")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, tree + "/dangling.p2: cannot open the file\n" +
                       tree + "/other.p2: not a Pic2 file\n" +
                       tree + "/readonly.p2: read-only or hidden files are not handled\n" +
                       tree + "/short.p2: the file is shorter than a Pic2 header\n" +
                       tree + "/.e.p2: read-only or hidden files are not handled\n" +
                       "9 files, 3 changed, 1 unchanged, 5 failed\n");
  // a.p2 twice: itself, then through link.p2, which finds it done.
  for (const char* name : {"a.p2", "B.P2", "sub/c.p2"})
    EXPECT_EQ(ReadBytes(tree + "/" + name).substr(100, 2), std::string("\0\x09", 2)) << name;
  for (const char* name : {".hidden/d.p2", ".e.p2", "f.txt"})
    EXPECT_EQ(ReadBytes(tree + "/" + name).substr(100, 2), std::string("\0\x07", 2)) << name;
  EXPECT_EQ(ReadBytes(tree + "/readonly.p2"), before);

  const CliResult folder = RunCli(dir, {"set", "--number", "8", tree + "/sub", tree + "/a.p2"});
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.err, tree + "/sub: is a folder (walk it with -r)\n" +
                            "2 files, 1 changed, 0 unchanged, 1 failed\n");
}

}  // namespace
}  // namespace clitest
