// One-shot presets through the driver: a table of codes typed into the
// settings dialog, applied with F5 to a file that is open, checked through
// the main window's fields and through the header a following write stores;
// the pointer afterwards; and the commands when the settings did not load.
#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "header/conversions.h"
#include "platform/text/cp932.h"
#include "tests/scenario/support.h"

namespace scenario {
namespace {

// The fields a preset may change, in the order they are asked.
constexpr const char* kFields[] = {"Author", "SubTitle", "MainTitle", "SaverName", "Number",
                                   "year",   "month",    "day",       "hour",      "min",
                                   "sec",    "AspX",     "AspY"};

constexpr const char* kLongName = "abcdefghijklmnopqrstuvwxyz0123456789ABCD.p2";
constexpr const char* kSaver = "Vexmorelix  ver.0.1/Win32/Rumo";

// ValidHeader as shown under TZ=UTC.
const std::map<std::string, std::string> kShown = {
    {"Author", "Taro"}, {"SubTitle", "Sub"}, {"MainTitle", "Title"}, {"SaverName", "Saver"},
    {"Number", "7"},    {"year", "2001"},    {"month", "9"},         {"day", "9"},
    {"hour", "10"},     {"min", "46"},       {"sec", "40"},          {"AspX", "4"},
    {"AspY", "3"}};

// The file's date, 2020-02-29 13:14:15 UTC, as the letter D copies it.
constexpr const char* kFileDate = "year=2020|month=2|day=29|hour=13|min=14|sec=15";

// "Name=value|Name=value" over the fields as shown.
std::map<std::string, std::string> After(std::string changes) {
  std::map<std::string, std::string> fields = kShown;
  std::istringstream in(changes);
  for (std::string item; std::getline(in, item, '|');)
    fields[item.substr(0, item.find('='))] = item.substr(item.find('=') + 1);
  return fields;
}

Pic2Header ParseHeader(const std::string& out) {
  Pic2Header h;
  const std::size_t at = out.find("header ");
  if (at == std::string::npos) return h;
  for (std::size_t i = 0; i < h.bytes.size(); ++i)
    h.bytes[i] = static_cast<std::uint8_t>(std::stoi(out.substr(at + 7 + 2 * i, 2), nullptr, 16));
  return h;
}

class Presets : public ::testing::Test {
 protected:
  void SetUp() override { WriteBytes(dir.File("vexmorel.cfg"), DefaultSettings(dir.Path())); }
  // A fixture named `name` with the fixed file date.
  void Fixture(const std::string& name) {
    WritePic2(dir.File(name), ValidHeader());
    const timespec times[2] = {{1582982055, 0}, {1582982055, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, dir.File(name).c_str(), times, 0), 0);
  }
  std::string Run(std::string_view script) {
    RunResult r = Drive(dir, "exe \"$DIR/vexmorel\"\nenv TZ \"UTC\"\n" + std::string(script));
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  }
  TempDir dir;
};

TEST_F(Presets, CodesFillTheFieldsAndTheWriteStoresThem) {
  struct Case {
    const char* label;
    const char* code;  // as the driver types it
    const char* file;
    std::string changes;
  };
  const std::string dated = std::string(kFileDate) + "|";
  const Case cases[] = {
      {"empty code", "", "sample.p2", ""},
      {"a space ends the code", "F T", "sample.p2", "MainTitle=sample"},
      {"a leading space leaves nothing", " F", "sample.p2", ""},
      {"F and f", "Ff", "sample.p2", "MainTitle=sample|SubTitle=sample"},
      {"inner dot kept", "Ff", "archive.tar.p2", "MainTitle=archive.tar|SubTitle=archive."},
      {"long name cut to 30 and 8", "Ff", kLongName,
       "MainTitle=abcdefghijklmnopqrstuvwxyz0123|SubTitle=abcdefgh"},
      {"FT copies the new main title", "FT", kLongName,
       "MainTitle=abcdefghijklmnopqrstuvwxyz0123|SubTitle=abcdefgh"},
      {"TF copies the old main title", "TF", kLongName,
       "SubTitle=Title|MainTitle=abcdefghijklmnopqrstuvwxyz0123"},
      {"ft copies the subtitle stem", "ft", kLongName, "SubTitle=abcdefgh|MainTitle=abcdefgh"},
      {"tf copies the old subtitle", "tf", kLongName, "MainTitle=Sub|SubTitle=abcdefgh"},
      {"X", "X", "sample.p2", "hour=12|min=0|sec=0"},
      {"x", "x", "sample.p2", "hour=0|min=0|sec=0"},
      {"capitals", "ONSAD", "sample.p2",
       dated + "Author=Taro              |Number=1|SaverName=" + kSaver + "|AspX=1|AspY=1"},
      {"lower case as capitals", "onsad", "sample.p2",
       dated + "Author=Taro              |Number=1|SaverName=" + kSaver + "|AspX=1|AspY=1"},
      {"14 bytes all count", "zzzzzzzzzzzzzX", "sample.p2", "hour=12|min=0|sec=0"},
      // ア is 0x83 0x41 ("A"), ハ 0x83 0x6E ("n").
      {"second bytes of double-byte characters", "アハ", "sample.p2", "AspX=1|AspY=1|Number=1"},
      {"the shipped first preset", "OFfSNDx", "sample.p2",
       dated + "Author=Taro              |MainTitle=sample|SubTitle=sample|SaverName=" + kSaver +
           "|Number=1|hour=0|min=0|sec=0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Fixture(c.file);
    std::string script = "arg \"$DIR/" + std::string(c.file) + "\"\nstart\nmove Fm1 100 50\n" +
                         "click BtConfig\ntype EIppatsu1 \"" + c.code + "\"\nclick BClose\n" +
                         "click BtRead\nkey F5\n";
    for (const char* f : kFields) script += "text " + std::string(f) + "\n";
    script += "answer yes\nanswer no\nclick BtWrite\nheader\n";
    const std::string out = Run(script);

    const std::map<std::string, std::string> fields = After(c.changes);
    std::string expected = "pointer 757 379\npointer 408 323\npointer 359 140\n";
    for (const char* f : kFields) expected += std::string(f) + " \"" + fields.at(f) + "\"\n";
    EXPECT_EQ(out.substr(0, out.find("box ")), expected);

    // The write stores exactly what the fields show.
    const Pic2Header stored = ParseHeader(out);
    Pic2Header wanted = stored;
    auto text = [&](HeaderField f, const char* name) {
      EncodeTextField(wanted, cp932::FromUtf8(fields.at(name)), Span(f).offset, Span(f).width);
    };
    text(HeaderField::Author, "Author");
    text(HeaderField::SubTitle, "SubTitle");
    text(HeaderField::MainTitle, "MainTitle");
    text(HeaderField::SaverName, "SaverName");
    EncodeNumber(wanted, fields.at("Number"), Span(HeaderField::Number).offset);
    EncodeNumber(wanted, fields.at("AspX"), Span(HeaderField::AspectX).offset);
    EncodeNumber(wanted, fields.at("AspY"), Span(HeaderField::AspectY).offset);
    EXPECT_TRUE(HasPic2Magic(stored));
    EXPECT_EQ(stored.bytes, wanted.bytes);
  }
}

TEST_F(Presets, EachButtonAndKeyReadsItsOwnField) {
  Fixture("a.p2");
  EXPECT_EQ(Run(R"(arg "$DIR/a.p2"
start
click BtConfig
type EIppatsu1 "N"
type EIppatsu2 "X"
type EIppatsu3 "S"
type EIppatsu4 "A"
click BClose
click BtRead
key F6
text hour
click Ippatsu3
text SaverName
click Kanni4
text AspX
click Ippatsu1
text Number
)"),
            "pointer 757 379\npointer 1009 610\npointer 960 427\nhour \"12\"\npointer 960 427\n"
            "SaverName \"Vexmorelix  ver.0.1/Win32/Rumo\"\npointer 960 427\nAspX \"1\"\n"
            "pointer 960 427\nNumber \"1\"\n");
}

TEST_F(Presets, WithoutSettingsTheCommandsShowTheLoadMessage) {
  // The load stops at the horizontal aspect; that message comes back, and
  // nothing changes: no field, no pointer, no dialog.
  std::string settings = DefaultSettings(dir.Path());
  settings.replace(settings.find("aspect\r\n1\r\n"), 10, "aspect\r\n100\r\n");
  WriteBytes(dir.File("vexmorel.cfg"), settings);
  Fixture("a.p2");
  const std::string box =
      "box \"Error!\" \"アスペクト比(横)の値が異常です！\" information ok -> ok\n";
  EXPECT_EQ(Run(R"(arg "$DIR/a.p2"
start
click BtConfig
key Ctrl+F12
click Config
exists FConfig
click BtRead
click BtAuDef
key F5
click Ippatsu2
click Kanni4
text Author
text Number
pointer
)"),
            box + "pointer 757 379\n" + box + box + box + "FConfig absent\n" + box + box + box +
                box + "Author \"Taro\"\nNumber \"7\"\npointer 757 379\n");
}

}  // namespace
}  // namespace scenario
