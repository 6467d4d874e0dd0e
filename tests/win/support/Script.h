#pragma once
// Steps that run while the program waits for one of its dialogs: a thread timer runs the first
// step whose condition holds, one step at a time. If the steps stall, `giveUp` ends the dialog
// so the test fails instead of hanging.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>

namespace testsupport {

class Script {
 public:
  explicit Script(std::function<void()> giveUp, DWORD timeoutMs = 20000)
      : giveUp_(std::move(giveUp)), deadline_(::GetTickCount64() + timeoutMs) {
    current_ = this;
    timer_ = ::SetTimer(nullptr, 0, 30, &Script::Tick);
  }
  Script(const Script&) = delete;
  Script& operator=(const Script&) = delete;
  ~Script() {
    ::KillTimer(nullptr, timer_);
    current_ = nullptr;
  }

  void Then(std::function<bool()> ready, std::function<void()> run) {
    steps_.push_back({std::move(ready), std::move(run)});
  }
  bool Done() const { return steps_.empty(); }
  // For a step that opens a wait of its own: the next steps run inside it.
  void Release() { busy_ = false; }

 private:
  struct Step {
    std::function<bool()> ready;
    std::function<void()> run;
  };

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Script* s = current_;
    if (!s || s->busy_ || s->steps_.empty()) return;
    s->busy_ = true;
    if (::GetTickCount64() > s->deadline_) {
      ADD_FAILURE() << "the script stalled with " << s->steps_.size() << " steps left";
      s->steps_.clear();
      s->giveUp_();
    } else if (s->steps_.front().ready()) {
      Step step = std::move(s->steps_.front());
      s->steps_.pop_front();
      step.run();
    }
    s->busy_ = false;
  }

  inline static Script* current_ = nullptr;
  std::function<void()> giveUp_;
  ULONGLONG deadline_;
  UINT_PTR timer_ = 0;
  bool busy_ = false;
  std::deque<Step> steps_;
};

}  // namespace testsupport
