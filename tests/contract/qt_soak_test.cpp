// The soak's random user actions (tests/soak/actions.h) through the real Qt
// widgets, a short run with a fixed seed, with the soak's checks after every
// step: the window is in exactly one of its two states with every flag,
// caption and hint of it and reachability to match; no exception reaches
// the user; no file changes unless a write was confirmed, and then only in
// its first 120 bytes.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <variant>

#include "app/main_window.h"
#include "app/program.h"
#include "platform/text/cp932.h"
#include "platform/ui/input.h"
#include "settings/config_dialog.h"
#include "tests/contract/qt_session.h"
#include "tests/soak/actions.h"
#include "tests/soak/fixtures.h"
#include "tests/soak/window_state.h"

namespace contract {
namespace {

constexpr std::uint64_t kSeed = 20261211;
constexpr int kSessions = 4;
constexpr int kActionsPerSession = 250;

// The names the soak's state questions ask about, in their order.
std::vector<std::string> AskedNames() {
  std::vector<std::string> names;
  std::istringstream in(soak::StateQuestions());
  for (std::string line; std::getline(in, line);)
    if (line.starts_with("enabled ")) names.push_back(line.substr(8));
  return names;
}

// The window's state as the soak's questions would find it, from the model.
soak::WindowState StateNow() {
  soak::WindowState s;
  for (const std::string& name : AskedNames()) {
    const TComponent* c = Resolve(name);
    const auto* item = dynamic_cast<const TMenuItem*>(c);
    const auto* control = dynamic_cast<const TControl*>(c);
    s.flags[name] = {item ? item->Enabled() : control && control->Enabled(),
                     item ? input::Usable(*item) : control && input::Usable(*control)};
  }
  s.caption = Fm1->HeaderExist->Caption();
  s.hint = Fm1->HeaderExist->Hint();
  s.autoPopup = Fm1->Popup->AutoPopup();
  s.dialogShown = FConfig && FConfig->Showing();
  s.fileName = Fm1->EFileName->Text();
  s.header.assign(Header.bytes.begin(), Header.bytes.end());
  return s;
}

// What the state's event lines say: an exception shown, a write confirmed.
struct Shown {
  bool exception = false;
  bool confirmedWrite = false;
};

Shown Read(const std::string& state) {
  Shown shown;
  std::istringstream in(state);
  for (std::string line; std::getline(in, line);) {
    if (!line.starts_with("box ")) continue;
    auto parsed = drive::ParseLine(line);
    const auto* t = std::get_if<std::vector<drive::Token>>(&parsed);
    if (!t || t->size() != 7) continue;
    if ((*t)[3].text == "error") shown.exception = true;
    if ((*t)[1].text == cp932::FromUtf8("ヘッダの書込") && (*t)[6].text == "yes")
      shown.confirmedWrite = true;
  }
  return shown;
}

TEST(QtSoak, RandomActionsThroughTheWidgetsKeepTheSoaksInvariants) {
  std::mt19937_64 random(kSeed);
  soak::Fixtures files(random);
  soak::ActionMaker maker(random, files);
  for (int session = 0; session < kSessions; ++session) {
    SCOPED_TRACE("session " + std::to_string(session) + " of seed " + std::to_string(kSeed));
    Start start;
    std::istringstream setup(maker.SessionStart().script);
    for (std::string line; std::getline(setup, line);) {
      auto parsed = drive::ParseLine(line);
      const auto* t = std::get_if<std::vector<drive::Token>>(&parsed);
      if (!t || t->empty()) continue;
      const std::string& cmd = (*t)[0].text;
      // The screen and the frame are the platform's; a fault before the
      // start would hit the settings load, which the driver's soak covers.
      if (cmd == "exe") start.exe = (*t)[1].text;
      if (cmd == "arg") start.arg = (*t)[1].text;
      if (cmd == "env") setenv((*t)[1].text.c_str(), (*t)[2].text.c_str(), 1);
      if (cmd == "unsetenv") unsetenv((*t)[1].text.c_str());
    }
    tzset();

    QtSession qt;
    int made = 0;
    bool failed = false;
    qt.nextSteps = [&]() -> std::optional<std::string> {
      if (made++ >= kActionsPerSession || failed || !Application || Application->Terminated())
        return std::nullopt;
      return maker.Next(FConfig && FConfig->Showing(), !Fm1->PMain->Enabled()).script;
    };
    qt.afterStep = [&](const std::string& step, const std::string& state) {
      if (failed || !Application || Application->Terminated()) return;
      const Shown shown = Read(state);
      std::string problem;
      if (shown.exception) problem = "an exception reached the user";
      if (problem.empty())
        if (std::optional<std::string> p = soak::StateProblem(StateNow())) problem = *p;
      for (const std::string& path : files.Changed()) {
        if (!problem.empty()) break;
        const soak::FileState before = files.Recorded(path), now = files.Current(path);
        if (!shown.confirmedWrite)
          problem = path + " changed without a confirmed write";
        else if (now.bytes.size() != before.bytes.size() || before.bytes.size() < 120 ||
                 now.bytes.compare(120, std::string::npos, before.bytes, 120) != 0)
          problem = path + " changed beyond its header";
        files.Accept(path);
      }
      if (problem.empty()) return;
      failed = true;
      ADD_FAILURE() << "after `" << step << "`: " << problem << "\nstate:\n" << state;
    };
    qt.Play(start, {});
    if (failed) {
      files.Keep();
      break;
    }
  }
}

}  // namespace
}  // namespace contract
