// --jobs: output in PATH order whatever finishes first, lines naming one
// file applied one after the other, and a stopped run that leaves every
// file whole: its old header and time, or its new ones.
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "tests/cli/cli_support.h"

namespace clitest {
namespace {

using scenario::ReadBytes;

class Jobs : public ::testing::Test {
 protected:
  // `count` files spread over a few folders, names in no sorted order.
  std::string Tree(int count) {
    const std::string tree = dir.File("tree");
    mkdir(tree.c_str(), 0755);
    for (const char* sub : {"/b", "/a", "/a-z", "/a/x"}) mkdir((tree + sub).c_str(), 0755);
    const char* subs[] = {"/b/", "/a/", "/a-z/", "/a/x/", "/"};
    for (int i = 0; i < count; ++i) {
      const std::string path = tree + subs[i % 5] + std::to_string((i * 7919) % count) + ".p2";
      scenario::WritePic2(path, scenario::ValidHeader());
      SetTimes(path, 1582982055);
    }
    return tree;
  }
  TempDir dir;
};

TEST_F(Jobs, OutputInPathOrder) {
  const std::string tree = Tree(300);
  const CliResult one = RunCli(dir, {"show", "--json", "-r", tree});
  ASSERT_EQ(one.status, 0) << one.err;
  const std::vector<std::string> lines = Lines(one.out);
  ASSERT_EQ(lines.size(), 300u);
  // Byte order of the whole path: "a-z/" before "a/" ('-' is 0x2D, '/' 0x2F).
  EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
  std::size_t lastDash = 0, firstSlash = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find(tree + "/a-z/") != std::string::npos) lastDash = i;
    if (lines[i].find(tree + "/a/") != std::string::npos) firstSlash = std::min(firstSlash, i);
  }
  EXPECT_LT(lastDash, firstSlash);
  for (const char* jobs : {"2", "7"}) {
    SCOPED_TRACE(jobs);
    EXPECT_EQ(RunCli(dir, {"show", "--json", "--jobs", jobs, "-r", tree}).out, one.out);
    const CliResult dry = RunCli(dir, {"set", "-n", "--jobs", jobs, "--number", "5", "-r", tree});
    EXPECT_EQ(dry.out, RunCli(dir, {"set", "-n", "--number", "5", "-r", tree}).out);
    EXPECT_EQ(dry.err, "300 files, 300 would change, 0 unchanged, 0 failed\n");
  }
}

TEST_F(Jobs, LinesOnOneFileOneAfterTheOther) {
  const std::string a = dir.File("a.p2");
  scenario::WritePic2(a, scenario::ValidHeader());
  ASSERT_EQ(symlink(a.c_str(), dir.File("alias.p2").c_str()), 0);
  std::string input;
  for (int round = 0; round < 20; ++round) {
    const std::string other = dir.File("o" + std::to_string(round) + ".p2");
    scenario::WritePic2(other, scenario::ValidHeader());
    // Each line's subtitle copies the title the line before set.
    input += "{\"path\":\"" + a + "\",\"title\":\"T" + std::to_string(round) + "\"}\n";
    input += "{\"path\":\"" + other + "\",\"number\":3}\n";
    input += "{\"path\":\"" + dir.File("alias.p2") + "\",\"preset\":\"T\",\"number\":" +
             std::to_string(round + 1) + "}\n";
  }
  const CliResult r = RunCli(dir, {"apply", "--jobs", "8", "-"}, input);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "60 files, 60 changed, 0 unchanged, 0 failed\n");
  const std::string header = ReadBytes(a);
  EXPECT_EQ(header.substr(22, 8), "T19     ");
  EXPECT_EQ(header.substr(32, 3), "T19");
  EXPECT_EQ(header.substr(100, 2), std::string("\0\x14", 2));
}

// Stops a run of `set` once it has begun writing, and checks every file.
void StopAndCheck(TempDir& dir, const std::string& tree, int signal,
                  const std::vector<std::string>& extra) {
  std::vector<std::string> args = {"set", "-r", "--author", "Stopped", "--date",
                                   "2011-11-11 11:11:11"};
  args.insert(args.end(), extra.begin(), extra.end());
  args.push_back(tree);
  // The first file in path order, written first.
  const std::string first = tree + "/0000.p2";
  scenario::WritePic2(first, scenario::ValidHeader());
  SetTimes(first, 1582982055);
  const std::string old = ReadBytes(first);
  const Started s = StartCli(dir, args, "", {{"TZ", "UTC"}});
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (ReadBytes(first) == old && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  kill(s.pid, signal);
  const CliResult r = Finish(s);

  EXPECT_EQ(r.status, 128 + signal);
  EXPECT_NE(r.err.find("; stopped by signal " + std::to_string(signal) + ", "), std::string::npos)
      << r.err;
  int changed = 0, untouched = 0;
  for (const std::string& line : Lines(RunCli(dir, {"show", "--json", "-r", tree}, "",
                                              {{"TZ", "UTC"}}).out)) {
    // Whole: both the header and the file time are old, or both are new.
    const bool newHeader = line.find("\"author\":\"Stopped\"") != std::string::npos &&
                           line.find("\"date\":\"2011-11-11 11:11:11\"") != std::string::npos;
    const bool newTime = line.find("\"file_date\":\"2011-11-11 11:11:11\"") != std::string::npos;
    const bool oldHeader = line.find("\"author\":\"Taro\"") != std::string::npos &&
                           line.find("\"date\":\"2001-09-09 10:46:40\"") != std::string::npos;
    const bool oldTime = line.find("\"file_date\":\"2020-02-29 13:14:15\"") != std::string::npos;
    EXPECT_TRUE((newHeader && newTime) || (oldHeader && oldTime)) << line;
    (newHeader ? changed : untouched)++;
  }
  EXPECT_GT(changed, 0);
  EXPECT_GT(untouched, 0) << "the run ended before the signal came";
  // The summary counts what was done.
  EXPECT_EQ(r.err.substr(0, r.err.find(' ')), std::to_string(changed));
}

TEST_F(Jobs, InterruptedRunLeavesEveryFileWhole) {
  const std::string tree = Tree(3000);
  StopAndCheck(dir, tree, SIGINT, {});
}

TEST_F(Jobs, TerminatedRunWithJobsLeavesEveryFileWhole) {
  const std::string tree = Tree(3000);
  StopAndCheck(dir, tree, SIGTERM, {"--jobs", "4"});
}

}  // namespace
}  // namespace clitest
