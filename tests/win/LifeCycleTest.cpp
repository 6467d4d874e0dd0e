// The main window's life cycle, the tray icon and the exit, checked through what the window
// manager and the shell report. The session seam records the end of the process instead of it.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/VantoraMain.h"
#include "options/portable/HotKeyTable.h"
#include "support/ForeignWindows.h"
#include "support/Pump.h"
#include "support/RecordingSession.h"
#include "support/ShellIcon.h"
#include "support/ScriptedPrompts.h"
#include "support/TestApp.h"
#include "support/TestWindow.h"

using testsupport::ScriptedPrompts;
using testsupport::ShellHasIcon;

namespace {

constexpr const wchar_t* kSendToTray = L"&Send Vantora to Tray";
constexpr const wchar_t* kRestore = L"&Restore Vantora";

// The shell takes (NIM_ADD) or forgets (NIM_DELETE) icon 1 of the window on its own.
void ShellDoes(DWORD message, HWND owner) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner;
  data.uID = 1;
  ::Shell_NotifyIconW(message, &data);
}

std::optional<BYTE> LayeredAlpha(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!(::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED)) return std::nullopt;
  if (!::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return std::nullopt;
  return alpha;
}

// The number of lines a message box shows for `text`, measured as the box lays it out.
int DrawnLines(const std::wstring& text) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  platform::UniqueFont font(::CreateFontIndirectW(&metrics.lfMessageFont));
  platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  platform::SelectRestorer select(dc.get(), font.get());
  TEXTMETRICW tm{};
  ::GetTextMetricsW(dc.get(), &tm);
  RECT rect{0, 0, 4000, 0};
  ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  return (rect.bottom - rect.top) / tm.tmHeight;
}

