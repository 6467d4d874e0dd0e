// What a rebuild of the window list costs beyond the questions it must ask the system anyway,
// over the windows of another program, and how far a few hung windows can hold it up.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/VantoraMain.h"
#include "bench/Bench.h"
#include "platform/WindowMessages.h"

namespace {

constexpr int kRuns = 7;
const UINT kIconWaitMs = static_cast<UINT>(platform::kIconQueryWait.count());

// Starts foreign_windows_helper.exe; its windows exist once it sets the ready event.
bench::Child StartForeignWindows(const std::wstring& arguments) {
  static int serial = 0;
  const std::wstring readyName = L"VantoraBenchReady-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(++serial);
  platform::UniqueKernelHandle ready(::CreateEventW(nullptr, TRUE, FALSE, readyName.c_str()));
  bench::Child helper(L"\"" + bench::OwnDirectory() + L"foreign_windows_helper.exe\" --seconds 600 --ready " +
                      readyName + L" " + arguments);
  const HANDLE waits[] = {ready.get(), helper.Process()};
  if (::WaitForMultipleObjects(2, waits, FALSE, 60000) != WAIT_OBJECT_0)
    throw std::runtime_error("the helper's windows did not appear");
  return helper;
}

void Pump() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

void PumpFor(DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  do {
    Pump();
    ::Sleep(5);
  } while (::GetTickCount64() < end);
}

// The bare cost of a rebuild: every question the list has to ask the system about every
// window, done directly and nothing kept.
void RawQueries() {
  std::vector<HWND> windows;
  ::EnumWindows(
      [](HWND window, LPARAM found) WINAPI -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  const int width = ::GetSystemMetrics(SM_CXICON), height = ::GetSystemMetrics(SM_CYICON);
  for (HWND window : windows) {
    if (!::IsWindowVisible(window)) continue;
    wchar_t title[512];
    if (::GetWindowTextW(window, title, 511) == 0) continue;
    auto icon = reinterpret_cast<HICON>(::GetClassLongPtrW(window, GCLP_HICON));
    DWORD_PTR answer = 0;
    if (!icon && ::SendMessageTimeoutW(window, WM_GETICON, ICON_BIG, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                       kIconWaitMs, &answer))
      icon = reinterpret_cast<HICON>(answer);
    if (icon) ::DestroyIcon(static_cast<HICON>(::CopyImage(icon, IMAGE_ICON, width, height, 0)));
  }
}

// The two things a rebuild adds to the raw queries, timed alone for `rows` rows: the list's
// own rows, and the 18 x 18 image cells drawn from 32 x 32 icons.
void Profile(TForm6& form, int rows, double rawMs) {
  const double insertions = bench::MedianMs(kRuns, [&] {
    form.ListView1.SetRedraw(false);
    form.ListView1.Clear();
    for (int i = 1; i <= rows; ++i) form.ListView1.AddItem(L"Bench " + std::to_wstring(i));
    form.ListView1.SetRedraw(true);
  });
  platform::UniqueIcon icon(static_cast<HICON>(
      ::CopyImage(::LoadIconW(nullptr, IDI_APPLICATION), IMAGE_ICON, ::GetSystemMetrics(SM_CXICON),
                  ::GetSystemMetrics(SM_CYICON), 0)));
  const double cells = bench::MedianMs(kRuns, [&] {
    form.ImageList1.Clear();
    for (int i = 0; i < rows; ++i) form.ImageList1.AddIcon(icon.get());
  });
  bench::PrintRow("  of which: " + std::to_string(rows) + " list rows", insertions, rawMs, "");
  bench::PrintRow("  if every row had an icon: its image cells", cells, rawMs, "");
  form.RefreshCatalogue();
}

void CatalogueOf(TForm6& form, int count) {
  auto helper = StartForeignWindows(L"--count " + std::to_wstring(count) + L" --icon --title \"Bench %d\"");
  PumpFor(300);
  form.RefreshCatalogue();  // first touches of every window stay out of the figures
  const auto times = bench::CompareMedians(kRuns, [&] { form.RefreshCatalogue(); }, RawQueries, Pump);
  bench::PrintRow("RefreshCatalogue, " + std::to_string(count) + " foreign windows", times.measured, times.reference,
                  "<= 1.5x raw queries");
  bench::PrintNote("rows " + std::to_string(form.ListView1.Count()) + ", image list " +
                   std::to_string(form.ImageList1.Count()) + " (never more than the rows)");
  Profile(form, form.ListView1.Count(), times.reference);
}

// How long a bounded message to a window whose thread stopped pumping takes.
double ProbeMs(HWND window) {
  return bench::TimeMs([&] { platform::BoundedSend(window, WM_NULL, 0, 0, platform::kIconQueryWait); });
}

std::string HungState(HWND window) { return ::IsHungAppWindow(window) ? "marked hung" : "not marked hung"; }

// Three windows whose thread never answers, among 100: a rebuild must stay within the waits it
// allows itself, and once the system calls them hung, they should cost nothing at all.
void HungAmongHundred(TForm6& form) {
  auto answering = StartForeignWindows(L"--count 97 --icon --title \"Bench %d\"");
  PumpFor(1000);  // the system is still tearing down the 500 windows of the run before
  form.RefreshCatalogue();
  const double start = bench::NowMs();
  auto hung = StartForeignWindows(L"--count 3 --hung --icon --title \"Hung %d\"");
  const HWND probe = ::FindWindowW(L"VantoraForeignWindow", L"Hung 1");
  const double budget = 3.0 * kIconWaitMs;

  const double freshProbe = ProbeMs(probe);
  const double fresh = bench::MedianMs(3, [&] { form.RefreshCatalogue(); });
  const double freshAge = (bench::NowMs() - start) / 1000.0;
  bench::PrintRow("RefreshCatalogue, 3 hung among 100, fresh", fresh, budget, "< 1.2x budget 3 x 200 ms");
  char note[160];
  std::snprintf(note, sizeof note, "rows %d; measured within %.1f s of the hang (%s); bounded WM_NULL took %.0f ms",
                form.ListView1.Count(), freshAge, HungState(probe).c_str(), freshProbe);
  bench::PrintNote(note);

  PumpFor(6000);
  const double markedProbe = ProbeMs(probe);
  const auto marked = bench::CompareMedians(kRuns, [&] { form.RefreshCatalogue(); }, RawQueries, Pump);
  bench::PrintRow("RefreshCatalogue, 3 hung among 100, after 6 s", marked.measured, budget,
                  "< 1.2x budget; hung ones free");
  bench::PrintRow("  the same against the raw queries", marked.measured, marked.reference, "<= 1.5x raw queries");
  std::snprintf(note, sizeof note, "rows %d; %s; bounded WM_NULL took %.0f ms", form.ListView1.Count(),
                HungState(probe).c_str(), markedProbe);
  bench::PrintNote(note);
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  try {
    ui::Application::Instance().Initialize(::GetModuleHandleW(nullptr), L"Vantora");
    ui::Owned<TForm6> form;
    form.Show();
    PumpFor(300);
    bench::PrintHeader();
    for (int count : {10, 100, 500}) CatalogueOf(form, count);
    HungAmongHundred(form);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_catalogue: %s\n", e.what());
    return 1;
  }
  return 0;
}
