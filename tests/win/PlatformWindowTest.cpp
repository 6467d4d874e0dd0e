#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <new>
#include <optional>
#include <vector>

#include "platform/CallbackExceptions.h"
#include "platform/windows/WindowIsolation.h"
#include "platform/windows/WindowMessages.h"
#include "platform/windows/WindowQueries.h"
#include "platform/windows/WindowRoutines.h"
#include "support/ForeignWindows.h"
#include "support/TestWindow.h"

using namespace platform;
using testsupport::ForeignWindows;
using testsupport::TestWindow;

TEST(BoundedSend, ReturnsTheAnswerOfAWindowInAnotherProcess) {
  ForeignWindows helper(L"--title \"Answering %d\"");
  HWND window = helper.Find(L"Answering 1");
  ASSERT_NE(window, nullptr);
  const auto length = BoundedSend(window, WM_GETTEXTLENGTH, 0, 0, kIconQueryWait);
  ASSERT_TRUE(length.has_value());
  EXPECT_EQ(*length, 11);
}

TEST(BoundedSend, GivesUpOnAHungWindowWithinItsBound) {
  ForeignWindows helper(L"--hung --title \"Hung %d\"");
  HWND window = helper.Find(L"Hung 1");
  ASSERT_NE(window, nullptr);
  const auto started = std::chrono::steady_clock::now();
  // WM_GETTEXTLENGTH rather than WM_GETICON: Wine passes no icon messages between processes,
  // so those fail at once and would prove nothing about the wait.
  const auto answer = BoundedSend(window, WM_GETTEXTLENGTH, 0, 0, kIconQueryWait);
  const auto waited = std::chrono::steady_clock::now() - started;
  EXPECT_FALSE(answer.has_value());
  // Generous: only a wait that ignores the bound can exceed it.
  EXPECT_LT(waited, 10 * kIconQueryWait);
  // The same helper's thread answered nothing, yet the window is still there to be listed.
  EXPECT_TRUE(IsWindow(window));
}

TEST(BoundedSend, FailsOnAWindowThatIsGone) {
  HWND gone = nullptr;
  {
    TestWindow window(L"short-lived");
    gone = window.get();
  }
  EXPECT_FALSE(BoundedSend(gone, WM_GETTEXTLENGTH, 0, 0, kIconQueryWait).has_value());
}

TEST(WindowText, CutsALongTitleOfAnotherProcessAtTheBufferLimit) {
  ForeignWindows helper(L"--title-length 1200");
  HWND window = nullptr;
  for (HWND candidate : helper.Windows())
    if (GetWindowTextLengthW(candidate) == 1200) window = candidate;
  ASSERT_NE(window, nullptr);
  const std::wstring list = WindowText(window, 512);
  const std::wstring edit = WindowText(window, 1024);
  EXPECT_EQ(list.size(), 510u);
  EXPECT_EQ(edit.size(), 1022u);
  EXPECT_EQ(list.substr(0, 27), L"ABCDEFGHIJKLMNOPQRSTUVWXYZA");
  EXPECT_EQ(edit.substr(0, 510), list);
}

TEST(WindowText, RoundTripsNonAsciiTitlesAndEmptyOnes) {
  TestWindow window(L"");
  EXPECT_EQ(WindowText(window.get(), 512), L"");
  const std::wstring title = L"Ünïcödé — 日本語 Ω";
  ASSERT_TRUE(SetWindowTitle(window.get(), title));
  EXPECT_EQ(WindowText(window.get(), 512), title);
  EXPECT_EQ(WindowClassName(window.get()), L"VantoraTestWindow0");
}

