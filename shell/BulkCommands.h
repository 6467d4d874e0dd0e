#pragma once
// Commands on every window of the list: close, minimize, maximize, restore and the opacity of
// all, each in the variant of its button and of its hotkey; cascade and tile.
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "catalogue/Catalogue.h"
#include "platform/Error.h"
#include "ui/Form.h"

namespace shell {

// The button variants let pending messages be processed after each window; the hotkey variants
// walk without that and differ in the steps around the walk.
enum class BulkVariant { Button, HotKey };

// The windows a walk could not act on, each with its failure.
using WalkFailures = std::vector<std::pair<HWND, platform::Outcome>>;

enum class Layout { Cascade, TileHorizontal, TileVertical };

enum class Step;          // what the program does with its own window around a walk
struct ShowAllOperation;  // a show command for every window and the steps after the walk
struct Arrangement;       // cascade or tile

class BulkCommands {
 public:
  BulkCommands(ui::Form& mainForm, catalogue::Catalogue& catalogue) : form_(mainForm), catalogue_(catalogue) {}

  void CloseAll(BulkVariant variant);
  void MinimizeAll(BulkVariant variant);
  void MaximizeAll();  // hotkey only
  void RestoreAll(BulkVariant variant);
  void SetAllOpacity(int percent);  // hotkey only
  // Restores the main and application windows where they are minimized.
  void BringProgramForward();

  void Cascade();
  void TileHorizontal();
  void TileVertical();

  // The same walks over given windows (the command line's), without the program's own windows
  // and without a question first.
  static WalkFailures ShowEach(std::span<const HWND> windows, int showCommand);
  static WalkFailures CloseEach(std::span<const HWND> windows);
  static WalkFailures SetOpacityOfEach(std::span<const HWND> windows, int percent);
  static void ArrangeEach(std::span<const HWND> windows, Layout layout);

 private:
  static WalkFailures WalkWindows(std::span<const HWND> windows, bool processMessages, const wchar_t* what,
                                  const std::function<platform::Outcome(HWND)>& act);
  void Run(std::span<const Step> steps);
  std::vector<HWND> Targets(BulkVariant variant) const;
  // `what` names the call for the debug log.
  void Walk(BulkVariant variant, const wchar_t* what, const std::function<platform::Outcome(HWND)>& act) const;
  void ShowAll(const ShowAllOperation& operation, BulkVariant variant);
  void Arrange(const Arrangement& arrangement);

  ui::Form& form_;
  catalogue::Catalogue& catalogue_;
};

}  // namespace shell
