#include "platform/os/process.h"

#include <unistd.h>

#include <climits>
#include <optional>

#include "platform/text/cp932.h"

namespace {
std::vector<std::string> args;
std::optional<std::string> exeOverride;

std::string ToProgramText(const std::string& utf8) {
  if (auto s = cp932::TryFromUtf8(utf8)) return *s;
  return utf8;
}
}  // namespace

std::string ParamStr(int n) {
  if (n < 1 || n > static_cast<int>(args.size())) return {};
  return args[static_cast<std::size_t>(n - 1)];
}

int ParamCount() { return static_cast<int>(args.size()); }

void SetCommandLine(const std::vector<std::string>& cp932Args) { args = cp932Args; }

void SetCommandLineFromMain(int argc, char** argv) {
  args.clear();
  for (int i = 1; i < argc; ++i) args.push_back(ToProgramText(argv[i]));
}

std::string ExecutablePath() {
  if (exeOverride) return *exeOverride;
  char buf[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return {};
  return std::string(buf, static_cast<std::size_t>(n));
}

void SetExecutablePath(const std::string& systemPath) { exeOverride = systemPath; }
