#include "ui/Image.h"

#include "ui/Form.h"

namespace ui {

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) return {0, 0};
  platform::UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
  BITMAP bm{};
  ::GetObjectW(colour ? colour.get() : mask.get(), sizeof(bm), &bm);
  return {bm.bmWidth, colour ? bm.bmHeight : bm.bmHeight / 2};
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP bm{};
  ::GetObjectW(bitmap, sizeof(bm), &bm);
  return {bm.bmWidth, bm.bmHeight};
}

Image::Image(Form& form, const Placement& placement) : Control(form, placement, {ControlKind::Image}) {
  CreateWindowOfClass(WC_STATICW, L"", SS_OWNERDRAW | SS_NOTIFY | WS_VISIBLE);
}

template <class Picture>
void Image::Show(Picture picture) {
  if (picture)
    picture_ = std::move(picture);
  else
    picture_ = std::monostate{};
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void Image::SetIcon(platform::UniqueIcon icon) { Show(std::move(icon)); }
void Image::SetBitmap(platform::UniqueBitmap bitmap) { Show(std::move(bitmap)); }

void Image::CopyPictureFrom(const Image& other) {
  if (HICON icon = other.Icon())
    SetIcon(platform::UniqueIcon(::CopyIcon(icon)));
  else if (HBITMAP bitmap = other.Bitmap())
    SetBitmap(
        platform::UniqueBitmap(static_cast<HBITMAP>(::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))));
  else
    Clear();
}

void Image::Clear() {
  picture_ = std::monostate{};
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

HICON Image::Icon() const {
  const auto* icon = std::get_if<platform::UniqueIcon>(&picture_);
  return icon ? icon->get() : nullptr;
}

HBITMAP Image::Bitmap() const {
  const auto* bitmap = std::get_if<platform::UniqueBitmap>(&picture_);
  return bitmap ? bitmap->get() : nullptr;
}

bool Image::Empty() const { return std::holds_alternative<std::monostate>(picture_); }

void Image::HandleDrawItem(const DRAWITEMSTRUCT& item) {
  RECT rect = item.rcItem;
  const SIZE size = Icon() ? IconSize(Icon()) : Bitmap() ? BitmapSize(Bitmap()) : SIZE{0, 0};
  const int x = HasFlag(kCentred) ? (rect.right - rect.left - size.cx) / 2 : 0;
  const int y = HasFlag(kCentred) ? (rect.bottom - rect.top - size.cy) / 2 : 0;
  // A bitmap that covers the whole control (the resize screen's picture of every monitor) needs
  // no background under it.
  const bool covered =
      !Icon() && x <= 0 && y <= 0 && x + size.cx >= rect.right - rect.left && y + size.cy >= rect.bottom - rect.top;
  if (!covered) ::FillRect(item.hDC, &rect, SurfaceBrush());
  if (HICON icon = Icon()) {
    ::DrawIconEx(item.hDC, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
  } else if (HBITMAP bitmap = Bitmap()) {
    platform::UniqueMemoryDc source(::CreateCompatibleDC(item.hDC));
    platform::SelectRestorer select(source.get(), bitmap);
    ::BitBlt(item.hDC, x, y, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
  }
}

}  // namespace ui
