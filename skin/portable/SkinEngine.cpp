#include "skin/portable/SkinEngine.h"

#include <algorithm>
#include <utility>

namespace skin {

SkinEngine::SkinEngine(const std::vector<SkinFile>& skinFiles) {
  SkinLibrary library = LoadSkins(skinFiles);
  skins_ = std::move(library.skins);
  problems_ = std::move(library.problems);
  UpdateColours();
}

std::vector<std::wstring> SkinEngine::SkinNames() const {
  std::vector<std::wstring> names;
  for (const NamedSkin& skin : skins_) names.push_back(skin.name);
  return names;
}

const NamedSkin* SkinEngine::Find(const std::wstring& name) const {
  const auto found =
      std::find_if(skins_.begin(), skins_.end(), [&](const NamedSkin& skin) { return skin.name == name; });
  return found == skins_.end() ? nullptr : &*found;
}

std::vector<SkinProblem> SkinEngine::TakeSkinProblems() { return std::exchange(problems_, {}); }

bool SkinEngine::SetSkinName(const std::wstring& name) {
  if (!Find(name)) return false;
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
  const NamedSkin* active = Find(active_);
  colours_ = EffectivePalette((active ? *active : skins_.front()).palette, hue_, saturation_);
}

}  // namespace skin