TEST(EnumerateTopLevelWindows, ListsAnotherProcessWindowsFrontToBackIncludingHiddenOnes) {
  ForeignWindows shown(L"--count 3 --title \"Listed %d\"");
  ForeignWindows hidden(L"--hidden --title \"Unseen %d\"");
  HWND first = shown.Find(L"Listed 1");
  HWND third = shown.Find(L"Listed 3");
  ASSERT_TRUE(first && third);
  SetWindowPos(third, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  std::vector<HWND> order;
  EnumerateTopLevelWindows([&](HWND window) { order.push_back(window); });
  const auto at = [&](HWND w) { return std::find(order.begin(), order.end(), w) - order.begin(); };
  ASSERT_LT(at(third), static_cast<long>(order.size()));
  EXPECT_LT(at(third), at(first));
  HWND unseen = hidden.Find(L"Unseen 1");
  ASSERT_NE(unseen, nullptr);
  EXPECT_NE(std::find(order.begin(), order.end(), unseen), order.end());
  EXPECT_FALSE(IsWindowVisible(unseen));
}

// What a program's callback throws in the middle of the system's enumeration stops it there and
// reaches the code that asked for it, once the system's call has returned.
TEST(CallbackExceptions, AThrowInsideTheSystemsEnumerationStopsItAndReachesTheCaller) {
  TestWindow window(L"Enumerated");
  TestWindow another(L"Enumerated too");
  struct Walk {
    CallbackExceptions failure;
    int visits = 0;
  } walk;
  ::EnumWindows(
      [](HWND, LPARAM context) WINAPI -> BOOL {
        auto& w = *reinterpret_cast<Walk*>(context);
        return w.failure.Guard(FALSE, [&]() -> BOOL {
          if (++w.visits == 2) throw std::bad_alloc();
          return TRUE;
        });
      },
      reinterpret_cast<LPARAM>(&walk));
  EXPECT_EQ(walk.visits, 2) << "the enumeration went on after the throw";
  EXPECT_THROW(walk.failure.RethrowIfCaught(), std::bad_alloc);
  EXPECT_NO_THROW(walk.failure.RethrowIfCaught()) << "the exception is given back once";
  // Nothing was left half done: the next enumeration lists the window as ever.
  int listed = 0;
  EnumerateTopLevelWindows([&](HWND w) { listed += w == window.get(); });
  EXPECT_EQ(listed, 1);
}

TEST(WindowStyles, LayeredAlphaAndExtendedStyleReadBackFromAnotherProcess) {
  ForeignWindows helper(L"--title \"Layered %d\"");
  HWND window = helper.Find(L"Layered 1");
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(SetExtendedStyle(window, ExtendedStyle(window) | WS_EX_LAYERED));
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED);

  for (BYTE alpha : {BYTE{127}, BYTE{0}, BYTE{255}}) {
    ASSERT_TRUE(SetLayeredAlpha(window, alpha));
    BYTE readBack = 1;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &readBack, &flags));
    EXPECT_EQ(readBack, alpha);
    EXPECT_EQ(flags & LWA_ALPHA, static_cast<DWORD>(LWA_ALPHA));
    EXPECT_EQ(LayeredAlpha(window), std::optional<BYTE>(alpha));
  }
  const auto rect = WindowRectangle(window);
  ASSERT_TRUE(rect.has_value());
  EXPECT_EQ(rect->right - rect->left, 240);
}

TEST(WindowStyles, ShowStatesReachAnotherProcess) {
  ForeignWindows helper(L"--title \"Shown %d\"");
  HWND window = helper.Find(L"Shown 1");
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(ShowWindowState(window, SW_MINIMIZE));
  EXPECT_TRUE(IsIconic(window));
  EXPECT_TRUE(ShowWindowState(window, SW_SHOWMAXIMIZED));
  EXPECT_TRUE(IsZoomed(window));
  EXPECT_TRUE(ShowWindowState(window, SW_RESTORE));
  EXPECT_FALSE(IsZoomed(window) || IsIconic(window));
}

