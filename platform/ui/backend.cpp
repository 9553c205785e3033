#include "platform/ui/backend.h"

#include "platform/headless/headless.h"

namespace {
Backend* installed = nullptr;
}

Backend& CurrentBackend() {
  static HeadlessBackend fallback;
  return installed ? *installed : fallback;
}

void InstallBackend(Backend* b) { installed = b; }
