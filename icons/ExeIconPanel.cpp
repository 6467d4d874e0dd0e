#include "icons/ExeIconPanel.h"

#include <stdexcept>

#include "icons/ExeIcon.h"
#include "icons/IconFiles.h"
#include "icons/portable/IcoFile.h"
#include "platform/files/FileBytes.h"
#include "platform/system/Processes.h"
#include "ui/Prompts.h"

namespace icons {

void ExeIconPanel::Button34Click() {
  if (!c_.OpenDialog1.Execute()) return;
  const std::wstring path = c_.OpenDialog1.FileName();
  c_.Edit4.SetText(path);
  c_.Button36.SetEnabled(true);
  if (platform::UniqueIcon icon = std::move(platform::FirstFileIcons(path).large)) {
    c_.Image4.SetIcon(std::move(icon));
    c_.Button35.SetEnabled(true);
  } else {
    c_.Image4.CopyPictureFrom(c_.Image6);
    c_.Button35.SetEnabled(false);
  }
}

void ExeIconPanel::Button35Click() {
  if (!c_.SavePictureDialog1.Execute()) return;
  if (!c_.Image4.Icon()) {
    c_.Image4.Clear();
    throw std::runtime_error("Icon image is not valid");
  }
  SaveIconFile(c_.Image4.Icon(), c_.SavePictureDialog1.FileName());
}

void ExeIconPanel::Button36Click() {
  if (!c_.OpenPictureDialog1.Execute()) return;
  const std::wstring path = c_.OpenPictureDialog1.FileName();
  // A refused file leaves the panel as it was, except that the placeholder goes.
  try {
    const auto head = platform::ReadFileBytes(path, sizeof(IconDir));  // "Cannot open file ..." when unreadable
    const auto header = ReadAt<IconDir>(head, 0);
    if (!header || !IsIconDir(*header)) throw std::runtime_error("Icon image is not valid");
  } catch (...) {
    if (!c_.Image5.Icon()) c_.Image5.Clear();
    throw;
  }
  newExeIconFile_ = path;
  platform::UniqueIcon icon = LoadIconFile(path);
  const bool loaded = static_cast<bool>(icon);
  if (loaded)
    c_.Image5.SetIcon(std::move(icon));
  else
    c_.Image5.CopyPictureFrom(c_.Image6);
  c_.Button37.SetEnabled(loaded);
  if (!loaded) throw std::runtime_error("Icon image is not valid");
}

void ExeIconPanel::Button37Click() {
  if (c_.Edit4.Text().empty()) {
    ui::CurrentPrompts().Error(L"No Program Was Chosen.");
    return;
  }
  if (const ExeIconChange change = ReplaceExeIcon(newExeIconFile_, c_.Edit4.Text()); !change)
    ui::CurrentPrompts().Error(change.refusal);
}

}  // namespace icons
