#include "platform/os/process.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <optional>

#include "platform/os/names.h"

namespace {
std::vector<std::string> args;
std::vector<bool> refused;
std::optional<std::string> exeOverride;
}  // namespace

std::string ParamStr(int n) {
  if (n < 1 || n > static_cast<int>(args.size())) return {};
  return args[static_cast<std::size_t>(n - 1)];
}

int ParamCount() { return static_cast<int>(args.size()); }

bool ParamRefused(int n) {
  return n >= 1 && n <= static_cast<int>(refused.size()) && refused[static_cast<std::size_t>(n - 1)];
}

void SetCommandLine(const std::vector<std::string>& cp932Args) {
  args = cp932Args;
  refused.assign(args.size(), false);
}

void SetSystemCommandLine(const std::vector<std::string>& systemArgs) {
  args.clear();
  refused.clear();
  for (const std::string& a : systemArgs) {
    const std::optional<std::string> name = WindowFileName(a);
    args.push_back(name.value_or(std::string()));
    refused.push_back(!name);
  }
}

void SetCommandLineFromMain(int argc, char** argv) {
  SetSystemCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
}

std::string ExecutablePath() {
  if (exeOverride) return *exeOverride;
  char buf[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return {};
  return std::string(buf, static_cast<std::size_t>(n));
}

void SetExecutablePath(const std::string& systemPath) { exeOverride = systemPath; }
