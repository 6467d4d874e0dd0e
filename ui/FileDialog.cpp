#include "ui/FileDialog.h"

namespace ui {

bool FileDialog::Execute() {
  auto& prompts = ui::CurrentPrompts();
  if (OnTypeChange) {
    options_.typeChanged = [this](const std::wstring& entered, int filterIndex) {
      std::wstring name = OnTypeChange(entered, filterIndex);
      if (!name.empty()) options_.fileName = name;
      return name;
    };
  }
  auto chosen = kind_ == Kind::Open ? prompts.OpenFile(options_) : prompts.SaveFile(options_);
  if (!chosen) return false;
  options_.fileName = *chosen;
  return true;
}

}  // namespace ui
