// The full-screen screenshot (capture and bitmap file) against bare BitBlt + GetDIBits + one
// file write of the same size; the icon replacement on a 1 MB program against the bare
// BeginUpdateResource / UpdateResource / EndUpdateResource sequence. Both replace their file
// whole through a temporary file: two more rows set them against the bare calls that do the
// same (capture, write, flush and replace; copy, the same resource updates, flush, replace and
// the shell told of the change).
#include <windows.h>
#include <shlobj.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "bench/Bench.h"
#include "icons/ExeIcon.h"
#include "icons/PictureFiles.h"
#include "icons/portable/IcoFile.h"
#include "icons/portable/IconGroup.h"
#include "platform/Error.h"
#include "platform/files/FileBytes.h"
#include "platform/files/ResourceUpdate.h"

namespace {

constexpr int kRuns = 25;

void FlushBare(const std::wstring& path) {
  const platform::UniqueFile file(
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ::FlushFileBuffers(file.get());
}

// The screen as a 32-bit bitmap file, with the bare calls.
std::vector<uint8_t> CaptureBare(int width, int height) {
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
  return bytes;
}

void BenchScreenshot(const std::wstring& dir) {
  const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
  const std::wstring ours = dir + L"bench-screen.bmp", bare = dir + L"bench-screen-bare.bmp";
  const std::wstring bareTemporary = dir + L"bench-screen-bare.tmp";
  const auto screenshot = [&] {
    platform::CaptureBitmap picture;
    if (!platform::CaptureScreenRect(0, 0, width, height, picture)) throw std::runtime_error("no screen picture");
    icons::SavePicture(picture, ours);
  };
  const std::string size = std::to_string(width) + "x" + std::to_string(height);
  const auto inPlace = bench::CompareMedians(
      kRuns, screenshot, [&] { bench::WriteFileBare(bare, CaptureBare(width, height), false); }, [] {});
  bench::PrintRow("full-screen screenshot " + size, inPlace.measured, inPlace.reference, "<= 1.3x");
  const auto whole = bench::CompareMedians(
      kRuns, screenshot,
      [&] {
        bench::WriteFileBare(bareTemporary, CaptureBare(width, height), true);
        bench::ReplaceFileBare(bareTemporary, bare);
      },
      [] {});
  bench::PrintRow("full-screen screenshot " + size + ", replaced whole", whole.measured, whole.reference, "<= 1.2x");
  ::DeleteFileW(ours.c_str());
  ::DeleteFileW(bare.c_str());
}

void BenchReplaceExeIcon(const std::wstring& dir) {
  const std::wstring source = dir + L"icon_target_large.exe", copy = dir + L"bench-target.exe";
  const std::wstring temporary = dir + L"bench-target.tmp";
  const std::wstring ico = dir + L"test-icons\\icotool-16-32-48.ico";
  const auto file = platform::ReadFileBytes(ico);
  const auto first = icons::ReadIco(file)->images.front();
  // The group as the replacement rewrites it, so the bare calls make the same changes.
  const wchar_t* groupType = RT_GROUP_ICON;
  const auto group = platform::ReadResources(source, std::span(&groupType, 1)).lists.front().front();
  auto rewritten = *icons::UpdateIconGroup(group.bytes, icons::GroupEntryFor(first.info, first.entry.bytesInRes, 1));
  const auto updateBare = [&](const std::wstring& exe, bool withGroup) {
    const HANDLE update = ::BeginUpdateResourceW(exe.c_str(), FALSE);
    ::UpdateResourceW(update, RT_ICON, MAKEINTRESOURCEW(1), 0, const_cast<uint8_t*>(first.bytes.data()),
                      static_cast<DWORD>(first.bytes.size()));
    if (withGroup)
      ::UpdateResourceW(update, RT_GROUP_ICON, MAKEINTRESOURCEW(group.id), group.language, rewritten.data(),
                        static_cast<DWORD>(rewritten.size()));
    ::EndUpdateResourceW(update, FALSE);
  };
  const auto replace = [&] {
    if (const icons::ExeIconChange change = icons::ReplaceExeIcon(ico, copy); !change)
      throw std::runtime_error(platform::Narrow(change.refusal));
  };
  const auto fresh = [&] { ::CopyFileW(source.c_str(), copy.c_str(), FALSE); };
  const auto inPlace = bench::CompareMedians(
      kRuns, replace, [&] { updateBare(copy, false); }, fresh);
  bench::PrintRow("ReplaceExeIcon, 1 MB program", inPlace.measured, inPlace.reference, "<= 1.2x");
  const auto whole = bench::CompareMedians(
      kRuns, replace,
      [&] {
        ::CopyFileW(copy.c_str(), temporary.c_str(), FALSE);
        updateBare(temporary, true);
        FlushBare(temporary);
        bench::ReplaceFileBare(temporary, copy);
        ::SHChangeNotify(SHCNE_UPDATEITEM, SHCNF_PATHW | SHCNF_FLUSHNOWAIT, copy.c_str(), nullptr);
      },
      fresh);
  bench::PrintRow("ReplaceExeIcon, 1 MB program, replaced whole", whole.measured, whole.reference, "<= 1.2x");
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
