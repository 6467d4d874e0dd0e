// The main window's creation steps against the real registry, shell look-alikes in another
// process, synthesised keys and the splash picture beside the test program.
#include <gtest/gtest.h>

#include <algorithm>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/Splash.h"
#include "app/VantoraMain.h"
#include "options/portable/HotKeyTable.h"
#include "platform/files/ModulePath.h"
#include "support/ForeignWindows.h"
#include "support/Keys.h"
#include "support/Pump.h"
#include "support/SavedRegistry.h"
#include "support/ScriptedPrompts.h"
#include "support/ShellIcon.h"
#include "support/TestApp.h"
#include "support/TestWindow.h"

using testsupport::ForeignWindows;
using testsupport::PumpFor;
using namespace testsupport::registry;
using testsupport::ScriptedPrompts;
using testsupport::TestWindow;

namespace {

// Windows created on this thread while it is installed, by class name.
class WindowCreationLog {
 public:
  WindowCreationLog() {
    current_ = this;
    hook_ = ::SetWindowsHookExW(WH_CBT, &Record, nullptr, ::GetCurrentThreadId());
  }
  ~WindowCreationLog() {
    ::UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  WindowCreationLog(const WindowCreationLog&) = delete;
  WindowCreationLog& operator=(const WindowCreationLog&) = delete;

  std::vector<HWND> Created(const std::wstring& className) const {
    std::vector<HWND> found;
    for (const auto& [window, name] : created_)
      if (name == className) found.push_back(window);
    return found;
  }

 private:
  static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && current_) {
      wchar_t name[256] = {};
      ::GetClassNameW(reinterpret_cast<HWND>(wParam), name, 256);
      current_->created_.emplace_back(reinterpret_cast<HWND>(wParam), name);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline WindowCreationLog* current_ = nullptr;
  HHOOK hook_ = nullptr;
  std::vector<std::pair<HWND, std::wstring>> created_;
};

std::wstring SplashPath() { return platform::ExecutableFolder() + L"Splash.bmp"; }

// A file beside the test program, removed again when the test ends.
class FileBesideProgram {
 public:
  FileBesideProgram(const std::wstring& path, const std::string& contents) : path_(path) {
    std::ofstream(std::filesystem::path(path_), std::ios::binary) << contents;
  }
  ~FileBesideProgram() { ::DeleteFileW(path_.c_str()); }
  FileBesideProgram(const FileBesideProgram&) = delete;
  FileBesideProgram& operator=(const FileBesideProgram&) = delete;

 private:
  std::wstring path_;
};

void SendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  ::SendInput(1, &input, sizeof(INPUT));
}

class FormCreateTest : public ::testing::Test {
 protected:
  FormCreateTest() { testing_support::TestApplication(); }

  static void Focus(TForm6& form) {
    form.Show();
    ::SetForegroundWindow(form.Handle());
    ::SetFocus(form.windowListView.Handle());
    PumpFor(200);
  }

  static bool Listed(const TForm6& form, HWND window) {
    for (HWND listed : form.CatalogueWindows())
      if (listed == window) return true;
    return false;
  }
};

}  // namespace

TEST_F(FormCreateTest, FilePathIsWrittenOnlyWhenTheProgramsKeyIsMissing) {
  SavedRegistryValue saved(kProgramKey, L"FilePath");
  RemoveKey(kProgramKey);
  { ui::Owned<TForm6> form; }
  EXPECT_EQ(ReadValue(kProgramKey, L"FilePath"), platform::ExecutablePath());

  // A later start from elsewhere keeps the first path.
  WriteValue(kProgramKey, L"FilePath", L"C:\\Elsewhere\\vantora.exe");
  { ui::Owned<TForm6> form; }
  EXPECT_EQ(ReadValue(kProgramKey, L"FilePath"), L"C:\\Elsewhere\\vantora.exe");

  // The key without the value counts as present too.
  DeleteValue(kProgramKey, L"FilePath");
  { ui::Owned<TForm6> form; }
  EXPECT_EQ(ReadValue(kProgramKey, L"FilePath"), std::nullopt);
}

TEST_F(FormCreateTest, TheBrowserKeyIsCreatedWhenMissingAndItsTitleFillsEdit3) {
  SavedRegistryValue saved(kBrowserKey, L"Window Title");
  RemoveKey(kBrowserKey);
  {
    ui::Owned<TForm6> form;
    EXPECT_TRUE(KeyExists(kBrowserKey));
    EXPECT_EQ(ReadValue(kBrowserKey, L"Window Title"), std::nullopt);
    EXPECT_EQ(form.browserTitle.Text(), L"");
  }
  WriteValue(kBrowserKey, L"Window Title", L"Браузер \u2013 Vantora");
  ui::Owned<TForm6> form;
  EXPECT_EQ(form.browserTitle.Text(), L"Браузер \u2013 Vantora");
}