class LifeCycleTest : public ::testing::Test {
 protected:
  LifeCycleTest() {
    app.SetMainForm(&form);
    form.Show();
    // The message loop of a program whose window is up: the start-up's tray icon arrives.
    ui::Application::Instance().ProcessMessages();
  }
  ~LifeCycleTest() override {
    app.SetMainForm(nullptr);
    MSG quit;  // the exit asks the message loop to end; later tests must not see that
    while (::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  std::wstring MttCaptionAtOpening() {
    form.trayMenu.OnPopup();
    return form.trayMenu.Item(L"MTT").caption;
  }
  void ClickTrayIcon() {
    ::SendMessageW(form.Handle(), ui::TrayIcon::kCallbackMessage, 1, WM_LBUTTONDOWN);
    ::SendMessageW(form.Handle(), ui::TrayIcon::kCallbackMessage, 1, WM_LBUTTONUP);
  }
  bool Shown() const { return ::IsWindowVisible(form.Handle()) != FALSE; }
  void ExpectToTrayBalloon() const {
    const ui::Balloon& balloon = form.trayIcon.LastBalloon();
    EXPECT_EQ(balloon.title, L"Vantora");
    EXPECT_EQ(balloon.text, L"Vantora Minimized To Tray");
    EXPECT_EQ(balloon.flags, static_cast<DWORD>(NIIF_INFO));
    EXPECT_EQ(balloon.timeoutMs, 3000u);
  }

  ui::Application& app = testing_support::TestApplication();
  ScriptedPrompts prompts;
  testsupport::RecordingSession session;
  ui::Owned<TForm6> form;
};

TEST_F(LifeCycleTest, TrayMenuSendsToTrayWithBalloonAndRestores) {
  EXPECT_EQ(MttCaptionAtOpening(), kSendToTray);
  form.trayMenu.Item(L"MTT").OnClick();
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(::IsWindowVisible(app.Handle())) << "the taskbar entry goes with the window";
  EXPECT_TRUE(ShellHasIcon(form.Handle()));
  ExpectToTrayBalloon();
  EXPECT_EQ(MttCaptionAtOpening(), kRestore);

  form.trayMenu.Item(L"MTT").OnClick();
  EXPECT_TRUE(Shown());
  EXPECT_TRUE(::IsWindowVisible(app.Handle()));
  EXPECT_EQ(MttCaptionAtOpening(), kSendToTray);
}

TEST_F(LifeCycleTest, LeftClickOnTheIconTogglesTheWindowWithoutBalloon) {
  ClickTrayIcon();
  EXPECT_FALSE(Shown());
  EXPECT_TRUE(form.trayIcon.LastBalloon().title.empty());
  EXPECT_EQ(MttCaptionAtOpening(), kRestore);
  ClickTrayIcon();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(MttCaptionAtOpening(), kSendToTray);
  // A release without a press on the icon is no click.
  ::SendMessageW(form.Handle(), ui::TrayIcon::kCallbackMessage, 1, WM_LBUTTONUP);
  EXPECT_TRUE(Shown());
}

TEST_F(LifeCycleTest, MinimizeToTrayAfterHideTrayIconBringsTheIconBackButKeepsTheCaption) {
  form.trayIconToggle.Click();
  EXPECT_EQ(form.trayIconToggle.Caption(), L"Show TrayIcon");
  EXPECT_FALSE(ShellHasIcon(form.Handle()));

  form.toTray.Click();
  EXPECT_FALSE(Shown());
  EXPECT_TRUE(ShellHasIcon(form.Handle()));
  ExpectToTrayBalloon();
  EXPECT_EQ(form.trayIconToggle.Caption(), L"Show TrayIcon");
  EXPECT_EQ(MttCaptionAtOpening(), kRestore);

  ClickTrayIcon();
  ASSERT_TRUE(Shown());
  // The button goes by the icon, not by its caption: the icon is visible, so it is hidden.
  form.trayIconToggle.Click();
  EXPECT_FALSE(ShellHasIcon(form.Handle()));
  EXPECT_EQ(form.trayIconToggle.Caption(), L"Show TrayIcon");
  form.trayIconToggle.Click();
  EXPECT_TRUE(ShellHasIcon(form.Handle()));
  EXPECT_EQ(form.trayIconToggle.Caption(), L"Hide TrayIcon");
}

TEST_F(LifeCycleTest, ShellRestartAddsTheVisibleIconAgain) {
  const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
  ShellDoes(NIM_DELETE, form.Handle());
  ASSERT_FALSE(ShellHasIcon(form.Handle()));
  ::SendMessageW(form.Handle(), taskbarCreated, 0, 0);
  EXPECT_TRUE(ShellHasIcon(form.Handle()));

  EXPECT_TRUE(form.trayIcon.SetVisible(false));
  ::SendMessageW(form.Handle(), taskbarCreated, 0, 0);
  EXPECT_FALSE(ShellHasIcon(form.Handle())) << "a hidden icon stays hidden";
}

TEST_F(LifeCycleTest, AnIconTheShellRefusesLeavesTheWindowReachableAndComesWhenTheShellIsReady) {
  const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
  EXPECT_TRUE(form.trayIcon.SetVisible(false));
  testsupport::PumpFor(600);  // Wine undoes a minimize that follows the show too closely
  {
    // A taskbar that is not ready: the notification area's messages reach it, and it takes no icon.
    testsupport::ForeignWindows notReady(L"--count 0 --shell");
    form.toTray.Click();  // "Minimize To Tray"
    EXPECT_FALSE(form.trayIcon.Visible());
    EXPECT_TRUE(::IsIconic(app.Handle())) << "minimized instead";
    EXPECT_TRUE(::IsWindowVisible(app.Handle())) << "the taskbar entry stays, a way back";
    EXPECT_TRUE(form.trayIcon.LastBalloon().title.empty());
    const auto errors = prompts.Texts(ScriptedPrompts::Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(
        errors[0].rfind(L"The Icon Could Not Be Added To The Notification Area. Vantora Is Minimized Instead. ", 0), 0u)
        << errors[0];
    app.Restore();
    EXPECT_TRUE(Shown());

    form.trayIconToggle.Click();  // "Show TrayIcon" is refused too, and the caption says so
    EXPECT_EQ(form.trayIconToggle.Caption(), L"Show TrayIcon");
    EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error).size(), 2u);
  }
  // The shell announces itself: the icon the program still wants is added.
  ::SendMessageW(form.Handle(), taskbarCreated, 0, 0);
  EXPECT_TRUE(form.trayIcon.Visible());
  EXPECT_TRUE(ShellHasIcon(form.Handle()));
  form.toTray.Click();
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(::IsWindowVisible(app.Handle())) << "to the tray, now that the icon is there";
  ExpectToTrayBalloon();
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error).size(), 2u);
}

TEST_F(LifeCycleTest, AnIconTheShellHoldsAfterRefusingItIsBelievedUsedByMinimizeToTrayAndRemoved) {
  // The shell already holds the icon as the start-up adds it (a shell slow at logon answers an
  // add with a failure and takes it all the same): the add fails as a duplicate.
  EXPECT_TRUE(form.trayIcon.SetVisible(false));
  ShellDoes(NIM_ADD, form.Handle());
  form.tray.ShowIcon();
  EXPECT_TRUE(form.trayIcon.Visible());
  form.toTray.Click();  // "Minimize To Tray"
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(::IsIconic(app.Handle())) << "to the tray, not minimized instead";
  form.trayIconToggle.Click();  // "Hide TrayIcon"
  EXPECT_FALSE(ShellHasIcon(form.Handle()));
  EXPECT_TRUE(prompts.Texts(ScriptedPrompts::Kind::Error).empty());
  // A late add after the program stopped believing in the icon: its end still takes it away.
  ShellDoes(NIM_ADD, form.Handle());
  form.tray.HideIcon();
  EXPECT_FALSE(ShellHasIcon(form.Handle()));
}

