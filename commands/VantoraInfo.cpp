#include "commands/VantoraInfo.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/windows/WindowQueries.h"

namespace commands {

WindowFacts ReadWindowFacts(HWND window) {
  WindowFacts facts;
  facts.title = platform::WindowText(window, 256);  // at most 254 characters, as ever shown here
  facts.handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
  if (const auto rect = platform::WindowRectangle(window)) {
    facts.left = rect->left;
    facts.top = rect->top;
    facts.right = rect->right;
    facts.bottom = rect->bottom;
  }
  facts.className = platform::WindowClassName(window);
  facts.minimized = ::IsIconic(window) != FALSE;
  facts.topmost = platform::IsWindowTopmost(window);
  return facts;
}

}  // namespace commands

namespace {
ui::FormStyle InfoStyle() {
  ui::FormStyle style;
  style.className = L"TForm13";
  style.caption = L"Window Information";
  style.clientWidth = commands::kInfoClientWidth;
  style.clientHeight = commands::kInfoClientHeight;
  style.color = ::GetSysColor(COLOR_BTNFACE);
  style.border = ui::BorderStyle::Single;
  style.systemMenu = false;  // no close box: "Done" closes it
  style.minimizeBox = true;
  style.maximizeBox = true;
  style.stayOnTop = true;
  style.centred = true;
  return style;
}
}  // namespace

TForm13::TForm13(const ui::FormKey& key, std::function<HWND()> target)
    : ui::Form(key, InfoStyle()), target_(std::move(target)) {
  std::vector<std::pair<std::wstring, std::wstring>> empty;
  empty.reserve(std::size(commands::kInfoKeys));
  for (std::wstring_view name : commands::kInfoKeys) empty.emplace_back(name, L"");
  rows.SetRows(empty);
  refresh.OnClick = [this] { RefreshClick(); };
  done.OnClick = [this] { DoneClick(); };
  // A close request from outside (Alt+F4) ends the dialog as "Done" does, so the wait for it
  // always ends and nothing is left hidden.
  OnClose = [this] { DoneClick(); };
  FormCreate();
}

void TForm13::FormCreate() { Fill(); }
void TForm13::RefreshClick() { Fill(); }
void TForm13::DoneClick() { Finished = true; }

void TForm13::Fill() {
  const HWND window = target_();
  if (!window) return;
  Finished = false;
  for (const auto& [key, value] : commands::InfoRows(commands::ReadWindowFacts(window))) rows.SetValue(key, value);
}
