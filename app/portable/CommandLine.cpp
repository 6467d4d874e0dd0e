#include "app/portable/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <cwctype>

// CLI11 and nlohmann-json are header-only libraries from the distribution, found through a
// folder that holds only their headers (see app/CMakeLists.txt); they build without warnings here.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

namespace vantora::cli {

namespace {

constexpr std::string_view kProgram = "vantora.exe";

const std::vector<Command>& Table() {
  using enum Scope;
  static const std::vector<Command> table{
      {"help", Help, {}, ""},
      {"list", List, {}, "[--json]"},
      {"cascade", AllListed, {}, ""},
      {"tile-horizontal", AllListed, {}, ""},
      {"tile-vertical", AllListed, {}, ""},
      {"minimize-all", AllListed, {}, ""},
      {"maximize-all", AllListed, {}, ""},
      {"restore-all", AllListed, {}, ""},
      {"close-all", AllListed, {}, ""},
      {"transparent-all", AllListed, {}, ""},
      {"opaque-all", AllListed, {}, ""},
      {"maximize", Window, {}, ""},
      {"minimize", Window, {}, ""},
      {"restore", Window, {}, ""},
      {"close", Window, {}, ""},
      {"front", Window, {}, ""},
      {"retitle", Window, {Arg::Text}, "TEXT"},
      {"opacity", Window, {Arg::Percent}, "PERCENT"},
      {"topmost", Window, {Arg::OnOff}, "on|off"},
      {"enable", Window, {Arg::OnOff}, "on|off"},
      {"close-button", Window, {Arg::OnOff}, "on|off"},
      {"move", Window, {Arg::Integer, Arg::Integer, Arg::Integer, Arg::Integer}, "X Y WIDTH HEIGHT"},
      {"info", Window, {}, ""},
      {"screenshot", Window, {Arg::File}, "FILE"},
      {"save-icon", Window, {Arg::File}, "FILE [--small]"},
      {"taskbar", Desktop, {Arg::ShowHide}, "show|hide"},
      {"taskbar-items", Desktop, {Arg::ShowHide}, "show|hide"},
      {"clock", Desktop, {Arg::ShowHide}, "show|hide"},
      {"desktop-icons", Desktop, {Arg::ShowHide}, "show|hide"},
      {"taskbar-opacity", Desktop, {Arg::Percent}, "PERCENT"},
      {"wallpaper", Desktop, {Arg::File}, "FILE"},
      {"screenshot-screen", Desktop, {Arg::File}, "FILE"},
      {"mouse", Desktop, {Arg::SwapUnswap}, "swap|unswap"},
      {"clipboard", Desktop, {Arg::BlockAllow}, "block|allow"},
      {"startup", Desktop, {Arg::OnOff}, "on|off"},
      {"exe-icon", Desktop, {Arg::File, Arg::File}, "PROGRAM ICONFILE"},
  };
  return table;
}

const Command* Find(std::string_view name) {
  const auto& table = Table();
  const auto found = std::find_if(table.begin(), table.end(), [name](const Command& c) { return c.name == name; });
  return found == table.end() ? nullptr : &*found;
}

std::optional<int> Integer(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool Valid(Arg kind, const std::string& text) {
  switch (kind) {
    case Arg::Text:
    case Arg::File: return !text.empty();
    case Arg::Percent: {
      const auto value = Integer(text);
      return value && *value >= 1 && *value <= 100;
    }
    case Arg::Integer: return Integer(text).has_value();
    case Arg::OnOff: return text == "on" || text == "off";
    case Arg::ShowHide: return text == "show" || text == "hide";
    case Arg::SwapUnswap: return text == "swap" || text == "unswap";
    case Arg::BlockAllow: return text == "block" || text == "allow";
  }
  return false;
}

std::optional<std::uint32_t> HandleValue(const std::string& text) {
  if (text.size() < 3 || text.size() > 10 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

Parsed Usage(const std::string& reason, const Command* command) {
  std::string text = std::string(kProgram) + ": " + reason + "\n";
  text += command ? UsageLine(*command) + "\n" : "Run \"vantora.exe help\" for the commands.\n";
  return {std::nullopt, text, kUsage};
}

// The line form keeps one window on one line.
std::string OneLine(std::wstring_view text) {
  std::string line = Utf8(text);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return line;
}

const char* StateName(ShowState state) {
  switch (state) {
    case ShowState::Minimized: return "minimized";
    case ShowState::Maximized: return "maximized";
    case ShowState::Normal: break;
  }
  return "normal";
}

}  // namespace

std::span<const Command> Commands() { return Table(); }

std::string UsageLine(const Command& command) {
  std::string line = "Usage: " + std::string(kProgram) + " " + std::string(command.name);
  if (command.scope == Scope::Window) line += " WINDOW [--all]";
  if (!command.argNames.empty()) line += " " + std::string(command.argNames);
  return line;
}

std::string HelpText() {
  std::string text =
      "Usage: vantora.exe COMMAND [WINDOW] [ARGUMENTS]\n"
      "Without arguments Vantora starts as usual. A command runs in the running Vantora of this\n"
      "program file, or without any window when none runs, and ends.\n\n"
      "WINDOW: --title TEXT (* and ? as wildcards, case-insensitive), --class NAME,\n"
      "        --process NAME.exe, --handle 0xHEX; combined, all must match. Only listed\n"
      "        windows count; several matches need --all.\n"
      "Exit codes: 0 done, 1 refused or failed, 2 usage, 3 no window matched or several.\n\n"
      "Commands:\n";
  for (const Command& command : Table()) text += "  " + UsageLine(command).substr(7 + kProgram.size()) + "\n";
  return text;
}

Parsed Parse(const std::vector<std::string>& args) {
  if (args.empty()) return Usage("no command", nullptr);
  if (args[0] == "help" || args[0] == "--help" || args[0] == "-h" || args[0] == "/?")
    return {std::nullopt, HelpText(), kDone};
  const auto word =
      std::find_if(args.begin(), args.end(), [](const std::string& a) { return a.empty() || a[0] != '-'; });
  const Command* named = word == args.end() ? nullptr : Find(*word);

  Request request;
  std::string handle;
  std::vector<std::string> words;
  CLI::App app;
  app.set_help_flag();
  app.add_option("--title", request.window.title);
  app.add_option("--class", request.window.className);
  app.add_option("--process", request.window.process);
  app.add_option("--handle", handle);
  app.add_flag("--all", request.all);
  app.add_flag("--json", request.json);
  app.add_flag("--small", request.small);
  app.add_option("words", words);
  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them last first
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    return Usage(error.what(), named);
  }
  if (words.empty()) return Usage("no command", nullptr);
  request.command = Find(words[0]);
  if (!request.command) return Usage("unknown command \"" + words[0] + "\"", nullptr);
  const Command& command = *request.command;
  if (command.scope == Scope::Help) return {std::nullopt, HelpText(), kDone};
  request.args.assign(words.begin() + 1, words.end());
  if (request.args.size() < command.args.size()) return Usage("missing argument", &command);
  if (request.args.size() > command.args.size())
    return Usage("unexpected argument \"" + request.args.back() + "\"", &command);
  for (size_t i = 0; i < command.args.size(); ++i)
    if (!Valid(command.args[i], request.args[i])) return Usage("bad argument \"" + request.args[i] + "\"", &command);
  if (!handle.empty()) {
    request.window.handle = HandleValue(handle);
    if (!request.window.handle) return Usage("bad handle \"" + handle + "\"", &command);
  }
  const bool perWindow = command.scope == Scope::Window;
  if (perWindow && !request.window.Given()) return Usage("no window given", &command);
  if (!perWindow && (request.window.Given() || request.all)) return Usage("this command takes no window", &command);
  if (request.json && command.scope != Scope::List) return Usage("--json is for list only", &command);
  if (request.small && command.name != "save-icon") return Usage("--small is for save-icon only", &command);
  return {std::move(request), {}, kDone};
}

bool WildcardMatch(std::wstring_view pattern, std::wstring_view text) {
  const auto same = [](wchar_t a, wchar_t b) {
    return std::towlower(static_cast<wint_t>(a)) == std::towlower(static_cast<wint_t>(b));
  };
  size_t p = 0, t = 0;
  size_t star = std::wstring_view::npos, resume = 0;  // the last star, and where its run ends
  while (t < text.size()) {
    if (p < pattern.size() && (pattern[p] == L'?' || (pattern[p] != L'*' && same(pattern[p], text[t])))) {
      ++p;
      ++t;
    } else if (p < pattern.size() && pattern[p] == L'*') {
      star = p++;
      resume = t;
    } else if (star != std::wstring_view::npos) {
      p = star + 1;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == L'*') ++p;
  return p == pattern.size();
}

bool Matches(const WindowChoice& choice, const WindowFacts& window) {
  const auto matches = [](const std::string& pattern, const std::wstring& value) {
    return pattern.empty() || WildcardMatch(FromUtf8(pattern), value);
  };
  return matches(choice.title, window.title) && matches(choice.className, window.className) &&
         matches(choice.process, window.program) && (!choice.handle || *choice.handle == window.handle);
}

std::string HandleText(std::uint32_t handle) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "0x00000000";
  for (int i = 9; i >= 2; --i, handle >>= 4) text[static_cast<size_t>(i)] = kDigits[handle & 0xF];
  return text;
}

std::string ListLine(const WindowFacts& w) {
  return HandleText(w.handle) + "\t" + OneLine(w.title) + "\t" + OneLine(w.className) + "\t" + OneLine(w.program) +
         "\t" + std::to_string(w.x) + "," + std::to_string(w.y) + "," + std::to_string(w.width) + "," +
         std::to_string(w.height) + "\t" + StateName(w.state);
}

std::string ListJson(std::span<const WindowFacts> windows) {
  nlohmann::json list = nlohmann::json::array();
  for (const WindowFacts& w : windows)
    list.push_back({{"handle", HandleText(w.handle)},
                    {"title", Utf8(w.title)},
                    {"class", Utf8(w.className)},
                    {"program", Utf8(w.program)},
                    {"x", w.x},
                    {"y", w.y},
                    {"width", w.width},
                    {"height", w.height},
                    {"state", StateName(w.state)}});
  return list.dump(2);
}

std::string Utf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    auto code = static_cast<std::uint32_t>(text[i]);
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
      code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<std::uint32_t>(text[++i]) - 0xDC00);
    else if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
      code = 0xFFFD;  // a lone half of a pair
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

std::wstring FromUtf8(std::string_view text) {
  std::wstring out;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + static_cast<size_t>(extra) >= text.size() + (extra == 0 ? 1 : 0)) {
      out += L'\xFFFD';
      ++i;
      continue;
    }
    std::uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k)
      code = (code << 6) | (static_cast<unsigned char>(text[i + static_cast<size_t>(k)]) & 0x3F);
    i += static_cast<size_t>(extra) + 1;
    if constexpr (sizeof(wchar_t) == 2) {
      if (code >= 0x10000) {
        code -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (code >> 10));
        out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
        continue;
      }
    }
    out += static_cast<wchar_t>(code);
  }
  return out;
}

}  // namespace vantora::cli
