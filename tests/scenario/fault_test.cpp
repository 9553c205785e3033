// Injected file-service faults (the driver's `fault OP N`) at every read and
// write step of loading a header, writing one and loading the settings,
// where a real disk would rarely fail on cue. Each case checks the message
// and that nothing is lost: a refused load or settings load leaves the file
// as it was; a write that fails before writing leaves the file exactly as
// before, to the nanosecond of its last-write time; one that fails after
// writing puts the old bytes back, even when putting the old times back
// fails too, and when the old bytes cannot go back, the changed file never
// gets its old time back; a write whose time step fails still writes the
// header. The
// write step's short write and close failure alone are in write_test.cpp.
#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/scenario/support.h"

namespace scenario {
namespace {

struct Snapshot {
  std::string bytes;
  std::pair<time_t, long> modified;  // seconds, nanoseconds
};

Snapshot Take(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
  return {ReadBytes(path), {st.st_mtim.tv_sec, st.st_mtim.tv_nsec}};
}

void ExpectUnchanged(const Snapshot& now, const Snapshot& before) {
  EXPECT_EQ(now.bytes, before.bytes);
  EXPECT_EQ(now.modified, before.modified);
}

void SetModified(const std::string& path, time_t sec, long nsec) {
  const timespec times[2] = {{0, UTIME_OMIT}, {sec, nsec}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

std::string ErrorLine(std::string_view text) {
  return "box \"Error!\" \"" + std::string(text) + "\" information ok -> ok\n";
}

constexpr time_t kBefore = 1433160000;        // 2015-06-01 12:00:00 UTC
constexpr time_t kStored = 1000000000 + 32400;  // the header date, 2001-09-09 10:46:40, as UTC

class Faults : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(dir.File("vexmorel.cfg"), DefaultSettings(dir.Path()));
    file = dir.File("a.p2");
  }
  // The last-write time has digits below 100 ns, which a FILETIME cannot
  // hold: a step that never wrote must not round it.
  void Fixture() {
    WritePic2(file, ValidHeader(), 300);
    SetModified(file, kBefore, 123456789);
  }
  RunResult Run(const std::string& script) {
    RunResult r = Drive(dir, "exe \"$DIR/vexmorel\"\nenv TZ \"UTC\"\n" + script);
    EXPECT_EQ(r.status, 0) << r.err;
    return r;
  }
  TempDir dir;
  std::string file;
};

TEST_F(Faults, LoadingRefusesOrKeepsTheOldFileDateAndNeverChangesTheFile) {
  struct Case {
    const char* label;
    const char* fault;
    const char* message;  // null: loads
  };
  const Case cases[] = {
      {"open", "fault open 1", "オブジェクトを開けません！"},
      {"short read", "fault read 1", "ファイル長が異常です！"},
      {"close", "fault close 1", "オブジェクトがクローズ出来ません！"},
      {"attributes", "fault attributes 1", "特殊属性のファイルは扱えません!!"},
      {"time: opening the handle", "fault createfile 1", nullptr},
      {"time: reading it", "fault getfiletime 1", nullptr},
  };
  // b.p2 is read first, so that FileStamp holds its date when a.p2's time
  // cannot be read.
  WritePic2(dir.File("b.p2"), ValidHeader());
  SetModified(dir.File("b.p2"), 1614834367, 0);  // 2021-03-04 05:06:07 UTC
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Fixture();
    const Snapshot before = Take(file);
    RunResult r = Run("arg \"$DIR/b.p2\"\nstart\nkey Enter\nanswer yes\nclick BtClose\n"
                      "type EFileName \"$DIR/a.p2\"\n" +
                      std::string(c.fault) +
                      "\nkey Enter\ntext HeaderExist\nenabled BtWrite\ntext Author\n"
                      "text Fyear\ntext Fhour\n");
    const std::string shown = c.message ? ErrorLine(c.message) +
                                              "HeaderExist \"No File\"\nBtWrite enabled=0 "
                                              "usable=0\nAuthor \"\"\nFyear \"\"\nFhour \"\"\n"
                                        : "HeaderExist \"Open !\"\nBtWrite enabled=1 usable=1\n"
                                          "Author \"Taro\"\nFyear \"2021\"\nFhour \"5\"\n";
    EXPECT_EQ(r.out, "pointer 757 379\n"
                     "box \"ヘッダの破棄\" \"ヘッダを破棄し、閉じても構いませんか？\" question "
                     "yes/no -> yes\npointer 757 379\n" +
                         shown);
    ExpectUnchanged(Take(file), before);
  }
}

TEST_F(Faults, WritingLosesNothing) {
  enum class After { AsBefore, SameBytes, Changed, Written };
  struct Case {
    const char* label;
    const char* faults;
    const char* message;  // null: written
    After after;
    time_t modified;      // for a written file: 0 when the time step failed
  };
  const Case cases[] = {
      {"open", "fault open 1", "Pic2 ファイルが開けません", After::AsBefore, 0},
      // A read error while checking the magic is no verdict on the file.
      {"read error checking the old header", "fault read 1", "Pic2 ファイルが開けません",
       After::AsBefore, 0},
      {"times unknown: opening the handle", "fault createfile 1", nullptr, After::Written,
       kStored},
      {"times unknown: reading them", "fault getfiletime 1", nullptr, After::Written, kStored},
      {"new time: opening the handle", "fault createfile 2", nullptr, After::Written, 0},
      {"new time: setting it", "fault setfiletime 1", nullptr, After::Written, 0},
      // Putting the old times back fails too: the old bytes are back all the same.
      {"short write, times not restorable", "fault write 1\nfault setfiletime 1",
       "Pic2 ヘッダの書き込みを失敗しました", After::SameBytes, 0},
      {"short write, no handle for the times", "fault write 1\nfault createfile 2",
       "Pic2 ヘッダの書き込みを失敗しました", After::SameBytes, 0},
      // The old bytes cannot go back: the file keeps the time the failed
      // write gave it.
      {"short write, old header not restorable", "fault write 1\nfault open 2",
       "Pic2 ヘッダの書き込みを失敗しました", After::Changed, 0},
      {"close fails, old header not restorable", "fault close 1\nfault open 2",
       "Pic2 ファイルがクローズ出来ません", After::Changed, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Fixture();
    const Snapshot before = Take(file);
    RunResult r = Run("arg \"$DIR/a.p2\"\nstart\nkey Enter\ntype Author \"Changed\"\n" +
                      std::string(c.faults) +
                      "\nanswer yes\nanswer no\nkey Ctrl+S\nenabled PMain\nenabled BtWrite\n"
                      "autopopup\ntext Author\n");
    const std::string asked =
        "pointer 757 379\nbox \"ヘッダの書込\" \"ヘッダに表示中の情報を書き込んでも構いま"
        "せんか？\" question yes/no -> yes\n";
    const std::string reported =
        c.message ? ErrorLine(c.message)
                  : "box \"ヘッダの破棄\" \"ヘッダを破棄し、閉じても構いませんか？\" question "
                    "yes/no -> no\n";
    EXPECT_EQ(r.out, asked + reported +
                         "PMain enabled=0 usable=0\nBtWrite enabled=1 usable=1\nautopopup 1\n"
                         "Author \"Changed\"\n");

    const Snapshot now = Take(file);
    switch (c.after) {
      case After::AsBefore:
        ExpectUnchanged(now, before);
        break;
      case After::SameBytes:
        EXPECT_EQ(now.bytes, before.bytes);
        break;
      case After::Changed:
        EXPECT_NE(now.bytes, before.bytes);
        EXPECT_NE(now.modified, before.modified);
        EXPECT_EQ(now.bytes.substr(kPic2HeaderSize), before.bytes.substr(kPic2HeaderSize));
        break;
      case After::Written: {
        std::string expected = before.bytes;
        expected.replace(Span(HeaderField::Author).offset, 18, "Changed" + std::string(11, ' '));
        EXPECT_EQ(now.bytes, expected);
        if (c.modified)
          EXPECT_EQ(now.modified.first, c.modified);
        else
          EXPECT_NE(now.modified.first, kStored);
        break;
      }
    }
  }
}

TEST_F(Faults, SettingsLoadReportsAndNeverChangesTheFile) {
  // 22 lines of about 250 bytes: the 22nd ends past byte 4096, where a read
  // cut to half of its 8192 bytes stops. Leading spaces keep the aspect
  // lines numbers.
  std::string large;
  for (int line = 1; line <= 22; ++line) {
    const std::string text = line == 12 || line == 13 ? "1" : "x";
    large += std::string(249, line == 12 || line == 13 ? ' ' : 'x') + text + "\r\n";
  }
  ASSERT_GT(large.size(), 4096u);
  struct Case {
    const char* label;
    bool large;
    const char* fault;
    const char* message;  // null: loads
  };
  const Case cases[] = {
      {"open", false, "fault open 1", "設定ファイルが有りません！"},
      {"short read cutting line 17", true, "fault read 1", "設定ファイルが途切れています！"},
      {"short read of a small file", false, "fault read 1", nullptr},
      {"close", false, "fault close 1", "設定ファイルがクローズ出来ません！"},
  };
  const std::string cfg = dir.File("vexmorel.cfg");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    WriteBytes(cfg, c.large ? large : DefaultSettings(dir.Path()));
    SetModified(cfg, kBefore, 0);
    const Snapshot before = Take(cfg);
    // A failed load leaves no dialog, and the settings command shows the
    // same message again.
    RunResult r = Run(std::string(c.fault) +
                      "\nstart\nexists FConfig\ntext HeaderExist\nenabled PMain\n" +
                      (c.message ? "click BtConfig\nshown FConfig\n" : "text FConfig.AspY\n"));
    const std::string state = "HeaderExist \"No File\"\nPMain enabled=1 usable=1\n";
    if (c.message)
      EXPECT_EQ(r.out, ErrorLine(c.message) + "pointer 757 379\nFConfig absent\n" + state +
                           ErrorLine(c.message) + "FConfig absent\n");
    else
      EXPECT_EQ(r.out, "pointer 757 379\nFConfig exists\n" + state + "FConfig.AspY \"1\"\n");
    ExpectUnchanged(Take(cfg), before);
  }
}

}  // namespace
}  // namespace scenario
