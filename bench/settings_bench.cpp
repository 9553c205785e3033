// The settings file and a preset: the settings load as the main window's
// construction does it, beside the bare reading of the file (open, one read,
// close) timed in the same iterations; a preset of the longest code that
// counts (14 letters) on an open header.
#include <fcntl.h>
#include <unistd.h>

#include <array>

#include "app/main_window.h"
#include "bench/session.h"
#include "settings/config_dialog.h"
#include "app/presets.h"
#include "app/settings_load.h"
#include "settings/settings_file.h"
#include "settings/settings_reader.h"

namespace {

bool ReadFloor(const std::string& path) {
  static std::array<char, kSettingsReadSize> buffer;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  const ssize_t got = read(fd, buffer.data(), buffer.size());
  close(fd);
  return fd >= 0 && got > 0;
}

// Each load builds a new settings dialog; the one before is dropped
// outside the timed part.
void LoadSettings(benchmark::State& state) {
  Session& s = TheSession();
  Measure measure(state);
  bool floorFirst = false;
  for (auto _ : state) {
    delete FConfig;
    auto load = [&] {
      measure.Begin();
      const std::optional<std::string> message = LoadSettingsFile();
      measure.End();
      return !message && FConfig;
    };
    auto floor = [&] {
      return measure.Reference("floor", [&] { return ReadFloor(s.settingsFile); });
    };
    floorFirst = !floorFirst;
    if (!(floorFirst ? floor() && load() : load() && floor()))
      return state.SkipWithError("the load or a system call failed");
  }
  measure.Report();
}

// Fourteen letters, the most that count, touching every field a preset
// sets; the title copies (T, t) see what F and f set before them.
constexpr const char* kCode14 = "AODNSFfTtXxAOD";

void ApplyPreset14(benchmark::State& state) {
  Session& s = TheSession();
  if (!s.Close() || !s.Open(s.pic2[0]) || !FConfig)
    return state.SkipWithError("cannot open a header");
  Measure measure(state);
  for (auto _ : state) {
    measure.Begin();
    ApplyPreset(*Fm1, *FConfig, kCode14);
    measure.End();
  }
  measure.Report();
}

}  // namespace

BENCHMARK(LoadSettings)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(ApplyPreset14)->UseManualTime()->Unit(benchmark::kMicrosecond);
