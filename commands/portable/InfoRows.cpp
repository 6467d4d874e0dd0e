#include "commands/portable/InfoLayout.h"

namespace commands {

namespace {
// 32-bit arithmetic that wraps as the machine's does, instead of overflowing into undefined
// behaviour for windows far off the screen.
std::int32_t Wrapped(std::uint32_t value) { return static_cast<std::int32_t>(value); }
std::int32_t Minus(int a, int b) { return Wrapped(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b)); }
std::int32_t Times(std::int32_t a, std::int32_t b) {
  return Wrapped(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
std::wstring Boolean(bool value) { return value ? L"True" : L"False"; }
}  // namespace

std::array<std::pair<std::wstring, std::wstring>, 12> InfoRows(const WindowFacts& facts) {
  const std::int32_t width = Minus(facts.right, facts.left);
  const std::int32_t height = Minus(facts.bottom, facts.top);
  const std::wstring values[12] = {
      facts.title,
      std::to_wstring(facts.handle),
      std::to_wstring(facts.top),
      std::to_wstring(facts.left),
      std::to_wstring(facts.right),
      std::to_wstring(facts.bottom),
      std::to_wstring(width),
      std::to_wstring(height),
      std::to_wstring(Times(width, height)),
      facts.className,
      Boolean(facts.minimized),
      Boolean(facts.topmost),
  };
  std::array<std::pair<std::wstring, std::wstring>, 12> rows;
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = {std::wstring(kInfoKeys[i]), values[i]};
  return rows;
}

}  // namespace commands
