#pragma once
// Puts the skin engine's look on the program's windows and keeps it in step with the engine:
// after every change of skin, hue, saturation or skinning every open form is repainted once;
// with skinning off the native look is back at once.
#include <functional>
#include <memory>

#include "skin/SkinnedLook.h"
#include "skin/portable/SkinEngine.h"

namespace skin {

class LookInstaller {
 public:
  // Takes over the engine's OnAfterChange.
  explicit LookInstaller(SkinEngine& engine);
  LookInstaller(const LookInstaller&) = delete;
  LookInstaller& operator=(const LookInstaller&) = delete;
  ~LookInstaller();  // the native look comes back if ours is on

  // Raised after every change of the engine's look, once the forms have been repainted.
  std::function<void()> OnAfterChange;

 private:
  void Apply();
  SkinEngine& engine_;
  std::shared_ptr<SkinnedLook> look_;
};

}  // namespace skin
