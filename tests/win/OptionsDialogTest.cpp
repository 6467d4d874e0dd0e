// The options dialog opened from the main window's "Options && Hotkeys" button and worked
// through its controls while its wait loop runs: the period taken at "Ok" only, hotkeys
// registered on the main window (or refused with "Error"), the skin settings, and what is
// remembered from one opening to the next.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "options/portable/HotKeyTable.h"
#include "options/VantoraOptions.h"
#include "support/ForeignWindows.h"
#include "support/Keys.h"
#include "support/MainForm.h"
#include "support/RecordingSession.h"
#include "support/ScriptedPrompts.h"
#include "support/TabWalk.h"

using testsupport::ForeignWindows;
using testsupport::ScriptedPrompts;

namespace {

constexpr unsigned kCtrlAlt = MOD_CONTROL | MOD_ALT;

// Whether some registration, of this program or another, holds the combination: the system
// refuses a second one.
bool Held(unsigned modifiers, unsigned key) {
  if (::RegisterHotKey(nullptr, 0x7A11, modifiers, key)) {
    ::UnregisterHotKey(nullptr, 0x7A11);
    return false;
  }
  return ::GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}

// Types a combination into a hotkey control as the control itself keeps it.
void SetControlKeys(const ui::HotKeyEdit& control, BYTE modifiers, BYTE key) {
  ::SendMessageW(control.Handle(), HKM_SETHOTKEY, MAKEWORD(key, modifiers), 0);
}

// Counts WM_SETFOCUS (or another message) reaching one window.
class MessageCounter {
 public:
  MessageCounter(HWND window, UINT message) : window_(window), message_(message) {
    ::SetWindowSubclass(window_, Proc, 0x0D7, reinterpret_cast<DWORD_PTR>(this));
  }
  ~MessageCounter() { ::RemoveWindowSubclass(window_, Proc, 0x0D7); }
  MessageCounter(const MessageCounter&) = delete;
  MessageCounter& operator=(const MessageCounter&) = delete;
  int count = 0;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<MessageCounter*>(data);
    if (message == self->message_) ++self->count;
    return ::DefSubclassProc(window, message, wParam, lParam);
  }
  HWND window_;
  UINT message_;
};

class OptionsDialogTest : public testsupport::MainFormTest {
 protected:
  using Step = std::function<bool(TForm10&)>;

  // Shows the main window, clicks "Options && Hotkeys" and, while the dialog's wait loop pumps the messages, runs the
  // steps one after another from a timer: a step is tried on every tick until it returns true.
  // Returns once the dialog has closed. A script that does not close the dialog in time fails
  // and cancels it.
  void RunDialog(std::vector<Step> steps) {
    script_ = std::move(steps);
    next_ = 0;
    deadline_ = ::GetTickCount64() + 20000;
    current_ = this;
    if (!form.Visible()) FocusForm();  // a hidden window's button takes no click
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &OptionsDialogTest::Tick);
    form.optionsButton.Click();
    ::KillTimer(nullptr, timer);
    current_ = nullptr;
    EXPECT_EQ(next_, script_.size()) << "the dialog closed before its script ended";
    EXPECT_EQ(TForm10::Open(), nullptr);
    EXPECT_TRUE(form.optionsButton.Enabled());
  }

  // A step that checks what the dialog shows and goes on.
  static Step Check(std::function<void(TForm10&)> check) {
    return [check](TForm10& dialog) {
      check(dialog);
      return true;
    };
  }
  template <class AnyButton>
  static Step Click(AnyButton TForm10::*button) {
    return [button](TForm10& dialog) {
      (dialog.*button).Click();
      return true;
    };
  }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    OptionsDialogTest* self = current_;
    if (!self || self->busy_) return;
    self->busy_ = true;
    auto* dialog = TForm10::Open();
    if (dialog && self->next_ < self->script_.size()) {
      if (self->script_[self->next_](*dialog)) ++self->next_;
    }
    if (dialog && ::GetTickCount64() > self->deadline_) {
      ADD_FAILURE() << "the script did not close the dialog; step " << self->next_;
      self->next_ = self->script_.size();
      dialog->cancel.Click();
    }
    self->busy_ = false;
  }

  static inline OptionsDialogTest* current_ = nullptr;
  std::vector<Step> script_;
  size_t next_ = 0;
  ULONGLONG deadline_ = 0;
  bool busy_ = false;
};

