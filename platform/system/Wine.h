#pragma once
// Some platform calls are stubs under Wine (CascadeWindows, TileWindows); the program then does
// the job itself.
namespace platform {

// True when ntdll exports wine_get_version; decided once per process.
bool RunningOnWine();

}  // namespace platform