// Runs inside the menu's own message loop while the menu is open.
struct OpenMenuView {
  HWND foreground = nullptr;
  bool menuShown = false;
  std::wstring mttCaption;
  TForm6* form = nullptr;
} g_openMenu;

void CALLBACK LookAtOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  g_openMenu.foreground = ::GetForegroundWindow();
  const HWND menu = ::FindWindowW(L"#32768", nullptr);
  g_openMenu.menuShown = menu && ::IsWindowVisible(menu);
  g_openMenu.mttCaption = g_openMenu.form->trayMenu.Item(L"MTT").caption;
  ::EndMenu();
}

TEST_F(LifeCycleTest, TitleBarMinimizeMinimizesWithoutGoingToTheTray) {
  testsupport::PumpFor(600);  // Wine undoes a minimize that follows the show too closely
  ::SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  testsupport::PumpFor(100);
  ASSERT_TRUE(::IsIconic(app.Handle()));
  EXPECT_TRUE(::IsWindowVisible(app.Handle())) << "the taskbar entry stays";
  EXPECT_TRUE(form.trayIcon.LastBalloon().title.empty());
  EXPECT_EQ(MttCaptionAtOpening(), kSendToTray);

  // Sent to the tray from there and brought back, the program is no longer minimized.
  form.trayMenu.Item(L"MTT").OnClick();
  EXPECT_FALSE(::IsWindowVisible(app.Handle()));
  EXPECT_FALSE(Shown());
  form.trayMenu.Item(L"MTT").OnClick();
  EXPECT_FALSE(::IsIconic(app.Handle()));
  EXPECT_TRUE(Shown());
}

TEST_F(LifeCycleTest, HotKeyWalksLeaveTheProgramInTheTrayAfterATitleBarMinimize) {
  testsupport::PumpFor(600);  // Wine undoes a minimize that follows the show too closely
  ::SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  testsupport::PumpFor(100);
  ASSERT_TRUE(::IsIconic(app.Handle()));
  form.TrayMenuPopup();
  form.trayMenu.Item(L"MTT").OnClick();
  ASSERT_FALSE(::IsWindowVisible(app.Handle()));
  for (const vantora::HotKeyId id : {vantora::kMinimizeAll, vantora::kMaximizeAll, vantora::kRestoreAll}) {
    SCOPED_TRACE(id);
    form.DispatchHotKey(static_cast<WPARAM>(id));
    testsupport::PumpFor(50);
    EXPECT_FALSE(::IsWindowVisible(app.Handle())) << "an empty taskbar button came back";
    EXPECT_FALSE(Shown());
  }
}

TEST_F(LifeCycleTest, RightClickBringsTheProgramForwardAndOpensTheMenu) {
  form.Hide();
  g_openMenu = {};
  g_openMenu.form = &form;
  ::SetTimer(nullptr, 0, 200, &LookAtOpenMenu);
  ::SendMessageW(form.Handle(), ui::TrayIcon::kCallbackMessage, 1, WM_RBUTTONUP);
  EXPECT_TRUE(g_openMenu.menuShown);
  EXPECT_EQ(g_openMenu.foreground, app.Handle());
  EXPECT_EQ(g_openMenu.mttCaption, kRestore);
  EXPECT_FALSE(Shown()) << "dismissing the menu chooses nothing";
}

TEST_F(LifeCycleTest, ClosingFadesOutToNothingAndEndsWithoutAsking) {
  // As the main form the window would be destroyed right after the recorded end; as an ordinary
  // form it stays, so what the close left on it can be read.
  app.SetMainForm(nullptr);
  ::SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(LayeredAlpha(form.Handle()), std::optional<BYTE>(0));
  EXPECT_TRUE(prompts.calls.empty());
  EXPECT_FALSE(ShellHasIcon(form.Handle()));
  ASSERT_EQ(session.terminations.size(), 1u);
  EXPECT_EQ(session.terminations[0], std::make_pair(app.Handle(), 0u));
}

TEST_F(LifeCycleTest, NoToTheExitQuestionLeavesEverythingAsItWas) {
  prompts.confirmAnswers = {false, false};
  form.trayMenu.Item(L"ExitVantora1").OnClick();
  form.exitButton.Click();
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Confirm),
            (std::vector<std::wstring>{L"Are You Sure You Want To Exit?", L"Are You Sure You Want To Exit?"}));
  EXPECT_TRUE(Shown());
  EXPECT_TRUE(ShellHasIcon(form.Handle()));
  EXPECT_TRUE(session.terminations.empty());
  EXPECT_FALSE(LayeredAlpha(form.Handle()));
}

