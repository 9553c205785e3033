#include "tests/cli/cli_support.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace clitest {

Started StartCli(const TempDir& dir, const std::vector<std::string>& args, const std::string& input,
                 const EnvChanges& env) {
  static int runs = 0;
  const std::string base = dir.File(".cli" + std::to_string(++runs));
  const std::string inPath = base + ".in";
  Started s{-1, base + ".out", base + ".err"};
  scenario::WriteBytes(inPath, input);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    setenv("XDG_CONFIG_HOME", dir.File(".config").c_str(), 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    unsetenv("LANGUAGE");
    unsetenv("TZ");
    for (const auto& [name, value] : env) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      else unsetenv(name.c_str());
    }
    const int in = open(inPath.c_str(), O_RDONLY);
    const int out = open(s.outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(s.errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<char*> argv{const_cast<char*>(VEXMOREL_CLI)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(VEXMOREL_CLI, argv.data());
    _exit(127);
  }
  s.pid = pid;
  return s;
}

CliResult Finish(const Started& s) {
  int status = 0;
  waitpid(s.pid, &status, 0);
  CliResult r;
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  r.out = scenario::ReadBytes(s.outPath);
  r.err = scenario::ReadBytes(s.errPath);
  return r;
}

CliResult RunCli(const TempDir& dir, const std::vector<std::string>& args, const std::string& input,
                 const EnvChanges& env) {
  return Finish(StartCli(dir, args, input, env));
}

struct stat StatOf(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) throw std::runtime_error("cannot stat " + path);
  return st;
}

void SetTimes(const std::string& path, long long seconds) {
  const timespec times[2] = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
  if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
    throw std::runtime_error("cannot set the times of " + path);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace clitest
