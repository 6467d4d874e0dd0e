#include "app/HotKeyActions.h"

#include "options/portable/HotKeyTable.h"
#include "platform/Error.h"

namespace app {
namespace {

using shell::BulkVariant;
using namespace vantora;

struct HotKeyAction {
  HotKeyId id;
  void (*run)(shell::BulkCommands& bulk);
};

// Tried in this order; the first matching id acts.
constexpr HotKeyAction kHotKeyActions[] = {
    {kCloseAll, [](shell::BulkCommands& bulk) { bulk.CloseAll(BulkVariant::HotKey); }},
    {kMinimizeAll, [](shell::BulkCommands& bulk) { bulk.MinimizeAll(BulkVariant::HotKey); }},
    {kMaximizeAll, [](shell::BulkCommands& bulk) { bulk.MaximizeAll(); }},
    {kRestoreAll, [](shell::BulkCommands& bulk) { bulk.RestoreAll(BulkVariant::HotKey); }},
    {kOpaque, [](shell::BulkCommands& bulk) { bulk.SetAllOpacity(100); }},
    {kHalfOpaque, [](shell::BulkCommands& bulk) { bulk.SetAllOpacity(50); }},
};

}  // namespace

void HotKeyActions::RegisterDefaults() {
  for (const HotKeyDefinition& key : kHotKeys)
    platform::LogIfFailed(L"Registering a hotkey", keys_.Register(key.id, key.modifiers, key.virtualKey));
}

void HotKeyActions::Dispatch(WPARAM id) {
  windowList_.Refresh();  // a window opened since the last rebuild is acted on too
  for (const HotKeyAction& action : kHotKeyActions) {
    if (static_cast<WPARAM>(action.id) == id) {
      action.run(bulk_);
      break;
    }
  }
  // The window list's rebuild can leave these unpainted; hiding and showing repaints them.
  for (ui::Control* control : repainted_) {
    control->SetVisible(false);
    control->SetVisible(true);
  }
}

}  // namespace app
