#include "tools/cli/options.h"

#include <cstdlib>
#include <string_view>

#include "tools/cli/messages.h"
#include "tools/cli/text.h"

namespace cli {
namespace {

constexpr int kMaxJobs = 256;

// Which options each command takes.
struct Allowed {
  bool recursive, format, write, edits;
};

Allowed AllowedFor(Command c) {
  switch (c) {
    case Command::Show: return {true, true, false, false};
    case Command::Set: return {true, false, true, true};
    case Command::Apply: return {false, false, true, false};
    default: return {false, false, false, false};
  }
}

class Parser {
 public:
  Parser(int argc, char** argv) : args_(argv + 1, argv + argc) {}

  Parsed Run() {
    Parsed p;
    if (args_.empty()) return Error(p, Tr("no command given"));
    const std::string_view first = args_[0];
    if (first == "--help" || first == "-h") {
      p.options.command = Command::Help;
      return p;
    }
    if (first == "--version") {
      p.options.command = Command::Version;
      return p;
    }
    if (first == "show") p.options.command = Command::Show;
    else if (first == "set") p.options.command = Command::Set;
    else if (first == "apply") p.options.command = Command::Apply;
    else return Error(p, Tr("unknown command: ") + args_[0]);
    const Allowed allowed = AllowedFor(p.options.command);
    bool formatGiven = false;
    for (std::size_t i = 1; i < args_.size(); ++i) {
      const std::string& arg = args_[i];
      if (arg == "--") {
        for (++i; i < args_.size(); ++i) p.options.operands.push_back(args_[i]);
        break;
      }
      if (arg == "--help" || arg == "-h") {
        p.options.command = Command::Help;
        return p;
      }
      if (arg.size() < 2 || arg[0] != '-' || arg == "-") {
        p.options.operands.push_back(arg);
        continue;
      }
      if (arg[1] != '-') {  // one or more short flags
        for (std::size_t k = 1; k < arg.size(); ++k) {
          if (arg[k] == 'r' && allowed.recursive) p.options.recursive = true;
          else if (arg[k] == 'n' && allowed.write) p.options.dryRun = true;
          else return Error(p, Tr("unknown option: ") + "-" + arg[k]);
        }
        continue;
      }
      const std::size_t eq = arg.find('=');
      const std::string name = arg.substr(0, eq);
      std::optional<std::string> inlineValue;
      if (eq != std::string::npos) inlineValue = arg.substr(eq + 1);
      auto value = [&]() -> std::optional<std::string> {
        if (inlineValue) return inlineValue;
        if (i + 1 < args_.size()) return args_[++i];
        return std::nullopt;
      };
      auto flag = [&](bool ok, bool& target) {
        if (!ok || inlineValue) return false;
        target = true;
        return true;
      };
      if (name == "--recursive") {
        if (!flag(allowed.recursive, p.options.recursive)) return Unknown(p, arg);
      } else if (name == "--dry-run") {
        if (!flag(allowed.write, p.options.dryRun)) return Unknown(p, arg);
      } else if (name == "--backup") {
        if (!flag(allowed.write, p.options.backup)) return Unknown(p, arg);
      } else if (name == "--keep-file-time") {
        if (!flag(allowed.write, p.options.keepFileTime)) return Unknown(p, arg);
      } else if (name == "--json" || name == "--csv") {
        if (!allowed.format || inlineValue) return Unknown(p, arg);
        const Format f = name == "--json" ? Format::Json : Format::Csv;
        if (formatGiven && p.options.format != f)
          return Error(p, Tr("--json and --csv exclude each other"));
        formatGiven = true;
        p.options.format = f;
      } else if (name == "--jobs") {
        const std::optional<std::string> v = value();
        if (!v) return Missing(p, name);
        char* end = nullptr;
        const long n = std::strtol(v->c_str(), &end, 10);
        if (v->empty() || *end != '\0' || n < 1 || n > kMaxJobs)
          return Error(p, Tr("--jobs takes a number from 1 to 256"));
        p.options.jobs = static_cast<int>(n);
      } else if (name == "--settings") {
        if (!allowed.write) return Unknown(p, arg);
        const std::optional<std::string> v = value();
        if (!v) return Missing(p, name);
        p.options.settings = *v;
      } else if (allowed.edits && (name == "--preset" || IsKeyOption(name))) {
        const std::optional<std::string> v = value();
        if (!v) return Missing(p, name);
        Edit e;
        const std::optional<Key> key =
            name == "--preset" ? std::nullopt : KeyNamed(std::string_view(name).substr(2));
        if (std::optional<std::string> why = MakeEdit(key, *v, e))
          return Error(p, name + " \"" + PlainText(PathText(*v)) + "\" " + *why);
        p.options.edits.push_back(std::move(e));
      } else {
        return Unknown(p, arg);
      }
    }
    return Check(p);
  }

 private:
  static bool IsKeyOption(std::string_view name) {
    if (!name.starts_with("--")) return false;
    const std::optional<Key> k = KeyNamed(name.substr(2));
    return k && SpecOf(*k).settable;
  }

  static Parsed Check(Parsed& p) {
    const Options& o = p.options;
    if (o.command == Command::Set && o.edits.empty()) return Error(p, Tr("set needs an edit"));
    if (o.command == Command::Apply && o.operands.size() != 1)
      return Error(p, Tr("apply takes one input, a file or -"));
    if (o.command != Command::Apply && o.operands.empty()) return Error(p, Tr("no PATH given"));
    return p;
  }

  static Parsed Error(Parsed& p, std::string message) {
    p.error = std::move(message);
    return p;
  }
  static Parsed Unknown(Parsed& p, const std::string& arg) {
    return Error(p, Tr("unknown option: ") + arg);
  }
  static Parsed Missing(Parsed& p, const std::string& name) {
    return Error(p, name + Tr(" needs a value"));
  }

  std::vector<std::string> args_;
};

}  // namespace

Parsed ParseArguments(int argc, char** argv) { return Parser(argc, argv).Run(); }

std::string UsageText() {
  return Tr(
      "Usage:\n"
      "  vexmorel-cli show  [-r] [--json | --csv] PATH...\n"
      "  vexmorel-cli set   [-r] [-n] [--backup] [--keep-file-time] [--jobs N]\n"
      "                     [--settings FILE] EDIT... PATH...\n"
      "  vexmorel-cli apply [-n] [--backup] [--keep-file-time] [--jobs N]\n"
      "                     [--settings FILE] FILE.jsonl | -\n"
      "  vexmorel-cli --help | --version\n"
      "\n"
      "Reads and changes the 120-byte headers of Pic2 files (.p2) with the rules\n"
      "of the Vexmorel window.\n"
      "\n"
      "PATH is a file, or with -r a folder: every .p2 file below it.\n"
      "\n"
      "Edits, applied left to right:\n"
      "  --author TEXT  --subtitle TEXT  --title TEXT  --saver TEXT  --number TEXT\n"
      "  --date \"Y-M-D h:m:s\"  --aspect X:Y  --preset LETTERS\n"
      "\n"
      "Options:\n"
      "  -r, --recursive     walk folders\n"
      "  --json, --csv       show as JSON Lines or as CSV\n"
      "  -n, --dry-run       print what would change, write nothing\n"
      "  --backup            copy each file to PATH_original before writing it\n"
      "  --keep-file-time    keep each file's last-write time\n"
      "  --jobs N            work on N files at once\n"
      "  --settings FILE     the settings file for the letters A and O\n"
      "\n"
      "Exit status: 0 all done, 1 some files failed, 2 usage error,\n"
      "128+N stopped by signal N.\n");
}

}  // namespace cli