TEST_F(OptionsDialogTest, OpensBesideTheUsableMainWindowWithTheDesignedValuesAndIsGoneAfter) {
  ForeignWindows foreign(L"--title \"Listed beside the options\"");
  HWND dialogWindow = nullptr;
  RunDialog({
      Check([&](TForm10& dialog) {
        dialogWindow = dialog.Handle();
        EXPECT_TRUE(dialog.Visible());
        EXPECT_EQ(dialog.Caption(), L"Options");
        wchar_t className[32] = {};
        ::GetClassNameW(dialogWindow, className, 32);
        EXPECT_STREQ(className, L"TForm10");
        const LONG style = ::GetWindowLongW(dialogWindow, GWL_STYLE);
        EXPECT_TRUE(style & WS_CAPTION);
        EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
        EXPECT_TRUE(::GetWindowLongW(dialogWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
        RECT client{};
        ::GetClientRect(dialogWindow, &client);
        EXPECT_EQ(client.right, dialog.Scale(720));
        EXPECT_EQ(client.bottom, dialog.Scale(333));

        // Without modality: the main window takes input, only the options button waits.
        EXPECT_TRUE(::IsWindowEnabled(form.Handle()));
        EXPECT_FALSE(form.optionsButton.Enabled());
        form.RefreshCatalogue();
        EXPECT_EQ(RowOf(dialogWindow), -1);
        EXPECT_GE(RowOf(foreign.Find(L"Listed beside the options")), 0);

        // The hotkey lines show the combinations the program registers at every start.
        const ui::Label* labels[] = {&dialog.closeAllKeyLabel,    &dialog.minimizeAllKeyLabel,
                                     &dialog.maximizeAllKeyLabel, &dialog.restoreAllKeyLabel,
                                     &dialog.halfOpacityKeyLabel, &dialog.fullOpacityKeyLabel};
        for (size_t i = 0; i < vantora::kHotKeys.size(); ++i) {
          EXPECT_EQ(dialog.HotKeyEdits()[i]->ShortCut(), vantora::kHotKeys[i].ShortCut()) << "line " << i;
          EXPECT_EQ(labels[i]->Caption(), vantora::kHotKeys[i].optionsLabel);
          EXPECT_TRUE(Held(vantora::kHotKeys[i].modifiers, vantora::kHotKeys[i].virtualKey));
        }
        EXPECT_EQ(::SendMessageW(dialog.minimizeAllKey.Handle(), HKM_GETHOTKEY, 0, 0),
                  MAKEWORD('M', HOTKEYF_CONTROL | HOTKEYF_ALT));

        // Automatic refresh off: the period's controls wait for the check box.
        EXPECT_FALSE(dialog.autoRefresh.Checked());
        for (const ui::Control* control : std::initializer_list<const ui::Control*>{
                 &dialog.periodSlider, &dialog.periodLabel, &dialog.periodMin, &dialog.periodMax, &dialog.periodValue})
          EXPECT_FALSE(control->Enabled()) << control->Name();
        EXPECT_EQ(dialog.periodValue.Caption(), L"1 Second");
        EXPECT_EQ(dialog.skinGroup.Caption(), L"Skins && UI");

        // The start-up skin is the last of the list: the box names it, with nothing after it
        // to highlight.
        EXPECT_EQ(dialog.skinName.Items(), form.skinEngine.SkinNames());
        EXPECT_EQ(dialog.skinName.Text(), L"WMP11");
        EXPECT_EQ(dialog.skinName.ItemIndex(), -1);
        EXPECT_EQ(dialog.saturationValue.Caption(), L"Current: 0");
        EXPECT_EQ(dialog.hueValue.Caption(), L"Current: 0");
        for (const ui::CheckBox* box : {&dialog.animateMouseEnter, &dialog.animateMouseUp, &dialog.animateMouseLeave,
                                        &dialog.animateMouseDown, &dialog.skinned})
          EXPECT_TRUE(box->Checked()) << box->Name();
      }),
      Click(&TForm10::cancel),
  });
  EXPECT_FALSE(::IsWindow(dialogWindow)) << "the dialog is destroyed when it closes";
  EXPECT_TRUE(form.optionsCommand.HotKeysRemembered);
}

TEST_F(OptionsDialogTest, HotKeyControlsAreRememberedOnEveryCloseButOnlyRegisterChangesTheHotKey) {
  RunDialog({
      Check([](TForm10& dialog) { SetControlKeys(dialog.minimizeAllKey, HOTKEYF_CONTROL | HOTKEYF_ALT, 'N'); }),
      Click(&TForm10::ok),
  });
  EXPECT_TRUE(Held(kCtrlAlt, 'M')) << "the old combination still works";
  EXPECT_FALSE(Held(kCtrlAlt, 'N'));

  RunDialog({
      Check([](TForm10& dialog) {
        EXPECT_EQ(dialog.minimizeAllKey.ShortCut(), ui::kShortCutCtrl | ui::kShortCutAlt | 'N');
        EXPECT_EQ(dialog.closeAllKey.ShortCut(), vantora::kHotKeys[0].ShortCut());
        SetControlKeys(dialog.fullOpacityKey, HOTKEYF_SHIFT, VK_F7);
      }),
      Click(&TForm10::cancel),  // remembered after "Cancel" too
  });
  RunDialog({
      Check([](TForm10& dialog) {
        EXPECT_EQ(dialog.fullOpacityKey.ShortCut(), ui::kShortCutShift | VK_F7);
        EXPECT_EQ(dialog.minimizeAllKey.ShortCut(), ui::kShortCutCtrl | ui::kShortCutAlt | 'N');
      }),
      Click(&TForm10::ok),
  });
  EXPECT_TRUE(Held(kCtrlAlt, 'F'));
  EXPECT_FALSE(Held(MOD_SHIFT, VK_F7));
}

TEST_F(OptionsDialogTest, RegisterMovesTheIdToTheNewCombinationWhichKeepsItsAction) {
  ForeignWindows foreign(L"--count 2 --title \"Minimized by Ctrl+Shift+M %d\"");
  ScriptedPrompts prompts;
  RunDialog({
      Check([](TForm10& dialog) { SetControlKeys(dialog.minimizeAllKey, HOTKEYF_CONTROL | HOTKEYF_SHIFT, 'M'); }),
      Click(&TForm10::registerMinimizeAll), Check([&](TForm10&) {
        EXPECT_TRUE(prompts.calls.empty());  // success says nothing
        EXPECT_FALSE(Held(kCtrlAlt, 'M'));
        EXPECT_TRUE(Held(MOD_CONTROL | MOD_SHIFT, 'M'));
      }),
      Click(&TForm10::cancel),  // registrations stay after "Cancel"
  });
  EXPECT_TRUE(Held(MOD_CONTROL | MOD_SHIFT, 'M'));
  EXPECT_TRUE(Held(kCtrlAlt, 'C'));  // the other ids are untouched

  FocusForm();
  Pump(600);  // Wine undoes a minimize that follows the first showing too closely
  testsupport::PressChord({VK_CONTROL, VK_SHIFT}, 'M');
  EXPECT_TRUE(PumpUntil([&] {
    for (HWND window : foreign.Windows())
      if (!::IsIconic(window)) return false;
    return true;
  }));
}

TEST_F(OptionsDialogTest, CombinationHeldByAnotherProgramGivesErrorOnceAndLeavesTheIdWithoutAny) {
  ForeignWindows holder(L"--title \"Holds Ctrl+Alt+K\" --hotkey 3,75");
  ASSERT_TRUE(Held(kCtrlAlt, 'K'));
  ScriptedPrompts prompts;
  RunDialog({
      Check([](TForm10& dialog) { SetControlKeys(dialog.maximizeAllKey, HOTKEYF_CONTROL | HOTKEYF_ALT, 'K'); }),
      Click(&TForm10::registerMaximizeAll),
      Check([&](TForm10&) {
        EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Information), std::vector<std::wstring>{L"Error"});
        EXPECT_EQ(prompts.calls.size(), 1u);
      }),
      Click(&TForm10::ok),
  });
  EXPECT_FALSE(Held(kCtrlAlt, 'X')) << "the id's old combination was given up";
  EXPECT_TRUE(Held(kCtrlAlt, 'M'));
}

