#pragma once
// An open or save dialog component: its configuration, and the name last chosen.
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "platform/Prompts.h"

namespace ui {

class FileDialog {
 public:
  enum class Kind { Open, Save };
  FileDialog(Kind kind, platform::FileDialogOptions options) : kind_(kind), options_(std::move(options)) {}

  // Shows the dialog; on OK remembers the name (offered again next time) and returns true.
  bool Execute();
  const std::wstring& FileName() const noexcept { return options_.fileName; }
  const platform::FileDialogOptions& Options() const noexcept { return options_; }
  Kind DialogKind() const noexcept { return kind_; }

 private:
  Kind kind_;
  platform::FileDialogOptions options_;
};

}  // namespace ui
