// What a rebuild of the window list costs beyond the questions it must ask the system anyway,
// over the windows of another program, and how far a few hung windows can hold it up.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <map>
#include <utility>
#include <string>
#include <vector>

#include "app/VantoraMain.h"
#include "bench/Bench.h"
#include "platform/system/Processes.h"
#include "platform/windows/WindowMessages.h"
#include "platform/windows/WindowQueries.h"
#include "ui/portable/Dpi.h"

namespace {

constexpr int kRuns = 7;
const UINT kIconWaitMs = static_cast<UINT>(platform::kIconQueryWait.count());

// Starts a helper program (foreign_windows_helper.exe by default); its windows exist once it
// sets the ready event.
bench::Child StartForeignWindows(const std::wstring& arguments,
                                 const std::wstring& exe = bench::OwnDirectory() + L"foreign_windows_helper.exe") {
  static int serial = 0;
  const std::wstring readyName =
      L"VantoraBenchReady-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
  platform::UniqueKernelHandle ready(::CreateEventW(nullptr, TRUE, FALSE, readyName.c_str()));
  bench::Child helper(L"\"" + exe + L"\" --seconds 600 --ready " + readyName + L" " + arguments);
  const HANDLE waits[] = {ready.get(), helper.Process()};
  if (::WaitForMultipleObjects(2, waits, FALSE, 60000) != WAIT_OBJECT_0)
    throw std::runtime_error("the helper's windows did not appear");
  return helper;
}

void PumpFor(DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  do {
    bench::Pump();
    ::Sleep(5);
  } while (::GetTickCount64() < end);
}

// The bare cost of a rebuild: every question the list has to ask the system about every
// window, done directly and nothing kept; a window that hands out no icon has `stand-in` copied.
void RawQueries(HICON standIn = nullptr) {
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
    if (!icon &&
        ::SendMessageTimeoutW(window, WM_GETICON, ICON_BIG, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kIconWaitMs, &answer))
      icon = reinterpret_cast<HICON>(answer);
    if (!icon) icon = standIn;
    if (icon) ::DestroyIcon(static_cast<HICON>(::CopyImage(icon, IMAGE_ICON, width, height, 0)));
  }
}

// The two things a rebuild adds to the raw queries, timed alone for `rows` rows: the list's
// own rows, and the image cells, each the small picture of a shared icon in the middle of a cell.
void Profile(TForm6& form, int rows, double rawMs) {
  const double insertions = bench::MedianMs(kRuns, [&] {
    form.windowListView.SetRedraw(false);
    form.windowListView.Clear();
    for (int i = 1; i <= rows; ++i) form.windowListView.AddItem(L"Bench " + std::to_wstring(i));
    form.windowListView.SetRedraw(true);
  });
  // Loaded shared, as a program's own icon is: each cell reloads the picture of its size.
  const HICON icon = ::LoadIconW(nullptr, IDI_APPLICATION);
  const int size = vantora::ScaleForDpi(vantora::kSmallIconSize, form.rowImages.Dpi());
  const double cells = bench::MedianMs(kRuns, [&] {
    form.rowImages.Clear();
    for (int i = 0; i < rows; ++i) form.rowImages.AddCentred(icon, size);
  });
  bench::PrintRow("  of which: " + std::to_string(rows) + " list rows", insertions, rawMs, "");
  bench::PrintRow("  if every row had an icon: its image cells", cells, rawMs, "");
  form.RefreshCatalogue();
}

void CatalogueOf(TForm6& form, int count) {
  auto helper = StartForeignWindows(L"--count " + std::to_wstring(count) + L" --icon --title \"Bench %d\"");
  PumpFor(300);
  form.RefreshCatalogue();  // first touches of every window stay out of the figures
  const auto times = bench::CompareMedians(
      kRuns, [&] { form.RefreshCatalogue(); }, [] { RawQueries(); }, bench::Pump);
  bench::PrintRow("RefreshCatalogue, " + std::to_string(count) + " foreign windows", times.measured, times.reference,
                  "<= 1.5x raw queries");
  bench::PrintNote("rows " + std::to_string(form.windowListView.Count()) + ", image list " +
                   std::to_string(form.rowImages.Count()) + " (never more than the rows)");
  Profile(form, form.windowListView.Count(), times.reference);
}

