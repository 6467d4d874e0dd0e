#include "platform/ui/FileDialog.h"

namespace ui {

bool FileDialog::Execute() {
  auto& prompts = platform::CurrentPrompts();
  auto chosen = kind_ == Kind::Open ? prompts.OpenFile(options_) : prompts.SaveFile(options_);
  if (!chosen) return false;
  options_.fileName = *chosen;
  return true;
}

}  // namespace ui
