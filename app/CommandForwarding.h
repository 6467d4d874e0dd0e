#pragma once
// A command line started while the program runs is carried to the running copy with WM_COPYDATA
// and answered the same way:
//   request: dwData kRequestTag, the arguments in UTF-8, each ended by a zero byte (64 KiB at
//            most); wParam, the caller's reply window.
//   reply:   dwData kReplyTag to that window: the exit code (int32, little-endian), the size of
//            the output (uint32), the output, then the error text; wParam, the answering window.
//   result:  kServed once the reply was sent, kNotServed for a caller of another user or
//            session, 0 for data that is no request.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/CommandRunner.h"

namespace app {

inline constexpr ULONG_PTR kRequestTag = 0x56434D44;  // "VCMD"
inline constexpr ULONG_PTR kReplyTag = 0x56524550;    // "VREP"
inline constexpr LRESULT kServed = 1;
inline constexpr LRESULT kNotServed = 2;
inline constexpr size_t kMaximumRequest = 64 * 1024;
inline constexpr size_t kMaximumOutput = 16 * 1024 * 1024;

inline constexpr char kMoreRightsRefusal[] =
    "The running Vantora has more rights than this command (it was started as administrator) and takes no "
    "commands from it.";
inline constexpr char kNotServedRefusal[] = "The running Vantora serves only commands of its own user and session.";

// Sends the arguments to the running copy whose application window is `running`, and returns
// its answer; a send that fails or is refused comes back with exit code 1 and the reason.
CommandResult ForwardCommand(HWND running, const std::vector<std::string>& args);

// The running copy's side: checks the caller, runs the command as `run` does, and replies.
LRESULT ServeCommand(HWND self, WPARAM sender, const COPYDATASTRUCT& data,
                     const std::function<CommandResult(const std::vector<std::string>&)>& run);

}  // namespace app
