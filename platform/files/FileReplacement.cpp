#include "platform/files/FileReplacement.h"

#include <windows.h>

#include <atomic>
#include <cwctype>

#include "platform/files/FileBytes.h"
#include "platform/files/FileSystem.h"
#include "platform/UniqueHandle.h"

namespace platform {
namespace {

constexpr const wchar_t* kCannotCreate = L"Cannot create file";
// Temporary files are named ~vn<hex digits>.tmp.
constexpr std::wstring_view kPrefix = L"~vn", kSuffix = L".tmp";
constexpr size_t kMostHexDigits = 8;
// A temporary file untouched for this long was left by a replacement that never ended.
constexpr ULONGLONG kLeftoverAge = 60ULL * 60 * 10'000'000;  // one hour in FILETIME units

// What goes before a file name to put it in the same folder: "C:\shots\", "C:" for a name
// relative to a drive's current folder, nothing for a name alone.
std::wstring FolderPrefixOf(const std::wstring& path) {
  const size_t end = path.find_last_of(L"\\/:");
  return end == std::wstring::npos ? std::wstring() : path.substr(0, end + 1);
}

bool IsOurTemporaryName(std::wstring_view name) {
  const auto sameLetters = [](std::wstring_view a, std::wstring_view b) {
    for (size_t i = 0; i < a.size(); ++i)
      if (std::towlower(a[i]) != b[i]) return false;
    return true;
  };
  if (name.size() <= kPrefix.size() + kSuffix.size() || name.size() > kPrefix.size() + kMostHexDigits + kSuffix.size())
    return false;
  const std::wstring_view digits = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  for (const wchar_t c : digits)
    if (!std::iswxdigit(c)) return false;
  return sameLetters(name.substr(0, kPrefix.size()), kPrefix) &&
         sameLetters(name.substr(name.size() - kSuffix.size()), kSuffix);
}

ULONGLONG Ticks(const FILETIME& time) { return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime; }

FILETIME Now() {
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  return now;
}

// Removes the temporary files that replacements in this folder left behind (a crash, a kill, a
// power cut) once they are old enough that no replacement can still be using them: only files,
// only names of our own pattern. Whatever cannot be removed stays for the next time.
void RemoveLeftovers(const std::wstring& folderPrefix) {
  WIN32_FIND_DATAW found{};
  const UniqueFindSearch search(
      ::FindFirstFileW((folderPrefix + std::wstring(kPrefix) + L"*" + std::wstring(kSuffix)).c_str(), &found));
  if (!search) return;
  const ULONGLONG now = Ticks(Now());
  do {
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ||
        !IsOurTemporaryName(found.cFileName) || Ticks(found.ftLastWriteTime) + kLeftoverAge > now)
      continue;
    const std::wstring path = folderPrefix + found.cFileName;
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // a copy of a read-only file is read-only
    ::DeleteFileW(path.c_str());
  } while (::FindNextFileW(search.get(), &found));
}

// A name of our pattern that no other replacement of this process gives out, and another
// process's only by chance.
std::wstring NewTemporaryName(const std::wstring& folderPrefix) {
  static std::atomic<uint32_t> made{0};
  static const uint32_t start = static_cast<uint32_t>(::GetTickCount()) * 2654435761u ^ (::GetCurrentProcessId() << 16);
  wchar_t digits[kMostHexDigits + 1] = {};
  swprintf(digits, kMostHexDigits + 1, L"%08X", static_cast<unsigned>(start + made++ * 0x9E3779B9u));
  return folderPrefix + std::wstring(kPrefix) + digits + std::wstring(kSuffix);
}

// A file of our pattern that did not exist until now: created here, never an existing one taken over.
std::wstring NewTemporaryFile(const std::wstring& folderPrefix, const std::wstring& target) {
  DWORD code = ERROR_FILE_EXISTS;
  for (int attempt = 0; attempt < 100 && (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS); ++attempt) {
    std::wstring path = NewTemporaryName(folderPrefix);
    const UniqueFile file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_ARCHIVE, nullptr));
    if (file) return path;
    code = ::GetLastError();
  }
  ThrowFileError(kCannotCreate, target, code);
}

UniqueFile OpenTemporary(const std::wstring& path, const std::wstring& target, DWORD access = GENERIC_WRITE) {
  UniqueFile file(::CreateFileW(path.c_str(), access, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowFileError(kCannotCreate, target, ::GetLastError());
  return file;
}

void FlushOpen(const UniqueFile& file, const std::wstring& target) {
  if (!::FlushFileBuffers(file.get())) ThrowFileError(kCannotCreate, target, ::GetLastError());
}

}  // namespace

// The final path names the system folder again, which a 32-bit program must not open as it is.
FileReplacement::FileReplacement(std::wstring target)
    : target_(std::move(target)), replaced_(ReachablePath(FinalPath(target_))) {
  const std::wstring folder = FolderPrefixOf(replaced_);
  RemoveLeftovers(folder);
  temporary_ = NewTemporaryFile(folder, target_);
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
  if (!::CopyFileW(replaced_.c_str(), temporary_.c_str(), FALSE))
    ThrowFileError(kCannotCreate, target_, ::GetLastError());
  // The copy carries the target's times: stamped now, a replacement under way never looks like
  // an old leftover to another one in the same folder.
  const FILETIME now = Now();
  ::SetFileTime(OpenTemporary(temporary_, target_, FILE_WRITE_ATTRIBUTES).get(), nullptr, nullptr, &now);
}

void FileReplacement::Flush() { FlushOpen(OpenTemporary(temporary_, target_), target_); }

void FileReplacement::Commit() {
  const DWORD attributes = ::GetFileAttributesW(replaced_.c_str());
  // Windows refuses to replace a read-only file; Wine run as root would not.
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    ThrowFileError(kCannotCreate, target_, ERROR_ACCESS_DENIED);
  if (attributes != INVALID_FILE_ATTRIBUTES)
    ReplaceExisting(attributes);
  else if (!::MoveFileExW(temporary_.c_str(), replaced_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    ThrowFileError(kCannotCreate, target_, ::GetLastError());
  committed_ = true;
}

void FileReplacement::ReplaceExisting(unsigned long attributes) {
  // Windows carries these marks over itself; Wine's ReplaceFileW only moves the files. The new
  // file was made with the archive mark, as the changed file wants for backup programs.
  constexpr DWORD kCarried = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  if (attributes & kCarried) ::SetFileAttributesW(temporary_.c_str(), (attributes & kCarried) | FILE_ATTRIBUTE_ARCHIVE);
  // The old file is moved aside under a name of our own rather than removed at once, so that it
  // can go back when the new one cannot take its place.
  const std::wstring aside = NewTemporaryName(FolderPrefixOf(replaced_));
  if (!::ReplaceFileW(replaced_.c_str(), temporary_.c_str(), aside.c_str(), 0, nullptr, nullptr)) {
    const DWORD code = ::GetLastError();
    if (code == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) ::MoveFileExW(aside.c_str(), replaced_.c_str(), 0);
    ThrowFileError(kCannotCreate, target_, code);
  }
  // Still open in another program, the old file stays until a later replacement here finds it
  // an hour old.
  ::DeleteFileW(aside.c_str());
}

}  // namespace platform
