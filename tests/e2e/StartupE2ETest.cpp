// Starting Vantora as the user does: one copy per executable path (a second start brings the
// first forward and ends without a window), copies elsewhere run on their own, and the registry
// values the first start writes.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "app/portable/MainLayout.h"
#include "e2e/Driver.h"
#include "platform/UniqueHandle.h"
#include "platform/system/portable/InstanceRecord.h"
#include "win/support/SavedRegistry.h"

namespace {

using namespace std::chrono_literals;
using namespace testsupport::registry;

// The single-instance record of the copy at `exePath`, as another process reads it.
std::optional<platform::InstanceRecord> ReadRecord(const std::wstring& exePath) {
  const platform::UniqueKernelHandle mapping(
      ::OpenFileMappingW(FILE_MAP_READ, FALSE, platform::InstanceRecordName(exePath).c_str()));
  if (!mapping) return std::nullopt;
  const platform::UniqueMapView view(
      ::MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, platform::kInstanceRecordSize));
  if (!view) return std::nullopt;
  return platform::DecodeInstanceRecord(std::span<const std::byte, platform::kInstanceRecordSize>(
      static_cast<const std::byte*>(view.get()), platform::kInstanceRecordSize));
}

// A copy of vantora.exe and its skins in a folder of its own, removed when the test ends.
class CopyOfVantora {
 public:
  CopyOfVantora() : folder_(e2e::WindowsPath(VANTORA_EXE_DIR) + L"\\startup-copy") {
    namespace fs = std::filesystem;
    const fs::path original = fs::path(e2e::VantoraExePath()).parent_path();
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::copy_file(e2e::VantoraExePath(), ExePath());
    fs::copy(original / "Skins", folder_ / "Skins", fs::copy_options::recursive);
  }
  ~CopyOfVantora() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  CopyOfVantora(const CopyOfVantora&) = delete;
  CopyOfVantora& operator=(const CopyOfVantora&) = delete;

  std::wstring ExePath() const { return (folder_ / "vantora.exe").wstring(); }
  std::filesystem::path SkinsFolder() const { return folder_ / "Skins"; }

 private:
  std::filesystem::path folder_;
};

// A window of the driver that holds the foreground, so that a change of it can be seen.
class DriverWindow {
 public:
  DriverWindow()
      : window_(::CreateWindowExW(0, L"STATIC", L"Driver in front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 120,
                                  nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr)) {
    ::SetForegroundWindow(window_);
  }
  ~DriverWindow() { ::DestroyWindow(window_); }
  DriverWindow(const DriverWindow&) = delete;
  DriverWindow& operator=(const DriverWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_;
};

DWORD ProcessOf(HWND window) {
  DWORD id = 0;
  ::GetWindowThreadProcessId(window, &id);
  return id;
}

HWND ControlOf(HWND main, std::string_view name, const wchar_t* windowClass) {
  const auto bounds = vantora::MainControlBounds(*vantora::FindMainControl(name));
  return e2e::ChildAt(main, windowClass, {bounds.left, bounds.top});
}

}  // namespace

// The splash stands for its six seconds before the main window shows, and all the while the
// program answers: another program's WM_NULL every 50 ms is answered within 200 ms.
TEST(StartupE2E, TheSplashKeepsItsSixSecondsAndAnswersThroughout) {
  const CopyOfVantora copy;
  // A picture of the screen as it is now makes the splash picture.
  std::filesystem::copy_file(e2e::SaveScreenshot(::GetDesktopWindow(), L"e2e-splash-picture.bmp"),
                             std::filesystem::path(copy.ExePath()).parent_path() / "Splash.bmp");
  // The last moment the splash was seen not yet up: its six seconds began later.
  auto notYetUp = std::chrono::steady_clock::now();
  e2e::Process vantora(copy.ExePath());
  HWND splash = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        const auto asked = std::chrono::steady_clock::now();
        if ((splash = vantora.FindTopLevel(L"TSplashForm", nullptr)) && ::IsWindowVisible(splash)) return true;
        notYetUp = asked;
        return false;
      },
      20s, 1ms));

  int answered = 0, unanswered = 0;
  HWND main = nullptr;
  while (!(main = vantora.FindTopLevel(e2e::kMainWindowClass, nullptr)) || !::IsWindowVisible(main)) {
    const auto asked = std::chrono::steady_clock::now();
    if (::IsWindowVisible(splash)) {
      DWORD_PTR result = 0;
      ++(::SendMessageTimeoutW(splash, WM_NULL, 0, 0, SMTO_NORMAL, 200, &result) ? answered : unanswered);
    }
    ASSERT_LT(asked - notYetUp, 30s) << "the main window never showed";
    std::this_thread::sleep_until(asked + 50ms);
  }
  EXPECT_GE(std::chrono::steady_clock::now() - notYetUp, 6000ms);
  EXPECT_EQ(unanswered, 0);
  EXPECT_GE(answered, 30);
}

