// The settings reader on small files written into a temporary folder: the
// messages it returns and those the line reader shows itself (caught from
// the headless backend), in order, and the values it takes from the lines.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/messages.h"
#include "platform/headless/headless.h"
#include "platform/os/faults.h"
#include "platform/text/cp932.h"
#include "settings/settings_file.h"

namespace {

constexpr const char* kLong = "1行は250バイト以内です！";
constexpr const char* kLarge = "設定ファイルが大き過ぎます!!";
constexpr const char* kCut = "設定ファイルが途切れています！";
constexpr const char* kBad = "設定ファイルが異常です！";
constexpr const char* kAspX = "アスペクト比(横)の値が異常です！";
constexpr const char* kAspY = "アスペクト比(縦)の値が異常です！";

// Line 1 first; the author "Ken", the folder, aspect 1:1 and four presets.
constexpr const char* kBase[22] = {
    "設定", "", "note", "note", "note", "note", "note", "Ken", "folder", "/srv/絵",  "aspect",
    "1",    "1", "",    "presets", "OFfSNDx", "2", "ASN", "3", "TX",   "4",       ""};

// A table text in UTF-8; one that is not valid UTF-8 is taken as raw code
// page 932 bytes (a double-byte character cut in half).
std::string Bytes(std::string_view text) {
  return cp932::TryFromUtf8(text).value_or(std::string(text));
}

// The base lines with line `number` (1-based; 0: none) replaced by `text`.
std::vector<std::string> Lines(int number = 0, const std::string& text = {}) {
  std::vector<std::string> lines;
  for (const char* l : kBase) lines.push_back(Bytes(l));
  if (number > 0) lines[static_cast<std::size_t>(number - 1)] = text;
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) s += l + "\r\n";
  return s;
}

enum class Field { Author, Dir, AspX, AspY, Preset1, Preset4 };

std::string Value(const SettingsRecord& v, Field f) {
  switch (f) {
    case Field::Author: return std::string(v.DefAuthor, strnlen(v.DefAuthor, sizeof v.DefAuthor));
    case Field::Dir: return std::string(v.DefDir, strnlen(v.DefDir, sizeof v.DefDir));
    case Field::AspX: return std::to_string(v.DefAspX);
    case Field::AspY: return std::to_string(v.DefAspY);
    case Field::Preset1: return std::string(v.DefPreset1, strnlen(v.DefPreset1, 16));
    case Field::Preset4: return std::string(v.DefPreset4, strnlen(v.DefPreset4, 16));
  }
  return {};
}

class SettingsReader : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearFaults();
    char pattern[] = "/tmp/vexmorel-settings-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    backend.onMessageBox = [this](const std::string& text, const std::string&, unsigned) {
      boxes.push_back(cp932::ToUtf8(text));
      return IDOK;
    };
    InstallBackend(&backend);
  }
  void TearDown() override {
    InstallBackend(nullptr);
    ClearFaults();
    std::filesystem::remove_all(dir);
  }
  // Writes `bytes` as the settings file and reads it: the returned message
  // in UTF-8, or "" when it loads.
  std::string Load(const std::string& bytes) {
    std::ofstream(Path(), std::ios::binary) << bytes;
    return Read();
  }
  std::string Read() {
    boxes.clear();
    std::memset(&values, 0x55, sizeof values);
    SettingsNotices notices;
    const SettingsError error = ReadSettingsFile(Path(), values, &notices);
    for (const SettingsNotice n : notices) boxes.push_back(cp932::ToUtf8(Message(n)));
    return cp932::ToUtf8(Message(error));
  }
  std::string Path() const { return dir + "/vexmorel.cfg"; }

  std::string dir;
  HeadlessBackend backend;
  std::vector<std::string> boxes;
  SettingsRecord values;
};

