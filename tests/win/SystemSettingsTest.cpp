// The system settings against the real registry, clipboard and mouse settings of the test's
// Wine prefix; every value a test changes is put back when it ends. Nothing here shuts down.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "support/Clipboard.h"
#include "support/ForeignWindows.h"
#include "support/ImportReplacement.h"
#include "support/MainForm.h"
#include "support/RecordingSession.h"
#include "support/SavedRegistry.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFile.h"

using testsupport::ClipboardText;
using testsupport::ForeignWindows;
using testsupport::ScriptedPrompts;
using testsupport::TempFile;
using namespace testsupport::registry;

namespace {

constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";
constexpr const wchar_t* kWallpaperValues[] = {L"Wallpaper", L"TileWallpaper", L"WallpaperStyle", L"WallpaperOriginX",
                                               L"WallpaperOriginY"};
constexpr const wchar_t* kStartupApprovedKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
using Bytes = std::vector<BYTE>;

class SystemSettingsTest : public testsupport::MainFormTest {
 protected:
  std::vector<std::wstring> WallpaperValues() const {
    std::vector<std::wstring> values;
    for (const wchar_t* name : kWallpaperValues) values.push_back(ReadValue(kDesktopKey, name).value_or(L"(none)"));
    return values;
  }
  // Chooses the picture with "Browse...", as the user would in the dialog.
  void Browse(const std::optional<std::wstring>& answer) {
    prompts.fileAnswers.push_back(answer);
    form.browseWallpaper.Click();
  }

  ScriptedPrompts prompts;
};

// A bitmap file of width x height at 24 bits, written the way the format lays it out, with
// `rowBytes` bytes of rows (16 for 2 x 2).
void WriteBitmap(const std::wstring& path, LONG width = 2, LONG height = 2, size_t rowBytes = 16) {
  BITMAPINFOHEADER info{sizeof(info), width, height, 1, 24, BI_RGB, static_cast<DWORD>(rowBytes), 0, 0, 0, 0};
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(info) + rowBytes), 0, 0,
                        sizeof(BITMAPFILEHEADER) + sizeof(info)};
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info), sizeof(info));
  out << std::string(rowBytes, '\x7f');
}

TEST_F(SystemSettingsTest, ApplyWritesTheFiveDesktopValuesOfTheChosenPicture) {
  std::vector<std::unique_ptr<SavedRegistryValue>> saved;
  for (const wchar_t* name : kWallpaperValues) saved.push_back(std::make_unique<SavedRegistryValue>(kDesktopKey, name));
  const std::vector<std::wstring> before{L"C:\\old.bmp", L"1", L"0", L"17", L"23"};
  for (size_t i = 0; i < before.size(); ++i) WriteValue(kDesktopKey, kWallpaperValues[i], before[i]);
  TempFile picture(L"wallpaper");
  WriteBitmap(picture.path());
  ASSERT_TRUE(platform::UniqueBitmap(static_cast<HBITMAP>(
      ::LoadImageW(nullptr, picture.path().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE))));  // a real bitmap

  EXPECT_FALSE(::IsWindowEnabled(form.applyWallpaper.Handle()));
  Browse(std::nullopt);  // cancelled: nothing changes
  EXPECT_FALSE(::IsWindowEnabled(form.applyWallpaper.Handle()));
  EXPECT_EQ(form.wallpaperPath.Text(), L"");
  Browse(picture.path());
  EXPECT_EQ(form.wallpaperPath.Text(), picture.path());
  EXPECT_EQ(WallpaperValues(), before);  // choosing is not applying
  ASSERT_TRUE(::IsWindowEnabled(form.applyWallpaper.Handle()));
  form.applyWallpaper.Click();
  EXPECT_EQ(WallpaperValues(), (std::vector<std::wstring>{picture.path(), L"0", L"2", L"0", L"0"}));
  EXPECT_EQ(prompts.calls.size(), 2u);  // the two dialogs, no message
}

