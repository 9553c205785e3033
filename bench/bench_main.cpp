// vexmorel-bench: runs the benchmarks (Google Benchmark flags apply; the
// output is the console table), then prints each operation as a multiple
// of its floor beside the goal, with operator new calls and control texts
// set per operation. With repetitions the medians are compared.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "bench/session.h"

namespace {

struct Figures {
  double time = 0;  // microseconds
  double allocs = 0;
  double texts = 0;
  bool median = false;
};

// The console table as usual, keeping each benchmark's figures.
class Collector : public benchmark::ConsoleReporter {
 public:
  Collector() : ConsoleReporter(OO_Tabular) {}
  std::map<std::string, Figures> figures;

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      Figures& f = figures[run.run_name.function_name];
      if (f.median && !median) continue;
      f.time = run.GetAdjustedRealTime() *
               (run.time_unit == benchmark::kMillisecond  ? 1000.0
                : run.time_unit == benchmark::kNanosecond ? 0.001
                                                          : 1.0);
      f.allocs = Counter(run, "allocs");
      f.texts = Counter(run, "texts");
      f.median = median;
    }
  }

 private:
  static double Counter(const Run& run, const char* name) {
    const auto it = run.counters.find(name);
    return it == run.counters.end() ? 0 : it->second.value;
  }
};

struct Row {
  const char* operation;
  const char* floor;  // null: no floor
  double goal;        // 0: no goal
};

constexpr Row kRows[] = {
    {"LoadAndShow", "FloorLoad", 3.0},
    {"EncodeAndWrite", "FloorWrite", 1.5},
    {"LoadSettings", "FloorSettingsRead", 0},
    {"ApplyPreset14", nullptr, 0},
};

void PrintSummary(const std::map<std::string, Figures>& figures) {
  std::printf("\n%-16s %10s %10s %7s %6s %9s %9s\n", "operation", "time us", "floor us", "ratio",
              "goal", "allocs/op", "texts/op");
  for (const Row& row : kRows) {
    const auto op = figures.find(row.operation);
    if (op == figures.end()) continue;
    const Figures& f = op->second;
    std::printf("%-16s %10.2f", row.operation, f.time);
    const auto floor = row.floor ? figures.find(row.floor) : figures.end();
    if (floor != figures.end() && floor->second.time > 0)
      std::printf(" %10.2f %7.2f", floor->second.time, f.time / floor->second.time);
    else
      std::printf(" %10s %7s", "-", "-");
    if (row.goal > 0)
      std::printf(" %6.1f", row.goal);
    else
      std::printf(" %6s", "-");
    std::printf(" %9.1f %9.1f\n", f.allocs, f.texts);
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
