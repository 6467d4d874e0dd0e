#pragma once
// The four buttons that hide and show parts of the shell, and the taskbar's opacity slider.
// Each toggle keeps its state only in its button's caption, which names what the next click
// does and follows what the shell's window reports; nothing is stored and nothing is undone
// when the program ends.
#include <initializer_list>
#include <utility>

#include "platform/Error.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "shell/ShellWindows.h"

namespace shell {

class ShellToggles {
 public:
  struct Controls {
    ui::Form& mainWindow;  // hears the shell announce itself when it (re)starts
    std::initializer_list<std::pair<ShellWindow, ui::Button*>> buttons;  // one for each toggle
    ui::TrackBar& taskbarOpacity;
  };
  explicit ShellToggles(const Controls& controls);
  ~ShellToggles();
  ShellToggles(const ShellToggles&) = delete;
  ShellToggles& operator=(const ShellToggles&) = delete;

  // At start-up, and whenever the shell (re)starts: each caption from whether its target is
  // visible now (a missing window counts as hidden), in the order of the toggle table.
  void ApplyStartupCaptions();

  // A click on the target's button: the hide caption hides the target, any other caption shows
  // it. The caption then names the target's visibility as read back; a target that did not
  // answer leaves the caption as it was. A target the shell does not have is reported
  // (std::runtime_error) and leaves the caption too. The taskbar toggle acts on the taskbars
  // of every monitor; its caption follows the main one.
  void Toggle(ShellWindow target);

  // Every taskbar's opacity from the slider's position, as a percentage.
  void ApplyTaskbarOpacity();

  // The same on the shell without the buttons (the command line's): shows or hides the target
  // (every taskbar for the taskbar), throwing as Toggle does for a target the shell lacks; sets
  // every taskbar's opacity.
  static platform::Outcome SetShown(ShellWindow target, bool show);
  static void SetTaskbarOpacity(int percent);

 private:
  ui::Button& ButtonOf(ShellWindow target) const;
  void ApplyCaption(const ShellToggleRow& row, bool visible);
  void ShellRestarted();

  ui::Form& mainWindow_;
  std::pair<ShellWindow, ui::Button*> buttons_[std::size(kShellToggles)];
  ui::TrackBar& taskbarOpacity_;
  bool opacityChosen_ = false;  // the slider was moved in this run
  int token_;
};

}  // namespace shell