// Prompts whose "Error" box stays open until the other program has let go of its hotkey.
class HolderEndsDuringError final : public ui::Prompts {
 public:
  explicit HolderEndsDuringError(std::unique_ptr<ForeignWindows>& holder) : holder_(holder) { ui::SetPrompts(this); }
  ~HolderEndsDuringError() override { ui::SetPrompts(nullptr); }
  std::vector<std::wstring> informations;
  void Information(const std::wstring& text) override {
    informations.push_back(text);
    holder_.reset();
  }
  bool Confirm(const std::wstring&) override { return false; }
  void Error(const std::wstring& text) override { ADD_FAILURE() << "error box: " << testing::PrintToString(text); }
  std::optional<std::wstring> OpenFile(const ui::FileDialogOptions&) override { return std::nullopt; }
  std::optional<std::wstring> SaveFile(const ui::FileDialogOptions&) override { return std::nullopt; }

 private:
  std::unique_ptr<ForeignWindows>& holder_;
};

TEST_F(OptionsDialogTest, SecondAttemptAfterTheErrorTakesTheCombinationItsHolderGaveUp) {
  auto holder = std::make_unique<ForeignWindows>(L"--title \"Lets go of Ctrl+Alt+J\" --hotkey 3,74");
  ASSERT_TRUE(Held(kCtrlAlt, 'J'));
  HolderEndsDuringError prompts(holder);
  RunDialog({
      Check([](TForm10& dialog) { SetControlKeys(dialog.restoreAllKey, HOTKEYF_CONTROL | HOTKEYF_ALT, 'J'); }),
      Click(&TForm10::registerRestoreAll),
      Click(&TForm10::ok),
  });
  EXPECT_EQ(prompts.informations, std::vector<std::wstring>{L"Error"});
  EXPECT_EQ(holder, nullptr);
  EXPECT_TRUE(Held(kCtrlAlt, 'J')) << "registered by the second attempt";
  EXPECT_FALSE(Held(kCtrlAlt, 'R'));
}

