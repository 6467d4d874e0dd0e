#pragma once
// The skin engine's settings: which skins exist, which one is active, and how it is tinted and
// animated. Painting the program's windows from these settings is not part of this class.
#include <functional>
#include <string>
#include <vector>

namespace skin {

// Mouse events that animate buttons; a set is a combination of these bits.
enum AnimationEvent : unsigned {
  kMouseEnter = 1,
  kMouseLeave = 2,
  kMouseDown = 4,
  kMouseUp = 8,
};
inline constexpr unsigned kAllAnimationEvents = kMouseEnter | kMouseLeave | kMouseDown | kMouseUp;

// The skins every copy of the program carries inside itself.
inline constexpr const wchar_t* kBuiltInSkins[] = {L"Neutral4 (internal)", L"Ledenets (internal)",
                                                   L"MacMetal (internal)", L"WLM (internal)"};
// Extension of the skin files found in the skins folder; a file's name without it names the skin.
inline constexpr std::wstring_view kSkinFileExtension = L".vskin";

class SkinEngine {
 public:
  // `skinFiles`: the names of the files of the skins folder (not paths). Files without the skin
  // extension (in any letter case) are ignored; the others follow the built-in skins, sorted.
  explicit SkinEngine(const std::vector<std::wstring>& skinFiles = {});

  const std::vector<std::wstring>& SkinNames() const noexcept { return names_; }

  // The active skin's name; empty until a skin is selected.
  const std::wstring& SkinName() const noexcept { return active_; }
  // Switches to the named skin (names compare exactly). A name the engine does not have (typed
  // text, "No skins available") leaves the active skin as it is and returns false.
  bool SetSkinName(const std::wstring& name);

  int HueOffset() const noexcept { return hue_; }
  void SetHueOffset(int degrees);
  int Saturation() const noexcept { return saturation_; }
  void SetSaturation(int saturation);
  unsigned AnimationEvents() const noexcept { return animation_; }
  void SetAnimationEvents(unsigned events) noexcept { animation_ = events & kAllAnimationEvents; }
  bool Active() const noexcept { return skinning_; }
  void SetActive(bool on);

  // Raised after every change of the skin's look: another skin, hue, saturation, on or off.
  std::function<void()> OnAfterChange;

 private:
  template <class T>
  void Update(T& setting, const T& value) {
    if (setting == value) return;
    setting = value;
    Changed();
  }
  void Changed();

  std::vector<std::wstring> names_;
  std::wstring active_;
  int hue_ = 0;
  int saturation_ = 0;
  unsigned animation_ = kAllAnimationEvents;
  bool skinning_ = true;
};

}  // namespace skin
