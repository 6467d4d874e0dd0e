#pragma once
// file_user_helper.exe: another program using a file the tests replace, holding it open or
// reading it over and over.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>

#include "IconFilesOut.h"
#include "helpers/ContentHash.h"
#include "platform/UniqueHandle.h"

namespace testsupport {

// One content of a file: its size and ContentHash.
using Version = std::pair<size_t, uint64_t>;

inline Version VersionOf(const std::wstring& path) {
  const auto bytes = Contents(path);
  return {bytes.size(), ContentHash(bytes.data(), bytes.size())};
}

class FileUser {
 public:
  // `mode` is "--hold" or "--read"; returns once the helper holds the file or has begun reading.
  FileUser(const wchar_t* mode, const std::wstring& file) : report_(file + L".read") {
    static int serial = 0;
    const std::wstring name =
        L"VantoraFileUser-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
    ready_.reset(::CreateEventW(nullptr, TRUE, FALSE, (name + L"-ready").c_str()));
    stop_.reset(::CreateEventW(nullptr, TRUE, FALSE, (name + L"-stop").c_str()));
    std::wstring command = L"\"" + BesideTests(L"file_user_helper.exe") + L"\" " + mode + L" \"" + file +
                           L"\" --ready " + name + L"-ready --stop " + name + L"-stop --report \"" + report_ + L"\"";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
      ADD_FAILURE() << "cannot start the file user, error " << ::GetLastError();
      return;
    }
    ::CloseHandle(started.hThread);
    process_.reset(started.hProcess);
    const HANDLE waits[] = {ready_.get(), process_.get()};
    EXPECT_EQ(::WaitForMultipleObjects(2, waits, FALSE, 20000), WAIT_OBJECT_0) << "the file user did not begin";
  }
  FileUser(const FileUser&) = delete;
  FileUser& operator=(const FileUser&) = delete;
  ~FileUser() {
    if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) ::TerminateProcess(process_.get(), 0);
  }

  struct Seen {
    unsigned reads = 0;
    std::set<Version> contents;  // each distinct content read
  };
  // Ends the reading and tells what was read.
  Seen StopReading() {
    Seen seen;
    ::SetEvent(stop_.get());
    EXPECT_EQ(::WaitForSingleObject(process_.get(), 20000), WAIT_OBJECT_0) << "the reader did not stop";
    FILE* report = _wfopen(report_.c_str(), L"r");
    if (!report) return seen;
    unsigned long long size = 0, hash = 0;
    if (std::fscanf(report, "reads %u", &seen.reads) == 1)
      while (std::fscanf(report, "%llu %llu", &size, &hash) == 2) seen.contents.emplace(size, hash);
    std::fclose(report);
    ::DeleteFileW(report_.c_str());
    return seen;
  }

 private:
  std::wstring report_;
  platform::UniqueKernelHandle ready_, stop_, process_;
};

}  // namespace testsupport
