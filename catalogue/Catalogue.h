#pragma once
// The window list: which windows of other programs it shows, how it is rebuilt, the controls
// that follow the selected row, and the automatic refresh.
#include <windows.h>

#include <functional>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/ProgramIcons.h"
#include "catalogue/UndoHistory.h"
#include "platform/UniqueHandle.h"
#include "ui/Components.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/ListView.h"

namespace catalogue {

// The controls the catalogue drives; they belong to the main window.
struct CatalogueControls {
  ui::ListView& list;
  ui::ImageList& images;
  ui::Edit& title;          // the selected window's title
  ui::CheckBox& stayOnTop;  // checked while the selected window is topmost
  ui::Image& largeIcon;
  ui::Image& smallIcon;
  ui::Button& closeButtonToggle;
  ui::Button& enableToggle;
  std::vector<ui::Control*> bulkGroup, perWindowGroup, newIconGroup;
  ui::Timer& armTimer;      // checks the refresh period every 100 ms
  ui::Timer& refreshTimer;  // rebuilds the list every period while the program is active
};

// The windows the list shows, front to back, with their titles as the rows show them. `ownWindow`
// tells which windows are the program's own and never listed.
std::vector<std::pair<HWND, std::wstring>> ListedWindows(const std::function<bool(HWND)>& ownWindow);

// A copy of the window's icon as the icon panel shows it, for a window outside the list.
platform::UniqueIcon WindowIconCopy(HWND window, bool large);

class Catalogue {
 public:
  // `ownWindow` tells which windows are the program's own and never listed.
  Catalogue(ui::Form& form, CatalogueControls controls, std::function<bool(HWND)> ownWindow);
  Catalogue(const Catalogue&) = delete;
  Catalogue& operator=(const Catalogue&) = delete;
  ~Catalogue();

  // Rebuilds the list; the selected row index is kept where it still exists.
  void Refresh();
  // Enables the control groups and reads the selected window's title, icons and states.
  void UpdateSelectionState();
  void RefreshAndUpdate() {
    Refresh();
    UpdateSelectionState();
  }
  // After windows were asked to close: lets them finish going away (a tenth of a second at
  // most), then rebuilds as above.
  void RefreshAfterClosing(std::span<const HWND> asked);

  HWND SelectedWindow() const;  // null when no row is selected
  // Selects the window's row, if it is shown.
  void Select(HWND window);
  // A copy of the window's icon at the system's size for its kind, as the icon panel shows it;
  // empty when the window has none.
  platform::UniqueIcon CopyWindowIcon(HWND window, bool large);
  std::vector<HWND> Windows() const;  // row i of the list shows window i
  // Every window the list would show without its filter, in list order.
  const std::vector<HWND>& AllWindows() const noexcept { return listed_; }
  // What the commands on listed windows changed, for "Undo".
  UndoHistory& History() noexcept { return history_; }
  // Whether the window's row carries the off-screen mark: it lies on no monitor.
  bool MarkedOffScreen(HWND window) const;

  // The filter typed in the list: rows whose title or program file name holds it, whatever
  // the case. Empty shows every row.
  const std::wstring& Filter() const noexcept { return filter_; }
  void SetFilter(std::wstring filter);
  // A character typed in the list edits the filter; true when it did.
  bool FilterCharacter(wchar_t typed);

  // Events of the list and the timers.
  void ListClick();
  void ListKeyDown(ui::KeyEvent& key);
  void ArmTimerTick();
  void RefreshTimerTick();

  // Seconds between automatic rebuilds; 0 or less is off. Only the options dialog sets it;
  // every start begins with 0.
  int AutoRefreshPeriod() const noexcept { return autoRefreshPeriod_; }
  void SetAutoRefreshPeriod(int seconds) noexcept { autoRefreshPeriod_ = seconds; }
  // Set once a new icon has been loaded: the "Change" buttons then follow the selection too.
  bool NewIconLoaded() const noexcept { return newIconLoaded_; }
  void SetNewIconLoaded(bool loaded) noexcept { newIconLoaded_ = loaded; }

 private:
  // What a row shows. The icon is the window's own large one or its program's row icon,
  // borrowed: it only tells whether the picture already drawn into the image list can stay.
  struct Row {
    HWND window;
    std::wstring title;
    HICON icon;
    int image;
    bool offScreen;
    friend bool operator==(const Row&, const Row&) = default;
  };
  HICON IconOf(HWND window, bool large);
  HICON RowIconOf(HWND window);
  HICON StoreAppIconOf(HWND window);
  int RowIconSize() const;
  void DrawRowImages(std::vector<Row>& rows);
  void ShowRows(const std::vector<Row>& rows);
  static std::wstring Caption(const Row& row);
  bool Matches(const Row& row);
  const std::wstring& ProgramFileName(HWND window);
  void ShowHeading();

  ui::Form& form_;
  int activationHandler_;
  CatalogueControls c_;
  std::function<bool(HWND)> ownWindow_;
  bool onWine_;
  ProgramIcons programIcons_;  // used under Wine only
  // By window without an icon: its Store app's picture, or none when it is no Store app's frame
  // (a frame whose app gave no picture yet is not kept).
  std::map<HWND, platform::UniqueIcon> storeAppIcons_;
  std::vector<Row> rows_;     // what the list shows, row by row
  std::vector<HWND> listed_;  // every window listed before the filter
  std::wstring filter_, filterLower_;
  // By window, while the filter is on: its program file's name, in lower case.
  std::map<HWND, std::wstring> programNames_;
  // The image cell drawn for each window and icon listed: a row that moves keeps its picture.
  std::map<std::pair<HWND, HICON>, int> cells_;
  bool autoRefreshArmed_ = false;
  int autoRefreshPeriod_ = 0;
  bool newIconLoaded_ = false;
  UndoHistory history_;
};

}  // namespace catalogue
