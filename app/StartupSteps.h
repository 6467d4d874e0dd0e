#pragma once
// What the main window does once while it is being built, in order: the splash, the F5 hook,
// the skin, the hotkeys, the tray icon, the registry, the first window list and the shell
// toggles. The first step that fails is reported and ends the steps; the main window still opens.
#include <functional>
#include <vector>

#include "app/HotKeyActions.h"
#include "app/TrayPresence.h"
#include "catalogue/Catalogue.h"
#include "options/OptionsCommand.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/ListView.h"
#include "shell/ShellToggles.h"
#include "shell/SystemSettings.h"
#include "skin/portable/SkinEngine.h"

namespace app {

struct StartupLinks {
  ui::Form& mainWindow;
  std::function<void()> installRefreshKey;  // F5 anywhere in the program rebuilds the list
  ui::Button& applyWallpaper;
  skin::SkinEngine& skin;
  options::OptionsCommand& options;
  catalogue::Catalogue& windowList;
  HotKeyActions& hotKeys;
  TrayPresence& tray;
  ui::Image& placeholder;             // the question mark the empty icon boxes show
  std::vector<ui::Image*> iconBoxes;  // they show it until they show an icon
  shell::SystemSettings& systemSettings;
  ui::ListView& list;
  shell::ShellToggles& shellToggles;
};

class StartupSteps {
 public:
  explicit StartupSteps(StartupLinks links) : l_(std::move(links)) {}
  // The steps, in this order; runs once, at the end of the main window's constructor.
  void Run();

 private:
  void ShowSplashIfPresent();
  void ReportSkinProblems();
  void ApplyStartupRegistry();

  StartupLinks l_;
};

}  // namespace app
