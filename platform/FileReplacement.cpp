#include "platform/FileReplacement.h"

#include <windows.h>

#include "platform/FileBytes.h"
#include "platform/FileSystem.h"
#include "platform/UniqueHandle.h"

namespace platform {
namespace {

constexpr const wchar_t* kCannotCreate = L"Cannot create file";

// The folder part with its separator ("C:\shots\", or "C:" for a name relative to a drive's
// current folder), so that the temporary file lies where the target does.
std::wstring FolderOf(const std::wstring& path) {
  const size_t end = path.find_last_of(L"\\/:");
  if (end == std::wstring::npos) return L".";
  return path.substr(0, end + 1);
}

UniqueFile OpenTemporary(const std::wstring& path, const std::wstring& target) {
  UniqueFile file(
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowFileError(kCannotCreate, target, ::GetLastError());
  return file;
}

void FlushOpen(const UniqueFile& file, const std::wstring& target) {
  if (!::FlushFileBuffers(file.get())) ThrowFileError(kCannotCreate, target, ::GetLastError());
}

}  // namespace

FileReplacement::FileReplacement(std::wstring target) : target_(std::move(target)) {
  wchar_t name[MAX_PATH] = {};
  if (!::GetTempFileNameW(FolderOf(target_).c_str(), L"~vn", 0, name))
    ThrowFileError(kCannotCreate, target_, ::GetLastError());
  temporary_ = name;
}

FileReplacement::~FileReplacement() {
  if (committed_) return;
  ::SetFileAttributesW(temporary_.c_str(), FILE_ATTRIBUTE_NORMAL);  // a copy keeps a read-only mark
  ::DeleteFileW(temporary_.c_str());
}

void FileReplacement::Write(std::span<const uint8_t> bytes) {
  const UniqueFile file = OpenTemporary(temporary_, target_);
  DWORD written = 0;
  if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
    ThrowFileError(kCannotCreate, target_, ::GetLastError());
  if (written != bytes.size()) ThrowFileError(kCannotCreate, target_, ERROR_DISK_FULL);
  FlushOpen(file, target_);
}

void FileReplacement::CopyTarget() {
  if (!::CopyFileW(target_.c_str(), temporary_.c_str(), FALSE))
    ThrowFileError(kCannotCreate, target_, ::GetLastError());
}

void FileReplacement::Flush() { FlushOpen(OpenTemporary(temporary_, target_), target_); }

void FileReplacement::Commit() {
  // Windows refuses to replace a read-only file; Wine run as root would not.
  if (IsReadOnlyFile(target_)) ThrowFileError(kCannotCreate, target_, ERROR_ACCESS_DENIED);
  if (!::MoveFileExW(temporary_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    ThrowFileError(kCannotCreate, target_, ::GetLastError());
  committed_ = true;
}

}  // namespace platform
