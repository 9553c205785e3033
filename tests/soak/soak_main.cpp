// soak [--seed N] [--actions N] [--drive PATH]: see runner.h. Without a
// seed one is drawn and printed; the same seed replays the same soak.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "tests/soak/runner.h"

int main(int argc, char** argv) {
  soak::Options options;
  options.drive = VEXMOREL_DRIVE;
  options.seed = std::random_device{}();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (arg == "--seed" && value) {
      options.seed = std::strtoull(value, nullptr, 10);
    } else if (arg == "--actions" && value) {
      options.actions = std::strtol(value, nullptr, 10);
    } else if (arg == "--drive" && value) {
      options.drive = value;
    } else {
      std::fprintf(stderr, "usage: %s [--seed N] [--actions N] [--drive PATH]\n", argv[0]);
      return 2;
    }
    ++i;
  }
  // The settings variants are the soak's own: no user's settings file.
  setenv("XDG_CONFIG_HOME", "/nonexistent", 1);
  return soak::Run(options);
}
