// vantora.exe COMMAND [WINDOW] [ARGUMENTS] run against helper windows, with and without a running
// Vantora, its output read from the pipes it was given.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/CommandForwarding.h"
#include "app/CommandRunner.h"
#include "app/portable/CommandLine.h"
#include "e2e/Driver.h"
#include "platform/Error.h"
#include "platform/UniqueHandle.h"
#include "platform/system/ProcessRights.h"
#include "platform/system/SharedMemory.h"
#include "platform/system/portable/InstanceRecord.h"

namespace {

using namespace std::chrono_literals;

struct Ran {
  std::optional<DWORD> exitCode;  // nothing: still running when the wait ended
  std::string out, err;
  bool showedWindow = false;
};

std::string ReadAll(HANDLE pipe) {
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(pipe, buffer, sizeof(buffer), &got, nullptr) && got > 0) text.append(buffer, got);
  return text;
}

BOOL CALLBACK NoteVisibleWindow(HWND window, LPARAM param) {
  auto* watched = reinterpret_cast<std::pair<DWORD, bool*>*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == watched->first && ::IsWindowVisible(window)) *watched->second = true;
  return TRUE;
}

// Runs vantora.exe with the arguments, its standard output and error on pipes. While it runs the
// driver pumps its own messages (it may stand in for the running Vantora) and watches for any
// visible window of the command's process.
Ran RunVantora(const std::wstring& arguments, e2e::Duration timeout = 30s) {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
  Ran ran;
  if (!::CreatePipe(&outRead, &outWrite, &inherit, 0) || !::CreatePipe(&errRead, &errWrite, &inherit, 0)) {
    ADD_FAILURE() << "no pipes";
    return ran;
  }
  const platform::UniqueKernelHandle outReader{outRead}, errReader{errRead};
  platform::UniqueKernelHandle outWriter{outWrite}, errWriter{errWrite};
  ::SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
  ::SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{sizeof(startup)};
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = outWrite;
  startup.hStdError = errWrite;
  std::wstring command = L"\"" + e2e::VantoraExePath() + L"\" " + arguments;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
    ADD_FAILURE() << "vantora.exe did not start";
    return ran;
  }
  const platform::UniqueKernelHandle process{info.hProcess}, thread{info.hThread};
  outWriter.reset();
  errWriter.reset();
  std::string out, err;
  std::thread outThread([&] { out = ReadAll(outRead); });
  std::thread errThread([&] { err = ReadAll(errRead); });
  const DWORD id = info.dwProcessId;
  e2e::WaitUntil(
      [&] {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
        std::pair<DWORD, bool*> watched{id, &ran.showedWindow};
        ::EnumWindows(&NoteVisibleWindow, reinterpret_cast<LPARAM>(&watched));
        return ::WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0;
      },
      timeout, 10ms);
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process.get(), &code);
  if (code == STILL_ACTIVE)
    ::TerminateProcess(process.get(), 0xDEAD);
  else
    ran.exitCode = code;
  outThread.join();
  errThread.join();
  ran.out = std::move(out);
  ran.err = std::move(err);
  return ran;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

std::string HandleText(HWND window) {
  return vantora::cli::HandleText(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)));
}

// The helper's windows "Cli 1".."Cli 3" and the hung "Stuck 1", front to back as the system has them.
struct Targets {
  e2e::Process helper{e2e::HelperExePath(L"foreign_windows_helper"), L"--count 3 --title \"Cli %d\" --seconds 170"};
  e2e::Process hung{e2e::HelperExePath(L"foreign_windows_helper"), L"--title \"Stuck %d\" --hung --seconds 170"};
  std::vector<HWND> windows;
  HWND stuck = nullptr;

