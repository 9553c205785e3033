// How `set` writes: a dry run touches nothing and names each change; a file
// that would not change is not written (its change time stays); --backup
// copies the whole file first and refuses to replace a copy; and
// --keep-file-time keeps the last-write time.
#include <gtest/gtest.h>

#include "tests/cli/cli_support.h"

namespace clitest {
namespace {

using scenario::ReadBytes;

constexpr long long kFileTime = 1582982055;  // 2020-02-29 13:14:15 UTC

class Writing : public ::testing::Test {
 protected:
  void SetUp() override {
    file = dir.File("a.p2");
    scenario::WritePic2(file, scenario::ValidHeader(), 1000);
    SetTimes(file, kFileTime);
  }
  CliResult Set(std::vector<std::string> args) {
    args.insert(args.begin(), "set");
    args.push_back(file);
    return RunCli(dir, args, "", {{"TZ", "UTC"}});
  }
  TempDir dir;
  std::string file;
};

TEST_F(Writing, DryRunNamesEachChangeAndWritesNothing) {
  const std::string before = ReadBytes(file);
  const struct stat was = StatOf(file);
  const CliResult r = Set({"-n", "--author", "Hanako", "--aspect", "4:3", "--preset", "X"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, file + ": author: Taro -> Hanako\n" +
                       file + ": date: 2001-09-09 10:46:40 -> 2001-09-09 12:00:00\n" +
                       file + ": file_date: 2020-02-29 13:14:15 -> 2001-09-09 12:00:00\n");
  EXPECT_EQ(r.err, "1 files, 1 would change, 0 unchanged, 0 failed\n");
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_EQ(StatOf(file).st_ctim.tv_nsec, was.st_ctim.tv_nsec);
  EXPECT_EQ(Set({"--dry-run", "--keep-file-time", "--author", "Taro"}).out, "");
}

TEST_F(Writing, AnUnchangedFileIsNotWritten) {
  ASSERT_EQ(Set({"--author", "Hanako"}).status, 0);
  const struct stat was = StatOf(file);
  const CliResult r = Set({"--author", "Hanako", "--number", "7"});
  EXPECT_EQ(r.err, "1 files, 0 changed, 1 unchanged, 0 failed\n");
  const struct stat now = StatOf(file);
  EXPECT_EQ(now.st_ctim.tv_sec, was.st_ctim.tv_sec);
  EXPECT_EQ(now.st_ctim.tv_nsec, was.st_ctim.tv_nsec);
  // The header's date as shown (UTC+9), taken as local time (here UTC).
  EXPECT_EQ(now.st_mtim.tv_sec, 1000000000 + 9 * 3600);
}

TEST_F(Writing, BackupCopiesTheWholeFileFirst) {
  const std::string before = ReadBytes(file);
  // Nothing to write, nothing to copy.
  EXPECT_EQ(Set({"--backup", "--author", "Taro", "--keep-file-time"}).status, 0);
  EXPECT_THROW(StatOf(file + "_original"), std::runtime_error);

  EXPECT_EQ(Set({"--backup", "--author", "Hanako"}).status, 0);
  EXPECT_EQ(ReadBytes(file + "_original"), before);
  EXPECT_EQ(StatOf(file + "_original").st_mtim.tv_sec, kFileTime);
  EXPECT_EQ(ReadBytes(file).substr(4, 6), "Hanako");
  EXPECT_EQ(ReadBytes(file).substr(120), before.substr(120));

  // A second backup would replace the first: refused, nothing written.
  const std::string written = ReadBytes(file);
  const CliResult again = Set({"--backup", "--author", "Jiro"});
  EXPECT_EQ(again.status, 1);
  EXPECT_EQ(again.err, file + ": the backup copy already exists: " + file + "_original\n" +
                           "1 files, 0 changed, 0 unchanged, 1 failed\n");
  EXPECT_EQ(ReadBytes(file), written);
  EXPECT_EQ(ReadBytes(file + "_original"), before);
}

TEST_F(Writing, KeepFileTime) {
  const CliResult r = Set({"--keep-file-time", "--author", "Hanako", "--date", "2024-1-2 3:4:5"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadBytes(file).substr(4, 6), "Hanako");
  const struct stat now = StatOf(file);
  EXPECT_EQ(now.st_mtim.tv_sec, kFileTime);
  EXPECT_EQ(now.st_mtim.tv_nsec, 0);
  // Without it the file time follows the header's date, as the window does.
  ASSERT_EQ(Set({"--author", "Jiro"}).status, 0);
  EXPECT_EQ(StatOf(file).st_mtim.tv_sec, 1704164645);  // 2024-01-02 03:04:05 UTC
}

}  // namespace
}  // namespace clitest
