// One vexmorel-drive process driven through pipes: script lines go to its
// standard input, its answers come back line by line from its standard
// output (the driver flushes after every line), its standard error goes to
// a file.
//
// Assumes the caller ignores SIGPIPE, so that writing to a driver that has
// died fails instead of ending the soak. Not copyable; the destructor kills
// a driver that is still running.
#pragma once

#include <sys/types.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace soak {

class DriveProcess {
 public:
  DriveProcess(const std::string& drivePath, const std::string& stderrPath);
  ~DriveProcess();
  DriveProcess(const DriveProcess&) = delete;
  DriveProcess& operator=(const DriveProcess&) = delete;

  // False when the driver no longer reads.
  bool Send(std::string_view lines);
  // The next line without its LF; nothing at the end of the output.
  std::optional<std::string> ReadLine();
  // Closes the driver's input, reads what it still prints into `rest` and
  // waits: its exit status, or -1 when a signal ended it.
  int Finish(std::string& rest);

 private:
  pid_t pid_ = -1;
  std::FILE* in_ = nullptr;   // the driver's standard input
  std::FILE* out_ = nullptr;  // its standard output
};

}  // namespace soak
