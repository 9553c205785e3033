// The main window's shell through the driver: start-up with and without an
// argument, the open dialog, pointer guidance, the two states, discarding,
// About and exit.
#include <gtest/gtest.h>

#include "tests/scenario/support.h"

namespace scenario {
namespace {

class Shell : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(dir.File("vexmorel.cfg"), DefaultSettings(dir.Path()));
    WritePic2(dir.File("a.p2"), ValidHeader());
  }
  std::string Run(std::string_view script) {
    RunResult r = Drive(dir, std::string("exe \"$DIR/vexmorel\"\n") + std::string(script));
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  }
  std::string Expect(std::string_view text) { return WithDir(dir, text); }
  TempDir dir;
};

TEST_F(Shell, StartsCentredWithThePointerOnOpen) {
  EXPECT_EQ(Run(R"(start
bounds Fm1
text EFileName
text HeaderExist
hint HeaderExist
focused
pointer
)"),
            R"(pointer 757 379
Fm1 701 337 518 406 client 512 377
EFileName ""
HeaderExist "No File"
HeaderExist hint "ファイルは開かれていません"
focused EFileName
pointer 757 379
)");
}

TEST_F(Shell, CentringTruncatesTowardZero) {
  // 17 pixels wider than the screen: Left is -8, not -9.
  EXPECT_EQ(Run("screen 501 300\nframe 3 26 3 3\nstart\nbounds Fm1\n"),
            "pointer 48 -11\nFm1 -8 -53 518 406 client 512 377\n");
}

TEST_F(Shell, ArgumentGoesIntoTheFileNameUnread) {
  EXPECT_EQ(Run("arg \"$DIR/a.p2\"\nstart\ntext EFileName\ntext HeaderExist\ntext Author\n"),
            Expect("pointer 757 379\nEFileName \"$DIR/a.p2\"\nHeaderExist \"No File\"\n"
                   "Author \"\"\n"));
  EXPECT_EQ(Run("arg \"\"\nstart\ntext EFileName\n"), "pointer 757 379\nEFileName \"\"\n");
}

TEST_F(Shell, OpenDialogChosenAndCancelled) {
  EXPECT_EQ(Run(R"(start
move Fm1 100 50
choose cancel
click BtOpen
text EFileName
lastfolder
choose "$DIR/a.p2"
click BtOpen
text EFileName
lastfolder
focused
key Ctrl+O
)"),
            Expect(R"(pointer 757 379
opendialog "$DIR" -> cancel
EFileName ""
lastfolder "$DIR"
opendialog "$DIR" -> "$DIR/a.p2"
pointer 372 96
EFileName "$DIR/a.p2"
lastfolder "$DIR/"
focused EFileName
opendialog "$DIR/" -> cancel
)"));
}

TEST_F(Shell, PointerAfterTheDialogHalvesTheFrameSumOnce) {
  // Outer width 517: (91 + 5) / 2 is 48, where halving apart would give 47.
  EXPECT_EQ(Run("frame 2 26 3 3\nstart\nmove Fm1 100 50\nchoose \"$DIR/a.p2\"\nclick BtOpen\n"),
            Expect("pointer 756 380\nopendialog \"$DIR\" -> \"$DIR/a.p2\"\npointer 372 96\n"));
}

TEST_F(Shell, LastFolderKeepsADoubleByteFolderName) {
  EXPECT_EQ(Run("start\nchoose \"$DIR/ソ/a.p2\"\nclick BtOpen\nlastfolder\n"),
            Expect("pointer 757 379\nopendialog \"$DIR\" -> \"$DIR/ソ/a.p2\"\n"
                   "pointer 973 383\nlastfolder \"$DIR/ソ/\"\n"));
}

constexpr std::string_view kStateQuestions = R"(enabled PMain
enabled EFileName
enabled BtOpen
enabled BtRead
enabled BtConfig
enabled PHeader
enabled Author
enabled BtClose
enabled BtWrite
enabled Sanshow
enabled Yomikomi
enabled Config
enabled Kakikomi
enabled Tojiru
enabled Kanni
enabled Kanni1
enabled About
enabled Shuwryoh
text HeaderExist
hint HeaderExist
)";

