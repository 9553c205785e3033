#include "tests/soak/window_state.h"

#include <variant>

#include "platform/text/cp932.h"
#include "tools/drive/script.h"

namespace soak {
namespace {

// Switched by the two states: enabled in the open state when true.
const std::vector<std::pair<std::string, bool>> kSwitched = {
    {"PMain", false},   {"PHeader", true},  {"BtWrite", true},
    {"Sanshow", false}, {"Yomikomi", false}, {"Config", false},
    {"Kakikomi", true}, {"Tojiru", true},    {"Kanni", true}};
// Enabled in both states; the Kanni items are reachable only with Kanni.
const std::vector<std::string> kAlways = {"Nichiji", "Kyohsei_sikkoh", "Kanni1", "Kanni2",
                                          "Kanni3",  "Kanni4",         "About",  "Shuwryoh",
                                          "HeaderExist"};

std::vector<drive::Token> Tokens(const std::string& line) {
  auto parsed = drive::ParseLine(line);
  if (auto* t = std::get_if<std::vector<drive::Token>>(&parsed)) return *t;
  return {};
}

bool IsKanniItem(const std::string& name) {
  return name == "Nichiji" || name == "Kyohsei_sikkoh" ||
         (name.starts_with("Kanni") && name != "Kanni");
}

}  // namespace

const std::string& StateQuestions() {
  static const std::string questions = [] {
    std::string q;
    for (const auto& [name, open] : kSwitched) q += "enabled " + name + "\n";
    for (const std::string& name : kAlways) q += "enabled " + name + "\n";
    return q + "text HeaderExist\nhint HeaderExist\nautopopup\nshown FConfig\ntext EFileName\n"
               "header\n";
  }();
  return questions;
}

std::size_t StateAnswerCount() { return kSwitched.size() + kAlways.size() + 6; }

std::optional<WindowState> ParseState(const std::vector<std::string>& answers,
                                      std::string& problem) {
  WindowState s;
  std::size_t i = 0;
  auto fail = [&](const std::string& why) {
    problem = why + ": " + (i < answers.size() ? answers[i] : std::string("(missing)"));
    return std::nullopt;
  };
  if (answers.size() != StateAnswerCount()) return fail("wrong number of answers");
  for (; i < kSwitched.size() + kAlways.size(); ++i) {
    const std::vector<drive::Token> t = Tokens(answers[i]);
    if (t.size() != 3 || (t[1].text != "enabled=0" && t[1].text != "enabled=1") ||
        (t[2].text != "usable=0" && t[2].text != "usable=1"))
      return fail("not an enabled answer");
    s.flags[t[0].text] = {t[1].text == "enabled=1", t[2].text == "usable=1"};
  }
  std::vector<drive::Token> t = Tokens(answers[i]);
  if (t.size() != 2 || !t[1].quoted) return fail("not a caption");
  s.caption = t[1].text;
  t = Tokens(answers[++i]);
  if (t.size() != 3 || !t[2].quoted) return fail("not a hint");
  s.hint = t[2].text;
  t = Tokens(answers[++i]);
  if (t.size() != 2 || (t[1].text != "0" && t[1].text != "1")) return fail("not autopopup");
  s.autoPopup = t[1].text == "1";
  t = Tokens(answers[++i]);
  if (t.size() != 2) return fail("not a shown answer");
  s.dialogShown = t[1].text == "shown";
  t = Tokens(answers[++i]);
  if (t.size() != 2 || !t[1].quoted) return fail("not a file name");
  s.fileName = t[1].text;
  t = Tokens(answers[++i]);
  if (t.size() != 2 || t[1].text.size() != 240) return fail("not a header");
  for (std::size_t b = 0; b < 120; ++b)
    s.header += static_cast<char>(std::stoi(t[1].text.substr(2 * b, 2), nullptr, 16));
  return s;
}

std::optional<std::string> StateProblem(const WindowState& s) {
  const bool open = s.Open();
  const std::string state = open ? "open state: " : "no-file state: ";
  for (const auto& [name, inOpen] : kSwitched)
    if (s.flags.at(name).own != (open == inOpen)) return state + name + " has the wrong flag";
  for (const std::string& name : kAlways)
    if (!s.flags.at(name).own) return state + name + " is disabled";
  if (s.caption != (open ? "Open !" : "No File")) return state + "wrong HeaderExist caption";
  if (s.hint != cp932::FromUtf8(open ? "ファイルを開きました" : "ファイルは開かれていません"))
    return state + "wrong HeaderExist hint";
  if (!s.autoPopup) return state + "the popup menu stays off";
  for (const auto& [name, flag] : s.flags) {
    // Under the settings dialog nothing of the main window is reachable;
    // else a control or item is when it and what holds it are enabled.
    bool reachable = flag.own;
    if (IsKanniItem(name)) reachable = s.flags.at("Kanni").own;
    if (s.dialogShown) reachable = false;
    if (flag.usable != reachable) return state + name + " is wrongly reachable or unreachable";
  }
  return std::nullopt;
}

}  // namespace soak
