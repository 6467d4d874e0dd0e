// Vantora's start-up, from process creation to its main window shown, against a program that
// does nothing but open one window, and against one that creates the main window's controls bare.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/Bench.h"

namespace {

constexpr int kRuns = 15;  // a start varies by tens of milliseconds, and by twice its length in a busy spell

// Each start begins on a settled system. What the window server, the X server and the shell
// still do after a program has ended is otherwise charged to the program that starts next:
// without the pause a start reached its entry point 10 to 25 ms later, and by different
// amounts for the two programs compared.
void Settle() { ::Sleep(400); }

// The visible top-level window of this class that belongs to the process, or null.
HWND ShownWindow(DWORD processId, const wchar_t* windowClass) {
  for (HWND window = ::FindWindowExW(nullptr, nullptr, windowClass, nullptr); window;
       window = ::FindWindowExW(nullptr, window, windowClass, nullptr)) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == processId && ::IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// Milliseconds from CreateProcess to the window shown. The program is ended before the next
// start (asked to close first, then by force), so a single-instance guard never meets an
// earlier copy of it.
double StartUntilShown(const std::wstring& exe, const wchar_t* windowClass) {
  const double start = bench::NowMs();
  bench::Child program(L"\"" + exe + L"\"");
  HWND window = nullptr;
  while (!(window = ShownWindow(program.Id(), windowClass))) {
    if (::WaitForSingleObject(program.Process(), 1) == WAIT_OBJECT_0)
      throw std::runtime_error("a program ended before it showed its window");
    if (bench::NowMs() - start > 60000) throw std::runtime_error("a program showed no window within a minute");
  }
  const double elapsed = bench::NowMs() - start;
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  ::WaitForSingleObject(program.Process(), 3000);
  return elapsed;
}

}  // namespace

int main() {
  const std::wstring dir = bench::OwnDirectory();
  const std::wstring vantora = dir + L"vantora.exe", minimal = dir + L"minimal_window.exe",
                     bare = dir + L"bare_controls.exe";
  try {
    // One start of each first, so both find their files in the page cache.
    StartUntilShown(vantora, L"TForm6");
    StartUntilShown(minimal, L"BenchMinimalWindow");
    StartUntilShown(bare, L"BenchBareControls");
    const auto times = bench::CompareReportedFastest(
        kRuns, [&] { return StartUntilShown(vantora, L"TForm6"); },
        [&] { return StartUntilShown(minimal, L"BenchMinimalWindow"); }, Settle);
    bench::PrintHeader();
    bench::PrintRow("start-up to the main window shown", times.measured, times.reference, "< 2x a one-window program");
    const auto floor = bench::CompareReportedFastest(
        kRuns, [&] { return StartUntilShown(vantora, L"TForm6"); },
        [&] { return StartUntilShown(bare, L"BenchBareControls"); }, Settle);
    bench::PrintRow("  against the same controls created bare", floor.measured, floor.reference, "<= 1.2x the floor");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_startup: %s\n", e.what());
    return 1;
  }
  return 0;
}
