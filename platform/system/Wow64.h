#pragma once
// A 32-bit program on 64-bit Windows runs under WOW64, which redirects its opens of the system
// folder to the 32-bit one.
namespace platform {

// True when this process is a 32-bit one on a 64-bit system (x64 or ARM64); decided once.
bool RunsUnderWow64();

}  // namespace platform