TEST_F(FormCreateTest, TheStartupButtonSaysWhetherTheRunKeyHoldsVantora) {
  SavedRegistryValue saved(kRunKey, L"Vantora");
  WriteValue(kRunKey, L"Vantora", L"\"C:\\Tools\\vantora.exe\"");
  {
    ui::Owned<TForm6> form;
    EXPECT_EQ(form.startWithWindows.Caption(), L"Do Not Start on Windows Startup");
  }
  DeleteValue(kRunKey, L"Vantora");
  ui::Owned<TForm6> form;
  EXPECT_EQ(form.startWithWindows.Caption(), L"Start on Windows Startup");
}

TEST_F(FormCreateTest, ShellToggleCaptionsFollowWhatTheShellShows) {
  struct Case {
    const wchar_t* hidden;  // classes the look-alike shell creates hidden
    const wchar_t* clock;
    const wchar_t* taskbar;
    const wchar_t* desktop;
    const wchar_t* items;
  };
  const Case cases[] = {
      {L"None", L"Hide TaskBar Clock", L"Hide TaskBar", L"Hide Desktop", L"Hide TaskBar Items"},
      {L"TrayClockWClass", L"Show TaskBar Clock", L"Hide TaskBar", L"Hide Desktop", L"Hide TaskBar Items"},
      {L"ReBarWindow32,SHELLDLL_DefView", L"Hide TaskBar Clock", L"Hide TaskBar", L"Show Desktop",
       L"Show TaskBar Items"},
      // A hidden taskbar hides everything in it.
      {L"Shell_TrayWnd", L"Show TaskBar Clock", L"Show TaskBar", L"Hide Desktop", L"Show TaskBar Items"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(c.hidden)));
    ForeignWindows shell(std::wstring(L"--count 0 --shell --shell-hide ") + c.hidden);
    ui::Owned<TForm6> form;
    EXPECT_EQ(form.clockToggle.Caption(), c.clock);
    EXPECT_EQ(form.taskbarToggle.Caption(), c.taskbar);
    EXPECT_EQ(form.desktopIconsToggle.Caption(), c.desktop);
    EXPECT_EQ(form.taskbarItemsToggle.Caption(), c.items);
  }
}

TEST_F(FormCreateTest, ThePlaceholderTheSkinTheApplyButtonAndTheFirstRow) {
  TestWindow listed(L"A window to list");
  ui::Owned<TForm6> form;
  for (const ui::Image* image : {&form.exeNewIcon, &form.exeOldIcon, &form.newIcon}) {
    ASSERT_NE(image->Bitmap(), nullptr);
    EXPECT_NE(image->Bitmap(), form.placeholderPicture.Bitmap());  // each its own copy
    EXPECT_EQ(ui::BitmapSize(image->Bitmap()).cx, 16);
    EXPECT_EQ(ui::BitmapSize(image->Bitmap()).cy, 24);
  }
  EXPECT_FALSE(::IsWindowEnabled(form.applyWallpaper.Handle()));
  EXPECT_EQ(form.skinEngine.SkinName(), L"WMP11");  // found in the Skins folder beside the program
  EXPECT_FALSE(form.optionsCommand.HotKeysRemembered);
  EXPECT_FALSE(form.windowList.NewIconLoaded());
  ASSERT_GT(form.windowListView.Count(), 0);
  EXPECT_EQ(ListView_GetNextItem(form.windowListView.Handle(), -1, LVNI_SELECTED), 0);
  EXPECT_TRUE(Listed(form, listed.get()));
  EXPECT_TRUE(::IsWindowEnabled(form.newTitle.Handle()));  // the selection state was applied
}

TEST_F(FormCreateTest, AMalformedSkinFileIsLeftOutAndNamedOnceAfterTheWindowIsUp) {
  FileBesideProgram broken(platform::ExecutableFolder() + L"Skins\\Broken.vskin", "window=#12345\n");
  ScriptedPrompts prompts;
  ui::Owned<TForm6> form;
  EXPECT_TRUE(prompts.calls.empty()) << "nothing is said while the window is built";
  PumpFor(200);
  const auto errors = prompts.Texts(ScriptedPrompts::Kind::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find(L"Broken.vskin"), std::wstring::npos);
  const auto& names = form.skinEngine.SkinNames();
  EXPECT_EQ(std::find(names.begin(), names.end(), L"Broken"), names.end());
  EXPECT_EQ(form.skinEngine.SkinName(), L"WMP11");
  PumpFor(100);
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error).size(), 1u);
}

TEST_F(FormCreateTest, TheTrayIconIsShownWithTheProgramsIconOnceTheWindowIsUp) {
  ui::Owned<TForm6> form;
  // The notification area knows the icon: changing it succeeds only for an icon it holds. The
  // shell is asked only from the message loop, so a busy shell cannot hold back the window.
  EXPECT_FALSE(testsupport::ShellHasIcon(form.Handle()));
  form.Show();
  PumpFor(50);
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = form.Handle();
  data.uID = 1;
  data.uFlags = NIF_TIP;
  wcscpy(data.szTip, L"Vantora");
  EXPECT_TRUE(::Shell_NotifyIconW(NIM_MODIFY, &data));
  data.uID = 2;
  EXPECT_FALSE(::Shell_NotifyIconW(NIM_MODIFY, &data));
}