  Targets() {
    for (int i = 1; i <= 3; ++i)
      windows.push_back(helper.WaitForWindow(nullptr, (L"Cli " + std::to_wstring(i)).c_str()));
    // Found by its stored title: a hung window answers no WM_GETTEXT.
    e2e::WaitUntil([&] { return (stuck = ::FindWindowW(nullptr, L"Stuck 1")) != nullptr; }, 20s);
    e2e::WaitUntil([&] { return std::all_of(windows.begin(), windows.end(), ::IsWindowVisible); }, 10s);
  }
  HWND operator[](size_t i) const { return windows[i]; }
  // The list's lines of the Cli windows, in the order the system stacks them now.
  std::vector<std::string> FrontToBack(const std::string& listOutput) const {
    std::vector<std::string> ours;
    for (const std::string& line : Lines(listOutput))
      if (line.find("\tCli ") != std::string::npos) ours.push_back(line.substr(0, 10));
    return ours;
  }
  std::vector<std::string> SystemOrder() const {
    std::vector<std::string> order;
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT))
      if (std::find(windows.begin(), windows.end(), w) != windows.end()) order.push_back(HandleText(w));
    return order;
  }
};

// The same table with and without a running Vantora: each line is run, its exit code checked,
// then what each window shows.
void RunTable(const Targets& t, bool forwarded) {
  using vantora::cli::kDone;
  using vantora::cli::kFailed;
  using vantora::cli::kNoMatch;
  using vantora::cli::kUsage;
  const auto layered = [](HWND w) { return (::GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; };
  struct Case {
    std::wstring args;
    DWORD exitCode;
    std::vector<bool> minimized, maximized;  // of Cli 1..3 afterwards
  };
  const std::vector<bool> none{false, false, false}, all{true, true, true};
  const Case cases[] = {
      {L"minimize --title \"Cli ?\"", kNoMatch, none, none},  // several without --all
      {L"minimize --title \"Cli\"", kNoMatch, none, none},    // exact: matches nothing
      {L"minimize --title \"cli 2\"", kDone, {false, true, false}, none},
      {L"restore --process foreign_windows_helper.exe --title \"*2\"", kDone, none, none},
      {L"maximize --title \"*li*\" --all", kDone, none, all},
      {L"restore-all", kFailed, none, none},  // all but the hung one, which is named
      {L"opacity --title \"Cli 1\" 0", kUsage, none, none},
      {L"opacity --title \"Cli 1\" 101", kUsage, none, none},
      {L"frobnicate --title \"Cli 1\"", kUsage, none, none},
      {L"screenshot --title \"Cli 1\"", kUsage, none, none},    // no file
      {L"minimize --handle 0x00000001", kNoMatch, none, none},  // no window
      {L"minimize --handle " + platform::Widen(HandleText(t[2])), kDone, {false, false, true}, none},
      {L"restore --handle " + platform::Widen(HandleText(t[2])), kDone, none, none},
      {L"maximize --title \"Stuck 1\"", kFailed, none, none},  // a hung window costs its bound only
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(platform::Narrow(c.args) + (forwarded ? " (forwarded)" : ""));
    const Ran ran = RunVantora(c.args);
    ASSERT_TRUE(ran.exitCode.has_value()) << "still running";
    EXPECT_EQ(*ran.exitCode, c.exitCode) << ran.err;
    EXPECT_FALSE(ran.showedWindow);
    EXPECT_EQ(ran.err.empty(), c.exitCode == kDone) << ran.err;
    if (c.args == L"restore-all") {
      EXPECT_EQ(ran.err.find(HandleText(t.stuck)), 0u) << ran.err;
    }
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_TRUE(e2e::WaitUntil([&] { return (::IsIconic(t[i]) != FALSE) == c.minimized[i]; }, 2s)) << "Cli " << i + 1;
      EXPECT_EQ(::IsZoomed(t[i]) != FALSE, c.maximized[i]) << "Cli " << i + 1;
      EXPECT_FALSE(layered(t[i])) << "Cli " << i + 1;
    }
  }
  const Ran list = RunVantora(L"list");
  ASSERT_EQ(list.exitCode, 0u);
  EXPECT_EQ(t.FrontToBack(list.out), t.SystemOrder());
  for (const std::string& line : Lines(list.out)) EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 5) << line;
  const Ran json = RunVantora(L"list --json");
  ASSERT_EQ(json.exitCode, 0u);
  for (HWND w : t.windows) EXPECT_NE(json.out.find("\"handle\": \"" + HandleText(w) + "\""), std::string::npos);
  const Ran info = RunVantora(L"info --title \"Cli 3\"");
  EXPECT_NE(info.out.find("Title Bar Text: Cli 3\n"), std::string::npos) << info.out;
}

