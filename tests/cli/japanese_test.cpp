// In a Japanese locale each reason a file or the settings failed is the
// window's own message for that failure (app/messages.cpp), while header
// data such as 未定義 stays as it is. The locale is built by the test with
// localedef into a folder of its own (LOCPATH), as a fresh Debian lacks it.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/messages.h"
#include "platform/text/cp932.h"
#include "tests/cli/cli_support.h"
#include "tools/cli/messages.h"

namespace clitest {
namespace {

std::string Window(const std::string& cp932Message) { return cp932::ToUtf8(cp932Message); }

class Japanese : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    locales = new TempDir;
    const std::string command = "localedef -i ja_JP -f UTF-8 '" + locales->File("ja_JP.UTF-8") +
                                "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    built = WIFEXITED(status) && WEXITSTATUS(status) <= 1 &&
            access(locales->File("ja_JP.UTF-8/LC_CTYPE").c_str(), R_OK) == 0;
  }
  static void TearDownTestSuite() { delete locales; }
  void SetUp() override { ASSERT_TRUE(built) << "localedef could not build ja_JP.UTF-8"; }

  EnvChanges JapaneseEnv() const {
    return {{"LOCPATH", locales->Path()}, {"LC_ALL", "ja_JP.UTF-8"}};
  }

  static TempDir* locales;
  static bool built;
  TempDir dir;
};
TempDir* Japanese::locales = nullptr;
bool Japanese::built = false;

TEST_F(Japanese, EveryReasonIsTheWindowsMessage) {
  setenv("LOCPATH", locales->Path().c_str(), 1);
  setenv("LC_ALL", "ja_JP.UTF-8", 1);
  unsetenv("LANGUAGE");
  cli::InitMessages(VEXMOREL_CLI);
  for (const LoadError e : {LoadError::Open, LoadError::TooShort, LoadError::Read,
                            LoadError::Close, LoadError::SpecialAttributes, LoadError::NotPic2}) {
    SCOPED_TRACE(static_cast<int>(e));
    EXPECT_EQ(cli::Reason(e), Window(Message(e)));
  }
  for (const WriteError e : {WriteError::Open, WriteError::Replaced, WriteError::NotPic2,
                             WriteError::ShortWrite, WriteError::Close}) {
    SCOPED_TRACE(static_cast<int>(e));
    EXPECT_EQ(cli::Reason(e), Window(Message(e)));
  }
  for (const SettingsError e : {SettingsError::Missing, SettingsError::Close,
                                SettingsError::BadBytes, SettingsError::Cut,
                                SettingsError::AspectX, SettingsError::AspectY}) {
    SCOPED_TRACE(static_cast<int>(e));
    EXPECT_EQ(cli::Reason(e), Window(Message(e)));
  }
  for (const SettingsNotice n : {SettingsNotice::LongLine, SettingsNotice::TooLarge})
    EXPECT_EQ(cli::Reason(n), Window(Message(n)));
}

TEST_F(Japanese, ThroughTheProgram) {
  const Pic2Header h = scenario::ValidHeader();
  scenario::WritePic2(dir.File("good.p2"), h);
  scenario::WritePic2(dir.File("readonly.p2"), h);
  chmod(dir.File("readonly.p2").c_str(), 0444);
  scenario::WriteBytes(dir.File("short.p2"), "P2DT");
  Pic2Header undefinedMode = h;
  undefinedMode.bytes[Span(HeaderField::Mode).offset] = 0x09;
  scenario::WritePic2(dir.File("mode.p2"), undefinedMode);

  const CliResult r = RunCli(dir, {"set", "--number", "1", dir.File("missing.p2"),
                                   dir.File("readonly.p2"), dir.File("short.p2"),
                                   dir.File("good.p2")},
                             "", JapaneseEnv());
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, dir.File("missing.p2") + ": " + Window(Message(LoadError::Open)) + "\n" +
                       dir.File("readonly.p2") + ": " +
                       Window(Message(LoadError::SpecialAttributes)) + "\n" +
                       dir.File("short.p2") + ": " + Window(Message(LoadError::TooShort)) + "\n" +
                       "4 ファイル、変更 1、変更なし 0、失敗 3\n");

  const CliResult settings = RunCli(
      dir, {"set", "--settings", dir.File("none.cfg"), "--preset", "O", dir.File("good.p2")}, "",
      JapaneseEnv());
  EXPECT_EQ(settings.status, 2);
  EXPECT_EQ(Lines(settings.err).at(0), "vexmorel-cli: " + dir.File("none.cfg") + ": " +
                                           Window(Message(SettingsError::Missing)));

  // Labels are translated, data is not.
  const CliResult shown = RunCli(dir, {"show", dir.File("mode.p2")}, "", JapaneseEnv());
  EXPECT_NE(shown.out.find("  作者名: Taro\n"), std::string::npos) << shown.out;
  EXPECT_NE(shown.out.find(": 未定義\n"), std::string::npos) << shown.out;
  const CliResult json = RunCli(dir, {"show", "--json", dir.File("mode.p2")}, "", JapaneseEnv());
  EXPECT_NE(json.out.find("\"palette_mode\":\"未定義\""), std::string::npos) << json.out;
}

TEST_F(Japanese, EnglishElsewhere) {
  const CliResult r = RunCli(dir, {"show", dir.File("missing.p2")}, "",
                             {{"LOCPATH", locales->Path()}, {"LC_ALL", "C.UTF-8"}});
  EXPECT_EQ(r.err, dir.File("missing.p2") + ": cannot open the file\n");
}

}  // namespace
}  // namespace clitest