TEST_F(OptionsDialogTest, PeriodIsTakenAtOkOnlyAndShownAgainWhenTheDialogReopens) {
  const auto period = [this] { return form.windowList.AutoRefreshPeriod(); };
  RunDialog({
      Click(&TForm10::autoRefresh),
      Check([](TForm10& dialog) {
        EXPECT_TRUE(dialog.autoRefresh.Checked());
        for (const ui::Control* control : std::initializer_list<const ui::Control*>{
                 &dialog.periodSlider, &dialog.periodLabel, &dialog.periodMin, &dialog.periodMax, &dialog.periodValue})
          EXPECT_TRUE(control->Enabled()) << control->Name();
        dialog.periodSlider.SetPosition(45);
        EXPECT_EQ(dialog.periodValue.Caption(), L"45 Seconds");
      }),
      Check([&](TForm10&) { EXPECT_EQ(period(), 0) << "not before \"Ok\""; }),
      Click(&TForm10::ok),
  });
  EXPECT_EQ(period(), 45);
  EXPECT_TRUE(PumpUntil([&] { return form.refreshTimer.Interval() == 45000u; }))
      << "the refresh timer follows the period";

  RunDialog({
      Check([](TForm10& dialog) {
        EXPECT_TRUE(dialog.autoRefresh.Checked());
        EXPECT_TRUE(dialog.periodSlider.Enabled());
        EXPECT_EQ(dialog.periodSlider.Position(), 45);
        EXPECT_EQ(dialog.periodValue.Caption(), L"45 Seconds");
        dialog.periodSlider.SetPosition(1);
        EXPECT_EQ(dialog.periodValue.Caption(), L"1 Second");
        dialog.periodSlider.SetPosition(100);
      }),
      Click(&TForm10::cancel),
  });
  EXPECT_EQ(period(), 45) << "\"Cancel\" keeps the period";

  RunDialog({
      Check([](TForm10& dialog) { EXPECT_EQ(dialog.periodSlider.Position(), 45); }),
      Click(&TForm10::autoRefresh),
      Check([](TForm10& dialog) {
        EXPECT_FALSE(dialog.periodSlider.Enabled());
        EXPECT_FALSE(dialog.periodValue.Enabled());
      }),
      Click(&TForm10::ok),
  });
  EXPECT_EQ(period(), 0) << "off, whatever the slider shows";

  RunDialog({
      Check([](TForm10& dialog) {
        EXPECT_FALSE(dialog.autoRefresh.Checked());
        EXPECT_FALSE(dialog.periodSlider.Enabled());
      }),
      Click(&TForm10::ok),
  });
  EXPECT_EQ(period(), 0);
}

