#pragma once
// A report-style list view with its image list, and a two-column key/value grid built on it.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/UniqueHandle.h"
#include "ui/Control.h"

namespace ui {

// Fixed-size images with their transparency, sized for a DPI.
class ImageList {
 public:
  // The size in 96-DPI pixels, scaled to the screen's DPI.
  ImageList(int width, int height);
  HIMAGELIST Handle() const noexcept { return list_.get(); }
  int Width() const noexcept { return width_; }
  int Height() const noexcept { return height_; }
  UINT Dpi() const noexcept { return dpi_; }
  // Sizes the cells for another DPI; the images held are let go, the handle stays.
  void SetDpi(UINT dpi);
  int AddIcon(HICON icon);  // scaled into the cell; returns the image index, -1 on failure
  // The icon's picture made for `size` pixels (no larger than the cell) in the middle of the
  // cell, transparent around it: a new cell, or cell `into` drawn over. Returns the image index,
  // -1 on failure.
  int AddCentred(HICON icon, int size, int into = -1);
  void Remove(int index);  // the later images move down one
  void Clear();
  int Count() const;

 private:
  int designWidth_, designHeight_;
  UINT dpi_;
  int width_, height_;
  platform::UniqueImageList list_;
};

inline constexpr int kNoImage = -2;  // I_IMAGENONE

class ListView : public Control {
 public:
  struct Column {
    std::wstring caption;
    int width;  // 96-DPI pixels; the last column's least, as it fills the rest of the list
  };
  ListView(Form& form, const Placement& placement, std::vector<Column> columns);

  // Small, large and state images, sized for the list's DPI and again when the DPI changes.
  void SetImages(ImageList& images);
  int Count() const;
  int AddItem(const std::wstring& caption, int image = kNoImage);
  void SetItem(int item, const std::wstring& caption, int image);
  void DeleteItem(int item);
  void SetSubItem(int item, int column, const std::wstring& text);
  std::wstring ItemText(int item, int column = 0) const;
  int ItemImage(int item) const;
  void Clear();
  int ItemIndex() const;         // -1 when no row is selected
  void SetItemIndex(int index);  // selects and focuses; -1 clears the selection
  void MakeVisible(int index);
  bool IsItemFullyVisible(int index) const;
  void SetRedraw(bool on);
  void SetColumnCaption(int column, const std::wstring& caption);

  std::function<void()> OnClick;
  // A character typed in the list; true when taken, which keeps the list's own search from it.
  std::function<bool(wchar_t)> OnCharacter;
  // The menu key, Shift+F10 or a right click asks for a menu, at this screen point.
  std::function<void(POINT)> OnContextMenu;
  // Enter and Escape reach the list's key events instead of the form's dialog navigation.
  bool wantsEnterAndEscape = false;
  // A DPI change sized the images anew and let go of their pictures.
  std::function<void()> OnImagesResized;

 protected:
  LRESULT HandleNotify(NMHDR& header) override;
  HBRUSH HandleColor(HDC) override { return nullptr; }
  void HandleDpiChanged() override;
  void LookChanged() override;
  // Custom drawing of the header, which tells the list, not the form.
  bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void FillLastColumn();
  std::vector<Column> columns_;
  ImageList* images_ = nullptr;
};

class KeyValueGrid : public ListView {
 public:
  KeyValueGrid(Form& form, const Placement& placement, Column key, Column value);
  void SetRows(const std::vector<std::pair<std::wstring, std::wstring>>& rows);
  std::wstring Value(const std::wstring& key) const;
  // Sets the value of the row with this key; rows keep their order and number. False when no
  // row has the key.
  bool SetValue(const std::wstring& key, const std::wstring& value);

 private:
  int RowOf(const std::wstring& key) const;  // -1 when no row has the key
};

}  // namespace ui
