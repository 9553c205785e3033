#include "tools/cli/progress.h"

#include <unistd.h>

#include <cstdio>

#include "tools/cli/messages.h"

namespace cli {

Progress::Progress(std::size_t total) : terminal_(isatty(STDERR_FILENO) == 1), total_(total) {}

void Progress::Update(std::size_t done) {
  if (!terminal_) return;
  const Clock::time_point now = Clock::now();
  if (now - start_ < std::chrono::seconds(1) || now - drawn_ < std::chrono::milliseconds(100))
    return;
  drawn_ = now;
  const double seconds = std::chrono::duration<double>(now - start_).count();
  std::fprintf(stderr, "\r\033[K");
  std::fprintf(stderr, Tr("%zu / %zu files, %.0f files/s").c_str(), done, total_,
               static_cast<double>(done) / seconds);
  std::fflush(stderr);
  shown_ = true;
}

void Progress::Error(std::string_view text) {
  Clear();
  std::fwrite(text.data(), 1, text.size(), stderr);
}

void Progress::Clear() {
  if (!shown_) return;
  std::fprintf(stderr, "\r\033[K");
  std::fflush(stderr);
  shown_ = false;
}

}  // namespace cli
