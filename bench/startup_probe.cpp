// vexmorel-startup-probe [--settle-ms N] [--timeout-ms N] PROGRAM [ARG...]
//
// Starts PROGRAM on $DISPLAY and measures how long it takes from its exec to
// the first mapping of a new top-level window, then, after a settle time
// (default 300 ms) for the first paint, ends it with SIGTERM and reports its
// peak resident memory. Prints one line:
//   map_ms=<ms> maxrss_kb=<wait4's ru_maxrss> hwm_kb=<VmHWM just before>
// Exits 0 on success; 1 when no window was mapped before the timeout
// (default 10 s) or the program ended first; 2 on wrong usage.
//
// The probe listens for SubstructureNotify on the root window, so it sees
// top-level windows only while no window manager reparents them (a bare
// Xvfb). The child is forked before the display connection is opened and
// waits on a pipe, so that its memory before the exec is the probe's
// smallest and the clock starts just before the exec.
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace {

double NowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

long HighWaterKb(pid_t pid) {
  const std::string path = "/proc/" + std::to_string(pid) + "/status";
  std::FILE* f = std::fopen(path.c_str(), "r");
  if (!f) return -1;
  char line[256];
  long kb = -1;
  while (std::fgets(line, sizeof line, f))
    if (std::strncmp(line, "VmHWM:", 6) == 0) kb = std::strtol(line + 6, nullptr, 10);
  std::fclose(f);
  return kb;
}

// SIGTERM, then SIGKILL if the child has not ended within two seconds.
int Stop(pid_t pid, rusage& usage) {
  kill(pid, SIGTERM);
  int status = 0;
  for (int i = 0; i < 200; ++i) {
    if (wait4(pid, &status, WNOHANG, &usage) == pid) return status;
    usleep(10000);
  }
  kill(pid, SIGKILL);
  wait4(pid, &status, 0, &usage);
  return status;
}

int Usage() {
  std::fprintf(stderr,
               "usage: vexmorel-startup-probe [--settle-ms N] [--timeout-ms N] PROGRAM [ARG...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int settleMs = 300;
  int timeoutMs = 10000;
  int first = 1;
  for (; first + 1 < argc && std::strncmp(argv[first], "--", 2) == 0; first += 2) {
    if (std::strcmp(argv[first], "--settle-ms") == 0)
      settleMs = std::atoi(argv[first + 1]);
    else if (std::strcmp(argv[first], "--timeout-ms") == 0)
      timeoutMs = std::atoi(argv[first + 1]);
    else
      return Usage();
  }
  if (first >= argc || settleMs < 0 || timeoutMs <= 0) return Usage();

  int go[2];
  if (pipe2(go, O_CLOEXEC) != 0) return 1;
  const pid_t pid = fork();
  if (pid < 0) return 1;
  if (pid == 0) {
    close(go[1]);
    char c;
    if (read(go[0], &c, 1) != 1) _exit(1);
    execvp(argv[first], argv + first);
    std::fprintf(stderr, "vexmorel-startup-probe: cannot run %s\n", argv[first]);
    _exit(127);
  }
  close(go[0]);

  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "vexmorel-startup-probe: cannot open the display\n");
    close(go[1]);
    waitpid(pid, nullptr, 0);
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const double start = NowMs();
  if (write(go[1], "x", 1) != 1) return 1;
  close(go[1]);

  std::set<Window> created;
  double mapped = -1;
  int status = 0;
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  while (mapped < 0) {
    while (mapped < 0 && XPending(display) > 0) {
      XEvent e;
      XNextEvent(display, &e);
      if (e.type == CreateNotify && !e.xcreatewindow.override_redirect)
        created.insert(e.xcreatewindow.window);
      else if (e.type == MapNotify && !e.xmap.override_redirect && created.count(e.xmap.window))
        mapped = NowMs();
    }
    if (mapped >= 0) break;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      std::fprintf(stderr, "vexmorel-startup-probe: %s ended before mapping a window\n",
                   argv[first]);
      return 1;
    }
    if (NowMs() - start > timeoutMs) {
      rusage ignored{};
      Stop(pid, ignored);
      std::fprintf(stderr, "vexmorel-startup-probe: no window within %d ms\n", timeoutMs);
      return 1;
    }
    poll(&connection, 1, 20);
  }

  usleep(static_cast<useconds_t>(settleMs) * 1000);
  const long highWater = HighWaterKb(pid);
  rusage usage{};
  Stop(pid, usage);
  XCloseDisplay(display);
  std::printf("map_ms=%.2f maxrss_kb=%ld hwm_kb=%ld\n", mapped - start, usage.ru_maxrss,
              highWater);
  return 0;
}
