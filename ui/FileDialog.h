#pragma once
// An open or save dialog component: its configuration, and the name last chosen.
#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>

#include "ui/Prompts.h"

namespace ui {

class FileDialog {
 public:
  enum class Kind { Open, Save };
  FileDialog(Kind kind, ui::FileDialogOptions options) : kind_(kind), options_(std::move(options)) {}

  // Shows the dialog; on OK remembers the name (offered again next time) and returns true.
  bool Execute();
  const std::wstring& FileName() const noexcept { return options_.fileName; }
  const ui::FileDialogOptions& Options() const noexcept { return options_; }
  Kind DialogKind() const noexcept { return kind_; }

  // Runs when the user picks another file type while the dialog is open: given the name entered
  // then and the new type's number, returns the name to keep and show (empty: leave it).
  std::function<std::wstring(const std::wstring& entered, int filterIndex)> OnTypeChange;

 private:
  Kind kind_;
  ui::FileDialogOptions options_;
};

}  // namespace ui
