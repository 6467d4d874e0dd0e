// The window list: which windows it shows, how it is rebuilt, and the controls that follow the
// selected row.
#include <algorithm>

#include "app/VantoraMain.h"
#include "catalogue/AutoRefresh.h"
#include "catalogue/WindowState.h"
#include "catalogue/portable/CatalogueRules.h"
#include "platform/WindowQueries.h"

namespace {

// Controls enabled by the state of the list.
constexpr std::string_view kBulkGroup[] = {"Button15", "Button17", "Button22", "Button18", "Button19", "Button23"};
constexpr std::string_view kPerWindowGroup[] = {
    "sButton1", "Button1", "Button2", "Button3",  "Button4",  "Button14", "Button5", "sButton25", "Button6",      "Button7",
    "Button8",  "Button9", "Button16", "Button10", "Label3", "Edit1",    "TrackBar1", "CheckBox1", "RadioButton1", "RadioButton2"};
constexpr std::string_view kNewIconGroup[] = {"Button11", "Button12"};

template <size_t N>
std::vector<ui::Control*> Resolve(const ui::Form& form, const std::string_view (&names)[N]) {
  std::vector<ui::Control*> controls;
  for (auto name : names) controls.push_back(form.FindControl(std::string(name)));
  return controls;
}

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

}  // namespace

void TForm6::BindCatalogue() {
  bulkGroup_ = Resolve(*this, kBulkGroup);
  perWindowGroup_ = Resolve(*this, kPerWindowGroup);
  newIconGroup_ = Resolve(*this, kNewIconGroup);
  Button13.OnClick = [this] { Button13Click(); };
  ListView1.OnClick = [this] { ListView1Click(); };
  ListView1.OnKeyDown = [this](ui::KeyEvent& key) { ListView1KeyDown(key); };
  ListView1.OnKeyUp = [this](ui::KeyEvent& key) { ListView1KeyUp(key); };
  Timer2.OnTimer = [this] { Timer2Timer(); };
  DXTimer1.OnTimer = [this] { DXTimer1Timer(); };
  // The refresh period is measured while the program is active, from the moment it became so.
  AddMessageHandler([this](UINT message, WPARAM active, LPARAM, LRESULT&) {
    if (message == WM_ACTIVATEAPP && autoRefreshArmed_) {
      DXTimer1.SetEnabled(false);
      DXTimer1.SetEnabled(active != FALSE);
    }
    return false;
  });
}

bool TForm6::OwnWindow(HWND window) const {
  const auto is = [window](const ui::Form* form) { return form && form->Handle() == window; };
  return window == Handle() || window == ui::Application::Instance().Handle() || is(optionsDialog) || is(infoDialog);
}

HWND TForm6::SelectedWindow() const {
  const int index = ListView1.ItemIndex();
  if (index < 0 || index >= static_cast<int>(rows_.size())) return nullptr;
  return rows_[static_cast<size_t>(index)].window;
}

std::vector<HWND> TForm6::CatalogueWindows() const {
  std::vector<HWND> windows;
  windows.reserve(rows_.size());
  for (const auto& row : rows_) windows.push_back(row.window);
  return windows;
}

// A rebuild asks the system about every window, but changes the list control only where a row
// really changed: refilling it and redrawing the icons costs more than all the questions.
void TForm6::RefreshCatalogue() {
  const int remembered = ListView1.ItemIndex();
  try {
    std::vector<CatalogueRow> rows;
    platform::EnumerateTopLevelWindows([this, &rows](HWND window) {
      // Cheapest tests first: the result is the same in any order, and most windows are hidden.
      if (OwnWindow(window) || !::IsWindowVisible(window)) return;
      std::wstring title = platform::WindowText(window, vantora::kRowTitleBuffer);
      if (!vantora::IsListedTitle(title)) return;
      rows.push_back({window, std::move(title), WindowIcon(window, true), ui::kNoImage});
    });
    DrawRowImages(rows);
    ShowRows(rows);
    const int count = ListView1.Count();
    if (remembered >= 0 && remembered < count) ListView1.SetItemIndex(remembered);
    const int selected = ListView1.ItemIndex();
    if (selected < 0 && count > 0)
      ListView1.SetItemIndex(0);
    else if (selected >= 0)
      ListView1.MakeVisible(selected);
  } catch (...) {
    // A rebuild never reports anything: the list keeps what it showed.
  }
}

