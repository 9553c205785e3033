// vexmorel-bench: runs the benchmarks (Google Benchmark flags apply; the
// output is the console table), then prints each operation beside its floor
// and goal, with operator new calls and control texts set per operation.
// With repetitions the medians are shown.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "bench/session.h"

namespace {

struct Figures {
  double time = 0;  // microseconds
  benchmark::UserCounters counters;
  bool median = false;
};

double Microseconds(double t, benchmark::TimeUnit unit) {
  switch (unit) {
    case benchmark::kNanosecond: return t / 1e3;
    case benchmark::kMillisecond: return t * 1e3;
    case benchmark::kSecond: return t * 1e6;
    default: return t;
  }
}

// The console table as usual, keeping each benchmark's figures: the median
// when there are repetitions, else the run itself.
class Collector : public benchmark::ConsoleReporter {
 public:
  Collector() : ConsoleReporter(OO_Tabular) {}
  std::map<std::string, Figures> figures;

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.error_occurred || (run.run_type == Run::RT_Aggregate && !median)) continue;
      Figures& f = figures[run.run_name.function_name];
      if (f.median && !median) continue;
      f = {Microseconds(run.GetAdjustedRealTime(), run.time_unit), run.counters, median};
    }
  }
};

struct Row {
  const char* operation;
  double goal;  // times the floor; 0: none
};

constexpr Row kRows[] = {
    {"LoadAndShow", 2.0},
    {"EncodeAndWrite", 1.2},
    {"LoadSettings", 0},
    {"ApplyPreset14", 0},
};

// "floor" is the bare system calls; "calls" (the load only) every call the
// operation's path makes, made directly.
void PrintSummary(const std::map<std::string, Figures>& figures) {
  std::printf("\n%-15s %9s %9s %8s %5s %9s %8s %9s %8s\n", "operation", "time us", "floor us",
              "x floor", "goal", "calls us", "x calls", "allocs/op", "texts/op");
  for (const Row& row : kRows) {
    const auto it = figures.find(row.operation);
    if (it == figures.end()) continue;
    const Figures& f = it->second;
    auto counter = [&f](const std::string& name) {
      const auto c = f.counters.find(name);
      return c == f.counters.end() ? -1.0 : c->second.value;
    };
    auto reference = [&counter](const char* name) {
      if (counter(std::string("x_") + name) < 0)
        std::printf(" %9s %8s", "-", "-");
      else
        std::printf(" %9.2f %8.2f", counter(std::string(name) + "_us"),
                    counter(std::string("x_") + name));
    };
    std::printf("%-15s %9.2f", row.operation, f.time);
    reference("floor");
    if (row.goal > 0)
      std::printf(" %5.1f", row.goal);
    else
      std::printf(" %5s", "-");
    reference("calls");
    std::printf(" %9.1f %8.1f\n", counter("allocs"), counter("texts"));
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  PrintSummary(collector.figures);
  DestroySession();
  benchmark::Shutdown();
  return 0;
}
