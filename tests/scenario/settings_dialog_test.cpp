// The settings dialog through the driver: where it opens and where the
// pointer goes, which keys close it, the apology, the last-folder button,
// typing limits and tab order, and the edits as the values in effect.
#include <gtest/gtest.h>

#include "tests/scenario/support.h"

namespace scenario {
namespace {

class SettingsDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(dir.File("vexmorel.cfg"), DefaultSettings(dir.Path()));
    WritePic2(dir.File("a.p2"), ValidHeader());
  }
  std::string Run(std::string_view script) {
    RunResult r = Drive(dir, "exe \"$DIR/vexmorel\"\n" + std::string(script));
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  }
  std::string Expect(std::string_view text) { return WithDir(dir, text); }
  TempDir dir;
};

TEST_F(SettingsDialog, OpensOnTheMainWindowWithThePointerOnClose) {
  struct Case {
    const char* frame;
    const char* move;
    const char* pointer;
    const char* bounds;
  };
  static constexpr Case kCases[] = {
      // Outer 360 x 319: (100 + 256 + (99 + 6) / 2, 50 + 26 + 200 + 89 / 2).
      {"frame 3 23 3 3", "move Fm1 100 50", "pointer 408 320", "FConfig 100 50 360 319"},
      {"frame 3 26 3 3", "move Fm1 100 50", "pointer 408 323", "FConfig 100 50 360 322"},
      // (99 + 5) / 2 is 52; halving the parts apart would give 51.
      {"frame 2 26 3 3", "move Fm1 100 50", "pointer 408 323", "FConfig 100 50 359 322"},
      {"frame 3 26 3 3", "move Fm1 -20 -5", "pointer 288 268", "FConfig -20 -5 360 322"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.frame) + ", " + c.move);
    const std::string out = Run(std::string(c.frame) + "\nstart\n" + c.move +
                                "\nclick BtConfig\nbounds FConfig\nkey Enter\n");
    EXPECT_EQ(out.substr(out.find('\n') + 1),
              std::string(c.pointer) + "\n" + c.bounds + " client 354 293\n");
  }
  // Each showing follows the main window.
  EXPECT_EQ(Run("start\nmove Fm1 100 50\nclick BtConfig\nkey Enter\nmove Fm1 300 200\n"
                "key Ctrl+F12\nbounds FConfig\n"),
            "pointer 757 379\npointer 408 323\npointer 608 473\n"
            "FConfig 300 200 360 322 client 354 293\n");
}

TEST_F(SettingsDialog, EnterClosesEscapeDoesNot) {
  EXPECT_EQ(Run(R"(start
move Fm1 100 50
click BtConfig
text FConfig
focused
key Escape
shown FConfig
key Tab
key Enter
shown FConfig
focused
key Ctrl+F12
focused
key Alt+C
shown FConfig
focused
)"),
            R"(pointer 757 379
pointer 408 323
FConfig "Vexmorel Config"
focused EAuthor
FConfig shown
FConfig hidden
focused BtConfig
pointer 408 323
focused EDefDir
FConfig hidden
focused BtConfig
)");
}

TEST_F(SettingsDialog, ApologyLeavesTheDialogOpenAndUnchanged) {
  EXPECT_EQ(Run(R"(start
click BtConfig
type EAuthor "Hanako"
click BKiroku
key Alt+W
shown FConfig
text EAuthor
focus FConfig.AspX
key Enter
shown FConfig
text EAuthor
)"),
            R"(pointer 757 379
pointer 1009 610
box "お侘び" "この機能は、未だインプリメントされていません。\x0d\x0a御免なさい m(_ _)m 。" information ok -> ok
box "お侘び" "この機能は、未だインプリメントされていません。\x0d\x0a御免なさい m(_ _)m 。" information ok -> ok
FConfig shown
EAuthor "Hanako"
FConfig hidden
EAuthor "Hanako"
)");
}

TEST_F(SettingsDialog, LastFolderButtonAndTheFolderFieldChangingNothing) {
  EXPECT_EQ(Run(R"(start
click BtConfig
type EDefDir "/elsewhere"
click BtLastAcc
text EDefDir
type EDefDir "/elsewhere"
click BClose
choose "$DIR/ソ/a.p2"
click BtOpen
lastfolder
click BtConfig
text EDefDir
key Alt+L
text EDefDir
click BClose
)"),
            Expect(R"(pointer 757 379
pointer 1009 610
EDefDir "$DIR"
opendialog "$DIR" -> "$DIR/ソ/a.p2"
pointer 973 383
lastfolder "$DIR/ソ/"
pointer 1009 610
EDefDir "/elsewhere"
EDefDir "$DIR/ソ/"
)"));
}

TEST_F(SettingsDialog, TypingLimitsAndTabOrder) {
  const std::string tabs = "key Tab\nfocused\n";
  std::string script = "start\nclick BtConfig\n"
                       "type EAuthor \"ABCDEFGHIJKLMNOPQRST\"\ntype FConfig.AspX \"123\"\n"
                       "type EIppatsu4 \"NNNNNNNNNNNNNNX\"\ntype EDefDir \"$DIR/ある長いフォルダ名\"\n"
                       "text EAuthor\ntext FConfig.AspX\ntext EIppatsu4\ntext EDefDir\n"
                       "focus EAuthor\n";
  for (int i = 0; i < 11; ++i) script += tabs;
  EXPECT_EQ(Run(script), Expect(R"(pointer 757 379
pointer 1009 610
EAuthor "ABCDEFGHIJKLMNOPQR"
FConfig.AspX "12"
EIppatsu4 "NNNNNNNNNNNNNN"
EDefDir "$DIR/ある長いフォルダ名"
focused EDefDir
focused FConfig.AspX
focused FConfig.AspY
focused EIppatsu1
focused EIppatsu2
focused EIppatsu3
focused EIppatsu4
focused BClose
focused BKiroku
focused BtLastAcc
focused EAuthor
)"));
}

TEST_F(SettingsDialog, ChangedAuthorHoldsUntilTheProgramEnds) {
  // BtAuDef and the letter O read the edit as it is now, trailing spaces
  // included; a restart brings back the file's value.
  const std::string open = "arg \"$DIR/a.p2\"\nstart\n";
  EXPECT_EQ(Run(open + "key Enter\nclick BtAuDef\ntext Author\n"),
            "pointer 757 379\nAuthor \"Taro              \"\n");
  EXPECT_EQ(Run(open + R"(click BtConfig
type EAuthor "Hanako"
type EIppatsu2 "O"
click BClose
click BtRead
text Author
click BtAuDef
text Author
type Author "x"
click Ippatsu2
text Author
)"),
            "pointer 757 379\npointer 1009 610\nAuthor \"Taro\"\nAuthor \"Hanako\"\n"
            "pointer 960 427\nAuthor \"Hanako\"\n");
  EXPECT_EQ(Run(open + "click BtConfig\ntext EAuthor\ntext EIppatsu2\n"),
            "pointer 757 379\npointer 1009 610\nEAuthor \"Taro              \"\n"
            "EIppatsu2 \"ASN\"\n");
}

}  // namespace
}  // namespace scenario
