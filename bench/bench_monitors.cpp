// A window screenshot (the program's capture and bitmap file) against a bare PrintWindow of the
// same window written as the program writes a file (beside it, flushed, put in place); and
// opening the resize screen over every monitor (capture of the virtual screen and the screen
// shown with its model laid out) against a bare capture of the virtual screen, and against that
// capture shown once by a bare window of the same size holding bare controls of the same kinds.
// Run on two monitors (tests/monitors_check.sh starts them) the second figure is the two-monitor
// one; on one monitor it says so.
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "bench/Bench.h"
#include "commands/VantoraResize.h"
#include "icons/PictureFiles.h"
#include "platform/windows/Monitors.h"
#include "platform/pictures/ScreenCapture.h"
#include "platform/system/Wine.h"
#include "ui/Application.h"

namespace {

constexpr int kRuns = 25;

LRESULT CALLBACK PatternProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT && message != WM_PRINTCLIENT) return ::DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint{};
  const HDC dc = message == WM_PAINT ? ::BeginPaint(window, &paint) : reinterpret_cast<HDC>(wParam);
  RECT client{};
  ::GetClientRect(window, &client);
  for (int band = 0; band < 8; ++band) {
    RECT stripe{client.left, client.bottom * band / 8, client.right, client.bottom * (band + 1) / 8};
    const platform::UniqueBrush brush(::CreateSolidBrush(RGB(band * 30, 200 - band * 20, 90)));
    ::FillRect(dc, &stripe, brush.get());
  }
  if (message == WM_PAINT) ::EndPaint(window, &paint);
  return 0;
}

// The pixels of a bitmap as a 32-bit bitmap file's body.
std::vector<uint8_t> Pixels(HDC dc, HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<uint8_t> bytes(54 + size_t(width) * height * 4);
  ::GetDIBits(dc, bitmap, 0, height, bytes.data() + 54, &info, DIB_RGB_COLORS);
  return bytes;
}

void BenchWindowScreenshot(const std::wstring& dir) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PatternProcedure;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BenchPattern";
  ::RegisterClassW(&wc);
  const HWND window = ::CreateWindowExW(0, wc.lpszClassName, L"Pictured", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 640,
                                        480, nullptr, nullptr, wc.hInstance, nullptr);
  bench::Pump();
  const std::wstring ours = dir + L"bench-window.bmp", bare = dir + L"bench-window-bare.bmp";
  const std::wstring bareTemporary = dir + L"bench-window-bare.tmp";
  const auto screenshot = [&] {
    platform::CaptureBitmap picture;
    if (!platform::CaptureWindow(window, picture)) throw std::runtime_error("no window picture");
    icons::SavePicture(picture, ours);
  };
  // PrintWindow into a bitmap of the window's size, and its pixels.
  const auto printBare = [&] {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const platform::WindowDc screen(nullptr);
    const platform::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
    const platform::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
    {
      const platform::SelectRestorer select(dc.get(), bitmap.get());
      ::PrintWindow(window, dc.get(), PW_RENDERFULLCONTENT);
    }
    return Pixels(dc.get(), bitmap.get(), width, height);
  };
  // The program never writes over a file in place: the bare picture, too, is written beside its
  // file, flushed and put in its place by the system's replacement.
  bench::WriteFileBare(bare, {}, false);  // there is a file to replace from the first run on
  const auto whole = bench::CompareMedians(
      kRuns, screenshot,
      [&] {
        bench::WriteFileBare(bareTemporary, printBare(), true);
        bench::ReplaceFileBare(bareTemporary, bare);
      },
      bench::Pump);
  bench::PrintRow("window screenshot 640x480", whole.measured, whole.reference, "<= 1.2x");
  if (platform::RunningOnWine())
    bench::PrintNote("under Wine the program copies the window's device context instead of PrintWindow");
  ::DestroyWindow(window);
  ::DeleteFileW(ours.c_str());
  ::DeleteFileW(bare.c_str());
}

