#pragma once
// A main window under test with the helpers the command tests share: find a window's row,
// select it as a click would, and let the program's own message loop run.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/VantoraMain.h"
#include "TestApp.h"

namespace testsupport {

// The application window must exist before the main window is created, or the main window
// would have no owner: a base class is constructed before the members.
struct ApplicationReady {
  ApplicationReady() { testing_support::TestApplication(); }
};

class MainFormTest : public ::testing::Test, private ApplicationReady {
 protected:
  int RowOf(HWND window) const {
    const auto& handles = form.CatalogueWindows();
    for (size_t i = 0; i < handles.size(); ++i)
      if (handles[i] == window) return static_cast<int>(i);
    return -1;
  }

  // Rebuilds the list and selects the window's row, as a click on that row does.
  void Select(HWND window) {
    form.RefreshCatalogue();
    const int row = RowOf(window);
    ASSERT_GE(row, 0) << "the window is not listed";
    form.windowListView.SetItemIndex(row);
    form.UpdateSelectionState();
  }

  // Runs the program's own message loop (dialog navigation included) until `done` or the time
  // is up; returns whether `done` came true.
  static bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 3000) {
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    while (!done()) {
      if (::GetTickCount64() >= end) return false;
      ui::Application::Instance().ProcessMessages();
      ::Sleep(10);
    }
    return true;
  }
  static void Pump(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
  }

  // Shows the main window and gives it the keyboard focus, which synthesised keys need.
  void FocusForm() {
    form.Show();
    ::SetForegroundWindow(form.Handle());
    ::SetFocus(form.Handle());
    Pump(100);
  }

  static std::wstring Title(HWND window) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(window, text, 1024);
    return text;
  }

  // The constant alpha of a layered window; -1 when the window has none.
  static int LayeredAlpha(HWND window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return -1;
    return alpha;
  }
  static bool Layered(HWND window) { return ::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED; }

  ui::Owned<TForm6> form;
};

}  // namespace testsupport
