#pragma once
// A file in the temporary folder, unique to this test process, removed with the object.
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

class TempFile {
 public:
  explicit TempFile(const std::wstring& stem) {
    wchar_t dir[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, dir);
    path_ = std::wstring(dir) + stem + L"-" + std::to_wstring(::GetCurrentProcessId()) + L".txt";
    ::DeleteFileW(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() { ::DeleteFileW(path_.c_str()); }

  const std::wstring& path() const { return path_; }
  // The whole file; empty when it does not exist.
  std::string Read() const {
    std::ifstream file(path_.c_str(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }

 private:
  std::wstring path_;
};

}  // namespace testsupport
