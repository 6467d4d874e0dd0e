#include "icons/WindowIconPanel.h"

#include "icons/IconFiles.h"
#include "icons/portable/FileNames.h"
#include "ui/Prompts.h"
#include "ui/CommandReports.h"
#include "platform/windows/WindowQueries.h"
#include "platform/windows/WindowRoutines.h"
#include "ui/portable/FileDialogFilter.h"

namespace icons {
namespace {

constexpr int kSmallIconSide = 16;  // the small icon is saved at 16 x 16 whatever the system metric

SIZE LargeIconSize() { return {::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)}; }

}  // namespace

WindowIconPanel::WindowIconPanel(const Controls& controls, SelectionLink selection)
    : c_(controls), selection_(std::move(selection)) {}

void WindowIconPanel::OpenIconMenu(ui::MouseButton button, bool large, ui::PopupMenu& menu) {
  if (button != ui::MouseButton::Right) return;
  const HWND window = selection_.selectedWindow();
  if (!window || !selection_.copyWindowIcon(window, large)) return;
  selection_.updateSelectionState();
  POINT cursor{};
  ::GetCursorPos(&cursor);
  menu.Popup(cursor.x, cursor.y);
}

void WindowIconPanel::LargeIconMouseDown(ui::MouseButton button) { OpenIconMenu(button, true, c_.largeIconMenu); }
void WindowIconPanel::SmallIconMouseDown(ui::MouseButton button) { OpenIconMenu(button, false, c_.smallIconMenu); }

void WindowIconPanel::SaveLargeIconAsClick() {
  if (!c_.savePictureDialog.Execute()) return;
  const HICON icon = c_.largeIcon.Icon();
  const SIZE size = icon ? ui::IconSize(icon) : LargeIconSize();
  ExportIcon(icon, size.cx, size.cy, c_.savePictureDialog.FileName());
}

void WindowIconPanel::SaveSmallIconAsClick() {
  if (!c_.savePictureDialog.Execute()) return;
  ExportIcon(c_.smallIcon.Icon(), kSmallIconSide, kSmallIconSide, c_.savePictureDialog.FileName());
}

void WindowIconPanel::SaveWindowIconClick() {
  if (c_.savePictureDialog.Execute()) {
    const bool large = c_.saveLargeIcon.Checked();
    const auto icon = selection_.copyWindowIcon(selection_.selectedWindow(), large);
    ExportWindowIcon(icon.get(), large, c_.savePictureDialog.FileName());
  }
  selection_.updateSelectionState();
}

void ExportWindowIcon(HICON icon, bool large, const std::wstring& path) {
  const SIZE size = large ? LargeIconSize() : SIZE{kSmallIconSide, kSmallIconSide};
  ExportIcon(icon, size.cx, size.cy, path);
}

void WindowIconPanel::RefuseNewIcon() {
  c_.changeSmallIcon.SetEnabled(false);
  c_.changeLargeIcon.SetEnabled(false);
  selection_.setNewIconLoaded(false);
}

void WindowIconPanel::LoadIconClick() {
  if (!c_.openIconDialog.Execute()) return;
  const std::wstring& name = c_.openIconDialog.FileName();
  if (UpperExtension(name) != L".ICO") {
    ui::CurrentPrompts().Information(L"Invalid File Format");
    RefuseNewIcon();
    return;
  }
  platform::UniqueIcon loaded = LoadIconFile(name);
  if (!loaded) {
    RefuseNewIcon();
    if (!newIcon_) c_.newIcon.Clear();
    return;
  }
  if (newIconHandedOut_) handedOut_.push_back(std::move(newIcon_));
  newIcon_ = std::move(loaded);
  newIconHandedOut_ = false;
  c_.newIcon.SetIcon(platform::UniqueIcon(::CopyIcon(newIcon_.get())));
  c_.changeSmallIcon.SetEnabled(true);
  c_.changeLargeIcon.SetEnabled(true);
  selection_.setNewIconLoaded(true);
}

void WindowIconPanel::SendNewIcon(WPARAM kind) {
  if (newIcon_) {
    ui::ReportCommandFailure(L"Giving the selected window its new icon",
                             platform::SetWindowIcon(selection_.selectedWindow(), kind, newIcon_.get()));
    newIconHandedOut_ = true;
  }
  selection_.updateSelectionState();
}

// The save dialog keeps the entered name without its folder, and the name follows the picked
// type's extension, so what the dialog shows names the type the user sees picked.
std::wstring WindowIconPanel::SavePictureTypeChange(const std::wstring& entered, int filterIndex) {
  const auto& dialog = c_.savePictureDialog;
  return NameForType(entered, ui::FilterExtension(dialog.Options().filter, filterIndex));
}

void WindowIconPanel::ChangeLargeIconClick() { SendNewIcon(ICON_BIG); }
void WindowIconPanel::ChangeSmallIconClick() { SendNewIcon(ICON_SMALL); }

}  // namespace icons
