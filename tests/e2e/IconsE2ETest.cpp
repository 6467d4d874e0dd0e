// Icons and screenshots through vantora.exe's own buttons and its own file dialogs, the path
// typed into the dialog as a user types it. tests/icons_check.sh reads the files back with
// ImageMagick and icoutils.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/portable/MainLayout.h"
#include "e2e/Driver.h"
#include "win/support/PictureHeader.h"

namespace {

using namespace std::chrono_literals;

constexpr int kFileNameBox = 0x47C;   // cmb13, the file name of the system's file dialogs
constexpr int kFileNameEdit = 0x480;  // edt1, in dialogs without the combo box

std::wstring OutPath(const std::wstring& name) {
  const std::wstring dir = e2e::WindowsPath(VANTORA_EXE_DIR "/icon-out-e2e");
  ::CreateDirectoryW(dir.c_str(), nullptr);
  return dir + L"\\" + name;
}

std::vector<uint8_t> Contents(const std::wstring& path) {
  std::vector<uint8_t> bytes;
  const platform::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                OPEN_EXISTING, 0, nullptr));
  if (!file) return bytes;
  bytes.resize(::GetFileSize(file.get(), nullptr));
  DWORD read = 0;
  ::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  return bytes;
}

// The edit field inside a combo box (inside a ComboBoxEx32 in the explorer-style dialogs).
HWND EditInside(HWND box) {
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (e2e::ClassOf(child) == L"Edit") return child;
    if (HWND edit = EditInside(child)) return edit;
  }
  return nullptr;
}

class IconsE2E : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(vantora.Started());
    main = vantora.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
  }

  HWND Control(std::string_view name, const wchar_t* windowClass = L"Button") const {
    const auto* row = vantora::FindMainControl(name);
    const auto bounds = vantora::MainControlBounds(*row);
    return e2e::ChildAt(main, windowClass, {bounds.left, bounds.top});
  }

  // The open or save dialog the program shows, once it is up; null when none appeared.
  HWND WaitForFileDialog() const {
    HWND dialog = nullptr;
    e2e::WaitUntil(
        [&] {
          for (HWND w : vantora.TopLevelWindows())
            if (e2e::ClassOf(w) == e2e::kMessageBoxClass && ::IsWindowVisible(w) &&
                (::GetDlgItem(w, kFileNameBox) || ::GetDlgItem(w, kFileNameEdit)))
              dialog = w;
          return dialog != nullptr;
        },
        15s);
    return dialog;
  }

  static HWND FileNameEdit(HWND dialog) {
    HWND name = ::GetDlgItem(dialog, kFileNameBox);
    return name ? EditInside(name) : ::GetDlgItem(dialog, kFileNameEdit);
  }

  static bool Closed(HWND dialog) {
    return e2e::WaitUntil([&] { return !::IsWindow(dialog) || !::IsWindowVisible(dialog); }, 10s);
  }

  // The file name typed into the dialog key by key, as a user types it, then confirmed.
  bool AnswerFileDialog(const std::wstring& path) const {
    const HWND dialog = WaitForFileDialog();
    const HWND edit = dialog ? FileNameEdit(dialog) : nullptr;
    if (!edit) return false;
    e2e::SetText(edit, L"");
    for (wchar_t c : path) ::PostMessageW(edit, WM_CHAR, c, 0);
    if (!e2e::WaitUntil([&] { return e2e::TextOf(edit) == path; }, 5s)) return false;
    e2e::Click(::GetDlgItem(dialog, IDOK));
    return Closed(dialog);
  }

  bool MainWindowBack() const {
    return e2e::WaitUntil([&] { return ::IsWindowVisible(main) && !::IsIconic(main); }, 10s);
  }

  e2e::Process vantora;
  HWND main = nullptr;
};

