// The window list: which windows it shows, how it is rebuilt, and the controls that follow the
// selected row.
#include "catalogue/Catalogue.h"

#include <algorithm>
#include <functional>
#include <set>

#include "catalogue/portable/CatalogueRules.h"
#include "catalogue/portable/ToggleCaptions.h"
#include "platform/system/Processes.h"
#include "platform/windows/OffScreen.h"
#include "platform/windows/StoreApps.h"
#include "platform/windows/portable/ShellClasses.h"
#include "platform/windows/WindowIsolation.h"
#include "platform/windows/WindowQueries.h"
#include "platform/system/Wine.h"
#include "ui/portable/Dpi.h"
#include "ui/Application.h"

namespace catalogue {

namespace {

void Enable(const std::vector<ui::Control*>& group, bool enabled) {
  for (ui::Control* control : group) control->SetEnabled(enabled);
}

// Redraw of the list is suspended while it is rebuilt, so it does not blank and flicker.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(ui::ListView& list) : list_(list) { list_.SetRedraw(false); }
  ~RedrawSuspended() { list_.SetRedraw(true); }

 private:
  ui::ListView& list_;
};

// Top-level buttons are few: they are looked up once per rebuild rather than asking every window
// for its class and owner.
std::vector<HWND> TaskbarStartButtons() {
  std::vector<HWND> buttons = platform::TopLevelWindowsOfClass(vantora::kStartButtonClass.data());
  std::erase_if(buttons, [](HWND button) {
    const HWND owner = ::GetWindow(button, GW_OWNER);
    return !owner || platform::WindowClassName(owner) != vantora::kStartButtonOwnerClass;
  });
  return buttons;
}

std::wstring Lower(std::wstring text) {
  if (!text.empty()) ::CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

constexpr const wchar_t* kHeading = L"Open Windows:";
constexpr const wchar_t* kOffScreenMark = L"  [off screen]";

}  // namespace

std::vector<std::pair<HWND, std::wstring>> ListedWindows(const std::function<bool(HWND)>& ownWindow) {
  // Looked up once per walk rather than asking every window for its class.
  const HWND wineTray = platform::RunningOnWine() ? ::FindWindowW(vantora::kWineTrayClass.data(), nullptr) : nullptr;
  const std::vector<HWND> startButtons = TaskbarStartButtons();
  std::vector<std::pair<HWND, std::wstring>> listed;
  platform::EnumerateTopLevelWindows([&](HWND window) {
    // Cheapest tests first: the result is the same in any order, and most windows are hidden.
    if (ownWindow(window) || !::IsWindowVisible(window)) return;
    std::wstring title = platform::WindowText(window, vantora::kRowTitleBuffer);
    if (!vantora::IsListedTitle(title)) return;
    // The window manager cloaks what it keeps off the screen the user sees: windows on other
    // virtual desktops, suspended Store apps, parts of the shell.
    if (window == wineTray || std::find(startButtons.begin(), startButtons.end(), window) != startButtons.end() ||
        platform::CurrentWindowIsolation().Cloaked(window))
      return;
    listed.emplace_back(window, std::move(title));
  });
  return listed;
}

platform::UniqueIcon WindowIconCopy(HWND window, bool large) {
  ProgramIcons programs;
  programs.BeginRebuild(vantora::kSmallIconSize);
  HICON icon = platform::RunningOnWine() ? programs.For(window, large) : nullptr;
  if (!icon) icon = platform::WindowIcon(window, large);
  return platform::CopyAtSystemSize(icon, large);
}

Catalogue::Catalogue(ui::Form& form, CatalogueControls controls, std::function<bool(HWND)> ownWindow)
    : form_(form), c_(std::move(controls)), ownWindow_(std::move(ownWindow)), onWine_(platform::RunningOnWine()) {
  c_.list.SetImages(c_.images);
  c_.list.OnImagesResized = [this] {
    cells_.clear();  // the resized images let go of every picture
    Refresh();
  };
  // The refresh period is measured while the program is active, from the moment it became so.
  activationHandler_ = form.AddMessageHandler([this](UINT message, WPARAM active, LPARAM, LRESULT&) {
    if (message == WM_ACTIVATEAPP && autoRefreshArmed_) {
      c_.refreshTimer.SetEnabled(false);
      c_.refreshTimer.SetEnabled(active != FALSE);
    }
    return false;
  });
}

Catalogue::~Catalogue() {
  c_.list.OnImagesResized = nullptr;
  form_.RemoveMessageHandler(activationHandler_);
}

HWND Catalogue::SelectedWindow() const {
  const int index = c_.list.ItemIndex();
  if (index < 0 || index >= static_cast<int>(rows_.size())) return nullptr;
  return rows_[static_cast<size_t>(index)].window;
}

// Under Wine another process's window hands out no icon of its own, so its program's icon is
// asked first there, sparing every rebuild two calls per row that cannot succeed. The program
// has none for a window of this process, which still gives its own.
HICON Catalogue::IconOf(HWND window, bool large) {
  if (onWine_)
    if (HICON icon = programIcons_.For(window, large)) return icon;
  if (HICON icon = platform::WindowIcon(window, large)) return icon;
  return StoreAppIconOf(window);
}

// The row shows the picture made for the small icon's size. A window's own large icon, loaded
// from a resource, leads to the resource's picture of that size when the row is drawn, so the
// rebuild asks no more than before.
HICON Catalogue::RowIconOf(HWND window) {
  if (onWine_)
    if (HICON icon = programIcons_.RowIcon(window)) return icon;
  if (HICON icon = platform::WindowIcon(window, true)) return icon;
  return StoreAppIconOf(window);
}

// A Store app's frame carries no icon of its own: the shell's picture of its app stands in. Each
// window without an icon is asked for its class once while it is listed; an app asked while it
// was starting may have had no picture yet, so its frame is asked again until one is found.
HICON Catalogue::StoreAppIconOf(HWND window) {
  if (const auto found = storeAppIcons_.find(window); found != storeAppIcons_.end()) return found->second.get();
  const bool storeApp = platform::WindowClassName(window) == platform::kStoreAppFrameClass;
  platform::UniqueIcon icon;
  if (storeApp) icon = platform::StoreAppIcon(window, ::GetSystemMetrics(SM_CXICON));
  if (storeApp && !icon) return nullptr;
  return storeAppIcons_.emplace(window, std::move(icon)).first->second.get();
}

int Catalogue::RowIconSize() const { return vantora::ScaleForDpi(vantora::kSmallIconSize, c_.images.Dpi()); }

platform::UniqueIcon Catalogue::CopyWindowIcon(HWND window, bool large) {
  return platform::CopyAtSystemSize(IconOf(window, large), large);
}

void Catalogue::Select(HWND window) {
  const auto found =
      std::find_if(rows_.begin(), rows_.end(), [window](const Row& row) { return row.window == window; });
  if (found != rows_.end()) c_.list.SetItemIndex(static_cast<int>(found - rows_.begin()));
}

bool Catalogue::MarkedOffScreen(HWND window) const {
  return std::any_of(rows_.begin(), rows_.end(),
                     [window](const Row& row) { return row.window == window && row.offScreen; });
}

void Catalogue::SetFilter(std::wstring filter) {
  if (filter == filter_) return;
  filter_ = std::move(filter);
  filterLower_ = Lower(filter_);
  if (filter_.empty()) programNames_.clear();
  // The selected window keeps its selection while its row is shown.
  const HWND selected = SelectedWindow();
  Refresh();
  Select(selected);
  UpdateSelectionState();
}

bool Catalogue::FilterCharacter(wchar_t typed) {
  if (typed == L'\b') {
    if (!filter_.empty()) SetFilter(filter_.substr(0, filter_.size() - 1));
  } else if (typed == 0x1B) {
    SetFilter(L"");
  } else if (typed >= L' ') {
    SetFilter(filter_ + typed);
  } else {
    return false;
  }
  return true;
}

// The program file's name is asked once per window while the filter is on.
const std::wstring& Catalogue::ProgramFileName(HWND window) {
  auto found = programNames_.find(window);
  if (found == programNames_.end()) {
    std::wstring name;
    if (const auto path = platform::ProcessImagePath(platform::WindowProcessId(window)))
      name = Lower(path->substr(path->find_last_of(L"\\/") + 1));
    found = programNames_.emplace(window, std::move(name)).first;
  }
  return found->second;
}

bool Catalogue::Matches(const Row& row) {
  return filterLower_.empty() || Lower(row.title).find(filterLower_) != std::wstring::npos ||
         ProgramFileName(row.window).find(filterLower_) != std::wstring::npos;
}

void Catalogue::ShowHeading() {
  std::wstring heading = kHeading;
  if (!filter_.empty())
    heading +=
        L" " + filter_ + L" (" + std::to_wstring(rows_.size()) + L" of " + std::to_wstring(listed_.size()) + L")";
  c_.list.SetColumnCaption(0, heading);
  c_.list.SetAccessibleName(std::move(heading));
}

std::vector<HWND> Catalogue::Windows() const {
  std::vector<HWND> windows;
  windows.reserve(rows_.size());
  for (const auto& row : rows_) windows.push_back(row.window);
  return windows;
}

void Catalogue::RefreshAfterClosing(std::span<const HWND> asked) {
  // A program may take its window down a little after it has handled WM_CLOSE; one that keeps
  // its window (it asked the user something) is listed again once the time is up.
  constexpr std::chrono::milliseconds kGoingWait{100};
  const auto gone = [asked] {
    return std::none_of(asked.begin(), asked.end(), [](HWND window) { return ::IsWindowVisible(window) != FALSE; });
  };
  ui::Application::Instance().WaitFor(gone, kGoingWait);
  RefreshAndUpdate();
}

// A rebuild asks the system about every window, but changes the list control only where a row
// really changed: refilling it and redrawing the icons costs more than all the questions.
void Catalogue::Refresh() {
  const int remembered = c_.list.ItemIndex();
  programIcons_.BeginRebuild(RowIconSize());
  std::vector<Row> rows;
  for (auto& [window, title] : ListedWindows(ownWindow_))
    rows.push_back({window, std::move(title), nullptr, ui::kNoImage, !platform::OnAnyMonitor(window)});
  listed_.clear();
  for (const Row& row : rows) listed_.push_back(row.window);
  std::erase_if(rows, [this](const Row& row) { return !Matches(row); });
  for (Row& row : rows) row.icon = RowIconOf(row.window);
  std::erase_if(programNames_, [this](const auto& kept) {
    return std::find(listed_.begin(), listed_.end(), kept.first) == listed_.end();
  });
  std::erase_if(storeAppIcons_, [&rows](const auto& kept) {
    return std::none_of(rows.begin(), rows.end(), [&kept](const Row& row) { return row.window == kept.first; });
  });
  DrawRowImages(rows);
  ShowRows(rows);
  ShowHeading();
  const int count = c_.list.Count();
  if (remembered >= 0 && remembered < count) c_.list.SetItemIndex(remembered);
  const int selected = c_.list.ItemIndex();
  if (selected < 0 && count > 0)
    c_.list.SetItemIndex(0);
  else if (selected >= 0)
    c_.list.MakeVisible(selected);
  programIcons_.EndRebuild();
}

// c_.images holds one cell for each window and icon listed, in no particular order; a cell is
// drawn only for a window or an icon new to the list (a DPI change lets go of them all). Cells
// no longer listed are drawn over by new ones, and those left over removed.
void Catalogue::DrawRowImages(std::vector<Row>& rows) {
  std::set<std::pair<HWND, HICON>> listed;
  for (const Row& row : rows)
    if (row.icon) listed.emplace(row.window, row.icon);
  std::vector<int> freed;
  std::erase_if(cells_, [&](const auto& cell) {
    if (listed.count(cell.first)) return false;
    freed.push_back(cell.second);
    return true;
  });
  std::sort(freed.begin(), freed.end(), std::greater<>());  // the lowest last, taken first
  const int size = RowIconSize();
  for (const Row& row : rows) {
    if (!row.icon || cells_.count({row.window, row.icon})) continue;
    const int into = freed.empty() ? -1 : freed.back();
    const int image = c_.images.AddCentred(row.icon, size, into);
    if (image < 0) continue;  // shown without a picture, tried again next time
    if (into >= 0) freed.pop_back();
    cells_[{row.window, row.icon}] = image;
  }
  for (const int gone : freed) {  // from the highest, so the lower ones stay where they are
    c_.images.Remove(gone);
    for (auto& [key, image] : cells_)
      if (image > gone) --image;
  }
  for (Row& row : rows) {
    const auto cell = row.icon ? cells_.find({row.window, row.icon}) : cells_.end();
    row.image = cell == cells_.end() ? ui::kNoImage : cell->second;
  }
}

std::wstring Catalogue::Caption(const Row& row) { return row.offScreen ? row.title + kOffScreenMark : row.title; }

void Catalogue::ShowRows(const std::vector<Row>& rows) {
  if (rows == rows_) return;
  RedrawSuspended quiet(c_.list);
  const size_t common = std::min(rows.size(), rows_.size());
  for (size_t i = 0; i < common; ++i) {
    if (rows[i].title != rows_[i].title || rows[i].image != rows_[i].image || rows[i].offScreen != rows_[i].offScreen)
      c_.list.SetItem(static_cast<int>(i), Caption(rows[i]), rows[i].image);
  }
  for (size_t i = rows_.size(); i > rows.size(); --i) c_.list.DeleteItem(static_cast<int>(i - 1));
  for (size_t i = common; i < rows.size(); ++i) c_.list.AddItem(Caption(rows[i]), rows[i].image);
  rows_ = rows;
}

void Catalogue::UpdateSelectionState() {
  if (c_.list.Count() == 0) {
    Enable(c_.bulkGroup, false);
    Enable(c_.perWindowGroup, false);
    return;
  }
  Enable(c_.bulkGroup, true);
  const HWND window = SelectedWindow();
  if (!window) {
    Enable(c_.perWindowGroup, false);
    return;
  }
  if (newIconLoaded_) Enable(c_.newIconGroup, true);
  Enable(c_.perWindowGroup, true);
  c_.title.SetText(platform::WindowText(window, vantora::kEditTitleBuffer));
  c_.stayOnTop.SetChecked(platform::IsWindowTopmost(window));  // a change re-applies the window's own state
  c_.largeIcon.SetIcon(CopyWindowIcon(window, true));
  c_.smallIcon.SetIcon(CopyWindowIcon(window, false));
  c_.closeButtonToggle.SetCaption(platform::IsCloseButtonEnabled(window) ? kCloseButtonToggle.first
                                                                         : kCloseButtonToggle.second);
  c_.enableToggle.SetCaption(::IsWindowEnabled(window) ? kEnabledToggle.first : kEnabledToggle.second);
}

void Catalogue::ListClick() {
  UpdateSelectionState();
  RefreshAndUpdate();
}

void Catalogue::ListKeyDown(ui::KeyEvent& key) {
  const int count = c_.list.Count();
  if (key.key == VK_DOWN && count > 0 && c_.list.ItemIndex() == count - 1) {
    c_.list.SetItemIndex(0);
    key.handled = true;  // the list would otherwise move on from the row just selected
  }
}

void Catalogue::ArmTimerTick() {
  if (autoRefreshPeriod_ > 0) {
    const UINT interval = static_cast<UINT>(autoRefreshPeriod_) * 1000;
    if (!autoRefreshArmed_ || c_.refreshTimer.Interval() != interval) {
      autoRefreshArmed_ = true;
      c_.refreshTimer.SetEnabled(false);
      c_.refreshTimer.SetInterval(interval);
      c_.refreshTimer.SetEnabled(platform::ForegroundIsOurs());
    }
  } else if (autoRefreshArmed_) {
    autoRefreshArmed_ = false;
    c_.refreshTimer.SetEnabled(false);
  }
}

void Catalogue::RefreshTimerTick() {
  if (!platform::ForegroundIsOurs()) return;
  Refresh();
  ui::Application::Instance().ProcessMessages();
}

}  // namespace catalogue
