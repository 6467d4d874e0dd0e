#include "app/CommandRunner.h"

#include <cstdint>
#include <exception>
#include <map>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"
#include "commands/VantoraInfo.h"
#include "commands/WindowCommands.h"
#include "icons/ExeIcon.h"
#include "icons/Screenshots.h"
#include "icons/WindowIconPanel.h"
#include "platform/Error.h"
#include "platform/system/Processes.h"
#include "platform/windows/WindowQueries.h"
#include "shell/BulkCommands.h"
#include "shell/ShellToggles.h"
#include "shell/SystemSettings.h"
#include "ui/CommandReports.h"

namespace app {

namespace {

using namespace vantora::cli;
using commands::WindowCommands;

struct Listed {
  HWND window;
  WindowFacts facts;
};

std::uint32_t HandleValue(HWND window) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)); }

WindowFacts FactsOf(HWND window, std::wstring title) {
  WindowFacts facts;
  facts.handle = HandleValue(window);
  facts.title = std::move(title);
  facts.className = platform::WindowClassName(window);
  if (const auto path = platform::ProcessImagePath(platform::WindowProcessId(window)))
    facts.program = path->substr(path->find_last_of(L"\\/") + 1);
  if (const auto rect = platform::WindowRectangle(window)) {
    facts.x = rect->left;
    facts.y = rect->top;
    facts.width = rect->right - rect->left;
    facts.height = rect->bottom - rect->top;
  }
  facts.state = ::IsIconic(window)   ? ShowState::Minimized
                : ::IsZoomed(window) ? ShowState::Maximized
                                     : ShowState::Normal;
  return facts;
}

std::vector<Listed> ListWindows(const std::function<bool(HWND)>& ownWindow) {
  std::vector<Listed> listed;
  for (auto& [window, title] : catalogue::ListedWindows(ownWindow))
    listed.push_back({window, FactsOf(window, std::move(title))});
  return listed;
}

// The sentence the window would show for a refusal, else the system's reason.
std::string Reason(const platform::Outcome& outcome) {
  if (const auto rights = ui::RightsRefusal(outcome)) return platform::Narrow(*rights);
  return platform::Narrow(outcome.Reason());
}

// A command on one window: nothing when it was done, else the reason it was not.
using Failure = std::optional<std::string>;
using WindowAction = Failure (*)(HWND window, const Request& request, std::string& out);

Failure Checked(const platform::Outcome& outcome) {
  if (outcome) return std::nullopt;
  return Reason(outcome);
}

// The commands that write files report the sentence of their exception, as the buttons do.
template <typename Write>
Failure Written(Write&& write) {
  try {
    write();
    return std::nullopt;
  } catch (const std::exception& error) {
    return error.what();
  }
}

int Number(const Request& request, size_t i) { return std::stoi(request.args[i]); }
bool On(const Request& request) { return request.args[0] == "on"; }

const std::map<std::string_view, WindowAction>& WindowActions() {
  static const std::map<std::string_view, WindowAction> actions{
      {"maximize",
       [](HWND w, const Request&, std::string&) { return Checked(WindowCommands::Show(w, SW_SHOWMAXIMIZED)); }},
      {"minimize", [](HWND w, const Request&, std::string&) { return Checked(WindowCommands::Show(w, SW_MINIMIZE)); }},
      {"restore", [](HWND w, const Request&, std::string&) { return Checked(WindowCommands::Show(w, SW_RESTORE)); }},
      {"close", [](HWND w, const Request&, std::string&) { return Checked(WindowCommands::Close(w)); }},
      {"front", [](HWND w, const Request&, std::string&) { return Checked(WindowCommands::BringToFront(w)); }},
      {"retitle", [](HWND w, const Request& r,
                     std::string&) { return Checked(WindowCommands::SetTitle(w, platform::Widen(r.args[0]))); }},
      {"opacity",
       [](HWND w, const Request& r, std::string&) { return Checked(WindowCommands::SetOpacity(w, Number(r, 0))); }},
      {"topmost",
       [](HWND w, const Request& r, std::string&) { return Checked(WindowCommands::SetStayOnTop(w, On(r))); }},
      {"enable", [](HWND w, const Request& r, std::string&) { return Checked(WindowCommands::SetEnabled(w, On(r))); }},
      {"close-button",
       [](HWND w, const Request& r, std::string&) { return Checked(WindowCommands::SetCloseButton(w, On(r))); }},
      {"move",
       [](HWND w, const Request& r, std::string&) {
         const int x = Number(r, 0), y = Number(r, 1);
         return Checked(WindowCommands::Place(w, RECT{x, y, x + Number(r, 2), y + Number(r, 3)}));
       }},
      {"info",
       [](HWND w, const Request&, std::string& out) -> Failure {
         for (const auto& [key, value] : commands::InfoRows(commands::ReadWindowFacts(w)))
           out += platform::Narrow(key) + ": " + platform::Narrow(value) + "\n";
         return std::nullopt;
       }},
      {"screenshot",
       [](HWND w, const Request& r, std::string&) {
         return Written([&] { icons::SaveWindowScreenshot(w, platform::Widen(r.args[0])); });
       }},
      {"save-icon",
       [](HWND w, const Request& r, std::string&) {
         return Written([&] {
           const bool large = !r.small;
           icons::ExportWindowIcon(catalogue::WindowIconCopy(w, large).get(), large, platform::Widen(r.args[0]));
         });
       }},
  };
  return actions;
}

void ReportFailures(const shell::WalkFailures& failures, CommandResult& result) {
  for (const auto& [window, outcome] : failures) {
    result.err += HandleText(HandleValue(window)) + ": " + Reason(outcome) + "\n";
    result.exitCode = kFailed;
  }
}