TEST_F(SystemSettingsTest, AMissingFileOrOneThatIsNoPictureIsReportedAndTheRegistryKept) {
  std::vector<std::unique_ptr<SavedRegistryValue>> saved;
  for (const wchar_t* name : kWallpaperValues) saved.push_back(std::make_unique<SavedRegistryValue>(kDesktopKey, name));
  WriteValue(kDesktopKey, L"Wallpaper", L"C:\\kept.bmp");
  WriteValue(kDesktopKey, L"WallpaperStyle", L"0");
  const auto before = WallpaperValues();
  TempFile text(L"not-a-picture"), icon(L"icon"), metafile(L"metafile");
  std::ofstream(text.path().c_str()) << "BM but only words, no bitmap header at all";
  // Pictures the file dialog offers but the system does not show as a wallpaper.
  std::ofstream(icon.path().c_str(), std::ios::binary) << std::string("\0\0\1\0\1\0", 6) << std::string(16, '\0');
  ::DeleteEnhMetaFile(::CloseEnhMetaFile(::CreateEnhMetaFileW(nullptr, metafile.path().c_str(), nullptr, nullptr)));
  const std::wstring missing = text.path() + L".missing.bmp";
  for (const std::wstring& path : {missing, text.path(), icon.path(), metafile.path()}) {
    Browse(path);
    form.applyWallpaper.Click();
  }
  EXPECT_EQ(WallpaperValues(), before);
  const auto errors = prompts.Texts(ScriptedPrompts::Kind::Error);
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_EQ(errors[0], L"The Picture \"" + missing + L"\" Does Not Exist.");
  EXPECT_EQ(errors[1], L"The File \"" + text.path() + L"\" Is Not A Picture.");
  EXPECT_EQ(errors[2], L"The File \"" + icon.path() + L"\" Is Not A Picture.");
  EXPECT_EQ(errors[3], L"The File \"" + metafile.path() + L"\" Is Not A Picture.");
}

TEST_F(SystemSettingsTest, ABitmapCutShortOrOfAnAbsurdSizeIsNoPicture) {
  std::vector<std::unique_ptr<SavedRegistryValue>> saved;
  for (const wchar_t* name : kWallpaperValues) saved.push_back(std::make_unique<SavedRegistryValue>(kDesktopKey, name));
  WriteValue(kDesktopKey, L"Wallpaper", L"C:\\kept.bmp");
  const auto before = WallpaperValues();
  TempFile cut(L"cut-short"), huge(L"huge");
  WriteBitmap(cut.path(), 2, 2, 10);              // rows for 2 x 2 need 16 bytes
  WriteBitmap(huge.path(), 200000, 200000, 256);  // and would need 120 GB
  for (const std::wstring& path : {cut.path(), huge.path()}) {
    Browse(path);
    form.applyWallpaper.Click();
  }
  EXPECT_EQ(WallpaperValues(), before);
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error),
            (std::vector<std::wstring>{L"The File \"" + cut.path() + L"\" Is Not A Picture.",
                                       L"The File \"" + huge.path() + L"\" Is Not A Picture."}));
}

// The system refusing the wallpaper, as Windows may and Wine never does; it notes the flags it
// was given and the picture the registry named at the time.
UINT g_refusedFlags = 0;
std::optional<std::wstring> g_wallpaperAtRefusal;
BOOL WINAPI RefuseWallpaper(UINT, UINT, void*, UINT flags) {
  g_refusedFlags = flags;
  g_wallpaperAtRefusal = ReadValue(kDesktopKey, L"Wallpaper");
  ::SetLastError(ERROR_BAD_FORMAT);
  return FALSE;
}

TEST_F(SystemSettingsTest, AWallpaperTheSystemRefusesLeavesTheFiveValuesAsTheyWere) {
  std::vector<std::unique_ptr<SavedRegistryValue>> saved;
  for (const wchar_t* name : kWallpaperValues) saved.push_back(std::make_unique<SavedRegistryValue>(kDesktopKey, name));
  WriteValue(kDesktopKey, L"Wallpaper", L"C:\\kept.bmp");
  const auto before = WallpaperValues();
  TempFile picture(L"refused");
  WriteBitmap(picture.path());
  Browse(picture.path());
  {
    testsupport::ImportReplacement refusing("user32.dll", "SystemParametersInfoW", &RefuseWallpaper);
    form.applyWallpaper.Click();
  }
  EXPECT_EQ(g_wallpaperAtRefusal, picture.path()) << "asked once the values were written";
  EXPECT_EQ(g_refusedFlags, static_cast<UINT>(SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE));
  EXPECT_EQ(WallpaperValues(), before);
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error).size(), 1u);
}

