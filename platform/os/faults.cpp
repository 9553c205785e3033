#include "platform/os/faults.h"

#include <array>
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

}  // namespace

void InjectFault(FileOp op, int nth) {
  if (nth < 1) return;
  OpFaults& f = FaultsOf(op);
  f.failing_calls.insert(f.calls + nth);
}

void ClearFaults() { Faults() = {}; }

int FaultCalls(FileOp op) { return FaultsOf(op).calls; }

bool FaultDue(FileOp op) {
  OpFaults& f = FaultsOf(op);
  ++f.calls;
  return f.failing_calls.erase(f.calls) != 0;
}