TEST_F(OptionsDialogTest, KeyboardCloseCountsAsCancel) {
  form.windowList.SetAutoRefreshPeriod(20);
  RunDialog({
      Click(&TForm10::autoRefresh),  // off, but not taken
      Check([](TForm10& dialog) {
        SetControlKeys(dialog.closeAllKey, HOTKEYF_CONTROL | HOTKEYF_ALT, 'Q');
        ::PostMessageW(dialog.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      }),
  });
  EXPECT_EQ(form.windowList.AutoRefreshPeriod(), 20);
  EXPECT_TRUE(form.optionsCommand.HotKeysRemembered);
  EXPECT_EQ(form.optionsCommand.HotKeyShortCuts[0], ui::kShortCutCtrl | ui::kShortCutAlt | 'Q');
}

TEST_F(OptionsDialogTest, ExitWhileTheDialogIsOpenDestroysItAndTakesNothingFromIt) {
  testsupport::RecordingSession session;  // the process is not really ended
  HWND dialogWindow = nullptr;
  RunDialog({
      Click(&TForm10::autoRefresh),
      Check([&](TForm10& dialog) {
        dialogWindow = dialog.Handle();
        form.ExitProgram();
      }),
  });
  EXPECT_EQ(session.terminations.size(), 1u);
  EXPECT_FALSE(::IsWindow(dialogWindow));
  EXPECT_EQ(form.windowList.AutoRefreshPeriod(), 0);
  EXPECT_FALSE(form.optionsCommand.HotKeysRemembered);
}

TEST_F(OptionsDialogTest, SkinControlsShowTheEngineAndReachItOnlyThroughTheirOwnHandlers) {
  FocusForm();
  skin::SkinEngine& engine = form.skinEngine;
  ASSERT_TRUE(engine.SetSkinName(L"Ledenets (internal)"));
  engine.SetSaturation(-30);
  engine.SetHueOffset(200);
  engine.SetAnimationEvents(skin::kMouseEnter | skin::kMouseDown);
  engine.SetActive(false);
  int changes = 0;
  auto afterChange = engine.OnAfterChange;
  engine.OnAfterChange = [&] {
    ++changes;
    afterChange();
  };
  MessageCounter mainSliderFocus(form.taskbarOpacitySlider.Handle(), WM_SETFOCUS);

  RunDialog({
      Check([&](TForm10& dialog) {
        EXPECT_EQ(dialog.skinName.Text(), L"Ledenets (internal)");
        EXPECT_EQ(dialog.skinName.ItemIndex(), 2) << "the entry after the active skin";
        EXPECT_EQ(dialog.saturationSlider.Position(), -30);
        EXPECT_EQ(dialog.saturationValue.Caption(), L"Current: -30");
        EXPECT_EQ(dialog.hueSlider.Position(), 200);
        EXPECT_EQ(dialog.hueValue.Caption(), L"Current: 200");
        EXPECT_TRUE(dialog.animateMouseEnter.Checked());
        EXPECT_FALSE(dialog.animateMouseUp.Checked());
        EXPECT_FALSE(dialog.animateMouseLeave.Checked());
        EXPECT_TRUE(dialog.animateMouseDown.Checked());
        EXPECT_FALSE(dialog.skinned.Checked());
        EXPECT_EQ(changes, 0) << "showing changes nothing";
        EXPECT_EQ(engine.AnimationEvents(), skin::kMouseEnter | skin::kMouseDown);

        // The sliders only move their labels until "Apply".
        dialog.saturationSlider.SetPosition(40);
        dialog.hueSlider.SetPosition(90);
        EXPECT_EQ(dialog.saturationValue.Caption(), L"Current: 40");
        EXPECT_EQ(dialog.hueValue.Caption(), L"Current: 90");
        EXPECT_EQ(engine.Saturation(), -30);
        EXPECT_EQ(engine.HueOffset(), 200);
      }),
      Click(&TForm10::applyLook),
      Check([&](TForm10& dialog) {
        EXPECT_EQ(engine.Saturation(), 40);
        EXPECT_EQ(engine.HueOffset(), 90);
        EXPECT_GE(mainSliderFocus.count, 1) << "the main window's slider was refocused";
        EXPECT_EQ(::GetForegroundWindow(), dialog.Handle()) << "and the dialog came back in front";
      }),
      Click(&TForm10::skinned),
      Check([&](TForm10&) { EXPECT_TRUE(engine.Active()); }),
      Click(&TForm10::animateMouseUp),
      Click(&TForm10::animateMouseEnter),
      Check([&](TForm10&) { EXPECT_EQ(engine.AnimationEvents(), skin::kMouseUp | skin::kMouseDown); }),

      // Typing in the box selects the skin typed so far; names the engine lacks change nothing.
      Check([&](TForm10& dialog) {
        HWND edit = ::FindWindowExW(dialog.skinName.Handle(), nullptr, L"Edit", nullptr);
        ASSERT_NE(edit, nullptr);
        ::SendMessageW(edit, EM_SETSEL, 0, -1);
        ::SendMessageW(edit, WM_CHAR, L'W', 0);
        EXPECT_EQ(dialog.skinName.Text(), L"W");
        EXPECT_EQ(engine.SkinName(), L"Ledenets (internal)");
        for (wchar_t c : std::wstring(L"LM (internal)")) ::SendMessageW(edit, WM_CHAR, c, 0);
        EXPECT_EQ(engine.SkinName(), L"WLM (internal)");
      }),
      // Picking from the list, as the mouse does.
      Check([&](TForm10& dialog) {
        ::SendMessageW(dialog.skinName.Handle(), CB_SETCURSEL, 0, 0);
        ::SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(dialog.skinName.Handle()), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(dialog.skinName.Handle()));
        EXPECT_EQ(engine.SkinName(), L"Neutral4 (internal)");
      }),
      Click(&TForm10::cancel),
  });
  // The look stays after "Cancel".
  EXPECT_EQ(engine.SkinName(), L"Neutral4 (internal)");
  EXPECT_EQ(engine.Saturation(), 40);
  EXPECT_TRUE(engine.Active());
  engine.OnAfterChange = afterChange;
}

