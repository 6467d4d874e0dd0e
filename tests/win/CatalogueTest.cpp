// The window list against real windows: which windows it lists, icons, the kept selection, the
// controls that follow the selection, and the automatic refresh.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/VantoraMain.h"
#include "catalogue/portable/CatalogueRules.h"
#include "platform/system/Wine.h"
#include "ui/portable/Dpi.h"
#include "support/ForeignWindows.h"
#include "support/ScriptedPrompts.h"
#include "support/Icons.h"
#include "support/MainForm.h"
#include "support/Pump.h"
#include "app/portable/SelectionGroups.h"
#include "support/TestWindow.h"

using testsupport::TestWindow;

namespace {

class CatalogueTest : public testsupport::MainFormTest {
 protected:
  ~CatalogueTest() override { form.windowList.SetAutoRefreshPeriod(0); }

  std::vector<std::wstring> Rows() const {
    std::vector<std::wstring> rows;
    for (int i = 0; i < form.windowListView.Count(); ++i) rows.push_back(form.windowListView.ItemText(i));
    return rows;
  }
  bool Listed(const std::wstring& title) const {
    for (const auto& row : Rows())
      if (row == title) return true;
    return false;
  }
};

// The start button of Windows Vista and 7: a top-level button of its own that the taskbar owns,
// titled in the system's language.
class StartButtonLookAlike {
 public:
  explicit StartButtonLookAlike(const std::wstring& title) {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"Shell_TrayWnd";
    ::RegisterClassExW(&wc);  // fails harmlessly when an earlier test registered it
    taskbar_ =
        ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 900, 800, 40, nullptr, nullptr, wc.hInstance, nullptr);
    button = ::CreateWindowExW(0, L"Button", title.c_str(), WS_POPUP | WS_VISIBLE, 0, 900, 50, 40, taskbar_, nullptr,
                               wc.hInstance, nullptr);
  }
  StartButtonLookAlike(const StartButtonLookAlike&) = delete;
  StartButtonLookAlike& operator=(const StartButtonLookAlike&) = delete;
  ~StartButtonLookAlike() { ::DestroyWindow(taskbar_); }  // and the button it owns
  HWND button = nullptr;

 private:
  HWND taskbar_ = nullptr;
};

TEST_F(CatalogueTest, ListsVisibleTitledWindowsOfOtherProgramsOnly) {
  TestWindow untitled(L""), start(L"Start"), lowerStart(L"start"), desktop(L"Program Manager");
  TestWindow hidden(L"Hidden window"), minimized(L"Minimized window");
  const StartButtonLookAlike startButton(L"D\x00e9marrer");
  ::ShowWindow(hidden.get(), SW_HIDE);
  ::ShowWindow(minimized.get(), SW_MINIMIZE);
  ASSERT_TRUE(::IsWindowVisible(startButton.button));
  form.RefreshCatalogue();
  EXPECT_TRUE(Listed(L"start"));
  EXPECT_TRUE(Listed(L"Minimized window"));
  EXPECT_TRUE(Listed(L"Start"));  // an ordinary window, whatever its title
  EXPECT_EQ(RowOf(startButton.button), -1);
  EXPECT_FALSE(Listed(L"Program Manager"));
  EXPECT_FALSE(Listed(L"Hidden window"));
  EXPECT_EQ(RowOf(untitled.get()), -1);
  EXPECT_EQ(RowOf(form.Handle()), -1);
  EXPECT_EQ(RowOf(ui::Application::Instance().Handle()), -1);
  // Rows and handles stay parallel.
  ASSERT_EQ(form.CatalogueWindows().size(), static_cast<size_t>(form.windowListView.Count()));
  for (int i = 0; i < form.windowListView.Count(); ++i) {
    wchar_t title[512];
    ::GetWindowTextW(form.CatalogueWindows()[static_cast<size_t>(i)], title, 512);
    EXPECT_EQ(form.windowListView.ItemText(i), title);
  }
}

TEST_F(CatalogueTest, OptionsAndInformationDialogsAreLeftOutButTheResizeScreenIsListed) {
  {
    ui::Owned<TForm10> options(options::OptionsLinks{form.windowList, form.hotKeyActions.Keys(), form.skinEngine,
                                                     form.opacitySlider, form.taskbarOpacitySlider});
    ui::Owned<TForm13> info([] { return HWND{}; });
    ui::Owned<TForm7> resize(form, [] { return HWND{}; });
    for (ui::Form* f : std::initializer_list<ui::Form*>{&options, &info, &resize}) f->Show();
    form.RefreshCatalogue();
    EXPECT_FALSE(Listed(L"Options"));
    EXPECT_FALSE(Listed(L"Window Information"));
    EXPECT_TRUE(Listed(L"Resize"));
  }
  // Once they are gone nothing is left out for them: a window of another program with the same title is listed.
  TestWindow stranger(L"Options");
  form.RefreshCatalogue();
  EXPECT_TRUE(Listed(L"Options"));
}