// ImageList1 holds the icons of the current rows, in row order; it is drawn again only when a
// window or an icon among them changed.
void TForm6::DrawRowImages(std::vector<CatalogueRow>& rows) {
  std::vector<const CatalogueRow*> drawn;  // the rows that already have their picture
  for (const auto& row : rows_)
    if (row.icon) drawn.push_back(&row);
  size_t next = 0;
  bool unchanged = true;
  for (const auto& row : rows) {
    if (!row.icon) continue;
    if (next == drawn.size() || drawn[next]->window != row.window || drawn[next]->icon != row.icon) {
      unchanged = false;
      break;
    }
    ++next;
  }
  unchanged = unchanged && next == drawn.size();
  if (!unchanged) ImageList1.Clear();
  next = 0;
  for (auto& row : rows) {
    if (!row.icon) continue;
    row.image = unchanged ? drawn[next++]->image : ImageList1.AddIcon(row.icon);
    if (row.image < 0) row.image = ui::kNoImage;
  }
}

void TForm6::ShowRows(const std::vector<CatalogueRow>& rows) {
  if (rows == rows_) return;
  RedrawSuspended quiet(ListView1);
  const size_t common = std::min(rows.size(), rows_.size());
  for (size_t i = 0; i < common; ++i) {
    if (rows[i].title != rows_[i].title || rows[i].image != rows_[i].image)
      ListView1.SetItem(static_cast<int>(i), rows[i].title, rows[i].image);
  }
  for (size_t i = rows_.size(); i > rows.size(); --i) ListView1.DeleteItem(static_cast<int>(i - 1));
  for (size_t i = common; i < rows.size(); ++i) ListView1.AddItem(rows[i].title, rows[i].image);
  rows_ = rows;
}

void TForm6::UpdateSelectionState() {
  if (ListView1.Count() == 0) {
    Enable(bulkGroup_, false);
    Enable(perWindowGroup_, false);
    return;
  }
  Enable(bulkGroup_, true);
  const HWND window = SelectedWindow();
  if (!window) {
    Enable(perWindowGroup_, false);
    return;
  }
  if (NewIconLoaded) Enable(newIconGroup_, true);
  Enable(perWindowGroup_, true);
  Edit1.SetText(platform::WindowText(window, vantora::kEditTitleBuffer));
  CheckBox1.SetChecked(IsWindowTopmost(window));  // a change re-applies the window's own state
  Image1.SetIcon(CopyWindowIcon(window, true));
  Image2.SetIcon(CopyWindowIcon(window, false));
  Button2.SetCaption(IsCloseButtonEnabled(window) ? L"Disable Close Button" : L"Enable Close Button");
  sButton25.SetCaption(::IsWindowEnabled(window) ? L"Disable Window" : L"Enable Window");
}

void TForm6::Button13Click() {
  RefreshCatalogue();
  UpdateSelectionState();
}

void TForm6::ListView1Click() {
  UpdateSelectionState();
  RefreshCatalogue();
  UpdateSelectionState();
}

void TForm6::ListView1KeyDown(ui::KeyEvent& key) {
  const int count = ListView1.Count();
  if (key.key == VK_DOWN && count > 0 && ListView1.ItemIndex() == count - 1) {
    ListView1.SetItemIndex(0);
    key.handled = true;  // the list would otherwise move on from the row just selected
  }
}

void TForm6::ListView1KeyUp(ui::KeyEvent&) {
  RefreshCatalogue();
  UpdateSelectionState();
}

bool TForm6::ProgramIsActive() const {
  DWORD owner = 0;
  ::GetWindowThreadProcessId(::GetForegroundWindow(), &owner);
  return owner == ::GetCurrentProcessId();
}

void TForm6::Timer2Timer() {
  if (AutoRefreshPeriod > 0) {
    const UINT interval = static_cast<UINT>(AutoRefreshPeriod) * 1000;
    if (!autoRefreshArmed_ || DXTimer1.Interval() != interval) {
      autoRefreshArmed_ = true;
      DXTimer1.SetEnabled(false);
      DXTimer1.SetInterval(interval);
      DXTimer1.SetEnabled(ProgramIsActive());
    }
  } else if (autoRefreshArmed_) {
    autoRefreshArmed_ = false;
    DXTimer1.SetEnabled(false);
  }
}

void TForm6::DXTimer1Timer() {
  if (!ProgramIsActive()) return;
  try {
    RefreshCatalogue();
    ui::Application::Instance().ProcessMessages();
  } catch (...) {
    // The automatic refresh ignores every failure.
  }
}
