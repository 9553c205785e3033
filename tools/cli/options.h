// The command line's arguments: the command, its options and edits in the
// order given, and its operands (PATHs, or the one input of `apply`).
// Options may come before, between or after the operands; "--" ends them.
// A value follows its option as the next argument or after "=".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/cli/edits.h"
#include "tools/cli/output.h"

namespace cli {

enum class Command { Show, Set, Apply, Help, Version };

struct Options {
  Command command = Command::Help;
  bool recursive = false;
  bool dryRun = false;
  bool backup = false;
  bool keepFileTime = false;
  Format format = Format::Plain;
  int jobs = 1;
  std::optional<std::string> settings;
  std::vector<Edit> edits;
  std::vector<std::string> operands;
};

// The options, or the usage error's message.
struct Parsed {
  Options options;
  std::string error;
};

Parsed ParseArguments(int argc, char** argv);

// The text of --help.
std::string UsageText();

}  // namespace cli
