// The full-screen screenshot (capture and bitmap file) against bare BitBlt + GetDIBits + one
// file write of the same size; the icon replacement on a 1 MB program against the bare
// BeginUpdateResource / UpdateResource / EndUpdateResource sequence.
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "bench/Bench.h"
#include "icons/Capture.h"
#include "icons/ExeIcon.h"
#include "icons/portable/IcoFile.h"
#include "platform/Error.h"
#include "platform/FileBytes.h"

namespace {

constexpr int kRuns = 25;

void WriteBare(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  const platform::UniqueFile file(
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void BenchScreenshot(const std::wstring& dir) {
  const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
  const std::wstring ours = dir + L"bench-screen.bmp", bare = dir + L"bench-screen-bare.bmp";
  const auto pair = bench::CompareMedians(
      kRuns,
      [&] {
        platform::CaptureBitmap picture;
        if (!platform::CaptureScreenRect(0, 0, width, height, picture)) throw std::runtime_error("no screen picture");
        icons::SaveBitmapFile(picture, ours);
      },
      [&] {
        const platform::WindowDc screen(nullptr);
        const platform::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
        const platform::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
        {
          const platform::SelectRestorer select(dc.get(), bitmap.get());
          ::BitBlt(dc.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
        }
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        std::vector<uint8_t> bytes(54 + size_t(width) * height * 4);
        ::GetDIBits(dc.get(), bitmap.get(), 0, height, bytes.data() + 54, &info, DIB_RGB_COLORS);
        WriteBare(bare, bytes);
      },
      [] {});
  bench::PrintRow("full-screen screenshot " + std::to_string(width) + "x" + std::to_string(height), pair.measured,
                  pair.reference, "<= 1.3x");
  ::DeleteFileW(ours.c_str());
  ::DeleteFileW(bare.c_str());
}

void BenchReplaceExeIcon(const std::wstring& dir) {
  const std::wstring source = dir + L"icon_target_large.exe", copy = dir + L"bench-target.exe";
  const std::wstring ico = dir + L"test-icons\\icotool-16-32-48.ico";
  const auto file = platform::ReadFileBytes(ico);
  const auto first = icons::ReadIco(file)->images.front().bytes;
  const auto pair = bench::CompareMedians(
      kRuns,
      [&] {
        if (const icons::ExeIconChange change = icons::ReplaceExeIcon(ico, copy); !change)
          throw std::runtime_error(platform::Narrow(change.refusal));
      },
      [&] {
        const HANDLE update = ::BeginUpdateResourceW(copy.c_str(), FALSE);
        ::UpdateResourceW(update, RT_ICON, MAKEINTRESOURCEW(1), 0, const_cast<uint8_t*>(first.data()),
                          static_cast<DWORD>(first.size()));
        ::EndUpdateResourceW(update, FALSE);
      },
      [&] { ::CopyFileW(source.c_str(), copy.c_str(), FALSE); });
  bench::PrintRow("ReplaceExeIcon, 1 MB program", pair.measured, pair.reference, "<= 1.2x");
  bench::PrintNote("program size " + std::to_string(platform::ReadFileBytes(source).size()) + " bytes");
  ::DeleteFileW(copy.c_str());
}

}  // namespace

int main() {
  ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  const std::wstring dir = bench::OwnDirectory();
  bench::PrintHeader();
  BenchScreenshot(dir);
  BenchReplaceExeIcon(dir);
  return 0;
}
