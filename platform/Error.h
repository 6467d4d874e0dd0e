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

// What a call reports that the program examines: success, or the system's error code as it was
// at the failing call. Some calls fail without setting an error code; the reason then says so.
class [[nodiscard]] Outcome {
 public:
  static Outcome Success() noexcept { return Outcome(true, ERROR_SUCCESS); }
  static Outcome Failure(DWORD code) noexcept { return Outcome(false, code); }
  // A failure with GetLastError, read before anything else can change it.
  static Outcome LastError() noexcept { return Failure(::GetLastError()); }
  // Success when `succeeded`, otherwise a failure with GetLastError.
  static Outcome Of(bool succeeded) noexcept { return succeeded ? Success() : LastError(); }

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
