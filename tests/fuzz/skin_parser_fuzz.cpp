// Skin files come from anyone: arbitrary bytes go through the skin file reader, then as one
// skin file among others that take it as their base (or that it may name as its own), and the
// skins that come out through the hue, saturation and contrast maths.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/portable/SkinEngine.h"
#include "skin/portable/SkinFileParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const bool readable = skin::ParseSkinText(text).error.empty();

  skin::SkinEngine engine(
      {{L"Fuzz.vskin", text}, {L"Next.vskin", "base=Fuzz\naccent=#123456\n"}, {L"Other.vskin", "base=Next\n"}});
  const auto& names = engine.SkinNames();
  const bool listed = std::find(names.begin(), names.end(), L"Fuzz") != names.end();
  const std::vector<skin::SkinProblem> problems = engine.TakeSkinProblems();
  const bool refused = std::any_of(problems.begin(), problems.end(),
                                   [](const skin::SkinProblem& problem) { return problem.file == L"Fuzz.vskin"; });
  // Every file is either offered or refused with a reason, never both; unreadable ones are refused.
  if (listed == refused || (!readable && listed)) __builtin_trap();
  for (const skin::SkinProblem& problem : problems)
    if (problem.reason.empty()) __builtin_trap();

  const int hue = size > 0 ? data[0] * 360 / 255 : 0;
  const int saturation = size > 1 ? data[1] * 200 / 255 - 100 : 0;
  engine.SetHueOffset(hue);
  engine.SetSaturation(saturation);
  for (const std::wstring& name : names) engine.SetSkinName(name);
  return 0;
}
