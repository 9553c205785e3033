// Loading the settings file through the whole program: what the dialog and
// LastFolder hold after a load, the messages of a failed one with the main
// window still opening, the file found beside the executable, and the
// default file the build ships.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/text/cp932.h"
#include "tests/scenario/support.h"

namespace scenario {
namespace {

constexpr std::string_view kFilled = R"(exists FConfig
shown FConfig
text EAuthor
text EDefDir
text FConfig.AspX
text FConfig.AspY
text EIppatsu1
text EIppatsu2
text EIppatsu3
text EIppatsu4
lastfolder
)";

std::string Box(std::string_view text) {
  return "box \"Error!\" \"" + std::string(text) + "\" information ok -> ok\n";
}

class SettingsLoad : public ::testing::Test {
 protected:
  std::string Run(std::string_view exe, std::string_view script) {
    RunResult r = Drive(dir, "exe \"" + std::string(exe) + "\"\n" + std::string(script));
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  }
  std::string Expect(std::string_view text) { return WithDir(dir, text); }
  TempDir dir;
};

TEST_F(SettingsLoad, FillsTheHiddenDialogAndTheDefaultFolder) {
  WriteBytes(dir.File("vexmorel.cfg"), DefaultSettings(dir.File("絵")));
  EXPECT_EQ(Run("$DIR/vexmorel", std::string("start\n") + std::string(kFilled) +
                                     "choose cancel\nclick BtOpen\n"),
            Expect(R"(pointer 757 379
FConfig exists
FConfig hidden
EAuthor "Taro              "
EDefDir "$DIR/絵"
FConfig.AspX "1"
FConfig.AspY "1"
EIppatsu1 "OFfSNDx"
EIppatsu2 "ASN"
EIppatsu3 "TX"
EIppatsu4 ""
lastfolder "$DIR/絵"
opendialog "$DIR/絵" -> cancel
)"));
}

TEST_F(SettingsLoad, FoundBesideTheExecutable) {
  // "Vexmorel.exe" reads "Vexmorel.cfg"; any other name gets ".cfg" added.
  WriteBytes(dir.File("Vexmorel.cfg"), DefaultSettings("exe"));
  WriteBytes(dir.File("vexmorel.bin.cfg"), DefaultSettings("bin"));
  EXPECT_EQ(Run("$DIR/Vexmorel.exe", "start\nlastfolder\n"),
            "pointer 757 379\nlastfolder \"exe\"\n");
  EXPECT_EQ(Run("$DIR/vexmorel.bin", "start\nlastfolder\n"),
            "pointer 757 379\nlastfolder \"bin\"\n");
}

TEST_F(SettingsLoad, FailureShowsOneMessageAndTheWindowOpens) {
  // Six lines, the first of 300 bytes.
  std::string longLine = std::string(300, 'a') + "\r\n";
  for (int i = 0; i < 5; ++i) longLine += "x\r\n";
  struct Case {
    const char* label;
    std::string bytes;  // empty: no file
    std::string boxes;
  };
  const Case cases[] = {
      {"missing", "", Box("設定ファイルが有りません！")},
      {"a TAB", DefaultSettings("a\tb"), Box("設定ファイルが異常です！")},
      {"an over-long line, then the end", longLine,
       Box("1行は250バイト以内です！") + Box("設定ファイルが途切れています！")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::filesystem::remove(dir.File("vexmorel.cfg"));
    if (!c.bytes.empty()) WriteBytes(dir.File("vexmorel.cfg"), c.bytes);
    EXPECT_EQ(Run("$DIR/vexmorel", "start\nexists FConfig\nlastfolder\nshown Fm1\n"),
              c.boxes + "pointer 757 379\nFConfig absent\nlastfolder \"\"\nFm1 shown\n");
  }
}

TEST_F(SettingsLoad, TheShippedDefaultFileLoads) {
  const std::string build = std::filesystem::path(VEXMOREL_DRIVE).parent_path();
  ASSERT_TRUE(std::filesystem::exists(build + "/vexmorel.cfg"));
  EXPECT_EQ(Run(build + "/vexmorel", std::string("start\n") + std::string(kFilled)),
            R"(pointer 757 379
FConfig exists
FConfig hidden
EAuthor "Rumo              "
EDefDir ""
FConfig.AspX "1"
FConfig.AspY "1"
EIppatsu1 "OFfSNDx"
EIppatsu2 "ASN"
EIppatsu3 "TX"
EIppatsu4 ""
lastfolder ""
)");
  const std::string bytes = ReadBytes(build + "/vexmorel.cfg");
  EXPECT_EQ(bytes.substr(bytes.size() - 4), "\r\n\r\n");
}

}  // namespace
}  // namespace scenario