HBITMAP g_shown = nullptr;  // what the bare full-screen window paints

LRESULT CALLBACK PictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return ::DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint{};
  const HDC dc = ::BeginPaint(window, &paint);
  const platform::UniqueMemoryDc source(::CreateCompatibleDC(dc));
  const platform::SelectRestorer select(source.get(), g_shown);
  ::BitBlt(dc, 0, 0, paint.rcPaint.right, paint.rcPaint.bottom, source.get(), 0, 0, SRCCOPY);
  ::EndPaint(window, &paint);
  return 0;
}

void BenchResizeScreen() {
  ui::FormStyle style;
  style.className = L"BenchMain";
  ui::Owned<ui::Form> mainWindow(style);
  const RECT desktop = platform::VirtualScreen();
  const int width = desktop.right - desktop.left, height = desktop.bottom - desktop.top;
  const platform::WindowBounds target{{200, 150, 840, 630}, {200, 150, 840, 630}};
  const auto open = [&] {
    ui::Owned<TForm7> screen(mainWindow, [] { return HWND{}; });
    platform::CaptureBitmap picture;
    if (!platform::CaptureScreenRect(desktop.left, desktop.top, width, height, picture))
      throw std::runtime_error("no screen picture");
    screen.Present(target, std::move(picture.bitmap), desktop);  // shown and drawn once
    screen.CancelClick();
  };
  const auto captureBare = [&] {
    const platform::WindowDc screen(nullptr);
    platform::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
    const platform::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
    const platform::SelectRestorer select(dc.get(), bitmap.get());
    ::BitBlt(dc.get(), 0, 0, width, height, screen.get(), desktop.left, desktop.top, SRCCOPY);
    return bitmap;
  };
  // The platform's floor for showing such a picture at all: the bare capture, and a bare
  // window over the virtual screen with the screen's controls that paints it once.
  WNDCLASSW wc{};
  wc.lpfnWndProc = PictureProcedure;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BenchPicture";
  ::RegisterClassW(&wc);
  const auto captureAndShowBare = [&] {
    const platform::UniqueBitmap bitmap = captureBare();
    g_shown = bitmap.get();
    const HWND window = ::CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP, desktop.left, desktop.top,
                                          width, height, nullptr, nullptr, wc.hInstance, nullptr);
    // The screen's own controls, as bare windows of the same classes: the two buttons, the
    // panel, its note and handle, and the picture.
    for (const wchar_t* caption : {L"Cancel", L"Apply"})
      ::CreateWindowExW(0, WC_BUTTONW, caption, WS_CHILD | WS_VISIBLE, 300, 300, 75, 25, window, nullptr, wc.hInstance,
                        nullptr);
    for (int i = 0; i < 4; ++i)
      ::CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, 200, 150 + i, 640, 480, window,
                        nullptr, wc.hInstance, nullptr);
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    ::DestroyWindow(window);
  };
  const int monitors = ::GetSystemMetrics(SM_CMONITORS);
  const std::string name = "resize screen over " + std::to_string(monitors) + " monitor(s) " + std::to_string(width) +
                           "x" + std::to_string(height);
  const auto times = bench::CompareMedians(kRuns, open, captureBare, bench::Pump);
  bench::PrintRow(name, times.measured, times.reference, "<= 1.3x");
  const auto shown = bench::CompareMedians(kRuns, open, captureAndShowBare, bench::Pump);
  bench::PrintRow(name + ", against capture + bare window and controls", shown.measured, shown.reference, "");
  if (monitors < 2) bench::PrintNote("one monitor: run bench/run.sh, which runs this on two as well");
}

}  // namespace

int main() {
  ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  ui::Application::Instance().Initialize(::GetModuleHandleW(nullptr), L"Vantora");
  const std::wstring dir = bench::OwnDirectory();
  bench::PrintHeader();
  BenchWindowScreenshot(dir);
  BenchResizeScreen();
  return 0;
}
