#pragma once
// Runs one command of the command line on the listed windows, through the same subsystem entry
// points as the buttons, and collects what it prints.
#include <windows.h>

#include <functional>
#include <string>

#include "app/portable/CommandLine.h"
#include "shell/SystemSettings.h"

namespace app {

struct CommandResult {
  int exitCode = vantora::cli::kDone;
  std::string out, err;  // UTF-8
};

// `ownWindow` tells the program's own windows, which are never listed; `settings` are the running
// program's (null when the command runs on its own: the clipboard blocker then cannot run).
CommandResult RunCommand(const vantora::cli::Request& request, const std::function<bool(HWND)>& ownWindow,
                         shell::SystemSettings* settings = nullptr);

}  // namespace app
