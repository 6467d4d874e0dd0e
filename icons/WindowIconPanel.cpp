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

void WindowIconPanel::Image1MouseDown(ui::MouseButton button) { OpenIconMenu(button, true, c_.PopupMenu2); }
void WindowIconPanel::Image2MouseDown(ui::MouseButton button) { OpenIconMenu(button, false, c_.PopupMenu3); }

void WindowIconPanel::SaveToFile1Click() {
  if (!c_.SavePictureDialog1.Execute()) return;
  const HICON icon = c_.Image1.Icon();
  const SIZE size = icon ? ui::IconSize(icon) : LargeIconSize();
  ExportIcon(icon, size.cx, size.cy, c_.SavePictureDialog1.FileName());
}

void WindowIconPanel::MenuItem1Click() {
  if (!c_.SavePictureDialog1.Execute()) return;
  ExportIcon(c_.Image2.Icon(), kSmallIconSide, kSmallIconSide, c_.SavePictureDialog1.FileName());
}

void WindowIconPanel::Button8Click() {
  if (c_.SavePictureDialog1.Execute()) {
    const bool large = c_.RadioButton1.Checked();
    const SIZE size = large ? LargeIconSize() : SIZE{kSmallIconSide, kSmallIconSide};
    const auto icon = selection_.copyWindowIcon(selection_.selectedWindow(), large);
    ExportIcon(icon.get(), size.cx, size.cy, c_.SavePictureDialog1.FileName());
  }
  selection_.updateSelectionState();
}

void WindowIconPanel::RefuseNewIcon() {
  c_.Button11.SetEnabled(false);
  c_.Button12.SetEnabled(false);
  selection_.setNewIconLoaded(false);
}

void WindowIconPanel::Button10Click() {
  if (!c_.OpenPictureDialog1.Execute()) return;
  const std::wstring& name = c_.OpenPictureDialog1.FileName();
  if (UpperExtension(name) != L".ICO") {
    ui::CurrentPrompts().Information(L"Invalid File Format");
    RefuseNewIcon();
    return;
  }
  platform::UniqueIcon loaded = LoadIconFile(name);
  if (!loaded) {
    RefuseNewIcon();
    if (!newIcon_) c_.Image3.Clear();
    return;
  }
  if (newIconHandedOut_) handedOut_.push_back(std::move(newIcon_));
  newIcon_ = std::move(loaded);
  newIconHandedOut_ = false;
  c_.Image3.SetIcon(platform::UniqueIcon(::CopyIcon(newIcon_.get())));
  c_.Button11.SetEnabled(true);
  c_.Button12.SetEnabled(true);
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
std::wstring WindowIconPanel::SavePictureDialog1TypeChange(const std::wstring& entered, int filterIndex) {
  const auto& dialog = c_.SavePictureDialog1;
  return NameForType(entered, ui::FilterExtension(dialog.Options().filter, filterIndex));
}

void WindowIconPanel::Button12Click() { SendNewIcon(ICON_BIG); }
void WindowIconPanel::Button11Click() { SendNewIcon(ICON_SMALL); }

}  // namespace icons
