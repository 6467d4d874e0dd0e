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
using Version = std::pair<unsigned long, uint64_t>;

inline Version VersionOf(const std::wstring& path) {
  const auto bytes = Contents(path);
  return {static_cast<unsigned long>(bytes.size()), ContentHash(bytes.data(), bytes.size())};
}

class FileUser {
 public:
  // `mode` is "--hold" or "--read"; returns once the helper holds the file or has begun reading.
  FileUser(const std::wstring& mode, std::wstring file) : file_(std::move(file)) {
    static int serial = 0;
    const std::wstring ready =
        L"VantoraFileUser-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
    const platform::UniqueKernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, ready.c_str()));
    std::wstring command =
        L"\"" + BesideTests(L"file_user_helper.exe") + L"\" " + mode + L" \"" + file_ + L"\" " + ready;
    STARTUPINFOW startup{sizeof(startup)};
    EXPECT_TRUE(
        ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_));
    EXPECT_EQ(::WaitForSingleObject(event.get(), 20000), WAIT_OBJECT_0) << "the file user did not begin";
  }
  FileUser(const FileUser&) = delete;
  FileUser& operator=(const FileUser&) = delete;
  ~FileUser() {
    ::TerminateProcess(info_.hProcess, 0);  // a reader has ended by then
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
  }

  // What a reader saw: how often it read the file, how often the contents of the file it had
  // open changed under it, and each distinct content read.
  struct Reading {
    unsigned reads = 0, changedUnderHandle = 0;
    std::set<Version> seen;
  };
  // Ends the reading.
  Reading StopReading() {
    platform::WriteFileBytes(file_ + L".stop", {});
    EXPECT_EQ(::WaitForSingleObject(info_.hProcess, 20000), WAIT_OBJECT_0) << "the reader did not stop";
    Reading reading;
    FILE* report = _wfopen((file_ + L".read").c_str(), L"r");
    unsigned long size = 0;
    unsigned long long hash = 0;
    if (report && std::fscanf(report, "reads %u changed %u", &reading.reads, &reading.changedUnderHandle) == 2)
      while (std::fscanf(report, "%lu %llu", &size, &hash) == 2) reading.seen.emplace(size, hash);
    if (report) std::fclose(report);
    return reading;
  }

 private:
  std::wstring file_;
  PROCESS_INFORMATION info_{};
};

}  // namespace testsupport
