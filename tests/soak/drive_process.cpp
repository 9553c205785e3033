#include "tests/soak/drive_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace soak {

DriveProcess::DriveProcess(const std::string& drivePath, const std::string& stderrPath) {
  int toDriver[2], fromDriver[2];
  if (pipe2(toDriver, O_CLOEXEC) != 0 || pipe2(fromDriver, O_CLOEXEC) != 0)
    throw std::runtime_error("pipe failed");
  const int err = open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (err < 0) throw std::runtime_error("cannot open " + stderrPath);
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    dup2(toDriver[0], 0);
    dup2(fromDriver[1], 1);
    dup2(err, 2);
    execl(drivePath.c_str(), drivePath.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(toDriver[0]);
  close(fromDriver[1]);
  close(err);
  in_ = fdopen(toDriver[1], "w");
  out_ = fdopen(fromDriver[0], "r");
}

DriveProcess::~DriveProcess() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    std::string rest;
    Finish(rest);
  }
}

bool DriveProcess::Send(std::string_view lines) {
  if (!in_) return false;
  return std::fwrite(lines.data(), 1, lines.size(), in_) == lines.size() &&
         std::fflush(in_) == 0;
}

std::optional<std::string> DriveProcess::ReadLine() {
  std::string line;
  for (int c; (c = std::fgetc(out_)) != EOF;) {
    if (c == '\n') return line;
    line += static_cast<char>(c);
  }
  if (line.empty()) return std::nullopt;
  return line;
}

int DriveProcess::Finish(std::string& rest) {
  if (in_) std::fclose(in_);
  in_ = nullptr;
  if (out_) {
    for (int c; (c = std::fgetc(out_)) != EOF;) rest += static_cast<char>(c);
    std::fclose(out_);
  }
  out_ = nullptr;
  int status = 0;
  if (pid_ <= 0 || waitpid(pid_, &status, 0) != pid_) return -1;
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace soak
