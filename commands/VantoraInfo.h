#pragma once
// The information dialog: twelve properties of one window (title, handle, rectangle, size,
// area, class, minimized and topmost states) as a two-column grid, read when it opens and on
// each "Refresh". It only reads; the window is never changed.
#include <windows.h>

#include <functional>

#include "commands/portable/InfoLayout.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/OpenInstance.h"
#include "ui/ListView.h"

namespace commands {
// What the dialog reads from the window, through calls that never wait on the window's thread.
WindowFacts ReadWindowFacts(HWND window);
}  // namespace commands

class TForm13 : public ui::Form, public ui::OpenInstance<TForm13> {
 public:
  // `target` names the window the dialog shows (null: none), asked at every fill.
  TForm13(const ui::FormKey& key, std::function<HWND()> target);

  ui::Label heading{*this, commands::InfoRow("Label1")};
  ui::KeyValueGrid rows{*this,
                        commands::InfoRow("ve"),
                        {std::wstring(commands::kInfoKeyTitle), commands::kInfoKeyWidth},
                        {std::wstring(commands::kInfoValueTitle), commands::kInfoValueWidth}};
  ui::Button refresh{*this, commands::InfoRow("Button2")};  // "Refresh"
  ui::Button done{*this, commands::InfoRow("Button1")};     // "Done"

  bool Finished = false;  // set by "Done"; cleared by each fill

  void FormCreate();
  void RefreshClick();
  void DoneClick();

 private:
  void Fill();
  std::function<HWND()> target_;
};
