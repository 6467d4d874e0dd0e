#pragma once
// What the options dialog shows that follows from values: the period's text and the entries of
// the skin box.
#include <string>
#include <vector>

namespace options {

// "1 Second" for 1, otherwise the number and " Seconds".
std::wstring PeriodText(int seconds);

// "Current: " and the slider's position, beside the saturation and hue sliders.
std::wstring CurrentText(int position);

inline constexpr const wchar_t* kNoSkins = L"No skins available";

// The skin box as the dialog opens: the skin names in the engine's order, and the entry to
// highlight (-1: none). The highlight is the entry after the active skin (the first one when the
// active skin is not listed, none after the last one) while the box's text names the active
// skin. With no skins, the single entry "No skins available", highlighted, and no text of its own.
struct SkinBoxFill {
  std::vector<std::wstring> items;
  int highlighted = -1;
  bool showsActiveName = false;
};
SkinBoxFill FillSkinBox(const std::vector<std::wstring>& names, const std::wstring& active);

}  // namespace options
