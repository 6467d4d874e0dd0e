#include "platform/files/FileBytes.h"

#include <windows.h>

#include <stdexcept>

#include "platform/Error.h"
#include "platform/files/FileReplacement.h"
#include "platform/UniqueHandle.h"
#include "platform/files/FileSystem.h"

namespace platform {
namespace {

[[noreturn]] void ThrowLastFileError(const wchar_t* action, const std::wstring& path) {
  ThrowFileError(action, path, ::GetLastError());
}

UniqueFile OpenForReading(const std::wstring& path) {
  UniqueFile file(::CreateFileW(ReachablePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowLastFileError(L"Cannot open file", path);
  return file;
}

}  // namespace

void ThrowFileError(const wchar_t* action, const std::wstring& path, unsigned long code) {
  throw std::runtime_error(Narrow(std::wstring(action) + L" \"" + path + L"\". " + SystemMessage(code)));
}

std::vector<uint8_t> ReadFileBytes(const std::wstring& path, size_t limit, uint64_t* fileSize) {
  const UniqueFile file = OpenForReading(path);
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) ThrowLastFileError(L"Cannot open file", path);
  if (fileSize) *fileSize = static_cast<uint64_t>(size.QuadPart);
  if (static_cast<uint64_t>(size.QuadPart) > 0x7FFFFFFF) throw std::runtime_error("the file is too large");
  std::vector<uint8_t> bytes(std::min(static_cast<size_t>(size.QuadPart), limit));
  DWORD read = 0;
  if (!bytes.empty() && !::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
    ThrowLastFileError(L"Cannot open file", path);
  bytes.resize(read);
  return bytes;
}

void WriteFileBytes(const std::wstring& path, std::span<const uint8_t> bytes) {
  FileReplacement replacement(path);
  replacement.Write(bytes);
  replacement.Commit();
}

}  // namespace platform
