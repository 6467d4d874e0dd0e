#pragma once
// `vantora.exe COMMAND [WINDOW] [ARGUMENTS]`: runs one command in the running copy of the
// program, or here without showing any window when none runs, prints its answer and ends.
#include <windows.h>

#include <string>
#include <vector>

#include "app/CommandRunner.h"

namespace app {

// The arguments after the program's name, in UTF-8.
std::vector<std::string> CommandLineArguments();

// Runs the command line and returns the process's exit code.
int RunCommandLine(const std::vector<std::string>& args);

// The running copy's side: serves the command lines later starts send to `applicationWindow`.
void ServeCommandLines(HWND applicationWindow);

}  // namespace app