TEST_F(CatalogueTest, AWindowWithoutIconHasNoImageWhileItsNeighboursKeepTheirs) {
  HICON icon = ::LoadIconW(nullptr, IDI_APPLICATION);
  TestWindow first(L"with icon 1"), bare(L"without icon"), last(L"with icon 2");
  ::SendMessageW(first.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  ::SendMessageW(last.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  for (int round = 0; round < 3; ++round) {
    form.RefreshCatalogue();
    EXPECT_EQ(form.windowListView.ItemImage(RowOf(bare.get())), ui::kNoImage);
    const int a = form.windowListView.ItemImage(RowOf(first.get())),
              b = form.windowListView.ItemImage(RowOf(last.get()));
    EXPECT_GE(a, 0);
    EXPECT_GE(b, 0);
    EXPECT_NE(a, b);
    // Only the icons of the current rows: repeated rebuilds never grow the image list.
    EXPECT_LE(form.rowImages.Count(), form.windowListView.Count());
  }
}

TEST_F(CatalogueTest, ARebuildShowsChangedTitlesAndIconsAndLeavesUnchangedRowsAlone) {
  const auto red = testsupport::SolidIcon(RGB(255, 0, 0), false), blue = testsupport::SolidIcon(RGB(0, 0, 255), false);
  TestWindow painted(L"Painted window"), other(L"Other window");
  ::SendMessageW(painted.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(red.get()));
  form.RefreshCatalogue();
  EXPECT_EQ(testsupport::CellPixel(form.rowImages, form.windowListView.ItemImage(RowOf(painted.get())), 9, 9),
            RGB(255, 0, 0));

  // Count what the list control is asked to do from now on.
  int changes = 0;
  form.AddMessageHandler([&](UINT message, WPARAM, LPARAM lParam, LRESULT&) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (message == WM_NOTIFY && header->hwndFrom == form.windowListView.Handle() &&
        (header->code == LVN_INSERTITEM || header->code == LVN_DELETEITEM || header->code == LVN_DELETEALLITEMS ||
         header->code == LVN_ITEMCHANGED))
      ++changes;
    return false;
  });
  form.RefreshCatalogue();
  EXPECT_EQ(changes, 0);

  ::SetWindowTextW(other.get(), L"Renamed window");
  ::SendMessageW(painted.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(blue.get()));
  form.RefreshCatalogue();
  EXPECT_TRUE(Listed(L"Renamed window"));
  EXPECT_FALSE(Listed(L"Other window"));
  EXPECT_EQ(testsupport::CellPixel(form.rowImages, form.windowListView.ItemImage(RowOf(painted.get())), 9, 9),
            RGB(0, 0, 255));
  EXPECT_LE(form.rowImages.Count(), form.windowListView.Count());
  ::SendMessageW(painted.get(), WM_SETICON, ICON_BIG, 0);
}

TEST_F(CatalogueTest, AChangeOfOrderDrawsNoImageCellAgain) {
  const auto red = testsupport::SolidIcon(RGB(255, 0, 0), false), blue = testsupport::SolidIcon(RGB(0, 0, 255), false);
  TestWindow first(L"First window"), second(L"Second window");
  ::SendMessageW(first.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(red.get()));
  ::SendMessageW(second.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(blue.get()));
  form.RefreshCatalogue();
  // Each cell is marked where it stands: a cell drawn again loses its mark.
  const auto mark = testsupport::SolidIcon(RGB(0, 255, 0), false);
  for (HWND window : {first.get(), second.get()}) {
    const int cell = form.windowListView.ItemImage(RowOf(window));
    ASSERT_EQ(form.rowImages.AddCentred(mark.get(), form.rowImages.Width(), cell), cell);
    ASSERT_EQ(testsupport::CellPixel(form.rowImages, cell, 9, 9), RGB(0, 255, 0));
  }
  const bool firstAbove = RowOf(first.get()) < RowOf(second.get());
  ::SetWindowPos(firstAbove ? second.get() : first.get(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  form.RefreshCatalogue();
  ASSERT_NE(RowOf(first.get()) < RowOf(second.get()), firstAbove) << "the windows did not change places";
  for (HWND window : {first.get(), second.get()})
    EXPECT_EQ(testsupport::CellPixel(form.rowImages, form.windowListView.ItemImage(RowOf(window)), 9, 9),
              RGB(0, 255, 0));
}

TEST_F(CatalogueTest, LongTitlesAreCutTo510InTheListAnd1022InTheTitleBox) {
  TestWindow longOne(std::wstring(1200, L'x'));
  form.RefreshCatalogue();
  const int row = RowOf(longOne.get());
  ASSERT_GE(row, 0);
  EXPECT_EQ(form.windowListView.ItemText(row).size(), 510u);
  form.windowListView.SetItemIndex(row);
  form.UpdateSelectionState();
  EXPECT_EQ(form.newTitle.Text(), std::wstring(1022, L'x'));
}

TEST_F(CatalogueTest, SelectedRowIsKeptWhenTheListIsLongEnoughAndRowZeroOtherwise) {
  std::vector<std::unique_ptr<TestWindow>> windows;
  for (int i = 0; i < 5; ++i) windows.push_back(std::make_unique<TestWindow>(L"Row window " + std::to_wstring(i)));
  form.RefreshCatalogue();
  ASSERT_GE(form.windowListView.Count(), 5);
  form.windowListView.SetItemIndex(3);
  form.RefreshCatalogue();
  EXPECT_EQ(form.windowListView.ItemIndex(), 3);
  EXPECT_TRUE(form.windowListView.IsItemFullyVisible(3));
  windows.resize(2);
  form.RefreshCatalogue();
  ASSERT_EQ(form.windowListView.Count(), 2) << "only the test's windows should be on this desktop";
  EXPECT_EQ(form.windowListView.ItemIndex(), 0);
}

TEST_F(CatalogueTest, DownOnTheLastRowSelectsTheFirst) {
  TestWindow a(L"Down A"), b(L"Down B"), c(L"Down C");
  form.RefreshCatalogue();
  const int last = form.windowListView.Count() - 1;
  form.windowListView.SetItemIndex(last);
  ::SendMessageW(form.windowListView.Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(form.windowListView.ItemIndex(), 0);
  ::SendMessageW(form.windowListView.Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(form.windowListView.ItemIndex(), 1);  // and the list moves on normally from there
}

TEST_F(CatalogueTest, AnEmptyDesktopDisablesTheBulkAndPerWindowControls) {
  form.RefreshCatalogue();
  ASSERT_EQ(form.windowListView.Count(), 0) << "only the test's windows should be on this desktop";
  form.UpdateSelectionState();
  const auto expectGroup = [this](const auto& group, bool enabled) {
    for (std::string_view name : group) EXPECT_EQ(form.FindControl(std::string(name))->Enabled(), enabled) << name;
  };
  expectGroup(vantora::kBulkGroup, false);
  expectGroup(vantora::kPerWindowGroup, false);
  TestWindow one(L"Now there is one");
  form.RefreshListClick();
  expectGroup(vantora::kBulkGroup, true);
  expectGroup(vantora::kPerWindowGroup, true);
  expectGroup(vantora::kNewIconGroup, false);  // no new icon loaded
}

TEST_F(CatalogueTest, SelectionStateIsReadFromTheSelectedWindow) {
  TestWindow plain(L"Plain window"), special(L"Special window", CS_NOCLOSE);
  ::EnableWindow(special.get(), FALSE);
  ::SetWindowPos(special.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RECT before{};
  ::GetWindowRect(special.get(), &before);
  form.RefreshCatalogue();
  form.windowListView.SetItemIndex(RowOf(special.get()));
  form.UpdateSelectionState();
  EXPECT_EQ(form.newTitle.Text(), L"Special window");
  EXPECT_TRUE(form.stayOnTop.Checked());
  EXPECT_EQ(form.enabledToggle.Caption(), L"Enable Window");
  EXPECT_EQ(form.closeButtonToggle.Caption(), L"Enable Close Button");
  EXPECT_TRUE(::GetWindowLongPtrW(special.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);  // its own state re-applied
  RECT after{};
  ::GetWindowRect(special.get(), &after);
  EXPECT_TRUE(::EqualRect(&before, &after));

  form.windowListView.SetItemIndex(RowOf(plain.get()));
  form.UpdateSelectionState();
  EXPECT_FALSE(form.stayOnTop.Checked());
  EXPECT_EQ(form.enabledToggle.Caption(), L"Disable Window");
  EXPECT_EQ(form.closeButtonToggle.Caption(), L"Disable Close Button");
  EXPECT_FALSE(::GetWindowLongPtrW(plain.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(CatalogueTest, AHungWindowOfAnotherProgramDoesNotStopTheRebuild) {
  testsupport::ForeignWindows hung(L"--hung --count 1 --title \"Hung window\"");
  testsupport::ForeignWindows fine(L"--count 1 --title \"Answering window\" --icon");
  form.RefreshCatalogue();
  EXPECT_TRUE(Listed(L"Answering window"));
  EXPECT_GE(form.windowListView.Count(), 2);
}

TEST_F(CatalogueTest, AutomaticRefreshRunsOnlyWhileTheProgramIsActive) {
  // Windows appear without taking the activation, which would rebuild the list by itself.
  TestWindow first(L"Auto first"), second(L"Auto second"), third(L"Auto third");
  ::ShowWindow(second.get(), SW_HIDE);
  ::ShowWindow(third.get(), SW_HIDE);
  form.Show();
  ::SetForegroundWindow(form.Handle());
  testsupport::PumpFor(100);
  const std::wstring shownTitle = form.newTitle.Text();
  form.windowList.SetAutoRefreshPeriod(1);
  ::ShowWindow(second.get(), SW_SHOWNOACTIVATE);
  testsupport::PumpFor(2000);
  EXPECT_TRUE(Listed(L"Auto second"));
  EXPECT_EQ(form.newTitle.Text(), shownTitle);  // the automatic rebuild leaves the selection controls

  testsupport::ForeignWindows other(L"--count 1 --title \"Foreground elsewhere\"");
  ::SetForegroundWindow(other.Windows().front());
  testsupport::PumpFor(200);
  ::ShowWindow(third.get(), SW_SHOWNOACTIVATE);
  testsupport::PumpFor(2500);
  EXPECT_FALSE(Listed(L"Auto third"));
}

TEST_F(CatalogueTest, WinesNotificationAreaIsPartOfTheShellAndOutlivesCloseAll) {
  if (!platform::RunningOnWine()) GTEST_SKIP() << "the notification area is a window of its own only under Wine";
  testsupport::PumpFor(200);
  ASSERT_TRUE(form.trayIcon.Visible()) << "the start-up shows the tray icon";
  const HWND tray = ::FindWindowW(vantora::kWineTrayClass.data(), nullptr);
  ASSERT_NE(tray, nullptr);
  ASSERT_TRUE(::IsWindowVisible(tray));
  TestWindow other(L"Beside the tray");
  form.RefreshCatalogue();
  EXPECT_EQ(form.CatalogueWindows(), std::vector<HWND>{other.get()});

  testsupport::ScriptedPrompts prompts;
  prompts.confirmAnswers = {true};
  form.CloseAllClick();
  EXPECT_TRUE(::IsWindowVisible(tray));
  EXPECT_EQ(form.windowListView.Count(), 0);
}

TEST_F(CatalogueTest, UnderWineAnotherProgramsWindowShowsTheIconOfItsProgramFile) {
  if (!platform::RunningOnWine()) GTEST_SKIP() << "elsewhere a window without an icon keeps its empty image";
  testsupport::ForeignWindows iconic(L"--count 2 --title \"Iconic %d\"", L"iconic_windows_helper");
  testsupport::ForeignWindows plain(L"--title \"Nothing in my file\"");
  TestWindow own(L"Own red icon");
  const auto red = testsupport::SolidIcon(RGB(255, 0, 0), false);
  ::SendMessageW(own.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(red.get()));
  form.RefreshCatalogue();

  // The file's picture of the small icon's size, in the middle of the cell.
  const int size = vantora::ScaleForDpi(vantora::kSmallIconSize, form.rowImages.Dpi());
  const auto fileIcon =
      testsupport::ResourceIcon(1, size, testsupport::ForeignWindows::HelperPath(L"iconic_windows_helper"));
  ASSERT_TRUE(fileIcon) << "the helper's file carries an icon";
  const auto want = testsupport::IconInCell(fileIcon.get(), size, form.rowImages.Width(), form.rowImages.Height());
  for (const wchar_t* title : {L"Iconic 1", L"Iconic 2"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(title)));
    const int image = form.windowListView.ItemImage(RowOf(iconic.Find(title)));
    ASSERT_GE(image, 0);
    EXPECT_EQ(testsupport::DifferentPixels(testsupport::CellPixels(form.rowImages, image), want), 0);
  }
  EXPECT_EQ(form.windowListView.ItemImage(RowOf(plain.Find(L"Nothing in my file"))), ui::kNoImage);
  EXPECT_EQ(testsupport::CellPixel(form.rowImages, form.windowListView.ItemImage(RowOf(own.get())), 9, 9),
            RGB(255, 0, 0));
  EXPECT_LE(form.rowImages.Count(), form.windowListView.Count());

  // The icon panel shows the same pictures, at the system's sizes.
  Select(iconic.Find(L"Iconic 1"));
  ASSERT_NE(form.largeIcon.Icon(), nullptr);
  ASSERT_NE(form.smallIcon.Icon(), nullptr);
  EXPECT_EQ(ui::IconSize(form.largeIcon.Icon()).cx, ::GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(ui::IconSize(form.smallIcon.Icon()).cx, ::GetSystemMetrics(SM_CXSMICON));
  Select(plain.Find(L"Nothing in my file"));
  EXPECT_EQ(form.largeIcon.Icon(), nullptr);
}

}  // namespace
