#pragma once
// A 32-bit program on 64-bit Windows that opens a file in the system folder reaches the 32-bit
// file of the same name instead: the system redirects it to its 32-bit folder. The system
// leaves one way past that, the Sysnative folder beside the system folder, which only 32-bit
// programs see.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The path through Sysnative to the file `path` names in `systemFolder` ("C:\Windows\System32",
// any case, either slash), keeping the rest of the path as it was written; nothing for a path
// outside the system folder, and for the subfolders the system never redirects (catroot,
// catroot2, driverstore, drivers\etc, logfiles, spool), which are reached as they are named.
std::optional<std::wstring> PathPastRedirection(std::wstring_view path, std::wstring_view systemFolder);

}  // namespace platform
