#pragma once
// Where the running program lives: files it looks for beside itself, and the name of its
// single-instance record.
#include <string>

namespace platform {

// The full path of the running executable as the system reports it for our own module.
std::wstring ExecutablePath();
// Its folder, ending with a backslash.
std::wstring ExecutableFolder();

}  // namespace platform
