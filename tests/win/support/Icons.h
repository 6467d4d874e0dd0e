#pragma once
// Icons of a known colour, and the colour of a cell drawn out of an image list.
#include <windows.h>

#include "platform/UniqueHandle.h"
#include "platform/ui/ListView.h"

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

}  // namespace testsupport
