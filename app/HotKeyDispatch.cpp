// The main window's WM_HOTKEY handler: every hotkey rebuilds the list and then runs the hotkey
// variant of one bulk command on the listed windows.
#include "app/VantoraMain.h"
#include "options/portable/HotKeyTable.h"

namespace {

using namespace vantora;

struct HotKeyAction {
  HotKeyId id;
  void (*run)(TForm6& form);
};

// Tried in this order; the first matching id acts.
constexpr HotKeyAction kHotKeyActions[] = {
    {kCloseAll, [](TForm6& form) { form.CloseAllWindows(TForm6::BulkVariant::HotKey); }},
    {kMinimizeAll, [](TForm6& form) { form.MinimizeAllWindows(TForm6::BulkVariant::HotKey); }},
    {kMaximizeAll, [](TForm6& form) { form.MaximizeAllWindows(); }},
    {kRestoreAll, [](TForm6& form) { form.RestoreAllWindows(TForm6::BulkVariant::HotKey); }},
    {kOpaque, [](TForm6& form) { form.SetAllWindowsOpacity(100); }},
    {kHalfOpaque, [](TForm6& form) { form.SetAllWindowsOpacity(50); }},
};

}  // namespace

void TForm6::DispatchHotKey(WPARAM id) {
  RefreshCatalogue();  // a window opened since the last rebuild is acted on too
  ::Sleep(100);
  for (const HotKeyAction& action : kHotKeyActions) {
    if (static_cast<WPARAM>(action.id) == id) {
      action.run(*this);
      break;
    }
  }
  // The window list's rebuild can leave these three unpainted; hiding and showing repaints them.
  for (ui::Control* control : std::initializer_list<ui::Control*>{&CheckBox1, &RadioButton1, &RadioButton2}) {
    control->SetVisible(false);
    control->SetVisible(true);
  }
}