// A rebuild after a change of order, every row with an icon (its program's, as under Wine no
// window hands out its own): the bottom window comes to the top, so every row moves. Against the
// raw queries copying the same icon for every window.
void Reordered(TForm6& form) {
  const std::wstring program = bench::OwnDirectory() + L"iconic_windows_helper.exe";
  auto helper = StartForeignWindows(L"--count 100 --no-icon --title \"Reordered %d\"", program);
  PumpFor(300);
  form.RefreshCatalogue();
  const platform::FileIcons icons = platform::FirstFileIcons(program);
  const auto reorder = [] {
    HWND bottom = nullptr;
    for (HWND w = ::FindWindowW(L"VantoraForeignWindow", nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT))
      if (platform::WindowClassName(w) == L"VantoraForeignWindow") bottom = w;
    ::SetWindowPos(bottom, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    bench::Pump();
  };
  const auto times = bench::CompareMedians(
      kRuns, [&] { form.RefreshCatalogue(); }, [&] { RawQueries(icons.large.get()); }, reorder);
  bench::PrintRow("RefreshCatalogue after a change of order, 100 windows with icons", times.measured, times.reference,
                  "<= 1.5x raw queries copying the icons");
}

// How long a bounded message to a window whose thread stopped pumping takes.
double ProbeMs(HWND window) {
  return bench::TimeMs([&] { platform::BoundedSend(window, WM_NULL, 0, 0, platform::kIconQueryWait); });
}

std::string HungState(HWND window) { return ::IsHungAppWindow(window) ? "marked hung" : "not marked hung"; }

// Hung windows among 100: a rebuild must stay within the waits it allows itself, and once the
// system calls them hung, they should cost nothing at all. Without a class icon the icon message
// itself meets the hang.
void HungAmongHundred(TForm6& form, int hungCount, bool classIcon) {
  const std::wstring icon = classIcon ? L" --icon" : L" --no-icon";
  auto answering =
      StartForeignWindows(L"--count " + std::to_wstring(100 - hungCount) + L" --icon --title \"Bench %d\"");
  PumpFor(1000);  // the system is still tearing down the windows of the run before
  form.RefreshCatalogue();
  const double start = bench::NowMs();
  auto hung =
      StartForeignWindows(L"--count " + std::to_wstring(hungCount) + L" --hung" + icon + L" --title \"Hung %d\"");
  const HWND probe = ::FindWindowW(L"VantoraForeignWindow", L"Hung 1");
  const double budget = hungCount * static_cast<double>(kIconWaitMs);
  const std::string what = std::to_string(hungCount) + " hung among 100" + (classIcon ? "" : ", no class icon");
  const std::string target = "< 1.2x budget " + std::to_string(hungCount) + " x 200 ms";

  const double freshProbe = ProbeMs(probe);
  const double fresh = bench::MedianMs(3, [&] { form.RefreshCatalogue(); });
  const double freshAge = (bench::NowMs() - start) / 1000.0;
  bench::PrintRow("RefreshCatalogue, " + what + ", fresh", fresh, budget, target);
  char note[160];
  std::snprintf(note, sizeof note, "rows %d; measured within %.1f s of the hang (%s); bounded WM_NULL took %.0f ms",
                form.windowListView.Count(), freshAge, HungState(probe).c_str(), freshProbe);
  bench::PrintNote(note);

  PumpFor(6000);
  const double markedProbe = ProbeMs(probe);
  const auto marked = bench::CompareMedians(
      kRuns, [&] { form.RefreshCatalogue(); }, [] { RawQueries(); }, bench::Pump);
  bench::PrintRow("RefreshCatalogue, " + what + ", after 6 s", marked.measured, budget,
                  "< 1.2x budget; hung ones free");
  bench::PrintRow("  the same against the raw queries", marked.measured, marked.reference, "<= 1.5x raw queries");
  std::snprintf(note, sizeof note, "rows %d; %s; bounded WM_NULL took %.0f ms", form.windowListView.Count(),
                HungState(probe).c_str(), markedProbe);
  bench::PrintNote(note);
}

// Each command against a window whose thread has just stopped answering, against the one wait
// it allows itself. Every command gets a hang of its own, fresh, and runs once the selection's
// own encounter with the hang is forgotten.
void CommandsAgainstAHang(TForm6& form) {
  const double bound = static_cast<double>(platform::kAnswerWait.count());
  using Command = std::pair<const char*, std::function<void()>>;
  const Command commands[] = {
      {"Maximize", [&] { form.MaximizeClick(); }},
      {"Minimize", [&] { form.MinimizeClick(); }},
      {"Restore", [&] { form.RestoreClick(); }},
      {"Bring To Front", [&] { form.BringToFrontClick(); }},
      {"Stay On Top", [&] { form.stayOnTop.SetChecked(!form.stayOnTop.Checked()); }},
      {"Update Text", [&] { form.UpdateTextClick(); }},
      {"Disable Window", [&] { form.EnabledToggleClick(); }},
      {"Disable Close Button", [&] { form.CloseButtonToggleClick(); }},
      {"opacity", [&] { form.opacitySlider.SetPosition(form.opacitySlider.Position() == 40 ? 60 : 40); }},
  };
  for (const auto& [name, command] : commands) {
    auto hung = StartForeignWindows(L"--hung --no-icon --title \"Hung command\"");
    form.RefreshCatalogue();
    for (int i = 0; i < form.windowListView.Count(); ++i)
      if (form.windowListView.ItemText(i) == L"Hung command") form.windowListView.SetItemIndex(i);
    form.UpdateSelectionState();
    PumpFor(1100);
    bench::PrintRow(std::string("  ") + name + ", one fresh hang", bench::TimeMs(command), bound, "<= 1.2x one wait");
  }
  struct Walk {
    const char* name;
    std::function<void()> run;
  };
  const Walk walks[] = {
      {"Minimize All (hotkey)", [&] { form.MinimizeAllWindows(TForm6::BulkVariant::HotKey); }},
      {"Restore All (button)", [&] { form.RestoreAllWindows(TForm6::BulkVariant::Button); }},
      {"Maximize All (hotkey)", [&] { form.MaximizeAllWindows(); }},
      {"50% opacity (hotkey)", [&] { form.SetAllWindowsOpacity(50); }},
      {"Cascade Windows", [&] { form.CascadeClick(); }},
  };
  // A walk's bound: the same walk over the answering windows alone, plus one wait per hang.
  auto answering = StartForeignWindows(L"--count 17 --icon --title \"Bench walk %d\"");
  for (const Walk& walk : walks) {
    form.RefreshCatalogue();
    const double alone = bench::TimeMs(walk.run);
    auto hung = StartForeignWindows(L"--count 3 --hung --icon --title \"Hung walk %d\"");
    form.RefreshCatalogue();
    bench::PrintRow(std::string("  ") + walk.name + ", 3 fresh hangs among 20", bench::TimeMs(walk.run),
                    alone + 3 * bound, "<= 1.2x 17 answering + 3 waits");
  }
}

// The bare cost of a first fill with the program-icon fallback: the raw queries, each process's
// file looked up once and each file's icon extracted once, and the rows and image cells added.
void BareFirstFill(TForm6& form) {
  RawQueries();
  std::vector<HWND> windows;
  platform::EnumerateTopLevelWindows([&](HWND window) {
    if (::IsWindowVisible(window) && ::GetWindowTextLengthW(window) > 0) windows.push_back(window);
  });
  std::map<DWORD, std::wstring> paths;
  std::map<std::wstring, platform::FileIcons> icons;
  form.windowListView.SetRedraw(false);
  form.windowListView.Clear();
  form.rowImages.Clear();
  for (HWND window : windows) {
    const DWORD id = platform::WindowProcessId(window);
    auto path = paths.find(id);
    if (path == paths.end()) path = paths.emplace(id, platform::ProcessImagePath(id).value_or(L"")).first;
    auto icon = icons.find(path->second);
    if (icon == icons.end()) icon = icons.emplace(path->second, platform::FirstFileIcons(path->second)).first;
    const int image = icon->second.large ? form.rowImages.AddIcon(icon->second.large.get()) : ui::kNoImage;
    form.windowListView.AddItem(L"Bench", image);
  }
  form.windowListView.SetRedraw(true);
}

// A first fill of the list where every row's picture comes from its program's file: 100 windows
// of one program, and 100 windows of 10 programs (10 copies of the helper under other names).
void FirstFillWithProgramIcons(TForm6& form) {
  const std::wstring helper = bench::OwnDirectory() + L"iconic_windows_helper.exe";
  std::vector<bench::Child> programs;
  programs.push_back(StartForeignWindows(L"--count 100 --no-icon --title \"Program window %d\"", helper));
  std::vector<std::wstring> copies;
  const auto fill = [&](const std::string& name) {
    PumpFor(500);
    const catalogue::CatalogueControls controls{form.windowListView,
                                                form.rowImages,
                                                form.newTitle,
                                                form.stayOnTop,
                                                form.largeIcon,
                                                form.smallIcon,
                                                form.closeButtonToggle,
                                                form.enabledToggle,
                                                {},
                                                {},
                                                {},
                                                form.armTimer,
                                                form.refreshTimer};
    const auto clear = [&] {
      form.windowListView.Clear();
      form.rowImages.Clear();
      bench::Pump();
    };
    const auto times = bench::CompareMedians(
        kRuns,
        [&] {
          catalogue::Catalogue fresh(form, controls, [&form](HWND w) { return w == form.Handle(); });
          fresh.Refresh();
        },
        [&] { BareFirstFill(form); }, clear);
    bench::PrintRow("first fill, program icons, " + name, times.measured, times.reference, "<= 1.5x bare first fill");
  };
  fill("100 windows of 1 program");
  programs.clear();
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  for (int i = 1; i <= 10; ++i) {
    copies.push_back(std::wstring(temp) + L"vantora-bench-program-" + std::to_wstring(i) + L".exe");
    ::CopyFileW(helper.c_str(), copies.back().c_str(), FALSE);
    programs.push_back(StartForeignWindows(
        L"--count 10 --no-icon --title \"Program " + std::to_wstring(i) + L" window %d\"", copies.back()));
  }
  fill("100 windows of 10 programs");
  programs.clear();
  for (const auto& copy : copies) ::DeleteFileW(copy.c_str());
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
    Reordered(form);
    HungAmongHundred(form, 3, true);
    HungAmongHundred(form, 3, false);
    HungAmongHundred(form, 10, false);
    bench::PrintNote("commands against a hang, each against the wait it allows itself:");
    CommandsAgainstAHang(form);
    FirstFillWithProgramIcons(form);  // last: it leaves the list to a catalogue of its own
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_catalogue: %s\n", e.what());
    return 1;
  }
  return 0;
}
