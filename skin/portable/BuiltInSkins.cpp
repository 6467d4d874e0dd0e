#include "skin/portable/BuiltInSkins.h"

#include <algorithm>
#include <iterator>

namespace skin {
namespace {

constexpr Rgb Hex(unsigned rgb) {
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8), static_cast<std::uint8_t>(rgb)};
}

}  // namespace

// Fields in Palette order: window, panel, border, button (rest, hot, pressed, disabled), text,
// disabled text, accent, selection, selection text.
const BuiltInSkin kBuiltInSkins[4] = {
    // Quiet greys with a steel-blue accent.
    {L"Neutral4 (internal)",
     {Hex(0xECECEC), Hex(0xF7F7F7), Hex(0x646464), Hex(0xE0E0E0), Hex(0xEBEBEB), Hex(0xC9C9C9), Hex(0xE8E8E8),
      Hex(0x1C1C1C), Hex(0x737373), Hex(0x4A6A8C), Hex(0x3D6796), Hex(0xFFFFFF)}},
    // Sugar-pink forms with raspberry frames and plum text.
    {L"Ledenets (internal)",
     {Hex(0xFFF1F4), Hex(0xFFFAFB), Hex(0xB4366A), Hex(0xFFD9E4), Hex(0xFFE7EE), Hex(0xF6B4C9), Hex(0xF7E9EE),
      Hex(0x3A0C22), Hex(0x8A5A6E), Hex(0xD0215F), Hex(0xC2185B), Hex(0xFFFFFF)}},
    // Brushed-metal greys with light buttons that turn aqua under the mouse.
    {L"MacMetal (internal)",
     {Hex(0xDCDCDE), Hex(0xECECEE), Hex(0x6C6C72), Hex(0xF4F4F6), Hex(0xE2EBF7), Hex(0xB3CBEA), Hex(0xE6E6E8),
      Hex(0x141417), Hex(0x6B6B70), Hex(0x2A6FDB), Hex(0x2F67C4), Hex(0xFFFFFF)}},
    // Pale sky blues with navy text.
    {L"WLM (internal)",
     {Hex(0xE8F2FB), Hex(0xF7FBFF), Hex(0x3D6A92), Hex(0xD9EAF8), Hex(0xC8E1F7), Hex(0xA3CBEE), Hex(0xEBF1F6),
      Hex(0x0E2A45), Hex(0x627990), Hex(0x1E73BE), Hex(0x1E73BE), Hex(0xFFFFFF)}},
};

const BuiltInSkin* FindBuiltInSkin(std::wstring_view name) {
  const auto found = std::find_if(std::begin(kBuiltInSkins), std::end(kBuiltInSkins),
                                  [name](const BuiltInSkin& skin) { return skin.name == name; });
  return found == std::end(kBuiltInSkins) ? nullptr : found;
}

}  // namespace skin