TEST_F(LifeCycleTest, YesToTheExitQuestionEndsAtOnceWithoutFade) {
  for (int way = 0; way < 2; ++way) {
    SCOPED_TRACE(way == 0 ? "Exit Vantora" : "exit glyph button");
    EXPECT_TRUE(form.trayIcon.SetVisible(true));
    session.terminations.clear();
    prompts.confirmAnswers = {true};
    if (way == 0)
      form.trayMenu.Item(L"ExitVantora1").OnClick();
    else
      form.exitButton.Click();
    ASSERT_EQ(session.terminations.size(), 1u);
    EXPECT_EQ(session.terminations[0], std::make_pair(app.Handle(), 0u));
    EXPECT_FALSE(ShellHasIcon(form.Handle()));
    EXPECT_FALSE(LayeredAlpha(form.Handle()));
  }
}

TEST_F(LifeCycleTest, ExitDestroysOpenDialogsOnceEvenWhenOneFails) {
  ui::Owned<TForm7> resize(form, [] { return HWND{}; });
  ui::Owned<TForm10> options(options::OptionsLinks{form.windowList, form.hotKeyActions.Keys(), form.skinEngine,
                                                   form.opacitySlider, form.taskbarOpacitySlider});
  int resizeDestroyed = 0, optionsDestroyed = 0;
  resize.OnDestroy = [&] {
    ++resizeDestroyed;
    throw std::runtime_error("resize dialog failed");
  };
  options.OnDestroy = [&] { ++optionsDestroyed; };
  const HWND resizeWindow = resize.Handle(), optionsWindow = options.Handle();
  ShellDoes(NIM_DELETE, form.Handle());  // the first step fails too

  form.ExitProgram();
  EXPECT_FALSE(::IsWindow(resizeWindow));
  EXPECT_FALSE(::IsWindow(optionsWindow));
  EXPECT_EQ(session.terminations.size(), 1u);

  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error), std::vector<std::wstring>{L"resize dialog failed"});

  form.ExitProgram();  // nothing is destroyed twice
  EXPECT_EQ(resizeDestroyed, 1);
  EXPECT_EQ(optionsDestroyed, 1);
}

TEST_F(LifeCycleTest, DestroyingTheWindowReleasesItsHotkeys) {
  testsupport::TestWindow other(L"Hotkey probe");
  for (const auto& key : vantora::kHotKeys)  // start-up registered them
    ASSERT_FALSE(::RegisterHotKey(other.get(), key.id, key.modifiers, key.virtualKey)) << "id " << key.id;

  form.DestroyHandle();
  for (const auto& key : vantora::kHotKeys) {
    EXPECT_TRUE(::RegisterHotKey(other.get(), key.id, key.modifiers, key.virtualKey)) << "id " << key.id;
    ::UnregisterHotKey(other.get(), key.id);
  }
}

TEST_F(LifeCycleTest, AboutAndHelpAreThreeLineMessages) {
  form.trayMenu.Item(L"About1").OnClick();
  form.aboutButton.Click();
  form.iconHelp.OnClick();  // the button waits for a selected window; its message does not
  const auto texts = prompts.Texts(ScriptedPrompts::Kind::Information);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], texts[1]);
  EXPECT_EQ(texts[0].substr(0, texts[0].find(L'\r')), L"Vantora V1.3");
  EXPECT_NE(texts[0].find(L"Kestrelon Software"), std::wstring::npos);
  EXPECT_EQ(texts[2],
            L"Windows Have 2 Different Icons, Small and Large. Choose Which One You Want To Save\r"
            L"The Default Is Entered For You\r"
            L"When You are Finished, Click On The Save Button");
  EXPECT_EQ(DrawnLines(texts[0]), 3);
  EXPECT_EQ(DrawnLines(texts[2]), 3);
}

TEST_F(LifeCycleTest, ActivationRebuildsTheListAndKeepsTheSelectedRow) {
  testsupport::TestWindow first(L"Life cycle first");
  form.RefreshCatalogue();
  ASSERT_GT(form.windowListView.Count(), 0);
  form.windowListView.SetItemIndex(0);
  const int rowsBefore = form.windowListView.Count();
  testsupport::TestWindow second(L"Life cycle second");
  ::SendMessageW(form.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(form.windowListView.Count(), rowsBefore + 1);
  EXPECT_EQ(form.windowListView.ItemIndex(), 0);
  EXPECT_TRUE(::GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_COMPOSITED);
}

}  // namespace
