#pragma once
// A picture control that owns the icon or bitmap it shows.
#include <variant>

#include "platform/UniqueHandle.h"
#include "ui/Control.h"

namespace ui {

class Image : public Control {
 public:
  // The picture is centred when the row says so, else drawn at the top-left corner.
  Image(Form& form, const Placement& placement);

  void SetIcon(platform::UniqueIcon icon);  // a null icon shows nothing
  void SetBitmap(platform::UniqueBitmap bitmap);
  void CopyPictureFrom(const Image& other);
  void Clear();
  HICON Icon() const;
  HBITMAP Bitmap() const;
  bool Empty() const;

 protected:
  void HandleDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  template <class Picture>
  void Show(Picture picture);
  std::variant<std::monostate, platform::UniqueIcon, platform::UniqueBitmap> picture_;
};

// The natural size of an icon or bitmap.
SIZE IconSize(HICON icon);
SIZE BitmapSize(HBITMAP bitmap);

}  // namespace ui
