// Reading and writing a header as the user does it, each beside its floor:
// the same file's system calls made directly, nothing else. The load has a
// second reference: every system and C library call that the load path
// makes, in its order, made directly; the difference to it is the program's
// own work. References and operation take turns in the same iterations.
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <array>

#include "app/main_window.h"
#include "app/program.h"
#include "bench/session.h"
#include "platform/ui/dialogs.h"

namespace {

// open, read 120 bytes, close, stat.
bool LoadFloor(const char* path) {
  std::array<char, 120> header;
  struct stat st;
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  const ssize_t got = read(fd, header.data(), header.size());
  close(fd);
  return fd >= 0 && got == 120 && stat(path, &st) == 0;
}

// What the load path calls (strace shows the same): the stream's stat
// before the open, the open and its fstat, which also gives the attributes
// and the file time, the read and the close; the local time.
bool LoadCalls(const char* path) {
  std::array<char, 120> header;
  struct stat st;
  constexpr int kOpen = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
  bool ok = stat(path, &st) == 0;
  const int fd = open(path, kOpen);
  ok = ok && fd >= 0 && fstat(fd, &st) == 0 && read(fd, header.data(), header.size()) == 120;
  close(fd);
  tzset();
  struct tm local;
  return localtime_r(&st.st_mtim.tv_sec, &local) && ok;
}

// open, write 120 bytes, fsync, close, set the last-write time.
bool WriteFloor(const char* path, const std::array<char, 120>& header) {
  static constexpr struct timespec kTimes[2] = {{0, UTIME_OMIT}, {981141906, 0}};
  const int fd = open(path, O_WRONLY | O_CLOEXEC);
  const ssize_t put = write(fd, header.data(), header.size());
  const int synced = fsync(fd);
  const int closed = close(fd);
  return fd >= 0 && put == 120 && synced == 0 && closed == 0 &&
         utimensat(AT_FDCWD, path, kTimes, 0) == 0;
}

// The Read command from the closed state, alternating between two files so
// that every control gets a new text: LoadHeaderFile, then ShowHeader.
void LoadAndShow(benchmark::State& state) {
  Session& s = TheSession();
  Measure measure(state);
  int turn = 0;
  for (auto _ : state) {
    if (!s.Close()) return state.SkipWithError("the header did not close");
    const char* path = s.pic2[turn % 2].c_str();
    Fm1->EFileName->SetText(path);
    auto read = [&] {
      measure.Begin();
      Fm1->BtReadClick(nullptr);
      measure.End();
      return Fm1->HeaderOpen() && s.TakeUnexpected() == 0;
    };
    auto floor = [&] { return measure.Reference("floor", [&] { return LoadFloor(path); }); };
    auto calls = [&] { return measure.Reference("calls", [&] { return LoadCalls(path); }); };
    // Every order in turn, so that none of the three always runs first.
    const bool ok = turn % 3 == 0   ? read() && floor() && calls()
                    : turn % 3 == 1 ? floor() && calls() && read()
                                    : calls() && read() && floor();
    if (!ok) return state.SkipWithError("the load or a system call failed");
    ++turn;
  }
  measure.Report();
}

// The Write command answered Yes, then No to closing, so the header stays
// open: encoding the edits, writing in place with the sync, the file time.
// The floor writes the same bytes over a file of its own.
void EncodeAndWrite(benchmark::State& state) {
  Session& s = TheSession();
  if (!s.Close() || !s.Open(s.writeTarget)) return state.SkipWithError("cannot open the target");
  std::array<char, 120> header;
  for (std::size_t i = 0; i < header.size(); ++i) header[i] = static_cast<char>(Header.bytes[i]);
  Measure measure(state);
  bool floorFirst = false;
  for (auto _ : state) {
    auto write = [&] {
      s.Answer({IDYES, IDNO});
      measure.Begin();
      Fm1->BtWriteClick(nullptr);
      measure.End();
      return Fm1->HeaderOpen() && s.TakeUnexpected() == 0;
    };
    auto floor = [&] {
      return measure.Reference("floor", [&] { return WriteFloor(s.floorTarget.c_str(), header); });
    };
    floorFirst = !floorFirst;
    if (!(floorFirst ? floor() && write() : write() && floor()))
      return state.SkipWithError("the write or a system call failed");
  }
  measure.Report();
}

}  // namespace

BENCHMARK(LoadAndShow)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(EncodeAndWrite)->UseManualTime()->Unit(benchmark::kMicrosecond);