TEST(SystemMenuClose, GreysAndRestoresTheCloseCommand) {
  TestWindow window(L"system menu");
  const auto grayed = [&] {
    return (GetMenuState(GetSystemMenu(window.get(), FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED) != 0;
  };
  ASSERT_TRUE(SetSystemMenuClose(window.get(), false));
  EXPECT_TRUE(grayed());
  EXPECT_EQ(SystemMenuCloseEnabled(window.get()), std::optional<bool>(false));
  ASSERT_TRUE(SetSystemMenuClose(window.get(), true));
  EXPECT_FALSE(grayed());
  EXPECT_EQ(SystemMenuCloseEnabled(window.get()), std::optional<bool>(true));
}

TEST(TitleBarCloseState, ReportsUnavailableForAClassWithoutClose) {
  TestWindow closable(L"closable");
  TestWindow noClose(L"no close", CS_NOCLOSE);
  const auto normal = TitleBarCloseState(closable.get());
  const auto greyed = TitleBarCloseState(noClose.get());
  ASSERT_TRUE(normal && greyed);
  EXPECT_FALSE(*normal & STATE_SYSTEM_UNAVAILABLE);
  EXPECT_TRUE(*greyed & STATE_SYSTEM_UNAVAILABLE);
}

TEST(CopyIconScaled, MakesAnIconOfTheAskedSize) {
  EXPECT_FALSE(CopyIconScaled(nullptr, 32, 32));
  const UniqueIcon copy = CopyIconScaled(LoadIconW(nullptr, IDI_APPLICATION), 18, 18);
  ASSERT_TRUE(copy);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(copy.get(), &info));
  const UniqueBitmap mask(info.hbmMask), color(info.hbmColor);
  BITMAP bitmap{};
  GetObjectW(color ? color.get() : mask.get(), sizeof(bitmap), &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 18);
}

TEST(RequestClose, ReachesWindowsThatCloseAndThoseThatRefuseOneAfterTheOther) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring log =
      std::wstring(temp) + L"vantora-close-log-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
  DeleteFileW(log.c_str());
  ForeignWindows closing(L"--title \"Closing %d\" --log \"" + log + L"\"");
  ForeignWindows refusing(L"--refuse-close --title \"Refusing %d\" --log \"" + log + L"\"");
  HWND closes = closing.Find(L"Closing 1");
  HWND refuses = refusing.Find(L"Refusing 1");
  ASSERT_TRUE(closes && refuses);

  EXPECT_TRUE(RequestClose(refuses)) << "a refusal is still an answer";
  EXPECT_TRUE(RequestClose(closes));
  EXPECT_TRUE(IsWindow(refuses));
  EXPECT_FALSE(IsWindow(closes));

  char text[128] = {};
  if (FILE* file = _wfopen(log.c_str(), L"rb")) {
    fread(text, 1, sizeof(text) - 1, file);
    fclose(file);
  }
  EXPECT_STREQ(text, "Refusing 1\nClosing 1\n");
  DeleteFileW(log.c_str());
}

// The levels the isolation is told: ours, and that of every other process (nullopt: it cannot be
// opened, as a program of another account or SYSTEM's).
std::optional<DWORD> g_ourLevel, g_theirLevel;
std::optional<DWORD> ScriptedIntegrity(DWORD processId) {
  return processId == ::GetCurrentProcessId() ? g_ourLevel : g_theirLevel;
}

TEST(WindowIsolation, AProcessThatCannotBeOpenedCountsAsHigherOnlyBelowHighRights) {
  ForeignWindows helper(L"--title \"Rights %d\"");
  const HWND window = helper.Find(L"Rights 1");
  ASSERT_NE(window, nullptr);
  constexpr DWORD kMedium = SECURITY_MANDATORY_MEDIUM_RID, kHigh = SECURITY_MANDATORY_HIGH_RID;
  struct Case {
    std::optional<DWORD> ours, theirs;
    bool higher;
  };
  const Case cases[] = {{kMedium, std::nullopt, true},
                        {kMedium, kHigh, true},
                        {kMedium, kMedium, false},
                        {kHigh, std::nullopt, false},
                        {kHigh, SECURITY_MANDATORY_SYSTEM_RID, true},
                        {std::nullopt, std::nullopt, false}};
  SystemIsolation isolation(&ScriptedIntegrity);
  for (const Case& c : cases) {
    g_ourLevel = c.ours;
    g_theirLevel = c.theirs;
    EXPECT_EQ(isolation.RunsWithHigherRights(window), c.higher)
        << "ours " << c.ours.value_or(0) << ", theirs " << c.theirs.value_or(0);
  }
}