TEST_F(OptionsDialogTest, KeyReleaseOnTheDialogRepaintsIt) {
  RunDialog({
      Check([](TForm10& dialog) {
        ::UpdateWindow(dialog.Handle());
        MessageCounter paints(dialog.Handle(), WM_PAINT);
        ::SendMessageW(dialog.Handle(), WM_KEYUP, VK_SPACE, 0);
        EXPECT_GE(paints.count, 1);
      }),
      Click(&TForm10::ok),
  });
}

TEST_F(OptionsDialogTest, MainWindowRefocusesItsUsableSlidersAfterEveryChangeOfLook) {
  ForeignWindows foreign(L"--title \"Selected for the sliders\"");
  FocusForm();
  form.windowListView.SetItemIndex(-1);
  form.UpdateSelectionState();
  ASSERT_FALSE(form.opacitySlider.Enabled());
  MessageCounter opacity(form.opacitySlider.Handle(), WM_SETFOCUS),
      taskbar(form.taskbarOpacitySlider.Handle(), WM_SETFOCUS);
  form.skinEngine.SetHueOffset(15);
  EXPECT_EQ(opacity.count, 0) << "disabled without a selected window";
  EXPECT_EQ(taskbar.count, 1);

  Select(foreign.Find(L"Selected for the sliders"));
  ASSERT_TRUE(form.opacitySlider.Enabled());
  form.skinEngine.SetSaturation(-15);
  EXPECT_EQ(opacity.count, 1);
  EXPECT_EQ(taskbar.count, 2);
  EXPECT_EQ(::GetFocus(), form.taskbarOpacitySlider.Handle());

  form.Hide();  // in the tray: nothing takes the focus
  form.skinEngine.SetHueOffset(30);
  EXPECT_EQ(opacity.count, 1);
  EXPECT_EQ(taskbar.count, 2);
}

