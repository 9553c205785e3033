// The quick-set commands through the driver: buttons and their menu entries.
#include <gtest/gtest.h>

#include "tests/scenario/support.h"

namespace scenario {
namespace {

class QuickSet : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(dir.File("vexmorel.cfg"), DefaultSettings(dir.Path()));
    WritePic2(dir.File("a.p2"), ValidHeader());
  }
  std::string Run(std::string_view actions) {
    RunResult r = Drive(dir, "exe \"$DIR/vexmorel\"\narg \"$DIR/a.p2\"\nenv TZ \"UTC\"\n"
                             "run \"touch -m -d '2022-07-08 01:02:03 UTC' '$DIR/a.p2'\"\n"
                             "start\nkey Enter\n" +
                                 std::string(actions));
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out.substr(r.out.find('\n') + 1);  // after the start-up pointer line
  }
  TempDir dir;
};

TEST_F(QuickSet, ForceTimeAlternatesBetweenMidnightAndNoon) {
  struct Case {
    const char* hour;
    const char* result;
  };
  for (const Case& c : {Case{"0", "12"}, Case{"00", "0"}, Case{"", "0"}, Case{"12", "0"},
                        Case{"7", "0"}}) {
    SCOPED_TRACE(c.hour);
    EXPECT_EQ(Run("type hour \"" + std::string(c.hour) + "\"\nclick BtKyohsei\n" +
                  "text hour\ntext min\ntext sec\n"),
              "hour \"" + std::string(c.result) + "\"\nmin \"0\"\nsec \"0\"\n");
  }
  EXPECT_EQ(Run("key Ctrl+F\ntext hour\nkey Ctrl+F\ntext hour\nclick Kyohsei_sikkoh\ntext hour\n"),
            "hour \"0\"\nhour \"12\"\nhour \"0\"\n");
}

TEST_F(QuickSet, CopyFileDateOverwritesEditedFields) {
  EXPECT_EQ(Run(R"(type year "1999"
type sec "5"
click BtTime
text year
text month
text day
text hour
text min
text sec
type day "1"
key Ctrl+T
text day
)"),
            "year \"2022\"\nmonth \"7\"\nday \"8\"\nhour \"1\"\nmin \"2\"\nsec \"3\"\nday \"8\"\n");
}

TEST_F(QuickSet, NumberOneAndSignature) {
  EXPECT_EQ(Run("click Bt_Ichi\nclick BtVexmorel\ntext Number\ntext SaverName\n"),
            "Number \"1\"\nSaverName \"Vexmorelix  ver.0.1/Win32/Rumo\"\n");
}

TEST_F(QuickSet, DiscardingAfterAQuickSetLeavesTheFileAlone) {
  const std::string before = ReadBytes(dir.File("a.p2"));
  Run("click BtVexmorel\nclick Bt_Ichi\nanswer yes\nclick BtClose\n");
  EXPECT_EQ(ReadBytes(dir.File("a.p2")), before);
}

}  // namespace
}  // namespace scenario
