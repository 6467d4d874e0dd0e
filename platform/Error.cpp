#include "platform/Error.h"

namespace platform {

namespace {

// Without a code the system's text would read "The operation completed successfully".
std::wstring FailureReason(DWORD code) {
  return code == ERROR_SUCCESS ? L"The system gave no reason." : SystemMessage(code);
}

}  // namespace

Win32Error::Win32Error(const std::string& what, DWORD code)
    : std::runtime_error(what + ": " + Narrow(FailureReason(code))), code_(code) {}

std::wstring SystemMessage(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length =
      ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length ? std::wstring(buffer, length) : L"Unknown error " + std::to_wstring(code);
  if (buffer) ::LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  return text;
}

void ThrowLastError(const char* what) {
  const DWORD code = ::GetLastError();
  throw Win32Error(what, code);
}

std::wstring Outcome::Reason() const { return ok_ ? SystemMessage(ERROR_SUCCESS) : FailureReason(code_); }

void LogFailure(const std::wstring& what, DWORD code) {
  ::OutputDebugStringW((L"Vantora: " + what + L" failed: " + FailureReason(code) + L"\n").c_str());
}

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return {};
  const int n =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace platform
