#include "skin/portable/SkinEngine.h"

#include <algorithm>
#include <utility>

namespace skin {

SkinEngine::SkinEngine(const std::vector<SkinFile>& skinFiles) {
  SkinLibrary library = LoadSkins(skinFiles);
  for (NamedSkin& skin : library.skins) {
    names_.push_back(std::move(skin.name));
    palettes_.push_back(skin.palette);
  }
  problems_ = std::move(library.problems);
  UpdateColours();
}

std::vector<SkinProblem> SkinEngine::TakeSkinProblems() { return std::exchange(problems_, {}); }

bool SkinEngine::SetSkinName(const std::wstring& name) {
  if (std::find(names_.begin(), names_.end(), name) == names_.end()) return false;
  Update(active_, name);
  return true;
}

void SkinEngine::SetHueOffset(int degrees) { Update(hue_, degrees); }
void SkinEngine::SetSaturation(int saturation) { Update(saturation_, saturation); }
void SkinEngine::SetActive(bool on) { Update(skinning_, on); }

void SkinEngine::Changed() {
  UpdateColours();
  if (OnAfterChange) OnAfterChange();
}

void SkinEngine::UpdateColours() {
  const auto active = std::find(names_.begin(), names_.end(), active_);
  const size_t index = active == names_.end() ? 0 : static_cast<size_t>(active - names_.begin());
  colours_ = EffectivePalette(palettes_[index], hue_, saturation_);
}

}  // namespace skin
