#include "platform/os/faults.h"

#include <array>
#include <mutex>
#include <set>

namespace {

constexpr std::size_t kOpCount = static_cast<std::size_t>(FileOp::SetFileTime) + 1;

struct OpFaults {
  int calls = 0;
  std::set<int> failing_calls;  // call numbers, counted like `calls`
};

std::array<OpFaults, kOpCount>& Faults() {
  static std::array<OpFaults, kOpCount> faults;
  return faults;
}

OpFaults& FaultsOf(FileOp op) { return Faults()[static_cast<std::size_t>(op)]; }

// The services may run on several threads at once (the command line's
// --jobs); the counts must not race.
std::mutex& Lock() {
  static std::mutex lock;
  return lock;
}

}  // namespace

void InjectFault(FileOp op, int nth) {
  if (nth < 1) return;
  const std::lock_guard<std::mutex> hold(Lock());
  OpFaults& f = FaultsOf(op);
  f.failing_calls.insert(f.calls + nth);
}

void ClearFaults() {
  const std::lock_guard<std::mutex> hold(Lock());
  Faults() = {};
}

int FaultCalls(FileOp op) {
  const std::lock_guard<std::mutex> hold(Lock());
  return FaultsOf(op).calls;
}

bool FaultDue(FileOp op) {
  const std::lock_guard<std::mutex> hold(Lock());
  OpFaults& f = FaultsOf(op);
  ++f.calls;
  return f.failing_calls.erase(f.calls) != 0;
}