TEST_F(SettingsReader, ValueLines) {
  struct Case {
    const char* label;
    int line;
    const char* text;
    const char* message;  // null: loads
    Field field;
    const char* value;
  };
  static constexpr Case kCases[] = {
      {"as written", 0, "", nullptr, Field::Author, "Ken               "},
      {"empty author", 8, "", nullptr, Field::Author, "(作者不明)        "},
      {"author of 18 bytes", 8, "ABCDEFGHIJKLMNOPQR", nullptr, Field::Author,
       "ABCDEFGHIJKLMNOPQR"},
      {"author of 20 bytes cut inside a character", 8, "ABCDEFGHIJKLMNOPQ\x82\xa0x", nullptr,
       Field::Author, "ABCDEFGHIJKLMNOPQ\x82"},
      {"a lone LF is text", 8, "a\nb", nullptr, Field::Author, "a\nb               "},
      {"folder as written", 0, "", nullptr, Field::Dir, "/srv/絵"},
      {"empty folder", 10, "", nullptr, Field::Dir, ""},
      {"aspect 99", 12, "99", nullptr, Field::AspX, "99"},
      {"aspect 0", 12, "0", nullptr, Field::AspX, "0"},
      {"aspect 05", 12, "05", nullptr, Field::AspX, "5"},
      {"aspect after a space", 12, " 5", nullptr, Field::AspX, "5"},
      {"aspect 5x", 12, "5x", nullptr, Field::AspX, "5"},
      {"aspect x", 12, "x", nullptr, Field::AspX, "0"},
      {"aspect -0", 12, "-0", nullptr, Field::AspX, "0"},
      {"aspect wraps past 32 bits", 12, "4294967297", nullptr, Field::AspX, "1"},
      {"aspect 100", 12, "100", kAspX, Field::AspX, ""},
      {"aspect -1", 12, "-1", kAspX, Field::AspX, ""},
      {"aspect empty", 12, "", kAspX, Field::AspX, ""},
      {"aspect a space only", 12, " ", nullptr, Field::AspX, "0"},
      {"vertical 99", 13, "99", nullptr, Field::AspY, "99"},
      {"vertical 100", 13, "100", kAspY, Field::AspY, ""},
      {"vertical empty", 13, "", kAspY, Field::AspY, ""},
      {"preset of 20 bytes", 16, "ABCDEFGHIJKLMNOPQRST", nullptr, Field::Preset1,
       "ABCDEFGHIJKLM"},
      {"preset of 13 bytes", 16, "NNNNNNNNNNNNX", nullptr, Field::Preset1, "NNNNNNNNNNNNX"},
      {"empty last preset", 0, "", nullptr, Field::Preset4, ""},
      {"last preset", 22, "TX", nullptr, Field::Preset4, "TX"},
      {"0x7F in a skipped line", 3, "a\x7f" "b", nullptr, Field::Author, "Ken               "},
      {"TAB in a skipped line", 3, "a\tb", kBad, Field::Author, ""},
      {"byte 0x1F", 21, "\x1f", kBad, Field::Author, ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    const std::string message = Load(Join(Lines(c.line, Bytes(c.text))));
    EXPECT_EQ(message, c.message ? c.message : "");
    EXPECT_TRUE(boxes.empty());
    if (!c.message) {
      EXPECT_EQ(Value(values, c.field), Bytes(c.value));
      EXPECT_EQ(values.DefAuthor[18], '\0');
      EXPECT_EQ(values.DefDir[256], '\0');
    }
  }
}

TEST_F(SettingsReader, LongLinesWarnOncePerLineAndKeepReading) {
  struct Case {
    int line;
    int length;
    int boxes;
  };
  static constexpr Case kCases[] = {
      {10, 255, 0}, {10, 256, 1}, {10, 257, 1}, {10, 259, 1}, {10, 260, 1}, {10, 2000, 1},
      {1, 255, 0},  {1, 256, 1},  {1, 2000, 1},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE("line " + std::to_string(c.line) + " of " + std::to_string(c.length));
    std::vector<std::string> lines =
        Lines(c.line, std::string(static_cast<std::size_t>(c.length), 'd'));
    lines[1] = std::string(300, 'e');  // another long line: a second message
    EXPECT_EQ(Load(Join(lines)), "");
    EXPECT_EQ(boxes, std::vector<std::string>(static_cast<std::size_t>(c.boxes) + 1, kLong));
    const std::size_t dir =
        c.line == 10 ? static_cast<std::size_t>(std::min(c.length, 256)) : Bytes(kBase[9]).size();
    EXPECT_EQ(Value(values, Field::Dir).size(), dir);
    EXPECT_EQ(Value(values, Field::AspX), "1");
    EXPECT_EQ(Value(values, Field::Preset1), "OFfSNDx");
  }
}

TEST_F(SettingsReader, FileShapes) {
  const std::vector<std::string> lines = Lines();
  const std::string full = Join(lines);
  const std::string head21 = Join({lines.begin(), lines.end() - 1});
  // Fill lines 1 to 21 as written, then a line 22 that runs to `end`.
  auto line22To = [&](std::size_t end, const std::string& tail) {
    return head21 + std::string(end - head21.size(), 'N') + tail;
  };
  auto line21To = [&](std::size_t end) {
    const std::string s = Join({lines.begin(), lines.end() - 2});
    return s + std::string(end - s.size(), 'N') + "\r\n" + "\r\n";
  };
  std::string lfOnly;
  for (const std::string& l : lines) lfOnly += l + "\n";
  std::string overSize = full;
  while (overSize.size() < 9000) overSize += "more text after line 22\r\n";

  struct Case {
    const char* label;
    std::string bytes;
    const char* message;  // "" when it loads
    std::vector<std::string> boxes;
  };
  const Case cases[] = {
      {"empty", "", kCut, {}},
      {"exactly 22 lines", full, "", {}},
      {"21 lines", head21, kCut, {}},
      {"final CR LF missing", full.substr(0, full.size() - 2), kCut, {}},
      {"final LF missing", full.substr(0, full.size() - 1), "", {}},
      {"LF line ends", lfOnly, kCut, {}},
      {"TAB after line 22", full + "x\ty\r\n", kBad, {}},
      {"TAB in a short file: the byte test first", "a\t", kBad, {}},
      {"text after line 22 without CR", full + "garbage", "", {}},
      {"over 8192 bytes, 22 lines inside", overSize, "", {}},
      {"line 22 cut at the 8192nd byte", line22To(9000, ""), kCut, {kLong, kLarge}},
      {"line 22 ends on the 8192nd byte with CR", line22To(8191, "\r\n"), "", {kLong}},
      {"line 21 ends on the 8192nd byte with CR", line21To(8191), kCut, {kLong}},
      {"line 1 runs past 8192 bytes", std::string(8300, 'a') + "\r\n" + full, kCut,
       {kLong, kLarge}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(Load(c.bytes), c.message);
    EXPECT_EQ(boxes, c.boxes);
  }
  EXPECT_EQ(Load(line22To(8191, "\r\n")), "");
  EXPECT_EQ(Value(values, Field::Preset4), "NNNNNNNNNNNNN");
}

TEST_F(SettingsReader, OpenAndCloseFailures) {
  EXPECT_EQ(Read(), "設定ファイルが有りません！");
  std::filesystem::create_directory(Path());
  EXPECT_EQ(Read(), "設定ファイルが有りません！");
  std::filesystem::remove(Path());
  InjectFault(FileOp::StreamClose, 1);
  // The close comes before the byte test.
  EXPECT_EQ(Load("\t"), "設定ファイルがクローズ出来ません！");
  EXPECT_EQ(FaultCalls(FileOp::StreamRead), 1);
}

TEST_F(SettingsReader, LineReaderNeverWritesPastItsBuffer) {
  static SettingsData data;
  const std::string line = std::string(600, 'q') + "\r\nnext\r";
  // Letters beyond the terminating zero: a reader that passes it finds text.
  std::memset(data.bytes, 'z', sizeof data.bytes);
  std::memcpy(data.bytes, line.data(), line.size());
  data.length = static_cast<int>(line.size());
  data.bytes[data.length] = '\0';
  struct {
    SettingsLine line;
    char guard[64];
  } buffer;
  std::memset(&buffer, 0x55, sizeof buffer);
  SettingsNotices notices;
  const int next = ReadSettingsLine(data, buffer.line, 0, &notices);
  EXPECT_EQ(next, 602);
  EXPECT_EQ(LineText(buffer.line), std::string(259, 'q'));
  EXPECT_EQ(buffer.line.back(), '\r');
  EXPECT_EQ(std::string(buffer.guard, sizeof buffer.guard), std::string(64, '\x55'));
  // The last CR is the last byte: the next line would begin past the zero.
  EXPECT_EQ(ReadSettingsLine(data, buffer.line, next), data.length + 1);
  EXPECT_EQ(LineText(buffer.line), "next");
  EXPECT_EQ(ReadSettingsLine(data, buffer.line, data.length + 1), -1);
  EXPECT_EQ(notices, SettingsNotices{SettingsNotice::LongLine});
}

TEST(SettingsFileName, BesideTheExecutable) {
  struct Case {
    const char* exe;
    const char* file;
  };
  static constexpr Case kCases[] = {
      {"/opt/vexmorel/vexmorel", "/opt/vexmorel/vexmorel.cfg"},
      {"/opt/vexmorel/Vexmorel.exe", "/opt/vexmorel/Vexmorel.cfg"},
      {"/opt/a.exe/vexmorel", "/opt/a.exe/vexmorel.cfg"},
      {"/opt/vexmorel.exe.old", "/opt/vexmorel.exe.old.cfg"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.exe);
    EXPECT_EQ(SettingsFilePath(c.exe), c.file);
  }
}

}  // namespace
