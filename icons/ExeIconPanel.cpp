#include "icons/ExeIconPanel.h"

#include <stdexcept>

#include "icons/ExeIcon.h"
#include "icons/IconFiles.h"
#include "icons/portable/IcoFile.h"
#include "platform/files/FileBytes.h"
#include "platform/system/Processes.h"
#include "ui/Prompts.h"

namespace icons {

void ExeIconPanel::BrowseExeClick() {
  if (!c_.openProgramDialog.Execute()) return;
  const std::wstring path = c_.openProgramDialog.FileName();
  c_.exeFile.SetText(path);
  c_.loadExeIcon.SetEnabled(true);
  if (platform::UniqueIcon icon = std::move(platform::FirstFileIcons(path).large)) {
    c_.exeOldIcon.SetIcon(std::move(icon));
    c_.saveExeIcon.SetEnabled(true);
  } else {
    c_.exeOldIcon.CopyPictureFrom(c_.placeholderPicture);
    c_.saveExeIcon.SetEnabled(false);
  }
}

void ExeIconPanel::SaveExeIconClick() {
  if (!c_.savePictureDialog.Execute()) return;
  if (!c_.exeOldIcon.Icon()) {
    c_.exeOldIcon.Clear();
    throw std::runtime_error("Icon image is not valid");
  }
  SaveIconFile(c_.exeOldIcon.Icon(), c_.savePictureDialog.FileName());
}

void ExeIconPanel::LoadExeIconClick() {
  if (!c_.openIconDialog.Execute()) return;
  const std::wstring path = c_.openIconDialog.FileName();
  // A refused file leaves the panel as it was, except that the placeholder goes.
  try {
    const auto head = platform::ReadFileBytes(path, sizeof(IconDir));  // "Cannot open file ..." when unreadable
    const auto header = ReadAt<IconDir>(head, 0);
    if (!header || !IsIconDir(*header)) throw std::runtime_error("Icon image is not valid");
  } catch (...) {
    if (!c_.exeNewIcon.Icon()) c_.exeNewIcon.Clear();
    throw;
  }
  newExeIconFile_ = path;
  platform::UniqueIcon icon = LoadIconFile(path);
  const bool loaded = static_cast<bool>(icon);
  if (loaded)
    c_.exeNewIcon.SetIcon(std::move(icon));
  else
    c_.exeNewIcon.CopyPictureFrom(c_.placeholderPicture);
  c_.exeIconChange.SetEnabled(loaded);
  if (!loaded) throw std::runtime_error("Icon image is not valid");
}

void ExeIconPanel::ChangeExeIconClick() {
  if (c_.exeFile.Text().empty()) {
    ui::CurrentPrompts().Error(L"No Program Was Chosen.");
    return;
  }
  if (const ExeIconChange change = ReplaceExeIcon(newExeIconFile_, c_.exeFile.Text()); !change)
    ui::CurrentPrompts().Error(change.refusal);
}

}  // namespace icons