TEST_F(IconsE2E, FullScreenShotAndWindowIconAreSavedThroughTheSaveDialog) {
  const std::wstring shot = OutPath(L"e2e-full-screen.jpg");
  ::DeleteFileW(shot.c_str());
  e2e::Click(e2e::FindChild(main, L"Button", L"Take ScreenShot of Full Screen"));
  ASSERT_TRUE(AnswerFileDialog(shot));
  // A JPEG file, as its name says; it appears whole or not at all.
  ASSERT_TRUE(e2e::WaitUntil([&] { return testsupport::JpegSize(Contents(shot)).has_value(); }, 15s));
  ASSERT_TRUE(MainWindowBack());
  EXPECT_EQ(testsupport::JpegSize(Contents(shot)),
            (testsupport::DeclaredSize{static_cast<uint32_t>(::GetSystemMetrics(SM_CXSCREEN)),
                                       static_cast<uint32_t>(::GetSystemMetrics(SM_CYSCREEN))}));

  // A window of another program, selected in the list; Wine gives no icon across processes,
  // so this checks the file the dialog names, its format and its size.
  e2e::Process target(e2e::HelperExePath(L"driver_target_helper"), L"--list one");
  ASSERT_NE(target.WaitForWindow(L"DriverTarget", L"Driver Target"), nullptr);
  HWND list = e2e::FindChild(main, L"SysListView32", nullptr);
  int row = -1;
  e2e::WaitUntil(
      [&] {
        e2e::Click(e2e::FindChild(main, L"Button", L"Refresh List (F5)"));
        const auto rows = e2e::ListViewRows(list);
        for (size_t i = 0; i < rows.size(); ++i)
          if (rows[i] == L"Driver Target") row = static_cast<int>(i);
        return row >= 0;
      },
      10s);
  ASSERT_GE(row, 0);
  ASSERT_TRUE(e2e::ClickListViewItem(list, row));
  HWND save = e2e::FindChild(main, L"Button", L"Save Window Icon To File");
  ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowEnabled(save) != FALSE; }, 5s));
  const std::wstring icon = OutPath(L"e2e-window-icon.png");
  ::DeleteFileW(icon.c_str());
  e2e::Click(save);
  ASSERT_TRUE(AnswerFileDialog(icon));
  ASSERT_TRUE(e2e::WaitUntil([&] { return testsupport::PngSize(Contents(icon)).has_value(); }, 10s));
  EXPECT_EQ(testsupport::PngSize(Contents(icon))->width, static_cast<uint32_t>(::GetSystemMetrics(SM_CXICON)));
}

TEST_F(IconsE2E, PickingAnotherTypeRenamesTheFileAndTheNameIsProposedAgain) {
  constexpr int kTypeList = 0x470;  // cmb1
  HWND shot = e2e::FindChild(main, L"Button", L"Take ScreenShot of Full Screen");
  e2e::Click(shot);
  HWND dialog = WaitForFileDialog();
  ASSERT_NE(dialog, nullptr);
  HWND edit = FileNameEdit(dialog);
  ASSERT_TRUE(e2e::SetText(edit, L"C:\\shots\\holiday.bmp"));
  HWND types = ::GetDlgItem(dialog, kTypeList);
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(types, CB_SETCURSEL, 4, 0, SMTO_ABORTIFHUNG, 2000, &ignored);  // "Portable Network Graphics"
  // What the list tells the dialog when the user picks an item: the selection changed, then ended.
  for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
    ::SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(kTypeList, code), reinterpret_cast<LPARAM>(types),
                          SMTO_ABORTIFHUNG, 2000, &ignored);
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::TextOf(edit) == L"holiday.png"; }, 5s)) << e2e::TextOf(edit);
  EXPECT_FALSE(e2e::SaveScreenshot(dialog, L"save-picture-dialog.bmp").empty());
  e2e::Click(::GetDlgItem(dialog, IDCANCEL));
  ASSERT_TRUE(Closed(dialog));
  EXPECT_FALSE(::GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_LAYERED) << "a cancelled shot must not fade the window";

  e2e::Click(shot);
  dialog = WaitForFileDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(e2e::TextOf(FileNameEdit(dialog)), L"holiday.png");
  e2e::Click(::GetDlgItem(dialog, IDCANCEL));
  EXPECT_TRUE(Closed(dialog));
}

