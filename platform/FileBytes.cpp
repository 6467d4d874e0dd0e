#include "platform/FileBytes.h"

#include <windows.h>

#include <stdexcept>

#include "platform/Error.h"
#include "platform/UniqueHandle.h"

namespace platform {
namespace {

[[noreturn]] void ThrowFileError(const wchar_t* action, const std::wstring& path) {
  const DWORD code = ::GetLastError();
  throw std::runtime_error(Narrow(std::wstring(action) + L" \"" + path + L"\". " + SystemMessage(code)));
}

UniqueFile OpenForReading(const std::wstring& path) {
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowFileError(L"Cannot open file", path);
  return file;
}

}  // namespace

std::vector<uint8_t> ReadFileBytes(const std::wstring& path, size_t limit, uint64_t* fileSize) {
  const UniqueFile file = OpenForReading(path);
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) ThrowFileError(L"Cannot open file", path);
  if (fileSize) *fileSize = static_cast<uint64_t>(size.QuadPart);
  if (static_cast<uint64_t>(size.QuadPart) > 0x7FFFFFFF) throw std::runtime_error("the file is too large");
  std::vector<uint8_t> bytes(std::min(static_cast<size_t>(size.QuadPart), limit));
  DWORD read = 0;
  if (!bytes.empty() && !::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
    ThrowFileError(L"Cannot open file", path);
  bytes.resize(read);
  return bytes;
}

void WriteFileBytes(const std::wstring& path, std::span<const uint8_t> bytes) {
  const UniqueFile file(
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowFileError(L"Cannot create file", path);
  // A full disk takes what fits and reports success with fewer bytes written, leaving the error
  // code as the create left it ("File already exists" for a file replaced): only the write of
  // the rest fails, with the reason.
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
      ThrowFileError(L"Cannot create file", path);
    if (written == 0) {
      ::SetLastError(ERROR_DISK_FULL);  // nothing more taken, and no reason given
      ThrowFileError(L"Cannot create file", path);
    }
    bytes = bytes.subspan(written);
  }
}

}  // namespace platform
