// The mouse buttons, the clipboard blocker and the shutdown.
#include <stdexcept>

#include "platform/system/Clipboard.h"
#include "platform/Error.h"
#include "ui/Prompts.h"
#include "platform/system/Session.h"
#include "platform/system/SystemParameters.h"
#include "ui/Application.h"
#include "shell/SystemSettings.h"
#include "shell/portable/ShellToggleTable.h"

namespace shell {

void SystemSettings::SwapMouseButtons(bool swapped) {
  if (const platform::Outcome set = platform::SetMouseButtonsSwapped(swapped); !set)
    throw std::runtime_error(platform::Narrow(L"The Mouse Buttons Could Not Be Changed. " + set.Reason()));
}

void SystemSettings::ToggleClipboardBlocker() {
  const bool block = controls_.clipboardButton.Caption() == kClipboardToggle.first;
  controls_.clipboardTimer.SetEnabled(block);
  controls_.clipboardStatus.SetCaption(block ? kClipboardStatus.second : kClipboardStatus.first);
  controls_.clipboardButton.SetCaption(block ? kClipboardToggle.second : kClipboardToggle.first);
}

void SystemSettings::ClipboardTick() {
  // Opening the clipboard ten times a second would keep it from other programs and tell every
  // clipboard viewer of a change each time: only a change since our own wipe is wiped.
  if (wipedSequence_ == platform::ClipboardSequence()) return;
  // A clipboard held by another program fails this tick; the next one tries again.
  if (platform::ReplaceClipboardWithEmptyText(ui::Application::Instance().Handle()))
    wipedSequence_ = platform::ClipboardSequence();
  ui::Application::Instance().ProcessMessages();
}

platform::Outcome ShutdownComputer(UINT flags) {
  return platform::CurrentSession().PowerOff(flags, SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_FLAG_PLANNED);
}

void SystemSettings::ShutdownPC() {
  if (!ui::CurrentPrompts().Confirm(L"Are You Sure You Want To Shutdown Windows?")) return;
  // Programs that still answer may ask to save their work; only hung ones are closed by force.
  if (const platform::Outcome off = ShutdownComputer(EWX_POWEROFF | EWX_FORCEIFHUNG); !off)
    ui::CurrentPrompts().Error(L"Windows Could Not Be Shut Down. " + off.Reason());
}

}  // namespace shell