TEST_F(SystemSettingsTest, TheBrowserTitleGoesBothWaysAndAValueOfAnotherTypeIsReported) {
  SavedRegistryValue saved(kBrowserKey, L"Window Title");
  form.browserTitle.SetText(L"Vantora \u2013 Браузер");
  form.changeBrowserTitle.Click();
  EXPECT_EQ(ReadValue(kBrowserKey, L"Window Title"), L"Vantora \u2013 Браузер");
  form.browserTitle.SetText(L"");
  form.changeBrowserTitle.Click();  // an empty box writes an empty text
  EXPECT_EQ(ReadValue(kBrowserKey, L"Window Title"), L"");

  WriteValue(kBrowserKey, L"Window Title", L"From the registry");
  form.readBrowserTitle.Click();
  EXPECT_EQ(form.browserTitle.Text(), L"From the registry");
  DeleteValue(kBrowserKey, L"Window Title");
  form.readBrowserTitle.Click();  // a missing value reads as empty
  EXPECT_EQ(form.browserTitle.Text(), L"");

  const DWORD number = 7;
  ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kBrowserKey, L"Window Title", REG_DWORD, &number, sizeof(number)),
            ERROR_SUCCESS);
  form.browserTitle.SetText(L"Kept");
  form.readBrowserTitle.Click();
  EXPECT_EQ(form.browserTitle.Text(), L"Kept");
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error),
            std::vector<std::wstring>{L"Invalid data type for 'Window Title'"});
}

TEST_F(SystemSettingsTest, TheMouseButtonsSwapUntilUnswappedWithoutTouchingTheProfile) {
  const bool original = ::GetSystemMetrics(SM_SWAPBUTTON) != 0;
  struct Restore {
    bool swapped;
    ~Restore() { ::SystemParametersInfoW(SPI_SETMOUSEBUTTONSWAP, swapped, nullptr, 0); }
  } restore{original};
  const auto profile = ReadValue(L"Control Panel\\Mouse", L"SwapMouseButtons");
  form.unswapMouse.Click();
  EXPECT_EQ(::GetSystemMetrics(SM_SWAPBUTTON), 0);
  form.swapMouse.Click();
  form.swapMouse.Click();
  EXPECT_NE(::GetSystemMetrics(SM_SWAPBUTTON), 0);  // pressed twice: still swapped
  EXPECT_EQ(ReadValue(L"Control Panel\\Mouse", L"SwapMouseButtons"), profile);
  form.unswapMouse.Click();
  EXPECT_EQ(::GetSystemMetrics(SM_SWAPBUTTON), 0);
}

TEST_F(SystemSettingsTest, TheBlockerWipesWhatAnotherProgramCopiesAndStopsWhenTurnedOff) {
  // Each copying program stays while the clipboard is looked at, as a program that copied does.
  ForeignWindows first(L"--count 0 --copy \"before blocking\"");
  ASSERT_EQ(ClipboardText(), L"before blocking");
  ASSERT_FALSE(form.clipboardTimer.Enabled());
  form.clipboardToggle.Click();
  EXPECT_EQ(form.clipboardToggle.Caption(), L"Enable Clipboard");
  EXPECT_EQ(form.clipboardStatus.Caption(), L"Status: Clipboard Disabled");
  EXPECT_TRUE(PumpUntil([] { return ClipboardText() == L""; }, 1000));

  ForeignWindows second(L"--count 0 --copy \"copied while blocked\"");
  EXPECT_TRUE(PumpUntil([] { return ClipboardText() == L""; }, 1000));
  // What stays is one CF_TEXT block of a single zero byte, owned by the application window.
  ASSERT_TRUE(::OpenClipboard(nullptr));
  const HANDLE text = ::GetClipboardData(CF_TEXT);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(*static_cast<const char*>(::GlobalLock(text)), '\0');
  ::GlobalUnlock(text);
  EXPECT_EQ(::GetClipboardOwner(), ui::Application::Instance().Handle());
  ::CloseClipboard();

  // Nothing new on the clipboard: the ticks leave it alone instead of wiping it again.
  const DWORD sequence = ::GetClipboardSequenceNumber();
  Pump(600);
  EXPECT_EQ(::GetClipboardSequenceNumber(), sequence);

  form.clipboardToggle.Click();
  EXPECT_EQ(form.clipboardToggle.Caption(), L"Disable Clipboard");
  EXPECT_EQ(form.clipboardStatus.Caption(), L"Status: Clipboard Enabled");
  EXPECT_FALSE(form.clipboardTimer.Enabled());
  ForeignWindows third(L"--count 0 --copy \"kept after unblocking\"");
  Pump(500);
  EXPECT_EQ(ClipboardText(), L"kept after unblocking");
}

