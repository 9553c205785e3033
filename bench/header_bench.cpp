// Reading and writing a header as the user does it, each beside its floor:
// the same file's system calls made directly, nothing else.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>

#include "app/main_window.h"
#include "bench/session.h"
#include "platform/ui/dialogs.h"

namespace {

// The Read command from the closed state, alternating between two files so
// that every control gets a new text: LoadHeaderFile, then ShowHeader.
void LoadAndShow(benchmark::State& state) {
  Session& s = TheSession();
  Measure measure(state);
  int which = 0;
  for (auto _ : state) {
    if (!s.Close()) return state.SkipWithError("the header did not close");
    Fm1->EFileName->SetText(s.pic2[which]);
    which ^= 1;
    measure.Begin();
    Fm1->BtReadClick(nullptr);
    measure.End();
    if (!Fm1->HeaderOpen() || s.TakeUnexpected() != 0)
      return state.SkipWithError("the header did not open");
  }
  measure.Report();
}

void FloorLoad(benchmark::State& state) {
  Session& s = TheSession();
  Measure measure(state);
  std::array<char, 120> buffer;
  struct stat st;
  int which = 0;
  for (auto _ : state) {
    const char* path = s.pic2[which].c_str();
    which ^= 1;
    measure.Begin();
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    const ssize_t got = read(fd, buffer.data(), buffer.size());
    close(fd);
    const int statted = stat(path, &st);
    measure.End();
    if (fd < 0 || got != 120 || statted != 0) return state.SkipWithError("a system call failed");
  }
  measure.Report();
}

// The Write command answered Yes, then No to closing, so the header stays
// open: encoding the edits, writing in place with the sync, the file time.
void EncodeAndWrite(benchmark::State& state) {
  Session& s = TheSession();
  if (!s.Close() || !s.Open(s.writeTarget)) return state.SkipWithError("cannot open the target");
  Measure measure(state);
  for (auto _ : state) {
    s.Answer({IDYES, IDNO});
    measure.Begin();
    Fm1->BtWriteClick(nullptr);
    measure.End();
    if (!Fm1->HeaderOpen() || s.TakeUnexpected() != 0)
      return state.SkipWithError("the write failed");
  }
  measure.Report();
}

void FloorWrite(benchmark::State& state) {
  Session& s = TheSession();
  Measure measure(state);
  std::array<char, 120> header;
  {
    const int fd = open(s.floorTarget.c_str(), O_RDONLY | O_CLOEXEC);
    const bool got = fd >= 0 && read(fd, header.data(), header.size()) == 120;
    if (fd >= 0) close(fd);
    if (!got) return state.SkipWithError("cannot read the floor's file");
  }
  const struct timespec times[2] = {{0, UTIME_OMIT}, {981141906, 0}};
  const char* path = s.floorTarget.c_str();
  for (auto _ : state) {
    measure.Begin();
    const int fd = open(path, O_WRONLY | O_CLOEXEC);
    const ssize_t put = write(fd, header.data(), header.size());
    const int synced = fsync(fd);
    const int closed = close(fd);
    const int timed = utimensat(AT_FDCWD, path, times, 0);
    measure.End();
    if (fd < 0 || put != 120 || synced != 0 || closed != 0 || timed != 0)
      return state.SkipWithError("a system call failed");
  }
  measure.Report();
}

}  // namespace

BENCHMARK(FloorLoad)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadAndShow)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(FloorWrite)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(EncodeAndWrite)->UseManualTime()->Unit(benchmark::kMicrosecond);