TEST(StartupE2E, ASecondStartOfTheSameExecutableShowsNothingAndBringsTheFirstForward) {
  e2e::Process first;
  const HWND main = first.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  const HWND application = ::GetWindow(main, GW_OWNER);
  ASSERT_NE(application, nullptr);

  // The record is named after the path and holds the first copy's application window.
  const auto record = ReadRecord(e2e::VantoraExePath());
  ASSERT_TRUE(record.has_value()) << "no record under the executable's path without backslashes";
  EXPECT_EQ(record->count, 1);
  EXPECT_EQ(record->ownerWindow, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(application)));

  ::Sleep(600);  // Wine undoes a minimize that follows the first show too closely
  ::ShowWindow(application, SW_MINIMIZE);
  ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsIconic(application) != FALSE; }, 5s));
  const DriverWindow driver;
  ASSERT_TRUE(e2e::WaitUntil([&] { return ::GetForegroundWindow() == driver.get(); }, 5s));

  e2e::Process second;
  ASSERT_TRUE(second.Started());
  bool shownWindow = false;
  e2e::WaitUntil(
      [&] {
        for (HWND window : second.TopLevelWindows()) shownWindow = shownWindow || ::IsWindowVisible(window);
        return !second.Running();
      },
      20s, 1ms);
  const auto code = second.WaitForExit();
  ASSERT_TRUE(code.has_value()) << "the second start did not end";
  EXPECT_EQ(*code, 0u);
  EXPECT_FALSE(shownWindow) << "the refused start showed a window";

  EXPECT_TRUE(first.Running());
  EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsIconic(application); }, 5s)) << "the first copy stayed minimized";
  EXPECT_TRUE(e2e::WaitUntil([&] { return ProcessOf(::GetForegroundWindow()) == first.Id(); }, 5s))
      << "the first copy did not come to the foreground";
  EXPECT_EQ(ReadRecord(e2e::VantoraExePath())->count, 1);
}

TEST(StartupE2E, ACopyInAnotherFolderRunsAsAnInstanceOfItsOwn) {
  const CopyOfVantora copy;
  e2e::Process original;
  ASSERT_NE(original.WaitForMainWindow(), nullptr);
  e2e::Process second(copy.ExePath());
  const HWND copyMain = second.WaitForMainWindow();
  ASSERT_NE(copyMain, nullptr) << "the copy was refused";
  EXPECT_TRUE(original.Running());
  EXPECT_EQ(ProcessOf(copyMain), second.Id());
  ASSERT_TRUE(ReadRecord(copy.ExePath()).has_value());
  EXPECT_EQ(ReadRecord(copy.ExePath())->count, 1);
  EXPECT_EQ(ReadRecord(e2e::VantoraExePath())->count, 1);
}

TEST(StartupE2E, TheMessageAboutHundredsOfUnusableSkinFilesStaysOnTheScreen) {
  const CopyOfVantora copy;
  for (int i = 0; i < 300; ++i)
    std::ofstream(copy.SkinsFolder() / ("Broken " + std::to_string(i) + ".vskin")) << "window=white\n";
  e2e::Process vantora(copy.ExePath());
  ASSERT_NE(vantora.WaitForMainWindow(), nullptr);
  const HWND box = vantora.WaitForMessageBox(e2e::kApplicationTitle);
  ASSERT_NE(box, nullptr) << "no message about the skin files";
  e2e::SaveScreenshot(box, L"e2e-skin-files-message.bmp");
  const std::wstring text = e2e::MessageBoxText(box);
  EXPECT_EQ(text.rfind(L"These skins could not be loaded and were left out:", 0), 0u) << text;
  EXPECT_NE(text.find(L"...and 290 more files."), std::wstring::npos) << text;
  // Title bar and button on the screen: the box can be read and closed.
  RECT rect{};
  ASSERT_TRUE(::GetWindowRect(box, &rect));
  EXPECT_GE(rect.top, 0);
  EXPECT_LE(rect.bottom, ::GetSystemMetrics(SM_CYSCREEN));
  EXPECT_TRUE(e2e::AnswerMessageBox(box, L"OK"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(box); }, 5s));
}

TEST(StartupE2E, FilePathIsWrittenByTheFirstStartOnly) {
  const SavedRegistryValue saved(kProgramKey, L"FilePath");
  RemoveKey(kProgramKey);
  {
    e2e::Process first;
    ASSERT_NE(first.WaitForMainWindow(), nullptr);
    EXPECT_EQ(ReadValue(kProgramKey, L"FilePath"), e2e::VantoraExePath());
  }
  // Started later from another folder, the program leaves the first path in place.
  const CopyOfVantora copy;
  e2e::Process moved(copy.ExePath());
  ASSERT_NE(moved.WaitForMainWindow(), nullptr);
  EXPECT_EQ(ReadValue(kProgramKey, L"FilePath"), e2e::VantoraExePath());
}

TEST(StartupE2E, TheBrowserKeyIsCreatedWhenMissingAndItsTitleIsShown) {
  const SavedRegistryValue saved(kBrowserKey, L"Window Title");
  RemoveKey(kBrowserKey);
  {
    e2e::Process vantora;
    const HWND main = vantora.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(KeyExists(kBrowserKey));
    const HWND edit3 = ControlOf(main, "Edit3", L"Edit");
    ASSERT_NE(edit3, nullptr);
    EXPECT_EQ(e2e::TextOf(edit3), L"");
  }
  WriteValue(kBrowserKey, L"Window Title", L"Browsing with Vantora");
  e2e::Process vantora;
  const HWND main = vantora.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(e2e::TextOf(ControlOf(main, "Edit3", L"Edit")), L"Browsing with Vantora");
}