// The keyboard alone: Tab in reading order through the three groups and the two buttons,
// Enter for "Ok" (or the focused button), Escape for "Cancel", Space on the focused button.
TEST_F(OptionsDialogTest, TheKeyboardAloneReachesEveryControlAndEndsTheDialog) {
  const auto period = [this] { return form.windowList.AutoRefreshPeriod(); };
  // A key pressed on the dialog, brought to the front for it.
  const auto pressKey = [](WORD key) {
    return [key](TForm10& dialog) {
      ::SetForegroundWindow(dialog.Handle());
      testsupport::PressChord({}, key);
      return true;
    };
  };
  RunDialog({
      Check([](TForm10& dialog) {
        ::SetForegroundWindow(dialog.Handle());
        dialog.autoRefresh.SetChecked(true);  // the period's slider takes part too
        const std::vector<ui::Control*> holders{&dialog.autoRefreshGroup, &dialog.hotKeysGroup, &dialog.skinGroup};
        const std::vector<ui::Control*> visited = testsupport::WalkTab(dialog, dialog.autoRefresh);
        testsupport::ExpectReadingOrder(visited, testsupport::TabStops(dialog), [&](const ui::Control* c) {
          return testsupport::GroupAmong(c, holders, [](const RECT&) { return std::string("region:buttons"); });
        });
        ASSERT_GE(visited.size(), 2u);
        EXPECT_EQ(visited[visited.size() - 2], &dialog.ok);
        EXPECT_EQ(visited.back(), &dialog.cancel);
        dialog.periodSlider.SetPosition(30);
        dialog.periodSlider.SetFocus();
      }),
      pressKey(VK_ESCAPE),
  });
  EXPECT_EQ(period(), 0) << "Escape is \"Cancel\"";

  // Then with the period set and the focus somewhere: a key, and the period it leaves.
  struct Press {
    const char* what;
    int position;
    ui::Control& (*focus)(TForm10&);
    WORD key;
    int period;
  };
  const Press presses[] = {
      {"Enter on the focused \"Cancel\" is \"Cancel\"", 30, [](TForm10& d) -> ui::Control& { return d.cancel; },
       VK_RETURN, 0},
      {"Enter elsewhere is \"Ok\"", 30, [](TForm10& d) -> ui::Control& { return d.periodSlider; }, VK_RETURN, 30},
      {"Space on the focused \"Ok\"", 60, [](TForm10& d) -> ui::Control& { return d.ok; }, VK_SPACE, 60},
  };
  for (const Press& press : presses) {
    RunDialog({
        Check([&press](TForm10& dialog) {
          dialog.autoRefresh.SetChecked(true);
          dialog.periodSlider.SetPosition(press.position);
          press.focus(dialog).SetFocus();
        }),
        pressKey(press.key),
    });
    EXPECT_EQ(period(), press.period) << press.what;
  }
}

}  // namespace
