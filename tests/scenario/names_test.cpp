// File names from the system (command line, open dialog, drop) reach the
// window only when code page 932 holds them exactly: any other name is
// refused before it can open a file, above all the look-alike file whose
// name it would turn into. And the settings file is found in any folder,
// a user's own first.
#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/scenario/support.h"

namespace scenario {
namespace {

constexpr const char* kRefused = "box \"Error!\" \"オブジェクトを開けません！\" information ok -> ok\n";

// A name in the system's form as a script text: every byte past ASCII as
// \xNN, so that any bytes get through unchanged.
std::string ScriptText(const std::string& name) {
  std::string out = "\"";
  for (const char c : name) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80 && b != '"' && b != '\\') {
      out += c;
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", b);
      out += hex;
    }
  }
  return out + "\"";
}

std::pair<std::string, long> Snapshot(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
  return {ReadBytes(path), st.st_mtim.tv_nsec + 1000000000L * (st.st_mtim.tv_sec % 1000)};
}

class Names : public ::testing::Test {
 protected:
  void SetUp() override { WriteBytes(dir.File("vexmorel.cfg"), DefaultSettings(dir.Path())); }
  RunResult Run(const std::string& script) {
    RunResult r = Drive(dir, "exe \"$DIR/vexmorel\"\n" + script);
    EXPECT_EQ(r.status, 0) << r.err;
    return r;
  }
  TempDir dir;
};

struct NameCase {
  const char* label;
  const char* name;       // the file's name in the folder, as the system has it
  const char* lookAlike;  // the name code page 932 would turn it into, or null
};

// Names code page 932 holds exactly: read and written as chosen.
constexpr NameCase kExact[] = {
    {"kanji and kana", "絵のテスト.p2", nullptr},
    {"half-width kana", "ｶﾅ.p2", nullptr},
    {"ASCII", "plain-name_1.p2", nullptr},
};

// Names it cannot hold, or holds as another name: refused, nothing read.
constexpr NameCase kRefusedNames[] = {
    {"accented Latin", "café.p2", nullptr},
    {"Hangul", "한.p2", nullptr},
    {"emoji", "\xf0\x9f\x98\x80.p2", nullptr},
    {"bytes that are no UTF-8", "\xff\xfe.p2", nullptr},
    {"wave dash", "a〜.p2", "a～.p2"},
    {"minus sign", "a−.p2", "a－.p2"},
    {"double vertical line", "a‖.p2", "a∥.p2"},
    {"em dash", "a—.p2", "a―.p2"},
    {"cent sign", "a¢.p2", "a￠.p2"},
    {"pound sign", "a£.p2", "a￡.p2"},
    {"not sign", "a¬.p2", "a￢.p2"},
};

// How each entry point hands the program a name, then Enter reads it.
struct Entry {
  const char* label;
  std::string (*script)(const std::string& nameText);
};

const Entry kEntries[] = {
    {"argument 1", [](const std::string& n) { return "arg system " + n + "\nstart\n"; }},
    {"open dialog",
     [](const std::string& n) { return "start\nchoose system " + n + "\nclick BtOpen\n"; }},
    {"drop", [](const std::string& n) { return "start\ndrop " + n + "\n"; }},
};

const char* kThenRead = "focus EFileName\ntext EFileName\nkey Enter\ntext Author\n";
const char* kThenWrite = "type Author \"Changed\"\nanswer yes\nanswer no\nkey Ctrl+S\n";

TEST_F(Names, ExactNamesAreReadAndWrittenFromEveryEntry) {
  // The longest path a system call takes: 4095 bytes.
  std::string deep = dir.Path();
  while (deep.size() < 4095 - 260) deep += "/" + std::string(200, 'd');
  std::filesystem::create_directories(deep);
  const std::string longest = deep + "/" + std::string(4095 - deep.size() - 4, 'f') + ".p2";
  ASSERT_EQ(longest.size(), 4095u);

  std::vector<std::pair<std::string, std::string>> names;  // label, path
  for (const NameCase& c : kExact) names.emplace_back(c.label, dir.File(c.name));
  names.emplace_back("a path of 4095 bytes", longest);
  for (const auto& [label, path] : names) {
    for (const Entry& e : kEntries) {
      SCOPED_TRACE(std::string(label) + " by " + e.label);
      WritePic2(path, ValidHeader());
      RunResult r = Run(e.script(ScriptText(path)) + kThenRead + kThenWrite + "text Author\n");
      EXPECT_EQ(r.out.find("Error!"), std::string::npos) << r.out;
      EXPECT_NE(r.out.find("EFileName \"" + path + "\"\nAuthor \"Taro\"\n"), std::string::npos)
          << r.out;
      EXPECT_EQ(ReadBytes(path).substr(4, 7), "Changed");
    }
  }
}

