#pragma once
// Icons of a known colour, and the colour of a cell drawn out of an image list.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/UniqueHandle.h"
#include "ui/ListView.h"

namespace testsupport {

// A 32 x 32 icon of one colour, or fully transparent (then the colour must be black).
inline platform::UniqueIcon SolidIcon(COLORREF colour, bool transparent) {
  platform::WindowDc screen(nullptr);
  platform::UniqueBitmap image(::CreateCompatibleBitmap(screen.get(), 32, 32));
  platform::UniqueBitmap mask(::CreateBitmap(32, 32, 1, 1, nullptr));
  platform::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
  RECT all{0, 0, 32, 32};
  {
    platform::SelectRestorer select(dc.get(), image.get());
    platform::UniqueBrush brush(::CreateSolidBrush(colour));
    ::FillRect(dc.get(), &all, brush.get());
  }
  {
    platform::SelectRestorer select(dc.get(), mask.get());
    ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(transparent ? WHITE_BRUSH : BLACK_BRUSH)));
  }
  ICONINFO info{TRUE, 0, 0, mask.get(), image.get()};
  return platform::UniqueIcon(::CreateIconIndirect(&info));
}

// The colour at (x, y) of image `index`, drawn out of the list onto a cell of colour `under`.
inline COLORREF CellPixel(const ui::ImageList& images, int index, int x, int y, COLORREF under = RGB(255, 255, 255)) {
  platform::WindowDc screen(nullptr);
  platform::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
  platform::UniqueBitmap target(::CreateCompatibleBitmap(screen.get(), images.Width(), images.Height()));
  platform::SelectRestorer select(dc.get(), target.get());
  RECT all{0, 0, images.Width(), images.Height()};
  platform::UniqueBrush brush(::CreateSolidBrush(under));
  ::FillRect(dc.get(), &all, brush.get());
  ::ImageList_Draw(images.Handle(), index, dc.get(), 0, 0, ILD_NORMAL);
  return ::GetPixel(dc.get(), x, y);
}

// Every pixel of image `index`, drawn out of the list onto a cell of colour `under`.
inline std::vector<COLORREF> CellPixels(const ui::ImageList& images, int index, COLORREF under = RGB(255, 255, 255)) {
  std::vector<COLORREF> pixels;
  for (int y = 0; y < images.Height(); ++y)
    for (int x = 0; x < images.Width(); ++x) pixels.push_back(CellPixel(images, index, x, y, under));
  return pixels;
}

// Every pixel of a width x height cell of colour `under` with the icon drawn at its own size in
// the middle, as the system draws an icon.
inline std::vector<COLORREF> IconInCell(HICON icon, int size, int width, int height,
                                        COLORREF under = RGB(255, 255, 255)) {
  platform::WindowDc screen(nullptr);
  platform::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
  platform::UniqueBitmap target(::CreateCompatibleBitmap(screen.get(), width, height));
  platform::SelectRestorer select(dc.get(), target.get());
  RECT all{0, 0, width, height};
  platform::UniqueBrush brush(::CreateSolidBrush(under));
  ::FillRect(dc.get(), &all, brush.get());
  ::DrawIconEx(dc.get(), (width - size) / 2, (height - size) / 2, icon, size, size, 0, nullptr, DI_NORMAL);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(::GetPixel(dc.get(), x, y));
  return pixels;
}

// Icon `id` of this program, or of the program file `file`, at size x size: the image the file
// holds for that size, as the system loads it from the resource.
inline platform::UniqueIcon ResourceIcon(int id, int size, const std::wstring& file = {}) {
  platform::UniqueModule loaded;
  if (!file.empty())
    loaded.reset(::LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  const HMODULE module = file.empty() ? ::GetModuleHandleW(nullptr) : loaded.get();
  return platform::UniqueIcon(
      static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

// How many pixels of two pictures of the same size differ by more than `tolerance` in a
// channel (the list and the system may round a blended edge a step apart).
inline int DifferentPixels(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b, int tolerance = 2) {
  if (a.size() != b.size()) return static_cast<int>(std::max(a.size(), b.size()));
  int different = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    const int dr = std::abs(GetRValue(a[i]) - GetRValue(b[i]));
    const int dg = std::abs(GetGValue(a[i]) - GetGValue(b[i]));
    const int db = std::abs(GetBValue(a[i]) - GetBValue(b[i]));
    if (std::max({dr, dg, db}) > tolerance) ++different;
  }
  return different;
}

}  // namespace testsupport
