#include "icons/IconFiles.h"

#include <stdexcept>

#include "icons/Capture.h"
#include "icons/PictureFiles.h"
#include "icons/portable/IcoFile.h"
#include "platform/Error.h"
#include "platform/FileBytes.h"

namespace icons {
void ExportIcon(HICON icon, int width, int height, const std::wstring& path) {
  platform::CaptureBitmap picture;
  if (const platform::Outcome made = picture.Resize(width, height); !made)
    throw std::runtime_error(platform::Narrow(L"The Icon Could Not Be Drawn. " + made.Reason()));
  {
    const platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const platform::SelectRestorer select(dc.get(), picture.bitmap.get());
    RECT all{0, 0, width, height};
    ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (icon) ::DrawIconEx(dc.get(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  }
  SavePicture(picture, path);
}

void SaveIconFile(HICON icon, const std::wstring& path) {
  ICONINFO parts{};
  if (!icon || !::GetIconInfo(icon, &parts)) throw std::runtime_error("Icon image is not valid");
  const platform::UniqueBitmap mask(parts.hbmMask), colour(parts.hbmColor);
  BITMAP shape{};
  ::GetObjectW(colour ? colour.get() : mask.get(), sizeof(shape), &shape);
  const platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));

  IconPicture picture{};
  picture.width = static_cast<uint32_t>(shape.bmWidth);
  if (colour) {
    picture.height = static_cast<uint32_t>(shape.bmHeight);
    picture.bitCount = shape.bmBitsPixel * shape.bmPlanes;
    picture.colourRows =
        BitmapRows(dc.get(), colour.get(), shape.bmWidth, shape.bmHeight, picture.bitCount, &picture.palette);
    picture.maskRows = BitmapRows(dc.get(), mask.get(), shape.bmWidth, shape.bmHeight, 1, nullptr);
  } else {
    // A monochrome icon keeps both halves in its mask: AND on top, XOR below (first, bottom-up).
    picture.height = static_cast<uint32_t>(shape.bmHeight / 2);
    picture.bitCount = 1;
    Bytes both = BitmapRows(dc.get(), mask.get(), shape.bmWidth, shape.bmHeight, 1, &picture.palette);
    const auto half = static_cast<std::ptrdiff_t>(both.size() / 2);
    picture.colourRows.assign(both.begin(), both.begin() + half);
    picture.maskRows.assign(both.begin() + half, both.end());
  }
  const auto file = WriteIco(picture);
  if (!file) throw std::runtime_error("Icon image is not valid");
  platform::WriteFileBytes(path, *file);
}

platform::UniqueIcon LoadIconFile(const std::wstring& path) {
  return platform::UniqueIcon(
      static_cast<HICON>(::LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
}

}  // namespace icons
