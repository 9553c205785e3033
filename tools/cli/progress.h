// The progress line: when standard error is a terminal and the work has
// taken more than a second, "done / total files, N files/s" is kept up to
// date on one line (at most ten times a second) and cleared at the end.
// Anything else written to standard error clears it first.
#pragma once

#include <chrono>
#include <cstddef>
#include <string_view>

namespace cli {

class Progress {
 public:
  explicit Progress(std::size_t total);
  ~Progress() { Clear(); }
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  void Update(std::size_t done);
  // Writes `text` to standard error, keeping the line out of its way.
  void Error(std::string_view text);
  void Clear();

 private:
  using Clock = std::chrono::steady_clock;
  bool terminal_;
  bool shown_ = false;
  std::size_t total_;
  Clock::time_point start_ = Clock::now();
  Clock::time_point drawn_{};
};

}  // namespace cli
