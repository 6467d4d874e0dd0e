#pragma once
// The command line: `vantora.exe COMMAND [WINDOW] [ARGUMENTS]`. Parsing, the command table,
// the choice of windows and the printed forms of the list are portable; running a command is
// app/CommandRunner's.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantora::cli {

// Exit codes of a command run from the command line.
inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;   // refused or failed
inline constexpr int kUsage = 2;    // unknown command or option, a missing or bad argument
inline constexpr int kNoMatch = 3;  // no window matched, or several without --all

// What a command acts on.
enum class Scope { Help, List, AllListed, Window, Desktop };

// How an argument is read and checked.
enum class Arg { Text, File, Percent, Integer, OnOff, ShowHide, SwapUnswap, BlockAllow };

struct Command {
  std::string_view name;
  Scope scope;
  std::vector<Arg> args;
  std::string_view argNames;  // for the usage line, e.g. "PERCENT"
};

// Every command, in the order of the help text.
std::span<const Command> Commands();

// The window options; an empty one is not given.
struct WindowChoice {
  std::string title, className, process;
  std::optional<std::uint32_t> handle;
  bool Given() const { return !title.empty() || !className.empty() || !process.empty() || handle.has_value(); }
};

struct Request {
  const Command* command = nullptr;
  std::vector<std::string> args;  // checked against the command's kinds; on/off and the like as given
  WindowChoice window;
  bool all = false, json = false, small = false;
};

// A parsed command line: the request, or what to print and the exit code.
struct Parsed {
  std::optional<Request> request;
  std::string message;  // the usage text (to standard error unless it is the help)
  int exitCode = kDone;
};

// `args` are the arguments after the program's name, in UTF-8.
Parsed Parse(const std::vector<std::string>& args);
std::string HelpText();
std::string UsageLine(const Command& command);

// True for a command line that asks for a command (anything at all); none starts the program.
inline bool IsCommandLine(const std::vector<std::string>& args) { return !args.empty(); }

// --- Windows ---------------------------------------------------------------------------------------

enum class ShowState { Normal, Minimized, Maximized };

// What the list shows of a window, and what the window options match.
struct WindowFacts {
  std::uint32_t handle = 0;
  std::wstring title, className, program;  // program: the file name of its executable
  int x = 0, y = 0, width = 0, height = 0;
  ShowState state = ShowState::Normal;
};

// Case-insensitive; `*` stands for any run of characters, `?` for one.
bool WildcardMatch(std::wstring_view pattern, std::wstring_view text);
// Every option given must match; the patterns are UTF-8.
bool Matches(const WindowChoice& choice, const WindowFacts& window);

std::string HandleText(std::uint32_t handle);     // "0x" and 8 hex digits
std::string ListLine(const WindowFacts& window);  // the tab-separated line, without its end
std::string ListJson(std::span<const WindowFacts> windows);
std::string Utf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

}  // namespace vantora::cli
