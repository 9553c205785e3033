// One table of interaction cases, each played on the headless backend and
// on the real Qt widgets; after every step the two models must agree. A
// case that differs fails naming the step and the lines of both states
// that differ.
#include <gtest/gtest.h>

#include <sstream>
#include <string_view>

#include "tests/contract/fixtures.h"
#include "tests/contract/headless_session.h"
#include "tests/contract/qt_session.h"

namespace contract {
namespace {

struct Case {
  const char* label;
  bool withSettings;
  const char* arg;    // command-line argument 1, or null
  const char* steps;  // one step a line
};

// Reading a.p2 (or another fixture) from the no-file state.
#define READ(file) "type EFileName \"$DIR/" file "\"\nkey Enter\n"

constexpr Case kCases[] = {
    {"start: EFileName focused, the pointer on BtOpen, nothing read", true, nullptr, ""},
    {"start with an argument: EFileName holds it, Enter reads it", true, "$DIR/a.p2",
     "key Enter\n"},
    {"start without settings: the message, then BtConfig says it again", false, nullptr,
     "click BtConfig\nkey Alt+Z\n"},

    // Typed, pasted, committed and dropped text.
    {"typing stops at the byte limit, a double-byte character at the limit is refused", true,
     nullptr,
     READ("a.p2") "type SubTitle \"主題のテストabc\"\n"
                  "type Author \"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ\"\n"
                  "type MainTitle \"abcdefghijklmnopqrstuvwxyz012表\"\n"
                  "type AspX \"123\"\ntype Number \"6553５\"\n"},
    {"a paste longer than the limit keeps what fits whole", true, nullptr,
     READ("blank.p2") "paste SubTitle \"主題のテストabcdefghij\"\n"
                      "paste Author \"ABCDEFGHIJKLMNOPQRSTUVWXYZ\"\n"
                      "paste Author \"more\"\npaste year \"20011\"\n"},
    {"a paste into the settings dialog keeps what fits whole", true, nullptr,
     "click BtConfig\ntype EAuthor \"ABC\"\npaste EAuthor \"ABCDEFGHIJKLMNOPQRSTUVWXYZ\"\n"
     "paste FConfig.AspX \"１２\"\nkey Enter\n"},
    {"an input-method commit longer than the limit keeps what fits whole", true, nullptr,
     READ("blank.p2") "commit SubTitle \"主題のテストabcdefghij\"\ncommit AspX \"１２\"\n"
                      "commit MainTitle \"ｱｲｳ\"\n"},
    {"dropped text never reaches an edit", true, nullptr,
     "drop EFileName \"/tmp/x.p2\"\n" READ("a.p2") "drop Author \"dropped\"\n"
                                                   "drop MainTitle \"dropped\"\n"},
    {"one file dropped in the no-file state is a choice in the open dialog", true, nullptr,
     "dropfiles EFileName \"$DIR/a.p2\"\nkey Enter\n"},
    {"a file dropped on an edit, two files, or in the open state: nothing", true, nullptr,
     "dropfiles BtOpen \"$DIR/a.p2\" \"$DIR/odd.p2\"\n" READ("a.p2")
     "dropfiles Author \"$DIR/odd.p2\"\ndropfiles MainTitle \"$DIR/blank.p2\"\n"},
    {"a dropped name the window cannot hold is refused", true, nullptr,
     "dropfiles EFileName \"$DIR/波〜.p2\"\ndropfiles Author \"$DIR/a.p2\"\n"},
    {"odd bytes survive an edit elsewhere and a write", true, nullptr,
     READ("odd.p2") "paste Author \"Z\"\ntype SaverName \"ｾｰﾊﾞｰ\"\n"
                    "answer yes\nanswer no\nclick BtWrite\n"},

    // Key routing.
    {"shortcuts act with the focus on an edit", true, nullptr,
     READ("a.p2") "click Author\nkey Ctrl+T\nkey Ctrl+F\nkey F5\nkey Ctrl+A\nkey Ctrl+O\n"
                  "answer no\nkey Ctrl+Q\nkey Ctrl+M\n"},
    {"keys with the focus on a push button", true, nullptr,
     READ("a.p2") "click Author\nkey Shift+Tab\nkey Shift+Tab\nkey Space\nkey Enter\nkey V\n"
                  "key Escape\nkey Ctrl+F\nkey Tab\n"},
    {"keys with the focus on the bevel button", true, nullptr,
     READ("a.p2") "click Author\nkey Shift+Tab\nkey Ctrl+T\nanswer no\nkey Space\n"
                  "answer no\nkey Enter\nkey Escape\nkey W\nkey Tab\n"},
    {"Alt accelerators in both states", true, nullptr,
     "choose cancel\nkey Alt+O\n" READ("a.p2") "key Alt+D\nkey Alt+N\nkey Alt+V\nkey Alt+1\n"
                                                "key Alt+T\nanswer no\nkey Alt+W\nkey Alt+R\n"
                                                "answer yes\nkey Alt+C\nkey Alt+Z\n"},
    {"Enter clicks the default button; Escape does nothing", true, nullptr,
     "type EFileName \"$DIR/nothing.p2\"\nkey Escape\nkey Enter\n"
     "type EFileName \"$DIR/a.p2\"\nkey Enter\nclick year\nkey Enter\n"},

    // The popup menu.
    {"the popup menu in the no-file state", true, nullptr,
     "choose cancel\nclick Sanshow\nclick Kakikomi\nclick Tojiru\nclick Kanni1\nclick Nichiji\n"
     "click About\ntype EFileName \"$DIR/a.p2\"\nclick Yomikomi\n"},
    {"the popup menu in the open state, submenu included", true, nullptr,
     READ("a.p2") "click Sanshow\nclick Config\nclick Nichiji\nclick Kyohsei_sikkoh\n"
                  "click Kanni2\nanswer no\nclick Tojiru\nanswer no\nanswer no\nclick Kakikomi\n"
                  "answer yes\nclick Tojiru\n"},

    // Message boxes.
    {"message boxes: the answer, the default button, Alt+Y and Alt+N", true, nullptr,
     READ("a.p2") "answer enter\nclick BtClose\nanswer space\nclick BtClose\n"
                  "answer alt+n\nclick BtClose\nanswer enter\nkey F1\n"
                  "answer alt+y\nanswer alt+n\nclick BtWrite\nanswer alt+y\nclick BtClose\n"},

    // The open dialog.
    {"the open dialog: a choice, then a cancel", true, nullptr,
     "choose \"$DIR/a.p2\"\nclick BtOpen\nchoose cancel\nclick BtOpen\nkey Enter\n"},
    {"the open dialog: a name the window cannot hold is refused", true, nullptr,
     "choose system \"$DIR/波〜.p2\"\nclick BtOpen\nchoose \"$DIR/a.p2\"\nkey Alt+O\n"},

    // The settings dialog.
    {"the settings dialog is modal and keeps its texts", true, nullptr,
     "click BtConfig\nclick BtOpen\nkey Ctrl+O\nkey Escape\ntype FConfig.AspX \"12\"\n"
     "key Alt+L\nanswer ok\nkey Alt+W\nkey Enter\nclick BtConfig\nclick BClose\n"},

    // The bevel button under the pointer.
    {"the bevel button follows the pointer and the left button", true, nullptr,
     READ("a.p2") "mouse enter BtWrite\nmouse down BtWrite left\n"
                  "mouse up BtWrite left outside\nmouse leave BtWrite\n"
                  "answer no\nclick BtWrite\n"},

    {"the program ends on Ctrl+F1, and nothing acts after", true, nullptr,
     "key Ctrl+F1\nkey Enter\n"},
};

#undef READ

std::vector<std::string> Lines(const Fixtures& f, std::string_view steps) {
  std::vector<std::string> lines;
  std::istringstream in{std::string(steps)};
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) lines.push_back(f.Expand(line));
  return lines;
}

std::vector<std::string> Split(const std::string& state) {
  std::vector<std::string> lines;
  std::istringstream in(state);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The lines of two states that differ, side by side.
std::string Difference(const std::string& a, const std::string& b) {
  const std::vector<std::string> x = Split(a), y = Split(b);
  std::string out;
  for (std::size_t i = 0; i < std::max(x.size(), y.size()); ++i) {
    const std::string& l = i < x.size() ? x[i] : std::string("(none)");
    const std::string& r = i < y.size() ? y[i] : std::string("(none)");
    if (l != r) out += "  headless: " + l + "\n  qt:       " + r + "\n";
  }
  return out;
}

TEST(Contract, BothBackendsAgreeAfterEveryStep) {
  Fixtures files;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    const std::vector<std::string> steps = Lines(files, c.steps);
    Start start{c.withSettings ? files.Exe() : files.ExeWithoutSettings(), std::nullopt};
    if (c.arg) start.arg = files.Expand(c.arg);

    files.Make();
    HeadlessSession headless;
    const std::vector<std::string> expected = headless.Play(start, steps);
    files.Make();
    QtSession qt;
    const std::vector<std::string> actual = qt.Play(start, steps);

    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      if (expected[i] == actual[i]) continue;
      ADD_FAILURE() << (i == 0 ? std::string("after the start") : "after step " + std::to_string(i) +
                                                                      " `" + steps[i - 1] + "`")
                    << ", the backends differ:\n"
                    << Difference(expected[i], actual[i]);
      break;
    }
  }
}

}  // namespace
}  // namespace contract
