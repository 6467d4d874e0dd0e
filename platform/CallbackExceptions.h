#pragma once
// Code the system calls back in the middle of one of its own calls (an enumeration, a hook of a
// common dialog) must not let an exception unwind through the system's frames. The callback runs
// its body through Guard, which keeps the first exception and returns the callback's "stop"
// answer; once the system call has returned, the caller rethrows it with RethrowIfCaught.
#include <exception>
#include <utility>

namespace platform {

class CallbackExceptions {
 public:
  // body()'s result, or `stop` once body() (or an earlier one) has thrown.
  template <class Result, class Body>
  Result Guard(Result stop, Body&& body) noexcept {
    if (caught_) return stop;
    try {
      return std::forward<Body>(body)();
    } catch (...) {
      caught_ = std::current_exception();
      return stop;
    }
  }
  bool Caught() const noexcept { return caught_ != nullptr; }
  void RethrowIfCaught() {
    if (caught_) std::rethrow_exception(std::exchange(caught_, nullptr));
  }

 private:
  std::exception_ptr caught_;
};

}  // namespace platform
