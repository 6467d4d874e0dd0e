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

// UTF-16 <-> UTF-8, for exception texts and anything that leaves the wide API.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

}  // namespace platform
