#include "tests/soak/actions.h"

#include <algorithm>

#include "forms/fconfig_definition.h"
#include "forms/fm1_definition.h"

namespace soak {
namespace {

// Characters code page 932 holds, some in two codes (①, ⅰ, ¬, ∵, ≒, 髙).
const std::vector<std::string> kKanji = {"山", "田", "花", "子", "漢", "字", "ソ", "表",
                                         "能", "ｱ",  "ｶ",  "ﾅ",  "①", "ⅰ", "¬",  "∵",
                                         "≒", "髙", "～", "－", "絵", "　"};
const std::vector<std::string> kNumbers = {"0",  "1",   "9",     "12",    "31", "99",
                                           "100", "-5", "65535", "65536", " 12x",
                                           "4294967297", "00", "2106", "1979", "4001"};
const std::vector<std::string> kEscapes = {"\\r", "\\n", "\\t", "\\\"", "\\\\"};
const std::vector<std::string> kRawBytes = {"\\x82", "\\xfd", "\\x80", "\\xa0", "\\xff",
                                            "\\x00", "\\x81\\x20", "\\xed\\x40", "\\x7f",
                                            "\\x83\\x5c"};
const std::vector<std::string> kKeys = {
    "Enter",  "Escape", "Space",  "Tab",    "Shift+Tab", "F1",     "F2",     "F5",
    "F6",     "F7",     "F8",     "F10",    "F12",       "Ctrl+O", "Ctrl+M", "Ctrl+S",
    "Ctrl+Q", "Ctrl+F12", "Ctrl+T", "Ctrl+F", "Ctrl+R",  "Alt+O",  "Alt+R",  "Alt+Z",
    "Alt+W",  "Alt+C",  "Alt+D",  "Alt+V",  "Alt+N",     "Alt+T",  "Alt+F",  "Alt+1",
    "Alt+2",  "Alt+3",  "Alt+4",  "Alt+L",  "Alt+A",     "A",      "x",      "7",
    "Ctrl+A", "Shift+F5"};
// Keys that may end the program.
const std::vector<std::string> kEndingKeys = {"Ctrl+F1", "Alt+F4"};
const std::vector<std::string> kZones = {"UTC", "JST-9", "JST", "JST-8", "EST5", "JST  -3"};
const std::vector<std::string> kFaults = {"open",       "read",        "write",
                                          "close",      "attributes",  "createfile",
                                          "getfiletime", "setfiletime"};

// The controls and items that move the program between its states, or fill
// the header: drawn more often than the rest, so that loads, writes and
// discards happen every few dozen actions.
const std::vector<std::string> kBusy = {
    "EFileName", "BtOpen",   "BtRead",   "BtWrite", "BtClose", "BtConfig", "Author",
    "year",      "Number",   "Ippatsu1", "Ippatsu2", "Ippatsu3", "Ippatsu4", "BtAuDef",
    "BtTime",    "BtKyohsei", "Kakikomi", "Yomikomi", "Tojiru",  "Sanshow",  "Kanni1",
    "Nichiji"};

// What brings up a question, and what brings up the open dialog: the answer
// or the choice is queued just before, often.
const std::vector<std::string> kAsking = {"BtWrite", "BtClose", "Kakikomi", "Tojiru",
                                          "Ctrl+S",  "Ctrl+Q"};
const std::vector<std::string> kOpening = {"BtOpen", "Sanshow", "Ctrl+O"};

bool Has(const std::vector<std::string>& v, const std::string& s) {
  return std::find(v.begin(), v.end(), s) != v.end();
}

bool Visual(const char* cls) {
  const std::string c = cls;
  return c != "TPopupMenu" && c != "TOpenDialog";
}

}  // namespace

ActionMaker::ActionMaker(std::mt19937_64& random, const Fixtures& files)
    : random_(random), files_(files) {
  std::vector<std::string> mainNames;
  for (const ComponentDef& d : Fm1Components()) {
    if (!Visual(d.cls)) continue;
    main_.push_back({d.name, d.cls});
    mainNames.push_back(d.name);
    if (Has(kBusy, d.name)) busy_.push_back(main_.back());
  }
  for (const ComponentDef& d : FConfigComponents()) {
    dialog_.push_back({(Has(mainNames, d.name) ? "FConfig." : "") + std::string(d.name), d.cls});
  }
}

std::size_t ActionMaker::Pick(std::size_t n) {
  return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
}

std::string ActionMaker::Path() {
  // A file that loads, mostly; else any fixture, or a name with bytes no
  // file name has.
  const std::size_t roll = Pick(10);
  if (roll == 0) return "\"" + files_.Folder() + "/\\x82\\x20.p2\"";
  return "\"" + PickFrom(roll < 7 ? files_.Loadable() : files_.Paths()) + "\"";
}

std::string ActionMaker::Text() {
  std::string body;
  const std::size_t pieces = 1 + Pick(3);
  for (std::size_t i = 0; i < pieces; ++i) {
    switch (Pick(8)) {
      case 0:
        for (std::size_t n = Pick(13); n > 0; --n)
          body += "abcXYZ019 ./-_"[Pick(14)];
        break;
      case 1: body += PickFrom(kNumbers); break;
      case 2:
        for (std::size_t n = 1 + Pick(6); n > 0; --n) body += PickFrom(kKanji);
        break;
      case 3: body += PickFrom(kEscapes); break;
      case 4: body += PickFrom(kRawBytes); break;
      case 5:
        for (std::size_t n = 1 + Pick(16); n > 0; --n) body += "ADFfNnOoSsTtXx aZ"[Pick(17)];
        break;
      case 6:
        // Over-long: far past every limit but the file name's.
        for (std::size_t n = 150 + Pick(150); n > 0; --n)
          body += Pick(2) ? std::string("w") : PickFrom(kKanji);
        break;
      default: {
        const std::string p = Path();
        body += p.substr(1, p.size() - 2);
        break;
      }
    }
  }
  return "\"" + body + "\"";
}

std::string ActionMaker::LeadIn(const std::string& what) {
  std::string lines;
  if (Has(kAsking, what) && Pick(2))
    for (std::size_t n = 1 + Pick(2); n > 0; --n)
      lines += Pick(3) ? "answer yes\n" : "answer no\n";
  if (Has(kOpening, what) && Pick(5) < 3) lines += "choose " + Path() + "\n";
  return lines;
}

Action ActionMaker::SessionStart() {
  Action a;
  a.script = "exe \"" + PickFrom(files_.Executables()) + "\"\n";
  if (Pick(4) == 0)
    a.script += "screen " + std::to_string(400 + Pick(2000)) + " " +
                std::to_string(300 + Pick(1200)) + "\nframe " + std::to_string(Pick(5)) + " " +
                std::to_string(Pick(40)) + " " + std::to_string(Pick(5)) + " " +
                std::to_string(Pick(5)) + "\n";
  if (Pick(2)) a.script += "arg " + (Pick(8) ? Path() : std::string("\"\"")) + "\n";
  a.script += Pick(4) ? "env TZ \"" + PickFrom(kZones) + "\"\n" : std::string("unsetenv TZ\n");
  if (Pick(10) == 0) {
    // The settings load is the first thing that opens, reads and closes.
    static const std::vector<std::string> kLoadFaults = {"open", "read", "close"};
    a.script += "fault " + PickFrom(kLoadFaults) + " 1\n";
    a.fault = 1;
  }
  a.script += "start\n";
  return a;
}

Action ActionMaker::Act(const Target& t) {
  const std::string& n = t.name;
  const bool edit = t.cls == "TEdit";
  const bool button = t.cls == "TButton" || t.cls == "TCuteButton";
  Action a;
  switch (Pick(edit ? 4 : 3)) {
    case 0:
      a.script = LeadIn(n) + "click " + n + "\n";
      a.mayEnd = n == "Shuwryoh";
      break;
    case 1:
      if (button || Pick(2)) {
        const std::string b = Pick(4) ? "left" : "right";
        a.script = "mouse down " + n + " " + b + "\nmouse up " + n + " " + b +
                   (Pick(4) ? " inside\n" : " outside\n");
      } else {
        a.script = "mouse " + std::string(Pick(2) ? "enter " : "leave ") + n + "\n";
      }
      break;
    case 2: a.script = "focus " + n + "\n"; break;
    default:
      a.script = "type " + n + " " + (n == "EFileName" && Pick(4) ? Path() : Text()) + "\n";
      break;
  }
  return a;
}

Action ActionMaker::Next(bool dialogShown, bool open) {
  if (dialogShown && Pick(10) < 6) return Act(PickFrom(dialog_));
  Action a;
  if (!dialogShown && Pick(10) == 0) {
    static const std::vector<std::string> kRead = {"click BtRead", "key Enter", "key Ctrl+M",
                                                   "click Yomikomi"};
    static const std::vector<std::string> kWrite = {"click BtWrite", "key Ctrl+S",
                                                    "click Kakikomi", "key Alt+W"};
    static const std::vector<std::string> kDiscard = {"click BtClose", "key Ctrl+Q",
                                                      "click Tojiru", "key Alt+C"};
    if (!open)
      a.script = "type EFileName " + Path() + "\n" + PickFrom(kRead) + "\n";
    else
      a.script = LeadIn("BtWrite") + PickFrom(Pick(3) ? kWrite : kDiscard) + "\n";
    return a;
  }
  const std::size_t roll = Pick(100);
  if (roll < 25) return Act(PickFrom(Pick(5) ? main_ : dialog_));
  if (roll < 50) return Act(PickFrom(busy_));
  if (roll < 65) {
    const std::string& key = PickFrom(kKeys);
    a.script = LeadIn(key) + "key " + key + "\n";
  } else if (roll < 77) {
    static const std::vector<std::string> kAnswers = {"yes", "yes", "no", "ok"};
    a.script = "answer " + PickFrom(kAnswers) + "\n";
  } else if (roll < 85) {
    a.script = "choose " + (Pick(5) ? Path() : std::string("cancel")) + "\n";
  } else if (roll < 88) {
    a.script = "move " + std::string(Pick(3) ? "Fm1 " : "FConfig ") +
               std::to_string(static_cast<int>(Pick(2400)) - 200) + " " +
               std::to_string(static_cast<int>(Pick(1400)) - 200) + "\n";
  } else if (roll < 91) {
    a.script = Pick(2) ? "env TZ \"" + PickFrom(kZones) + "\"\n" : "unsetenv TZ\n";
  } else if (roll < 93) {
    // Often two at once, so that one can hit a write and the other its undo.
    for (std::size_t n = 1 + Pick(2); n > 0; --n) {
      a.script += "fault " + PickFrom(kFaults) + " " + std::to_string(1 + Pick(3)) + "\n";
      ++a.fault;
    }
  } else if (roll < 95) {
    const std::string& path = PickFrom(files_.Switchable());
    a.script = "run \"chmod " + std::string(Pick(2) ? "u-w" : "u+w") + " '" + path + "'\"\n";
  } else if (roll < 96) {
    a.script = "close " + std::string(Pick(2) ? "FConfig" : "Fm1") + "\n";
    a.mayEnd = true;
  } else if (roll < 97 && Pick(2)) {
    a.script = "key " + PickFrom(kEndingKeys) + "\n";
    a.mayEnd = true;
  } else {
    a.script = "mouse " + std::string(Pick(2) ? "enter " : "leave ") +
               PickFrom(main_).name + "\n";
  }
  return a;
}

}  // namespace soak
