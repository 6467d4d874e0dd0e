#include "app/CommandForwarding.h"

#include <chrono>
#include <cstdint>
#include <cstring>

#include "platform/system/ProcessRights.h"
#include "platform/system/Processes.h"
#include "platform/windows/WindowMessages.h"

namespace app {

namespace {

using namespace std::chrono_literals;
using vantora::cli::kFailed;

// The longest a command line waits for the running copy: every call there on another program's
// window has its own bound, so this only ends the wait for a copy that has stopped answering.
constexpr auto kForwardWait = 120s;
constexpr std::chrono::milliseconds kReplyWait = 10s;
constexpr wchar_t kReplyClass[] = L"VantoraCommandReply";

std::string Packed(const std::vector<std::string>& args) {
  std::string bytes;
  for (const std::string& arg : args) bytes.append(arg).push_back('\0');
  return bytes;
}

std::vector<std::string> Unpacked(const char* bytes, size_t size) {
  std::vector<std::string> args;
  size_t start = 0;
  for (size_t i = 0; i < size; ++i)
    if (bytes[i] == '\0') {
      args.emplace_back(bytes + start, i - start);
      start = i + 1;
    }
  return args;
}

void PutWord(std::string& bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t GetWord(const unsigned char* bytes) {
  return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

struct ReplyState {
  HWND from;
  bool answered = false;
  CommandResult result;
};

LRESULT CALLBACK ReplyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA) return ::DefWindowProcW(window, message, wParam, lParam);
  auto* state = reinterpret_cast<ReplyState*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  if (!state || reinterpret_cast<HWND>(wParam) != state->from || data.dwData != kReplyTag || data.cbData < 8) return 0;
  const auto* bytes = static_cast<const unsigned char*>(data.lpData);
  const std::uint32_t outSize = GetWord(bytes + 4);
  if (outSize > data.cbData - 8) return 0;
  state->result.exitCode = static_cast<int>(GetWord(bytes));
  state->result.out.assign(reinterpret_cast<const char*>(bytes) + 8, outSize);
  state->result.err.assign(reinterpret_cast<const char*>(bytes) + 8 + outSize, data.cbData - 8 - outSize);
  state->answered = true;
  return 1;
}

// A message-only window that takes the running copy's reply.
class ReplyWindow {
 public:
  explicit ReplyWindow(ReplyState& state) {
    WNDCLASSW type{};
    type.lpfnWndProc = &ReplyProc;
    type.hInstance = ::GetModuleHandleW(nullptr);
    type.lpszClassName = kReplyClass;
    ::RegisterClassW(&type);  // fails harmlessly when already registered
    window_ = ::CreateWindowExW(0, kReplyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, type.hInstance, nullptr);
    if (window_) ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
  }
  ReplyWindow(const ReplyWindow&) = delete;
  ReplyWindow& operator=(const ReplyWindow&) = delete;
  ~ReplyWindow() {
    if (window_) ::DestroyWindow(window_);
  }
  HWND Handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};

CommandResult Refused(const std::string& reason) { return {kFailed, {}, reason + "\n"}; }

}  // namespace

CommandResult ForwardCommand(HWND running, const std::vector<std::string>& args) {
  std::string request = Packed(args);
  if (request.size() > kMaximumRequest)
    return Refused("The command line is too long to be sent to the running Vantora.");
  ReplyState state{running};
  ReplyWindow reply(state);
  if (!reply.Handle()) return Refused("The answer of the running Vantora cannot be received.");
  COPYDATASTRUCT data{kRequestTag, static_cast<DWORD>(request.size()), request.data()};
  DWORD_PTR answer = 0;
  // Not through platform::BoundedSend: its SMTO_BLOCK would keep this thread from taking the reply
  // the running copy sends before it answers. This process has no window of its own to freeze.
  ::SetLastError(ERROR_SUCCESS);
  const LRESULT sent = ::SendMessageTimeoutW(
      running, WM_COPYDATA, reinterpret_cast<WPARAM>(reply.Handle()), reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
      static_cast<UINT>(std::chrono::milliseconds(kForwardWait).count()), &answer);
  if (!sent) {
    // The system does not carry the message to a program of a higher integrity level.
    if (::GetLastError() == ERROR_ACCESS_DENIED) return Refused(kMoreRightsRefusal);
    return Refused("The running Vantora did not answer.");
  }
  if (answer == static_cast<DWORD_PTR>(kNotServed)) return Refused(kNotServedRefusal);
  if (answer != static_cast<DWORD_PTR>(kServed) || !state.answered)
    return Refused("The running Vantora did not answer.");
  return state.result;
}

LRESULT ServeCommand(HWND self, WPARAM sender, const COPYDATASTRUCT& data,
                     const std::function<CommandResult(const std::vector<std::string>&)>& run) {
  if (data.dwData != kRequestTag || data.cbData > kMaximumRequest) return 0;
  const auto replyWindow = reinterpret_cast<HWND>(sender);
  auto& rights = platform::CurrentRightsReader();
  const auto caller = rights.Of(platform::WindowProcessId(replyWindow));
  const auto own = rights.Of(::GetCurrentProcessId());
  if (!caller || !own || caller->user != own->user || caller->session != own->session) return kNotServed;
  // A program with fewer rights must not drive one that has more: nothing runs.
  const CommandResult result = platform::MoreRights(*own, *caller)
                                   ? Refused(kMoreRightsRefusal)
                                   : run(Unpacked(static_cast<const char*>(data.lpData), data.cbData));
  std::string out = result.out.substr(0, kMaximumOutput);
  std::string bytes;
  PutWord(bytes, static_cast<std::uint32_t>(result.exitCode));
  PutWord(bytes, static_cast<std::uint32_t>(out.size()));
  bytes += out;
  bytes += result.err.substr(0, kMaximumOutput);
  COPYDATASTRUCT reply{kReplyTag, static_cast<DWORD>(bytes.size()), bytes.data()};
  // A caller that has gone meanwhile just misses its answer.
  platform::BoundedSend(replyWindow, WM_COPYDATA, reinterpret_cast<WPARAM>(self), reinterpret_cast<LPARAM>(&reply),
                        kReplyWait);
  return kServed;
}

}  // namespace app