void RunOnAll(const Request& request, const std::vector<HWND>& windows, CommandResult& result) {
  using shell::BulkCommands;
  using shell::Layout;
  const std::string_view name = request.command->name;
  if (name == "cascade") BulkCommands::ArrangeEach(windows, Layout::Cascade);
  if (name == "tile-horizontal") BulkCommands::ArrangeEach(windows, Layout::TileHorizontal);
  if (name == "tile-vertical") BulkCommands::ArrangeEach(windows, Layout::TileVertical);
  if (name == "minimize-all") ReportFailures(BulkCommands::ShowEach(windows, SW_MINIMIZE), result);
  if (name == "maximize-all") ReportFailures(BulkCommands::ShowEach(windows, SW_SHOWMAXIMIZED), result);
  if (name == "restore-all") ReportFailures(BulkCommands::ShowEach(windows, SW_RESTORE), result);
  if (name == "close-all") ReportFailures(BulkCommands::CloseEach(windows), result);
  if (name == "transparent-all") ReportFailures(BulkCommands::SetOpacityOfEach(windows, 50), result);
  if (name == "opaque-all") ReportFailures(BulkCommands::SetOpacityOfEach(windows, 100), result);
}

// The desktop and shell commands, as their buttons run them.
Failure RunOnDesktop(const Request& request, shell::SystemSettings* settings) {
  const std::string_view name = request.command->name;
  const std::string& first = request.args[0];
  const auto shown = [&](shell::ShellWindow target) {
    return Written([&] {
      if (const platform::Outcome outcome = shell::ShellToggles::SetShown(target, first == "show"); !outcome)
        throw std::runtime_error(Reason(outcome));
    });
  };
  if (name == "taskbar") return shown(shell::ShellWindow::Taskbar);
  if (name == "taskbar-items") return shown(shell::ShellWindow::TaskbarItems);
  if (name == "clock") return shown(shell::ShellWindow::TaskbarClock);
  if (name == "desktop-icons") return shown(shell::ShellWindow::DesktopIcons);
  if (name == "taskbar-opacity") {
    shell::ShellToggles::SetTaskbarOpacity(Number(request, 0));
    return std::nullopt;
  }
  if (name == "wallpaper") return Written([&] { shell::SetWallpaper(platform::Widen(first)); });
  if (name == "mouse") {
    shell::SystemSettings::SwapMouseButtons(first == "swap");
    return std::nullopt;
  }
  if (name == "startup") return Written([&] { shell::SystemSettings::SetStartWithWindows(first == "on"); });
  if (name == "screenshot-screen") {
    MONITORINFO monitor{sizeof(monitor)};
    ::GetMonitorInfoW(::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return Written([&] { icons::SaveScreenScreenshot(monitor.rcMonitor, platform::Widen(first)); });
  }
  if (name == "exe-icon") {
    if (const icons::ExeIconChange change =
            icons::ReplaceExeIcon(platform::Widen(request.args[1]), platform::Widen(request.args[0]));
        !change)
      return platform::Narrow(change.refusal);
    return std::nullopt;
  }
  // The blocker empties the clipboard from the main window's timer, while the program runs.
  if (!settings) return "The clipboard can be blocked only while Vantora runs.";
  if (settings->ClipboardBlocked() != (first == "block")) settings->ToggleClipboardBlocker();
  return std::nullopt;
}

void RunOnChosen(const Request& request, const std::vector<Listed>& listed, CommandResult& result) {
  std::vector<const Listed*> chosen;
  for (const Listed& window : listed)
    if (Matches(request.window, window.facts)) chosen.push_back(&window);
  if (chosen.empty()) {
    result = {kNoMatch, {}, "No listed window matches.\n"};
    return;
  }
  if (chosen.size() > 1 && !request.all) {
    result = {kNoMatch, {}, "Several listed windows match; add --all to act on each of them:\n"};
    for (const Listed* window : chosen) result.err += ListLine(window->facts) + "\n";
    return;
  }
  const WindowAction act = WindowActions().at(request.command->name);
  for (const Listed* window : chosen) {
    if (const Failure failure = act(window->window, request, result.out)) {
      result.err += chosen.size() > 1 ? HandleText(window->facts.handle) + ": " + *failure + "\n" : *failure + "\n";
      result.exitCode = kFailed;
    }
  }
}

}  // namespace

CommandResult RunCommand(const Request& request, const std::function<bool(HWND)>& ownWindow,
                         shell::SystemSettings* settings) {
  CommandResult result;
  const std::vector<Listed> listed = ListWindows(ownWindow);
  switch (request.command->scope) {
    case Scope::Help: result.out = HelpText(); break;
    case Scope::List:
      if (request.json) {
        std::vector<WindowFacts> facts;
        facts.reserve(listed.size());
        for (const Listed& window : listed) facts.push_back(window.facts);
        result.out = ListJson(facts) + "\n";
      } else {
        for (const Listed& window : listed) result.out += ListLine(window.facts) + "\n";
      }
      break;
    case Scope::AllListed: {
      std::vector<HWND> windows;
      windows.reserve(listed.size());
      for (const Listed& window : listed) windows.push_back(window.window);
      RunOnAll(request, windows, result);
      break;
    }
    case Scope::Window: RunOnChosen(request, listed, result); break;
    case Scope::Desktop:
      if (const Failure failure = RunOnDesktop(request, settings)) result = {kFailed, {}, *failure + "\n"};
      break;
  }
  return result;
}

}  // namespace app