TEST_F(Shell, StateTableInBothStates) {
  const std::string script = std::string("arg \"$DIR/a.p2\"\nstart\n") +
                             std::string(kStateQuestions) + "key Enter\n" +
                             std::string(kStateQuestions);
  EXPECT_EQ(Run(script), R"(pointer 757 379
PMain enabled=1 usable=1
EFileName enabled=1 usable=1
BtOpen enabled=1 usable=1
BtRead enabled=1 usable=1
BtConfig enabled=1 usable=1
PHeader enabled=0 usable=0
Author enabled=1 usable=0
BtClose enabled=1 usable=0
BtWrite enabled=0 usable=0
Sanshow enabled=1 usable=1
Yomikomi enabled=1 usable=1
Config enabled=1 usable=1
Kakikomi enabled=0 usable=0
Tojiru enabled=0 usable=0
Kanni enabled=0 usable=0
Kanni1 enabled=1 usable=0
About enabled=1 usable=1
Shuwryoh enabled=1 usable=1
HeaderExist "No File"
HeaderExist hint "ファイルは開かれていません"
PMain enabled=0 usable=0
EFileName enabled=1 usable=0
BtOpen enabled=1 usable=0
BtRead enabled=1 usable=0
BtConfig enabled=1 usable=0
PHeader enabled=1 usable=1
Author enabled=1 usable=1
BtClose enabled=1 usable=1
BtWrite enabled=1 usable=1
Sanshow enabled=0 usable=0
Yomikomi enabled=0 usable=0
Config enabled=0 usable=0
Kakikomi enabled=1 usable=1
Tojiru enabled=1 usable=1
Kanni enabled=1 usable=1
Kanni1 enabled=1 usable=1
About enabled=1 usable=1
Shuwryoh enabled=1 usable=1
HeaderExist "Open !"
HeaderExist hint "ファイルを開きました"
)");
}

TEST_F(Shell, ShortcutsActOnlyWithEveryItemAboveEnabled) {
  // No file: Ctrl+T, Ctrl+F and F5 sit under the disabled Kanni and do
  // nothing; Ctrl+R is no shortcut. Open: Ctrl+O, Ctrl+M, Ctrl+F12 do nothing.
  EXPECT_EQ(Run(R"(arg "$DIR/a.p2"
start
key Ctrl+T
key Ctrl+F
key F5
key Ctrl+R
text HeaderExist
key Ctrl+M
text HeaderExist
text hour
key Ctrl+O
key Ctrl+M
key Ctrl+F12
key Ctrl+F
text hour
)"),
            R"(pointer 757 379
HeaderExist "No File"
HeaderExist "Open !"
hour "10"
hour "0"
)");
}

TEST_F(Shell, DiscardNoKeepsEverythingYesEmptiesTheFields) {
  EXPECT_EQ(Run(R"(arg "$DIR/a.p2"
start
move Fm1 100 50
key Enter
answer no
click BtClose
text Author
text HeaderExist
answer yes
key Ctrl+Q
text Author
text year
text Fyear
text PalMode
text AspX
text ImageSize
text ComExist
text EFileName
text HeaderExist
enabled BtRead
key Enter
text Author
)"),
            Expect(R"(pointer 757 379
box "ヘッダの破棄" "ヘッダを破棄し、閉じても構いませんか？" question yes/no -> no
Author "Taro"
HeaderExist "Open !"
box "ヘッダの破棄" "ヘッダを破棄し、閉じても構いませんか？" question yes/no -> yes
pointer 156 92
Author ""
year ""
Fyear ""
PalMode ""
AspX ""
ImageSize "0 × 0"
ComExist "System Reserved."
EFileName "$DIR/a.p2"
HeaderExist "No File"
BtRead enabled=1 usable=1
Author "Taro"
)"));
}

TEST_F(Shell, AboutAndExitInBothStates) {
  EXPECT_EQ(Run("start\nkey F1\nkey Ctrl+F1\nrun \"true\"\n"),
            "pointer 757 379\nbox \"概要\" \"Vexmorel Ver.0.2\" information ok -> ok\nexit 0\n");
  // With a header open: no question, nothing written.
  const std::string before = ReadBytes(dir.File("a.p2"));
  EXPECT_EQ(Run("arg \"$DIR/a.p2\"\nstart\nkey Enter\nkey F1\nclick Shuwryoh\n"),
            "pointer 757 379\nbox \"概要\" \"Vexmorel Ver.0.2\" information ok -> ok\nexit 0\n");
  EXPECT_EQ(Run("start\nclose Fm1\n"), "pointer 757 379\nexit 0\n");
  EXPECT_EQ(ReadBytes(dir.File("a.p2")), before);
}

TEST_F(Shell, ScriptErrorsStopWithStatusTwo) {
  RunResult r = Drive(dir, "exe \"$DIR/vexmorel\"\nstart\ntext NoSuchControl\ntext EFileName\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "pointer 757 379\n");
  EXPECT_NE(r.err.find("line 3"), std::string::npos) << r.err;
  for (std::string_view bad : {"bogus\n", "start\nkey Ctrl+Q+\n", "start\ntype Author \"x\n",
                               "start\nkey Ctrl+F1\ntext Author\n"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(Drive(dir, bad).status, 2);
  }
}

}  // namespace
}  // namespace scenario
