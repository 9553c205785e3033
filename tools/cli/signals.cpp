#include "tools/cli/signals.h"

#include <csignal>

namespace cli {
namespace {

std::atomic<int> stopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");

void OnSignal(int number) {
  int none = 0;
  stopSignal.compare_exchange_strong(none, number);
}

}  // namespace

const std::atomic<int>& CatchStopSignals() {
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  // The file in hand must not see an interrupted system call.
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  return stopSignal;
}

}  // namespace cli
