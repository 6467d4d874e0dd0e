#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/system/Hotkeys.h"
#include "platform/system/KeyboardHook.h"
#include "platform/system/Registry.h"
#include "platform/system/SystemFunctions.h"
#include "platform/system/Wine.h"
#include "support/TestWindow.h"

using namespace platform;
using testsupport::TestWindow;

namespace {

void PumpFor(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  MSG msg;
  while (static_cast<int>(end - GetTickCount()) > 0) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}

void Press(WORD key) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = key;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

std::vector<WPARAM> g_hookedKeys;

LRESULT CALLBACK RecordKey(int, WPARAM wParam, LPARAM) {
  g_hookedKeys.push_back(wParam & 0xFFFF);
  return 0;
}

}  // namespace

TEST(RunningOnWine, AgreesWithTheWineRegistryOfThePrefix) {
  // Every Wine prefix carries HKCU\Software\Wine; Windows has no such key.
  EXPECT_EQ(RunningOnWine(), RegistryKey::Exists(HKEY_CURRENT_USER, L"Software\\Wine"));
  EXPECT_EQ(RunningOnWine(), RunningOnWine());
}

TEST(SystemFunction, FindsExportsOfLoadedLibrariesAndLoadsOthersOnlyWhenAsked) {
  using GetSystemMetricsFn = int(WINAPI*)(int);
  const auto metrics = SystemFunction<GetSystemMetricsFn>(L"user32.dll", "GetSystemMetrics");
  ASSERT_NE(metrics, nullptr);
  EXPECT_EQ(metrics(SM_CXSCREEN), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(SystemFunctionAddress(L"user32.dll", "NoSuchFunctionAnywhere"), nullptr);
  EXPECT_EQ(SystemFunctionAddress(L"nosuchlibrary.dll", "GetSystemMetrics", LibraryUse::LoadIfMissing), nullptr);

  // A library nothing in the tests loads: absent until the caller asks for it to be loaded.
  const wchar_t* unused = L"dciman32.dll";
  ASSERT_EQ(GetModuleHandleW(unused), nullptr);
  EXPECT_EQ(SystemFunctionAddress(unused, "DCIOpenProvider"), nullptr);
  EXPECT_EQ(GetModuleHandleW(unused), nullptr);
  EXPECT_NE(SystemFunctionAddress(unused, "DCIOpenProvider", LibraryUse::LoadIfMissing), nullptr);
  EXPECT_NE(GetModuleHandleW(unused), nullptr);
  EXPECT_NE(SystemFunctionAddress(unused, "DCIOpenProvider"), nullptr);
}

TEST(GlobalHotKey, ACombinationCanBeHeldOnlyOnceAndIsFreeAgainWithItsOwner) {
  TestWindow window(L"hotkeys");
  const unsigned modifiers = MOD_CONTROL | MOD_ALT | MOD_SHIFT;
  {
    GlobalHotKeys keys(window.get());
    ASSERT_TRUE(keys.Register(1, modifiers, VK_F11));
    EXPECT_FALSE(keys.Register(2, modifiers, VK_F11));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED));
    keys.Unregister(1);
    EXPECT_TRUE(keys.Register(2, modifiers, VK_F11));
    ASSERT_TRUE(keys.Register(3, modifiers, VK_F12));
  }
  // The owner's end released both: another window can take them.
  TestWindow other(L"hotkeys again");
  GlobalHotKeys keys(other.get());
  EXPECT_TRUE(keys.Register(1, modifiers, VK_F11));
  EXPECT_TRUE(keys.Register(2, modifiers, VK_F12));
}

TEST(GlobalHotKey, SynthesisedKeysReachTheWindowAsWmHotkey) {
  TestWindow window(L"hotkey target");
  SetForegroundWindow(window.get());
  SetFocus(window.get());
  GlobalHotKeys hotKeys(window.get());
  ASSERT_TRUE(hotKeys.Register(5, MOD_CONTROL | MOD_ALT, 'M'));
  INPUT inputs[6] = {};
  const WORD keys[] = {VK_CONTROL, VK_MENU, 'M'};
  for (int i = 0; i < 3; ++i) {
    inputs[i].type = inputs[5 - i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = inputs[5 - i].ki.wVk = keys[i];
    inputs[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(6, inputs, sizeof(INPUT));
  MSG msg{};
  bool received = false;
  const DWORD end = GetTickCount() + 3000;
  while (!received && static_cast<int>(end - GetTickCount()) > 0) {
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      received = msg.message == WM_HOTKEY && msg.hwnd == window.get() && msg.wParam == 5;
      DispatchMessageW(&msg);
    } else {
      Sleep(10);
    }
  }
  EXPECT_TRUE(received);
}

TEST(ThreadKeyboardHook, SeesKeysOfOurFocusedWindowUntilRemoved) {
  TestWindow window(L"hook target");
  SetForegroundWindow(window.get());
  SetFocus(window.get());
  g_hookedKeys.clear();
  {
    UniqueHook hook = InstallThreadKeyboardHook(RecordKey);
    ASSERT_TRUE(hook);
    Press(VK_F5);
    PumpFor(300);
  }
  // Down and up both reach the hook.
  EXPECT_EQ(std::count(g_hookedKeys.begin(), g_hookedKeys.end(), VK_F5), 2);
  g_hookedKeys.clear();
  Press(VK_F5);
  PumpFor(200);
  EXPECT_TRUE(g_hookedKeys.empty());
}
