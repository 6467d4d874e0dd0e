#pragma once
// The skin engine's settings: which skins exist, which one is active, and how it is tinted and
// animated, and the colours that follow from them. Painting the program's windows with these
// colours is not part of this class.
#include <functional>
#include <string>
#include <vector>

#include "skin/portable/SkinLibrary.h"

namespace skin {

// Mouse events that animate buttons; a set is a combination of these bits.
enum AnimationEvent : unsigned {
  kMouseEnter = 1,
  kMouseLeave = 2,
  kMouseDown = 4,
  kMouseUp = 8,
};
inline constexpr unsigned kAllAnimationEvents = kMouseEnter | kMouseLeave | kMouseDown | kMouseUp;

class SkinEngine {
 public:
  // `skinFiles`: the files of the skins folder. Files without the skin extension (in any letter
  // case) are ignored; the usable skins among the others follow the built-in skins, sorted.
  explicit SkinEngine(const std::vector<SkinFile>& skinFiles = {});

  // The skins' names, in that order.
  std::vector<std::wstring> SkinNames() const;

  // The skin files that were left out and why; each one is handed out by the first call only.
  std::vector<SkinProblem> TakeSkinProblems();

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

  // The active skin's colours under the hue offset and saturation, legible (see
  // EffectivePalette); the first built-in skin's until a skin is selected.
  const Palette& Colours() const noexcept { return colours_; }

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
  void UpdateColours();
  const NamedSkin* Find(const std::wstring& name) const;

  std::vector<NamedSkin> skins_;
  std::vector<SkinProblem> problems_;
  std::wstring active_;
  Palette colours_;
  int hue_ = 0;
  int saturation_ = 0;
  unsigned animation_ = kAllAnimationEvents;
  bool skinning_ = true;
};

}  // namespace skin
