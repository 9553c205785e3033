// Running the built vexmorel-cli (and the driver, through the scenario
// support) over fixtures in a temporary folder.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/scenario/support.h"

namespace clitest {

using scenario::TempDir;

struct CliResult {
  std::string out;
  std::string err;
  int status = -1;  // the exit status, or 128 + the signal that ended it
};

// Environment changes for one run: a value, or nothing to unset it.
using EnvChanges = std::vector<std::pair<std::string, std::optional<std::string>>>;

// A started vexmorel-cli; Finish waits for it.
struct Started {
  pid_t pid = -1;
  std::string outPath, errPath;
};

// Starts vexmorel-cli with `args`, standard input from `input`, in an
// environment where the user's own settings never leak in
// ($DIR/.config), messages are English (LC_ALL=C.UTF-8) and TZ is unset,
// then `env` applied.
Started StartCli(const TempDir& dir, const std::vector<std::string>& args,
                 const std::string& input = "", const EnvChanges& env = {});
CliResult Finish(const Started& s);
CliResult RunCli(const TempDir& dir, const std::vector<std::string>& args,
                 const std::string& input = "", const EnvChanges& env = {});

struct stat StatOf(const std::string& path);
// Sets the access and modification time to `seconds` since 1970 (UTC).
void SetTimes(const std::string& path, long long seconds);

// The lines of `text`.
std::vector<std::string> Lines(const std::string& text);

}  // namespace clitest