TEST_F(IconsE2E, IconOfACopiedProgramIsReplacedThroughThePanel) {
  const std::wstring exe = OutPath(L"e2e-target.exe");
  ::SetFileAttributesW(exe.c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_TRUE(::CopyFileW(e2e::HelperExePath(L"icon_target").c_str(), exe.c_str(), FALSE));
  const std::wstring ico = e2e::WindowsPath(VANTORA_EXE_DIR "/test-icons/icotool-16-32-48.ico");

  e2e::Click(Control("Button34"));  // "Browse..."
  ASSERT_TRUE(AnswerFileDialog(exe));
  EXPECT_EQ(e2e::TextOf(Control("Edit4", L"Edit")), exe) << "the chosen path is not shown";

  e2e::Click(Control("Button36"));  // "Load"
  ASSERT_TRUE(AnswerFileDialog(ico));
  HWND change = Control("Button37");
  ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowEnabled(change) != FALSE; }, 5s));
  const auto before = Contents(exe);
  e2e::Click(change);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Contents(exe) != before; }, 10s)) << "the program was not rewritten";
  EXPECT_EQ(vantora.WaitForMessageBox(e2e::kApplicationTitle, 1s), nullptr) << "the change reported an error";
  EXPECT_TRUE(::IsWindow(main));
}

// On a 64-bit system the user names a program of the system folder, which a 64-bit program
// runs; the 32-bit program's opens of that folder reach the 32-bit namesake in SysWOW64 unless
// it goes past the redirection. The two files differ: only the named one has an icon.
TEST_F(IconsE2E, AProgramOfTheSystemFolderIsPicturedAndChangedAndNotItsNamesake) {
  if (!e2e::On64BitSystem()) GTEST_SKIP() << "a 32-bit system has one system folder";
  const std::wstring name = L"vantora-e2e-named.exe";
  const std::wstring named = e2e::SystemFolderPath(name), reached = e2e::NativeSystemFolderPath(name);
  const std::wstring namesake = e2e::Wow64FolderPath(name);
  ASSERT_TRUE(::CopyFileW(e2e::HelperExePath(L"iconic_windows_helper").c_str(), reached.c_str(), FALSE));
  ASSERT_TRUE(::CopyFileW(e2e::HelperExePath(L"foreign_windows_helper").c_str(), namesake.c_str(), FALSE));
  const auto namesakeBefore = Contents(namesake);
  ASSERT_NE(Contents(reached), namesakeBefore);

  {  // Its window's row shows the picture of the named file.
    e2e::Process shown(reached, L"--title \"Named in the system folder\"");
    ASSERT_NE(shown.WaitForWindow(nullptr, L"Named in the system folder"), nullptr);
    HWND list = Control("ListView1", L"SysListView32");
    int row = -1;
    e2e::WaitUntil(
        [&] {
          e2e::Click(e2e::FindChild(main, L"Button", L"Refresh List (F5)"));
          const auto rows = e2e::ListViewRows(list);
          for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i] == L"Named in the system folder") row = static_cast<int>(i);
          return row >= 0;
        },
        10s);
    ASSERT_GE(row, 0);
    EXPECT_GE(e2e::ListViewItemImage(list, row), 0) << "the row's picture came from another file";
    shown.Stop(0ms);
  }
  // An ended program's file may stay held a moment; until then "Change" rightly finds it in use.
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        return static_cast<bool>(platform::UniqueFile(
            ::CreateFileW(reached.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
      },
      10s));

  e2e::Click(Control("Button34"));  // "Browse..."
  ASSERT_TRUE(AnswerFileDialog(named));
  EXPECT_EQ(e2e::TextOf(Control("Edit4", L"Edit")), named) << "the path shown is not the user's";
  e2e::Click(Control("Button36"));  // "Load"
  ASSERT_TRUE(AnswerFileDialog(e2e::WindowsPath(VANTORA_EXE_DIR "/test-icons/icotool-16-32-48.ico")));
  HWND change = Control("Button37");
  ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowEnabled(change) != FALSE; }, 5s));
  const auto before = Contents(reached);
  e2e::Click(change);
  EXPECT_TRUE(e2e::WaitUntil([&] { return Contents(reached) != before; }, 10s)) << "the named program is unchanged";
  if (HWND box = vantora.WaitForMessageBox(e2e::kApplicationTitle, 1s)) ADD_FAILURE() << e2e::MessageBoxText(box);
  EXPECT_EQ(Contents(namesake), namesakeBefore) << "the change reached the 32-bit namesake";
  ::DeleteFileW(reached.c_str());
  ::DeleteFileW(namesake.c_str());
}

}  // namespace