TEST_F(Names, OtherNamesAreRefusedAndTheLookAlikeIsNeverTouched) {
  for (const NameCase& c : kRefusedNames) {
    for (const Entry& e : kEntries) {
      SCOPED_TRACE(std::string(c.label) + " by " + e.label);
      const std::string path = dir.File(c.name);
      WritePic2(path, ValidHeader());
      const std::string lookAlike = c.lookAlike ? dir.File(c.lookAlike) : dir.File("none.p2");
      WritePic2(lookAlike, ValidHeader());
      const auto before = Snapshot(lookAlike), chosenBefore = Snapshot(path);
      RunResult r = Run(e.script(ScriptText(path)) + kThenRead + kThenWrite);
      EXPECT_NE(r.out.find(kRefused), std::string::npos) << r.out;
      // Nothing in EFileName, so Enter reads nothing and Write cannot run.
      EXPECT_NE(r.out.find("EFileName \"\"\nAuthor \"\"\n"), std::string::npos) << r.out;
      EXPECT_EQ(Snapshot(lookAlike), before);
      EXPECT_EQ(Snapshot(path), chosenBefore);
    }
  }
}

TEST_F(Names, RefusedArgumentIsReportedOnceTheWindowIsShown) {
  EXPECT_EQ(Run("arg system \"$DIR/caf\\xc3\\xa9.p2\"\nstart\ntext EFileName\n").out,
            std::string("pointer 757 379\n") + kRefused + "EFileName \"\"\n");
}

TEST_F(Names, DropsThatAreNotOneFileInTheNoFileStateAreIgnored) {
  WritePic2(dir.File("a.p2"), ValidHeader());
  WritePic2(dir.File("b.p2"), ValidHeader());
  // Two files: nothing happens. In the open state: nothing either. Under
  // the settings dialog the main window cannot be reached.
  EXPECT_EQ(Run("start\ndrop \"$DIR/a.p2\" \"$DIR/b.p2\"\ntext EFileName\n").out,
            "pointer 757 379\nEFileName \"\"\n");
  EXPECT_EQ(Run("arg \"$DIR/a.p2\"\nstart\nkey Enter\ndrop \"$DIR/b.p2\"\ntext EFileName\n"
                "focused\n")
                .out,
            WithDir(dir, "pointer 757 379\nEFileName \"$DIR/a.p2\"\nfocused year\n"));
  EXPECT_EQ(Run("start\nclick BtConfig\ndrop \"$DIR/a.p2\"\nclick FConfig.BClose\ntext EFileName\n")
                .out.find("ignored Fm1\n") != std::string::npos,
            true);
  // One file: as a choice in the dialog, without moving the pointer.
  EXPECT_EQ(Run("start\ndrop \"$DIR/a.p2\"\ntext EFileName\nfocused\nlastfolder\n").out,
            WithDir(dir, "pointer 757 379\nEFileName \"$DIR/a.p2\"\nfocused EFileName\n"
                         "lastfolder \"$DIR/\"\n"));
}

class UserSettings : public Names {
 protected:
  std::string UserFile() const { return dir.File(".config/vexmorel/vexmorel.cfg"); }
  void MakeUserFile(const std::string& bytes) {
    std::filesystem::create_directories(dir.File(".config/vexmorel"));
    WriteBytes(UserFile(), bytes);
  }
  // The settings as the installed file has them, but another author.
  std::string Hanako() {
    std::string s = DefaultSettings(dir.Path());
    s.replace(s.find("Taro"), 4, "Hanako");
    return s;
  }
};

TEST_F(UserSettings, TheUsersOwnFileIsPreferredAndAFaultyOneReported) {
  const char* ask = "start\ntext FConfig.EAuthor\n";
  // Absent: the installed file.
  EXPECT_EQ(Run(ask).out, "pointer 757 379\nFConfig.EAuthor \"Taro              \"\n");
  // Present: preferred.
  MakeUserFile(Hanako());
  EXPECT_EQ(Run(ask).out, "pointer 757 379\nFConfig.EAuthor \"Hanako            \"\n");
  // Found through HOME when XDG_CONFIG_HOME is unset.
  std::filesystem::create_directories(dir.File("home/.config/vexmorel"));
  std::filesystem::rename(UserFile(), dir.File("home/.config/vexmorel/vexmorel.cfg"));
  EXPECT_EQ(Run(std::string("unsetenv XDG_CONFIG_HOME\nenv HOME \"$DIR/home\"\n") + ask).out,
            "pointer 757 379\nFConfig.EAuthor \"Hanako            \"\n");
  // Faulty: its own message, and no falling back to the installed one.
  std::string bad = Hanako();
  bad.replace(bad.find("\r\n1\r\n"), 5, "\r\n100\r\n");
  MakeUserFile(bad);
  EXPECT_EQ(Run("start\nexists FConfig\n").out,
            "box \"Error!\" \"アスペクト比(横)の値が異常です！\" information ok -> ok\n"
            "pointer 757 379\nFConfig absent\n");
}

TEST_F(UserSettings, AProgramInAFolderNamedInAnyWayFindsItsSettings) {
  std::filesystem::create_directories(dir.File("dé"));
  WriteBytes(dir.File("dé/vexmorel.cfg"), Hanako());
  RunResult r = Drive(dir, "exe \"$DIR/dé/vexmorel\"\nstart\ntext FConfig.EAuthor\n");
  EXPECT_EQ(r.out, "pointer 757 379\nFConfig.EAuthor \"Hanako            \"\n");
}

}  // namespace
}  // namespace scenario
