#include "tools/cli/run_loop.h"

#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

namespace cli {
namespace {

// How far the workers may run ahead of the results handed back, so that a
// slow reader of the output does not make them hold every result at once.
constexpr std::size_t kAhead = 1024;

struct Shared {
  std::mutex lock;
  std::condition_variable changed;
  std::size_t next = 0;     // the next job to start
  std::size_t handed = 0;   // results handed back so far
  std::vector<std::optional<FileResult>> results;
  std::vector<bool> finished;
};

void Worker(const RunLoop& loop, const std::atomic<int>& stop, Shared& s) {
  for (;;) {
    std::size_t i;
    {
      std::unique_lock<std::mutex> hold(s.lock);
      s.changed.wait(hold, [&] { return s.next < s.handed + kAhead || stop.load(); });
      if (s.next >= loop.count || stop.load()) return;
      i = s.next++;
      // The earlier job on this file started before this one and finishes.
      const std::size_t before = loop.after[i];
      s.changed.wait(hold, [&] { return before >= loop.count || s.finished[before]; });
    }
    FileResult r = loop.work(i);
    {
      const std::lock_guard<std::mutex> hold(s.lock);
      s.results[i] = std::move(r);
      s.finished[i] = true;
    }
    s.changed.notify_all();
  }
}

}  // namespace

std::size_t Run(const RunLoop& loop, const std::atomic<int>& stop) {
  if (loop.jobs <= 1) {
    std::size_t i = 0;
    for (; i < loop.count && !stop.load(); ++i) {
      FileResult r = loop.work(i);
      loop.done(i, r);
    }
    return i;
  }
  Shared s;
  s.results.resize(loop.count);
  s.finished.assign(loop.count, false);
  std::vector<std::thread> workers;
  for (int t = 0; t < loop.jobs; ++t)
    workers.emplace_back(Worker, std::cref(loop), std::cref(stop), std::ref(s));
  std::size_t emitted = 0;
  for (; emitted < loop.count; ++emitted) {
    FileResult r;
    {
      std::unique_lock<std::mutex> hold(s.lock);
      // Jobs start in order, so once one is left unstarted after a stop,
      // so are all after it. The timeout notices a stop between two jobs.
      while (!s.finished[emitted] && !(stop.load() && s.next <= emitted))
        s.changed.wait_for(hold, std::chrono::milliseconds(100));
      if (!s.finished[emitted]) break;
      r = std::move(*s.results[emitted]);
      s.results[emitted].reset();
      s.handed = emitted + 1;
    }
    s.changed.notify_all();
    loop.done(emitted, r);
  }
  // Wakes workers held back by kAhead once a stop left results unhanded.
  { const std::lock_guard<std::mutex> hold(s.lock); }
  s.changed.notify_all();
  for (std::thread& w : workers) w.join();
  return emitted;
}

std::vector<std::size_t> SameFileOrder(const std::vector<std::string>& paths) {
  std::vector<std::size_t> after(paths.size(), paths.size());
  std::map<std::pair<dev_t, ino_t>, std::size_t> byIdentity;
  std::map<std::string, std::size_t> byPath;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (paths[i].empty()) continue;  // no file: nothing to wait for
    struct stat st {};
    if (stat(paths[i].c_str(), &st) == 0) {
      const auto [it, added] = byIdentity.try_emplace({st.st_dev, st.st_ino}, i);
      if (!added) after[i] = std::exchange(it->second, i);
    } else {
      const auto [it, added] = byPath.try_emplace(paths[i], i);
      if (!added) after[i] = std::exchange(it->second, i);
    }
  }
  return after;
}

}  // namespace cli
