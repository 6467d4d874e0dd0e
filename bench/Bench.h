#pragma once
// Shared by the benchmarks: a millisecond clock, medians, child processes, and the result table.
// Every figure is a ratio of two costs measured in the same run, so the machine's speed cancels.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/UniqueHandle.h"

namespace bench {

inline double NowMs() {
  static const double ticksPerMs = [] {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now{};
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerMs;
}

template <class F>
double TimeMs(F&& work) {
  const double start = NowMs();
  work();
  return NowMs() - start;
}

// The median keeps one slow run (a page fault, another developer's build) out of the figure.
inline double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

template <class F>
double MedianMs(int runs, F&& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(TimeMs(work));
  return Median(times);
}

// The figures of two pieces of work timed in turns, so a slow spell of the machine falls on both.
// `settle` runs before each timing, outside it.
struct Pair {
  double measured;
  double reference;
};

// Work that times itself and returns its milliseconds (a program's start-up ends when its window
// shows, not when the benchmark has closed it again), the two timed in turns.
template <class F, class G, class S>
std::pair<std::vector<double>, std::vector<double>> TimeInTurns(int runs, F&& measured, G&& reference, S&& settle) {
  std::vector<double> a, b;
  for (int i = 0; i < runs; ++i) {
    settle();
    a.push_back(measured());
    settle();
    b.push_back(reference());
  }
  return {a, b};
}

template <class F, class G, class S>
Pair CompareReportedMedians(int runs, F&& measured, G&& reference, S&& settle) {
  const auto [a, b] = TimeInTurns(runs, measured, reference, settle);
  return {Median(a), Median(b)};
}

// The fastest of each: a start-up on a machine shared with other work is disturbed in spells that
// can take several starts in a row, and only the fastest start of each is sure to show the
// program's own cost.
template <class F, class G, class S>
Pair CompareReportedFastest(int runs, F&& measured, G&& reference, S&& settle) {
  const auto [a, b] = TimeInTurns(runs, measured, reference, settle);
  return {*std::min_element(a.begin(), a.end()), *std::min_element(b.begin(), b.end())};
}

template <class F, class G, class S>
Pair CompareMedians(int runs, F&& measured, G&& reference, S&& settle) {
  return CompareReportedMedians(
      runs, [&] { return TimeMs(measured); }, [&] { return TimeMs(reference); }, settle);
}

// Dispatches every message waiting for this thread, then returns.
inline void Pump() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

// Writes the bytes to a new file with the bare calls, flushed to the disk when asked.
inline void WriteFileBare(const std::wstring& path, const std::vector<uint8_t>& bytes, bool flush) {
  const platform::UniqueFile file(
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  if (flush) ::FlushFileBuffers(file.get());
}

// The finished temporary file takes the target's place as the program does it: the system's
// replacement, which keeps the target's identity, with the old file moved aside and removed.
inline void ReplaceFileBare(const std::wstring& temporary, const std::wstring& target) {
  const std::wstring aside = target + L".old";
  ::ReplaceFileW(target.c_str(), temporary.c_str(), aside.c_str(), 0, nullptr, nullptr);
  ::DeleteFileW(aside.c_str());
}

// The folder of this executable: the build puts the helpers and the program beside it.
inline std::wstring OwnDirectory() {
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dir = self;
  return dir.substr(0, dir.find_last_of(L"\\/") + 1);
}

// A started program, ended by force when the benchmark lets go of it.
class Child {
 public:
  explicit Child(std::wstring commandLine) {
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
      throw std::runtime_error("cannot start a child process, error " + std::to_string(::GetLastError()));
    ::CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
  }
  Child(Child&&) noexcept = default;
  Child& operator=(Child&&) noexcept = default;
  ~Child() {
    if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
      ::TerminateProcess(process_.get(), 0);
      ::WaitForSingleObject(process_.get(), 10000);
    }
  }

  HANDLE Process() const noexcept { return process_.get(); }
  DWORD Id() const noexcept { return id_; }

 private:
  platform::UniqueKernelHandle process_;
  DWORD id_ = 0;
};

// One line of the table: what was measured, against what, and the target for their ratio.
inline void PrintHeader() {
  std::printf("%-46s %12s %12s %8s  %s\n", "benchmark", "measured", "reference", "ratio", "target");
}

inline void PrintRow(const std::string& name, double measuredMs, double referenceMs, const std::string& target) {
  std::printf("%-46s %9.2f ms %9.2f ms %7.2fx  %s\n", name.c_str(), measuredMs, referenceMs,
              referenceMs > 0 ? measuredMs / referenceMs : 0.0, target.c_str());
  std::fflush(stdout);
}

inline void PrintNote(const std::string& note) {
  std::printf("  %s\n", note.c_str());
  std::fflush(stdout);
}

}  // namespace bench