TEST_F(SystemSettingsTest, TwoPressesWriteTheQuotedRunValueThenDeleteIt) {
  SavedRegistryValue saved(kRunKey, L"Vantora");
  DeleteValue(kRunKey, L"Vantora");
  ui::Owned<TForm6> fresh;  // starts without the value
  EXPECT_TRUE(fresh.trayIcon.SetVisible(false));
  ASSERT_EQ(fresh.startWithWindows.Caption(), L"Start on Windows Startup");
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  fresh.startWithWindows.Click();
  EXPECT_EQ(ReadValue(kRunKey, L"Vantora"), L"\"" + std::wstring(self) + L"\"");
  EXPECT_EQ(fresh.startWithWindows.Caption(), L"Do Not Start on Windows Startup");
  fresh.startWithWindows.Click();
  EXPECT_EQ(ReadValue(kRunKey, L"Vantora"), std::nullopt);
  EXPECT_EQ(fresh.startWithWindows.Caption(), L"Start on Windows Startup");
}

TEST_F(SystemSettingsTest, AnEntrySwitchedOffInTaskManagerCountsAsNotStartingAndIsSwitchedBackOn) {
  SavedRegistryValue run(kRunKey, L"Vantora"), approved(kStartupApprovedKey, L"Vantora");
  WriteValue(kRunKey, L"Vantora", L"\"C:\\Vantora\\vantora.exe\"");
  // Switched off, with the time it was: Windows starts nothing although the Run value is there.
  const Bytes switchedOff{3, 0, 0, 0, 0xd4, 0x0d, 0x43, 0x8d, 0xc8, 0x3b, 0xd9, 0x01};
  ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kStartupApprovedKey, L"Vantora", REG_BINARY, switchedOff.data(), 12),
            0);
  ui::Owned<TForm6> fresh;
  EXPECT_TRUE(fresh.trayIcon.SetVisible(false));
  EXPECT_EQ(fresh.startWithWindows.Caption(), L"Start on Windows Startup");

  fresh.startWithWindows.Click();
  Bytes approvedNow(16);
  DWORD size = 16;
  ::RegGetValueW(HKEY_CURRENT_USER, kStartupApprovedKey, L"Vantora", RRF_RT_REG_BINARY, nullptr, approvedNow.data(),
                 &size);
  approvedNow.resize(size);
  EXPECT_EQ(approvedNow, (Bytes{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));  // as Windows switches it on
  EXPECT_EQ(fresh.startWithWindows.Caption(), L"Do Not Start on Windows Startup");
}

TEST_F(SystemSettingsTest, ShutdownAsksAndPowersOffOnlyOnYesLettingProgramsSaveTheirWork) {
  testsupport::RecordingSession session;
  prompts.confirmAnswers = {false, true};
  form.shutdown.Click();
  EXPECT_TRUE(session.powerOffs.empty());
  form.trayMenu.Item(L"ShutdownPC1").OnClick();
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Confirm),
            std::vector<std::wstring>(2, L"Are You Sure You Want To Shutdown Windows?"));
  ASSERT_EQ(session.powerOffs.size(), 1u);
  const auto [flags, reason] = session.powerOffs[0];
  EXPECT_EQ(flags, static_cast<UINT>(EWX_POWEROFF | EWX_FORCEIFHUNG));  // never EWX_FORCE
  EXPECT_TRUE(reason & SHTDN_REASON_FLAG_PLANNED);
  EXPECT_TRUE(prompts.Texts(ScriptedPrompts::Kind::Error).empty());
}

TEST_F(SystemSettingsTest, ARefusedShutdownIsShownWithTheSystemsReason) {
  testsupport::RecordingSession session;
  session.powerOffRefusal = ERROR_PRIVILEGE_NOT_HELD;
  prompts.confirmAnswers = {true};
  form.shutdown.Click();
  ASSERT_EQ(session.powerOffs.size(), 1u);
  const auto errors = prompts.Texts(ScriptedPrompts::Kind::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], L"Windows Could Not Be Shut Down. " + platform::SystemMessage(ERROR_PRIVILEGE_NOT_HELD));
  EXPECT_NE(errors[0].find(L"rivilege"), std::wstring::npos) << errors[0];
}

}  // namespace
