#include "skin/portable/SkinEngine.h"

#include <algorithm>
#include <cwctype>

namespace skin {
namespace {

bool HasSkinExtension(const std::wstring& file) {
  if (file.size() <= kSkinFileExtension.size()) return false;
  const size_t start = file.size() - kSkinFileExtension.size();
  for (size_t i = 0; i < kSkinFileExtension.size(); ++i)
    if (std::towlower(static_cast<wint_t>(file[start + i])) != static_cast<wint_t>(kSkinFileExtension[i])) return false;
  return true;
}

}  // namespace

SkinEngine::SkinEngine(const std::vector<std::wstring>& skinFiles)
    : names_(std::begin(kBuiltInSkins), std::end(kBuiltInSkins)) {
  std::vector<std::wstring> found;
  for (const std::wstring& file : skinFiles) {
    if (HasSkinExtension(file))
      found.push_back(file.substr(0, file.size() - kSkinFileExtension.size()));
  }
  std::sort(found.begin(), found.end());
  names_.insert(names_.end(), found.begin(), found.end());
}

bool SkinEngine::SetSkinName(const std::wstring& name) {
  if (std::find(names_.begin(), names_.end(), name) == names_.end()) return false;
  Update(active_, name);
  return true;
}

void SkinEngine::SetHueOffset(int degrees) { Update(hue_, degrees); }
void SkinEngine::SetSaturation(int saturation) { Update(saturation_, saturation); }
void SkinEngine::SetActive(bool on) { Update(skinning_, on); }

void SkinEngine::Changed() {
  if (OnAfterChange) OnAfterChange();
}

}  // namespace skin
