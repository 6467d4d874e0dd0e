#include "app/CommandLineMain.h"

#include <shellapi.h>

#include "app/CommandForwarding.h"
#include "app/InstanceGuard.h"
#include "app/VantoraMain.h"
#include "platform/Error.h"
#include "platform/UniqueHandle.h"
#include "platform/system/Processes.h"
#include "ui/Application.h"

namespace app {

namespace {

using namespace vantora::cli;

bool OwnWindow(HWND window) { return platform::WindowProcessId(window) == ::GetCurrentProcessId(); }

bool Usable(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }

// Standard output and error as given (a pipe or a file), else the console this program was
// started from: a program without a console of its own attaches to its parent's.
class Output {
 public:
  Output() {
    if (!Usable(::GetStdHandle(STD_OUTPUT_HANDLE)) || !Usable(::GetStdHandle(STD_ERROR_HANDLE)))
      if (::AttachConsole(ATTACH_PARENT_PROCESS))
        console_.reset(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr));
  }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  void Write(DWORD which, const std::string& text) const {
    if (text.empty()) return;
    HANDLE handle = ::GetStdHandle(which);
    if (!Usable(handle)) handle = console_.get();
    if (!Usable(handle)) return;
    DWORD mode = 0;
    DWORD written = 0;
    if (::GetConsoleMode(handle, &mode)) {
      const std::wstring wide = platform::Widen(text);
      ::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
      ::WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
  }

 private:
  platform::UniqueKernelHandle console_;
};

// The help goes to standard output, the usage of a bad line to standard error.
CommandResult Unparsed(const Parsed& parsed) {
  if (parsed.exitCode == kDone) return {kDone, parsed.message, {}};
  return {parsed.exitCode, {}, parsed.message};
}

// The running copy's side: its main window's settings hold the clipboard blocker.
CommandResult RunHere(const std::vector<std::string>& args) {
  const Parsed parsed = Parse(args);
  if (!parsed.request) return Unparsed(parsed);
  auto* form = dynamic_cast<TForm6*>(ui::Application::Instance().MainForm());
  return RunCommand(*parsed.request, OwnWindow, form ? &form->systemSettings : nullptr);
}

}  // namespace

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; words && i < count; ++i) args.push_back(platform::Narrow(words[i]));
  if (words) ::LocalFree(words);
  return args;
}

int RunCommandLine(const std::vector<std::string>& args) {
  const Output output;
  const Parsed parsed = Parse(args);
  CommandResult result;
  if (!parsed.request)
    result = Unparsed(parsed);  // nothing is sent anywhere
  else if (const HWND running = InstanceGuard::RunningInstance(ProgramRecordName()))
    result = ForwardCommand(running, args);
  else
    result = RunCommand(*parsed.request, OwnWindow);
  output.Write(STD_OUTPUT_HANDLE, result.out);
  output.Write(STD_ERROR_HANDLE, result.err);
  return result.exitCode;
}

void ServeCommandLines(HWND applicationWindow) {
  ui::Application::Instance().SetCopyDataHandler([applicationWindow](WPARAM sender, const COPYDATASTRUCT& data) {
    return ServeCommand(applicationWindow, sender, data, RunHere);
  });
}

}  // namespace app
