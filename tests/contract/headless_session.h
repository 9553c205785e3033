// The program on the headless backend, as the driver runs it: steps go
// straight into the model's input (platform/ui/input.h); boxes and the open
// dialog take the queued answers.
#pragma once

#include <memory>

#include "platform/headless/headless.h"
#include "tests/contract/session.h"

class TApplication;

namespace contract {

// The frame and screen both backends are given (the offscreen platform's).
inline constexpr FrameExtents kFrame{2, 2, 2, 2};
inline constexpr int kScreenWidth = 1280;
inline constexpr int kScreenHeight = 1024;

// The message-box line both backends write into the state.
std::string BoxEvent(const std::string& text, const std::string& caption, unsigned flags,
                     int answer);

class HeadlessSession : public Session {
 public:
  HeadlessSession();
  ~HeadlessSession() override;
  const char* Name() const override { return "headless"; }

 protected:
  void Launch() override;
  bool Act(const Tokens& t) override;
  void Finish() override;

 private:
  HeadlessBackend backend_;
  std::unique_ptr<TApplication> app_;
};

}  // namespace contract
