#include "skin/LookInstaller.h"

#include "ui/Application.h"

namespace skin {

LookInstaller::LookInstaller(SkinEngine& engine) : engine_(engine), look_(std::make_shared<SkinnedLook>(engine)) {
  engine_.OnAfterChange = [this] {
    Apply();
    if (OnAfterChange) OnAfterChange();
  };
  Apply();
}

LookInstaller::~LookInstaller() {
  engine_.OnAfterChange = nullptr;
  auto& app = ui::Application::Instance();
  if (&app.CurrentLook() == look_.get()) app.SetLook(nullptr);
}

void LookInstaller::Apply() {
  auto& app = ui::Application::Instance();
  const bool ours = &app.CurrentLook() == look_.get();
  look_->ColoursChanged();
  if (engine_.Active())
    ours ? app.RefreshLook() : app.SetLook(look_);
  else if (ours)
    app.SetLook(nullptr);
}

}  // namespace skin
