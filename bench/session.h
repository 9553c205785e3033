// The main window on the headless backend, built once for every benchmark,
// over fixtures the session writes into a temporary folder of its own:
//   two Pic2 files whose every shown field and file time differ, so that
//   loading one after the other changes every control;
//   a Pic2 file to write over, and one for the bare system calls;
//   a settings file beside a pretend executable in that folder.
// Message boxes take their answers from a queue filled before each step; a
// box with no answer queued is counted as unexpected (an error message).
// Measure brackets the timed parts of an iteration: the operation, whose
// time by the steady clock is the iteration's time (the benchmarks run on
// manual time, so set-up between steps is not counted) and whose operator
// new calls and control texts set are counted; and references such as its
// floor, timed in the same iterations so that the ratios hold while the
// machine's load changes. Assumes one thread and one session per process.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/ui/forms.h"

class CountingBackend : public HeadlessBackend {
 public:
  std::size_t texts = 0;
  void Changed(TComponent&, Change what) override {
    if (what == Change::Text) ++texts;
  }
};

class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  CountingBackend backend;
  std::string folder;
  std::string pic2[2];
  std::string writeTarget;
  std::string floorTarget;
  std::string settingsFile;

  // Queues the answers of the next boxes.
  void Answer(std::initializer_list<int> answers);
  // Boxes shown with no answer queued since the last call; resets the count.
  int TakeUnexpected();
  // Names `path` in EFileName and reads it (BtReadClick); false unless the
  // header is open afterwards.
  bool Open(const std::string& path);
  // Closes the open header (BtCloseClick answered Yes); false unless closed.
  bool Close();

 private:
  std::vector<int> answers_;
  std::size_t next_ = 0;
  int unexpected_ = 0;
  TApplication* app_ = nullptr;
};

// Created on first use, destroyed at exit by DestroySession.
Session& TheSession();
void DestroySession();

class Measure {
 public:
  using Clock = std::chrono::steady_clock;
  explicit Measure(benchmark::State& state) : state_(state) {}
  void Begin() {
    allocations_ = AllocationsNow();
    texts_ = TheSession().backend.texts;
    start_ = Clock::now();
  }
  void End() {
    const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    totalAllocations_ += AllocationsNow() - allocations_;
    totalTexts_ += TheSession().backend.texts - texts_;
    operationSeconds_ += seconds;
    state_.SetIterationTime(seconds);
  }
  // Times `work` (which returns false on failure) as the reference `name`.
  template <class Work>
  bool Reference(const char* name, Work work) {
    const Clock::time_point start = Clock::now();
    const bool ok = work();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    references_[name] += seconds;
    return ok;
  }
  // Sets the counters per iteration: "allocs" and "texts"; for each
  // reference, "<name>_us" and "x_<name>" (the operation's time over its).
  void Report();

 private:
  static std::size_t AllocationsNow();
  benchmark::State& state_;
  Clock::time_point start_;
  std::size_t allocations_ = 0, texts_ = 0;
  std::size_t totalAllocations_ = 0, totalTexts_ = 0;
  double operationSeconds_ = 0;
  std::map<std::string, double> references_;  // seconds
};
