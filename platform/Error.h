#pragma once
// Win32 failures as exceptions, with the error code captured at the point of failure.
#include <windows.h>

#include <stdexcept>
#include <string>

namespace platform {

class Win32Error : public std::runtime_error {
 public:
  Win32Error(const std::string& what, DWORD code);
  DWORD code() const noexcept { return code_; }

 private:
  DWORD code_;
};

// The system's own text for an error code, without the trailing line break.
std::wstring SystemMessage(DWORD code);

// Throws Win32Error with GetLastError, read before anything else can change it.
[[noreturn]] void ThrowLastError(const char* what);

// Many calls fail without setting an error code (SetForegroundWindow, SetWindowTextW refused by the
// window, GetSystemMenu, CreateCompatibleDC, Shell_NotifyIconW...), and GetLastError then still
// holds whatever an earlier call left: a reason that has nothing to do with the failure. So every
// call whose failure is reported is made through Outcome::Of or Checked below, which clear the
// code first and read it right after the call, before anything else (a destructor included) runs.

// `call` made as above; its result, or a Win32Error when the result is null or false.
template <class Call>
auto Checked(const char* what, Call&& call) {
  ::SetLastError(ERROR_SUCCESS);
  auto result = call();
  if (!result) ThrowLastError(what);
  return result;
}

// What a call reports that the program examines: success, or the system's error code as it was
// at the failing call. Some calls fail without setting an error code; the reason then says so.
class [[nodiscard]] Outcome {
 public:
  static Outcome Success() noexcept { return Outcome(true, ERROR_SUCCESS); }
  static Outcome Failure(DWORD code) noexcept { return Outcome(false, code); }
  // A failure with GetLastError, read before anything else can change it.
  static Outcome LastError() noexcept { return Failure(::GetLastError()); }
  // `call` (its result tells success) made with the error code cleared first; a failure carries
  // the code the call set, or none.
  template <class Call>
  static Outcome Of(Call&& call) {
    ::SetLastError(ERROR_SUCCESS);
    return call() ? Success() : LastError();
  }

  explicit operator bool() const noexcept { return ok_; }
  DWORD code() const noexcept { return code_; }
  // The system's text for the failure.
  std::wstring Reason() const;

 private:
  Outcome(bool ok, DWORD code) noexcept : ok_(ok), code_(code) {}
  bool ok_;
  DWORD code_;
};

// A failure the user cannot act on goes to the debugger's output instead of a message box:
// "Vantora: <what> failed: <the system's text>".
void LogFailure(const std::wstring& what, DWORD code);
// The same for a call that may have succeeded: only a failure is written.
inline void LogIfFailed(const std::wstring& what, const Outcome& outcome) {
  if (!outcome) LogFailure(what, outcome.code());
}

// UTF-16 <-> UTF-8, for exception texts and anything that leaves the wide API.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

}  // namespace platform