TEST_F(FormCreateTest, TheSixDefaultHotKeysReachTheMainWindow) {
  ui::Owned<TForm6> form;
  Focus(form);
  // The messages are taken from the queue as the system posts them, without running the
  // commands they stand for.
  std::vector<WPARAM> received;
  for (const auto& key : vantora::kHotKeys) {
    testsupport::PressChord({VK_CONTROL, VK_MENU}, static_cast<WORD>(key.virtualKey));
    const ULONGLONG end = ::GetTickCount64() + 2000;
    MSG message{};
    while (!::PeekMessageW(&message, form.Handle(), WM_HOTKEY, WM_HOTKEY, PM_REMOVE) && ::GetTickCount64() < end)
      ::Sleep(10);
    if (message.message == WM_HOTKEY) received.push_back(message.wParam);
  }
  EXPECT_EQ(received, (std::vector<WPARAM>{1, 2, 3, 4, 5, 6}));
}

TEST_F(FormCreateTest, F5RebuildsTheListOnThePressAndAgainOnTheRelease) {
  ui::Owned<TForm6> form;
  Focus(form);
  // Shown without activation, so the main window's own activation refresh does not run.
  const auto quietWindow = [](const wchar_t* title) {
    auto window = std::make_unique<TestWindow>(title);
    ::ShowWindow(window->get(), SW_HIDE);
    ::ShowWindow(window->get(), SW_SHOWNOACTIVATE);
    return window;
  };
  const auto beforePress = quietWindow(L"Opened before F5 went down");
  ASSERT_FALSE(Listed(form, beforePress->get()));
  SendKey(VK_F5, false);
  PumpFor(200);
  EXPECT_TRUE(Listed(form, beforePress->get()));

  const auto beforeRelease = quietWindow(L"Opened before F5 came up");
  ASSERT_FALSE(Listed(form, beforeRelease->get()));
  SendKey(VK_F5, true);
  PumpFor(200);
  EXPECT_TRUE(Listed(form, beforeRelease->get()));

  // Other keys leave the list alone.
  const auto afterF5 = quietWindow(L"Opened after F5");
  testsupport::PressChord({}, VK_F6);
  PumpFor(200);
  EXPECT_FALSE(Listed(form, afterF5->get()));
}

TEST_F(FormCreateTest, WithoutSplashBmpThereIsNoSplashWindow) {
  ASSERT_EQ(::GetFileAttributesW(SplashPath().c_str()), INVALID_FILE_ATTRIBUTES);
  WindowCreationLog log;
  ui::Owned<TForm6> form;
  EXPECT_TRUE(log.Created(kSplashClassName).empty());
  EXPECT_EQ(log.Created(L"TForm6").size(), 1u);  // the log does see the program's windows
}

TEST_F(FormCreateTest, ASplashBmpThatIsNoBitmapIsReportedAndTheMainWindowStillOpens) {
  ScriptedPrompts prompts;
  const FileBesideProgram splash(SplashPath(), "this is not a bitmap");
  WindowCreationLog log;

  // While the user-interface thread stands still, look at the splash window from another thread.
  struct Seen {
    RECT rect{};
    LONG_PTR exStyle = 0, style = 0;
    HWND owner = nullptr;
  };
  std::optional<Seen> seen;
  std::thread watcher([&seen] {
    for (int i = 0; i < 400 && !seen; ++i) {
      if (HWND window = ::FindWindowW(kSplashClassName, nullptr)) {
        Seen s;
        ::GetWindowRect(window, &s.rect);
        s.exStyle = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
        s.style = ::GetWindowLongPtrW(window, GWL_STYLE);
        s.owner = ::GetWindow(window, GW_OWNER);
        seen = s;
      }
      ::Sleep(10);
    }
  });
  ui::Owned<TForm6> form;
  watcher.join();

  const auto errors = prompts.Texts(ScriptedPrompts::Kind::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find(L"Splash.bmp"), std::wstring::npos) << ::testing::PrintToString(errors[0]);

  const auto splashes = log.Created(kSplashClassName);
  ASSERT_EQ(splashes.size(), 1u);
  EXPECT_FALSE(::IsWindow(splashes[0]));
  ASSERT_TRUE(seen.has_value());
  EXPECT_EQ(seen->rect.right - seen->rect.left, 670);
  EXPECT_EQ(seen->rect.bottom - seen->rect.top, 402);
  EXPECT_EQ(seen->rect.left, (::GetSystemMetrics(SM_CXSCREEN) - 670) / 2);
  EXPECT_EQ(seen->rect.top, (::GetSystemMetrics(SM_CYSCREEN) - 402) / 2);
  EXPECT_TRUE(seen->exStyle & WS_EX_TOPMOST);
  EXPECT_FALSE(seen->style & (WS_CAPTION | WS_THICKFRAME));
  EXPECT_EQ(seen->owner, nullptr);

  // The main window exists and opens; the steps after the splash did not run.
  ASSERT_TRUE(::IsWindow(form.Handle()));
  form.Show();
  EXPECT_TRUE(::IsWindowVisible(form.Handle()));
  EXPECT_EQ(form.exeNewIcon.Bitmap(), nullptr);
  EXPECT_EQ(form.windowListView.Count(), 0);
}