TEST(CommandLineE2E, WithoutARunningVantoraItActsOnTheChosenWindowsAndShowsNone) {
  const Targets targets;
  ASSERT_TRUE(targets.stuck);
  RunTable(targets, false);
}

TEST(CommandLineE2E, ARunningVantoraRunsTheCommandAndAnswers) {
  const Targets targets;
  ASSERT_TRUE(targets.stuck);
  e2e::Process vantora;
  const HWND main = vantora.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  RunTable(targets, true);
  // Run there, the list leaves out the running copy's own windows; run here it would show them.
  const Ran list = RunVantora(L"list");
  EXPECT_EQ(list.out.find(HandleText(main)), std::string::npos) << list.out;
  vantora.Stop();
}

// The driver stands in for the running Vantora: it claims the record of vantora.exe and serves
// what arrives, with rights told by a double.
class StandIn final : public platform::RightsReader {
 public:
  platform::ProcessRights own{L"S-1-5-21-1", 1, SECURITY_MANDATORY_MEDIUM_RID, false}, caller = own;
  std::optional<platform::ProcessRights> Of(DWORD processId) override {
    return processId == ::GetCurrentProcessId() ? own : caller;
  }
};

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA) return ::DefWindowProcW(window, message, wParam, lParam);
  return app::ServeCommand(window, wParam, *reinterpret_cast<const COPYDATASTRUCT*>(lParam),
                           [](const std::vector<std::string>& args) {
                             const auto parsed = vantora::cli::Parse(args);
                             return app::RunCommand(*parsed.request, [](HWND) { return false; });
                           });
}

TEST(CommandLineE2E, ARunningVantoraWithMoreRightsOrAnotherUserRunsNothing) {
  const Targets targets;
  WNDCLASSW type{};
  type.lpfnWndProc = &StandInProc;
  type.hInstance = ::GetModuleHandleW(nullptr);
  type.lpszClassName = L"CommandLineStandIn";
  ::RegisterClassW(&type);
  const HWND server =
      ::CreateWindowExW(0, type.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, type.hInstance, nullptr);
  ASSERT_NE(server, nullptr);
  bool existed = false;
  auto record = platform::SharedMemory::Create(platform::InstanceRecordName(e2e::VantoraExePath()),
                                               platform::kInstanceRecordSize, existed);
  ASSERT_FALSE(existed);
  platform::WriteInstanceRecord(record, {platform::WindowToRecordValue(server), 1});
  StandIn rights;
  platform::SetRightsReader(&rights);
  struct Case {
    platform::ProcessRights caller;
    DWORD exitCode;
    const char* err;
  };
  const auto& own = rights.own;
  const Case cases[] = {
      {{own.user, own.session, SECURITY_MANDATORY_MEDIUM_RID, false}, 1, app::kMoreRightsRefusal},
      {{L"S-1-5-21-2", own.session, SECURITY_MANDATORY_HIGH_RID, true}, 1, app::kNotServedRefusal},
      {{own.user, own.session + 1, SECURITY_MANDATORY_HIGH_RID, true}, 1, app::kNotServedRefusal},
      {{own.user, own.session, SECURITY_MANDATORY_HIGH_RID, true}, 0, ""},
  };
  rights.own.integrity = SECURITY_MANDATORY_HIGH_RID;
  rights.own.elevated = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.err);
    rights.caller = c.caller;
    const Ran ran = RunVantora(L"minimize --title \"Cli 1\"");
    EXPECT_EQ(ran.exitCode, c.exitCode);
    EXPECT_EQ(ran.err, c.exitCode ? std::string(c.err) + "\n" : "");
    EXPECT_EQ(e2e::WaitUntil([&] { return ::IsIconic(targets[0]) != FALSE; }, c.exitCode ? 300ms : 2s),
              c.exitCode == 0);
  }
  platform::SetRightsReader(nullptr);
  ::DestroyWindow(server);
}

}  // namespace
