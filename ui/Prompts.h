#pragma once
// Message boxes and file dialogs: the one place where the program waits for the user. Tests
// replace it with a scripted double; the program uses the Win32 implementation.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace ui {

struct FileDialogOptions {
  std::wstring filter;      // as the forms declare it: "Bitmap|*.bmp|All Files|*.*"
  std::wstring defaultExt;  // ".bmp", or empty for none
  std::wstring fileName;    // initial file name, may be empty
  DWORD flags = 0;          // OFN_* flags, passed through
  int filterIndex = 1;      // 1-based, as the dialogs count
  // Called when the user picks another file type, with the name entered at that moment and the
  // new type's number; returns the name the dialog shows from then on (empty: left as it is).
  std::function<std::wstring(const std::wstring& entered, int filterIndex)> typeChanged;
};

class Prompts {
 public:
  virtual ~Prompts() = default;
  // OK box captioned with the application title.
  virtual void Information(const std::wstring& text) = 0;
  // "Confirm" box with a question icon and Yes/No; true only for Yes.
  virtual bool Confirm(const std::wstring& text) = 0;
  // The standard error box: stop icon, application title.
  virtual void Error(const std::wstring& text) = 0;
  // The chosen path, or nullopt when the user cancelled.
  virtual std::optional<std::wstring> OpenFile(const FileDialogOptions& options) = 0;
  virtual std::optional<std::wstring> SaveFile(const FileDialogOptions& options) = 0;
};

Prompts& CurrentPrompts();
// Installs `prompts` for the whole program; nullptr brings back the Win32 prompts.
void SetPrompts(Prompts* prompts);

// The window that owns every box and dialog (the application window) and the caption of the
// information and error boxes; "Vantora" until the application sets its title.
void SetPromptsOwner(HWND owner);
HWND PromptsOwner();

// While it lives the boxes belong to another window: one that stays on top of the others,
// behind which a box owned by the application window would open unseen.
class PromptsOwnedBy {
 public:
  explicit PromptsOwnedBy(HWND owner) : previous_(PromptsOwner()) { SetPromptsOwner(owner); }
  PromptsOwnedBy(const PromptsOwnedBy&) = delete;
  PromptsOwnedBy& operator=(const PromptsOwnedBy&) = delete;
  ~PromptsOwnedBy() { SetPromptsOwner(previous_); }

 private:
  HWND previous_;
};

void SetApplicationTitle(std::wstring title);

}  // namespace ui
